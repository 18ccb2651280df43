// Repainting a table-sized form with every kind of control showing, at
// device pixel ratios 1 and 2 (target: at most 4 ms at 2).
#include <benchmark/benchmark.h>

#include <string>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "front/renderer.h"
#include "platform/app.h"

namespace {

using namespace plat;

// About what the table shows in a busy hand: room picture, table top, ten
// seats with names, stacks, bets and cards, 91 chips, the board, the bet
// panel with its text box, plus an image and a frame for completeness.
class BusyTable : public Form {
public:
    explicit BusyTable(App& app) : Form(app, "busy", 12288, 8880) {
        back = 0x000000;
        picture = loadResource(102);
        PictureClip clip(4, 18);
        clip.setPicture(loadResource(101));

        Shape& top = add<Shape>("top", 852, 3096, 8352, 4584);
        top.shape = Shape::Kind::RoundedRectangle;
        top.fill = Shape::Fill::Solid;
        top.fillColour = 0x008000;
        for (int s = 0; s < 10; ++s) {
            Shape& seat = add<Shape>("seat", 300 + (s % 5) * 2000, s < 5 ? 2400 : 7000, 1752, 1296, s);
            seat.shape = Shape::Kind::RoundedRectangle;
            seat.fill = Shape::Fill::Solid;
            seat.fillColour = 128;
        }
        for (int i = 0; i < 91; ++i) {
            Shape& chip = add<Shape>("chip", 1200 + (i % 13) * 600, 3600 + (i / 13) * 500, 252, 252, i);
            chip.shape = Shape::Kind::Circle;
            chip.opaque = true;
            chip.fill = i % 3 ? Shape::Fill::Solid : Shape::Fill::Cross;
            chip.fillColour = rgb(40 * (i % 6), 120, 200);
            chip.borderWidth = 3;
        }
        Shape& panel = add<Shape>("panel", 9900, 7176, 2352, 1608);
        panel.borderWidth = 2;
        for (int s = 0; s < 10; ++s) {
            Label& name = add<Label>("name", 400 + (s % 5) * 2000, s < 5 ? 2450 : 7050, 1500, 240, s);
            name.caption = "player " + std::to_string(s) + " & co";
            name.fore = 0x0000FF;
            Label& stack = add<Label>("stack", 800 + (s % 5) * 2000, s < 5 ? 2800 : 7400, 372, 192, s);
            stack.caption = " 1000";
            stack.fore = 0x0000FF;
            Label& bet = add<Label>("bet", 900 + (s % 5) * 2000, s < 5 ? 3300 : 6700, 204, 132, s);
            bet.caption = " 20";
            bet.opaque = true;
            bet.back = 0xC0E0FF;
            bet.font = {"Small Fonts", 4.2, false};
        }
        Label& limits = add<Label>("limits", 4740, 84, 3036, 240);
        limits.caption = "Limits Go Up in Every 10 mins";
        limits.fore = kWhite;
        Label& message = add<Label>("message", 3972, 4680, 3000, 240);
        message.caption = "Player 3 Wins With a Full House, Kings Full of Tens";
        message.opaque = true;
        message.back = 255;
        message.fore = 65535;
        message.font.points = 14;
        message.autoSize = true;
        message.wordWrap = false;
        Label& winner = add<Label>("winner", 9588, -36, 2688, 756);
        winner.caption = "Your Finished With  412 Players Still in Tournament";
        winner.opaque = true;
        winner.back = 255;
        winner.fore = 65535;
        winner.font.bold = true;
        winner.align = Label::Align::Centre;

        Image& room = add<Image>("room", 10400, 300, 1032, 432);
        room.stretch = true;
        room.setPicture(loadResource(103));
        room.borderStyle = 1;
        Image& back = add<Image>("cardback", 11500, 300, 600, 840);
        back.setPicture(clip.cell(53));

        Frame& frame = add<Frame>("frame", 10000, 1500, 2000, 600);
        frame.back = 0x404040;
        Label& inFrame = add<Label>("inframe", 60, 60, 3000, 240);
        inFrame.parent = &frame;
        inFrame.caption = "A caption wider than its frame, cut at the edge";
        inFrame.fore = kWhite;

        for (int i = 0; i < 35; ++i) {
            const bool board = i >= 30;
            PictureBox& card = add<PictureBox>(
                "card", board ? 3200 + (i - 30) * 600 : 400 + (i % 10) * 1000 + (i / 10) * 200,
                board ? 4000 : (i % 10 < 5 ? 1500 : 5800) + (i / 10) * 100, 516, 708, i);
            card.picture = clip.cell(1 + (i * 7) % 55);
        }
        const char* captions[] = {"Exit", "Sit Out", "Call", "Raise", "Check", "Fold", "Bet It"};
        for (int i = 0; i < 7; ++i) {
            CommandButton& b = add<CommandButton>("button", 9950 + (i % 2) * 1150, 7250 + (i / 2) * 420,
                                                  1092, 372, i);
            b.caption = captions[i];
            if (i < 2) b.back = 65535;
        }
        TextBox& amount = add<TextBox>("amount", 10032, 8440, 1356, 384);
        amount.text = "40";
    }
};

struct Fixture {
    App app;
    BusyTable& form = app.form<BusyTable>();
};

void repaint(benchmark::State& state) {
    static Fixture fixture;
    const double dpr = double(state.range(0));
    QImage image(int(1024 * dpr), int(740 * dpr), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    kestrin::front::View view;
    view.dpr = dpr;
    for (auto _ : state) {
        QPainter p(&image);
        kestrin::front::Renderer::paint(p, fixture.form, view);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel("dpr " + std::to_string(int(dpr)));
}
BENCHMARK(repaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The same form filling an enlarged window (1.5 x, letterboxed) on a 2x screen.
void repaintEnlarged(benchmark::State& state) {
    static Fixture fixture;
    const double dpr = 2.0;
    const QSize window(1536, 1200);
    QImage image(window * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    const auto view = kestrin::front::View::fit(fixture.form.clientWidth, fixture.form.clientHeight,
                                                QSizeF(window), dpr);
    for (auto _ : state) {
        QPainter p(&image);
        kestrin::front::Renderer::paint(p, fixture.form, view);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(repaintEnlarged)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
