// Text scales with its box: at every window size and device pixel ratio,
// each label of the splash, welcome and table windows shows what it shows at
// its designed size (the same lines, each in the same place relative to its
// box, nothing cut), with the longest texts the game writes in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <QImage>
#include <QPainter>

#include "front/colours.h"
#include "front/renderer.h"
#include "platform/app.h"
#include "platform/numtext.h"
#include "startup/settings.h"
#include "startup/splash.h"
#include "table/table_texts.h"
#include "table/tables.h"

using namespace plat;
using kestrin::front::View;

namespace {

// One line of a label's text as drawn: the band of rows that hold its ink,
// in device pixels from the label's top-left corner.
struct InkLine {
    double top = 0, bottom = 0, left = 0, right = 0;
    double centre = 0;  // of the ink's columns, weighted by the ink
};

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The label drawn alone on its own ground; a pixel is ink when it is at
// least a quarter of the way from the ground colour to the text's, and
// weighs as much as it is covered.
std::vector<InkLine> inkLines(const Label& label, double scale, double dpr) {
    const QRgb fore = kestrin::front::toQColor(label.fore).rgb();
    const QRgb ground = label.opaque ? kestrin::front::toQColor(label.back).rgb()
                        : qGray(fore) < 128 ? qRgb(255, 255, 255)
                                            : qRgb(0, 0, 0);
    // Room for a self-sizing label to grow and for centred text to spread.
    const double margin = 40, growth = label.autoSize ? 600 : 0;
    const QSizeF logical(label.width / 12.0 + 2 * margin + growth, label.height / 12.0 + 2 * margin);
    QImage image((logical * scale * dpr).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(ground);
    View v;
    v.scale = scale;
    v.dpr = dpr;
    v.origin = QPointF(v.snap(margin * scale - label.absLeft() * scale / 12.0),
                       v.snap(margin * scale - label.absTop() * scale / 12.0));
    QPainter p(&image);
    kestrin::front::Renderer::paintControl(p, label, v);
    p.end();

    const QPointF corner = v.rectOf(label).topLeft() * dpr;
    const double full = std::max(1, distance(fore, ground));
    std::vector<InkLine> lines;
    bool inLine = false;
    double mass = 0, moment = 0;
    for (int y = 0; y <= image.height(); ++y) {
        int first = -1, last = -1;
        if (y < image.height()) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const double coverage = double(distance(row[x], ground)) / full;
                if (coverage < 0.25) continue;
                if (first < 0) first = x;
                last = x;
                mass += coverage;
                moment += coverage * (x + 0.5);
            }
        }
        if (first >= 0) {
            if (!inLine) lines.push_back({y - corner.y(), 0, 1e9, -1e9, 0});
            inLine = true;
            InkLine& line = lines.back();
            line.bottom = y + 1 - corner.y();
            line.left = std::min(line.left, first - corner.x());
            line.right = std::max(line.right, last + 1 - corner.x());
        } else if (inLine) {
            lines.back().centre = moment / mass - corner.x();
            inLine = false;
            mass = moment = 0;
        }
    }
    return lines;
}

struct Size {
    double scale;
    double dpr;
};

void PrintTo(const Size& s, std::ostream* os) { *os << "scale " << s.scale << " dpr " << s.dpr; }

class TextScale : public ::testing::TestWithParam<Size> {
protected:
    App app;
    kestrin::frmSplash& splash = app.form<kestrin::frmSplash>();
    kestrin::settings& welcome = app.form<kestrin::settings>();
    kestrin::tables& table = app.form<kestrin::tables>();

    // The texts at their longest: the widest of the name words three times
    // over, holding the best hand, and the largest amounts.
    void longestTexts() {
        std::string word;
        for (std::string_view w : kestrin::kNameWords)
            if (w.size() > word.size()) word = w;
        const std::string name = word + " " + word + " " + word;
        table.nameLabel[2].caption = name;
        table.winnerlabel.caption = name + " royal flush diamonds";
        table.limitsdisplay.caption = kestrin::limits_line(25000);
        for (int seat = 1; seat <= 10; ++seat) {
            table.stackLabel[seat].caption = numText(1000000);
            table.betLabel[seat].caption = numText(100000);
        }
        table.potlabel.caption = numText(1000000);
    }

    // Every label with text looks at this size as it does at the designed
    // size, grown by the same factor as its box.
    void expectDesignedLook(const char* state) {
        const Size size = GetParam();
        const double k = size.scale * size.dpr;
        for (const Form* form : {static_cast<Form*>(&splash), static_cast<Form*>(&welcome),
                                 static_cast<Form*>(&table)}) {
            for (const Control* c : form->controls()) {
                if (c->kind() != ControlKind::Label) continue;
                const auto& label = static_cast<const Label&>(*c);
                if (label.caption.empty()) continue;
                SCOPED_TRACE(std::string(state) + ": " + form->name() + "." + label.name() + " \"" +
                             label.caption + "\"");
                const auto designed = inkLines(label, 1.0, 1.0);
                const auto scaled = inkLines(label, size.scale, size.dpr);
                ASSERT_EQ(scaled.size(), designed.size()) << "lines";
                // Edges move by a pixel or two as glyphs are drawn at another
                // size, the ink's centre by less; text that is cut or not as
                // large as its box moves them further.
                const double edges = 1.5 + 0.75 * k, centre = 0.75 + 0.5 * k;
                for (std::size_t i = 0; i < designed.size(); ++i) {
                    SCOPED_TRACE("line " + std::to_string(i + 1));
                    EXPECT_NEAR(scaled[i].top, designed[i].top * k, edges);
                    EXPECT_NEAR(scaled[i].bottom, designed[i].bottom * k, edges);
                    EXPECT_NEAR(scaled[i].left, designed[i].left * k, edges);
                    EXPECT_NEAR(scaled[i].right, designed[i].right * k, edges);
                    EXPECT_NEAR(scaled[i].centre, designed[i].centre * k, centre);
                }
            }
        }
    }
};

TEST_P(TextScale, EveryLabelShowsItsDesignedLinesUncut) {
    longestTexts();
    table.Label2.caption = kestrin::players_remaining_line(1000);
    table.Label24.caption = kestrin::finishing_line(1000);
    expectDesignedLook("1000 remaining, finished");

    table.Label2.caption = kestrin::players_remaining_line(10);
    table.show_win_message();
    expectDesignedLook("10 remaining, won");
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, TextScale,
                         ::testing::Values(Size{0.75, 1}, Size{1.32, 1}, Size{1.5, 1}, Size{2, 1},
                                           Size{1, 1.25}, Size{1.32, 1.5}),
                         [](const auto& info) {
                             return "scale" + std::to_string(int(std::lround(info.param.scale * 100))) + "dpr" +
                                    std::to_string(int(std::lround(info.param.dpr * 100)));
                         });

}  // namespace
