// The table window as designed: every control at its place, in drawing
// order, and the handlers wired to the controls.
#include "table/tables.h"

#include "betting/chip_layout.h"
#include "table/seat_map.h"

namespace kestrin {

using plat::CommandButton;
using plat::Label;
using plat::PictureBox;
using plat::Shape;

namespace {

constexpr plat::Colour kRed = 0x0000FF;
constexpr plat::Colour kYellow = 0x00FFFF;
constexpr plat::Colour kLightYellow = 0x80FFFF;
constexpr plat::Colour kDarkRed = 0x000080;
constexpr plat::Colour kTableGreen = 0x008000;
constexpr plat::Colour kBackdrop = 0x404080;
constexpr plat::Colour kRim = plat::rgb(74, 44, 22);
constexpr plat::Colour kNamePlate = plat::rgb(255, 246, 222);
constexpr plat::Colour kMessagePlate = plat::rgb(24, 24, 24);
// A card cell is a little smaller than its picture box: the strip left over
// reads as the card's shadow.
constexpr plat::Colour kCardShadow = plat::rgb(20, 20, 20);
constexpr plat::Colour kPanel = plat::rgb(36, 40, 48);
constexpr plat::Colour kPanelEdge = plat::rgb(200, 200, 200);

constexpr plat::Twips kTurnW = 372, kTurnH = 132;
constexpr plat::Twips kCardW = 516, kCardH = 708;
constexpr plat::Twips kNameW = 240, kNameH = 192;  // grows to the name
constexpr plat::Twips kStackW = 372, kStackH = 192;
constexpr plat::Twips kBetW = 204, kBetH = 132;
constexpr plat::Twips kOutlineW = 1752, kOutlineH = 1296;
constexpr plat::Twips kBoardTop = 4920;
constexpr plat::Twips kBoardLeft[] = {3804, 4284, 4764, 5244, 5724};

void fill(Shape& s, Shape::Kind kind, plat::Colour colour) {
    s.shape = kind;
    s.fill = Shape::Fill::Solid;
    s.fillColour = colour;
}

void look_of(Shape& chip, const ChipDesign& d) {
    const ChipPaint& paint = chip_paint(d.look);
    chip.shape = Shape::Kind::Circle;
    chip.opaque = true;
    chip.back = paint.back;
    chip.fill = paint.fill;
    chip.fillColour = paint.fillColour;
    chip.borderWidth = d.borderPx;
    chip.visible = false;
}

// The chip and pot labels: a small amount on a light ground, grown to fit
// amounts of more digits than the label was laid out for.
void amount_label(Label& l, plat::Colour back, double points) {
    l.caption = "500";
    l.opaque = true;
    l.back = back;
    l.font = {"Small Fonts", points, false};
    l.align = Label::Align::Centre;
    l.wordWrap = false;
    l.autoSize = true;
    l.visible = false;
}

void line_label(Label& l, plat::Colour fore, bool bold = false) {
    l.fore = fore;
    l.font.bold = bold;
    l.wordWrap = false;
    l.autoSize = true;
}

// Names and stacks: red on a light plate, which reads on the seat's dark
// frame, on its highlight and on any room picture.
void seat_label(Label& l, const char* caption) {
    line_label(l, kRed, true);
    l.opaque = true;
    l.back = kNamePlate;
    l.caption = caption;
}

std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }

}  // namespace

tables::tables(plat::App& app) : Form(app, "tables", 12288, 8880), design_(build()) {
    caption = "Kestrin Holdem";
    border = Border::Sizable;
    back = 0x000000;
    previewKeys = true;

    for (int seat = 1; seat <= kSeats; ++seat) {
        const SeatControlsDesign& d = seat_design(seat);
        turnPicture.set(seat, design_.picture[d.turn.number]);
        firstCard.set(seat, design_.picture[d.firstCard.number]);
        secondCard.set(seat, design_.picture[d.secondCard.number]);
        nameLabel.set(seat, design_.label[d.name.number]);
        stackLabel.set(seat, design_.label[d.stack.number]);
        betLabel.set(seat, design_.chiplabel[d.bet.number]);
        outline.set(seat, design_.shape[d.outline.number]);
    }

    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    // The game parks the focus on "Exit" at every hand's end: until the
    // tournament is over for the user, only a focus the user moved there
    // himself lets a key press it.
    Command2.acceptsKeyClick = [this] { return state.closer == 1 || Command2.focusedByUser(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    connect_betting();
}

// Lightweight controls first (shapes, then labels), then the windowed ones:
// later controls are drawn over earlier ones, and the buttons are created in
// their tab order.
tables::Design tables::build() {
    Design d;

    Shape& top = add<Shape>("Shape1", 852, 3096, 8352, 4584);
    fill(top, Shape::Kind::Oval, kTableGreen);
    top.borderColour = kRim;
    top.borderWidth = 6;
    d.shape.set(1, top);

    Shape& backdrop = add<Shape>("Shape13", 4584, -156, 3300, 1404);
    fill(backdrop, Shape::Kind::RoundedRectangle, kBackdrop);
    d.shape.set(13, backdrop);

    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlacedControl& o = seat_design(seat).outline;
        Shape& frame = add<Shape>(numbered("Shape", o.number), o.left, o.top, kOutlineW, kOutlineH);
        fill(frame, Shape::Kind::RoundedRectangle, kDarkRed);
        d.shape.set(o.number, frame);
    }

    const auto& chips = chip_designs();
    for (int i = 0; i < kChips; ++i) {
        const ChipDesign& c = chips[static_cast<std::size_t>(i)];
        Shape& chip = add<Shape>("backchips", c.left, c.top, c.width, c.height, i);
        look_of(chip, c);
        d.backchips.set(i, chip);
    }

    Shape& panel = add<Shape>("Shape12", 9900, 7176, 2352, 1608);
    fill(panel, Shape::Kind::Rectangle, kPanel);
    panel.borderColour = kPanelEdge;
    panel.borderWidth = 2;
    panel.visible = false;
    d.shape.set(12, panel);

    Label& limitsNotice = add<Label>("limitslabel", 4740, 84, 3036, 240);
    line_label(limitsNotice, plat::kWhite);
    d.limitslabel = &limitsNotice;
    Label& limitsNow = add<Label>("limitsdisplay", 4740, 408, 3036, 240);
    line_label(limitsNow, plat::kWhite, true);
    d.limitsdisplay = &limitsNow;

    Label& remaining = add<Label>("Label2", 4740, 744, 3036, 408);
    line_label(remaining, kYellow);
    remaining.autoSize = false;
    remaining.visible = false;
    d.label.set(2, remaining);

    Label& channel = add<Label>("Label23", 4740, 264, 1212, 516);
    channel.visible = false;
    d.label.set(23, channel);

    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlacedControl& n = seat_design(seat).name;
        Label& name = add<Label>(numbered("Label", n.number), n.left, n.top, kNameW, kNameH);
        seat_label(name, "Player");
        d.label.set(n.number, name);
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlacedControl& s = seat_design(seat).stack;
        Label& stack = add<Label>(numbered("Label", s.number), s.left, s.top, kStackW, kStackH);
        seat_label(stack, "Prize");
        d.label.set(s.number, stack);
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlacedControl& b = seat_design(seat).bet;
        Label& bet = add<Label>(numbered("chiplabel", b.number), b.left, b.top, kBetW, kBetH);
        amount_label(bet, 0xC0E0FF, 4.2);
        d.chiplabel.set(b.number, bet);
    }
    Label& pot = add<Label>("potlabel", 4656, 5796, 192, 120);
    amount_label(pot, 0x80C0FF, 4.8);
    d.potlabel = &pot;

    Label& message = add<Label>("Label24", 3972, 4680, 240, 192);
    line_label(message, kYellow, true);
    message.opaque = true;
    message.back = kMessagePlate;
    message.visible = false;
    d.label.set(24, message);

    Label& winner = add<Label>("winnerlabel", 9588, -36, 2688, 756);
    winner.fore = kYellow;
    winner.back = kRed;
    winner.opaque = true;
    winner.font = {"Arial", 12, true};
    winner.align = Label::Align::Centre;
    winner.visible = false;
    d.winnerlabel = &winner;

    Label& button = add<Label>("Label1", 0, 0, 192, 240);
    button.caption = "D";
    button.fore = kYellow;
    button.back = kRed;
    button.opaque = true;
    button.font.bold = true;
    button.align = Label::Align::Centre;
    button.wordWrap = false;
    button.visible = false;
    d.label.set(1, button);

    for (int seat = 1; seat <= kSeats; ++seat) {
        const PlacedControl& t = seat_design(seat).turn;
        PictureBox& turn = add<PictureBox>(numbered("Picture", t.number), t.left, t.top, kTurnW, kTurnH);
        turn.back = kDarkRed;
        d.picture.set(t.number, turn);
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        for (const PlacedControl* c : {&seat_design(seat).firstCard, &seat_design(seat).secondCard}) {
            PictureBox& card = add<PictureBox>(numbered("Picture", c->number), c->left, c->top, kCardW, kCardH);
            card.back = kCardShadow;
            card.visible = false;
            d.picture.set(c->number, card);
        }
    }
    for (int i = 0; i < 5; ++i) {
        PictureBox& card = add<PictureBox>(numbered("Picture", 32 + i), kBoardLeft[i], kBoardTop, kCardW, kCardH);
        card.back = kCardShadow;
        card.visible = false;
        d.picture.set(32 + i, card);
    }

    for (int n : {1, 4}) {
        CommandButton& hidden = add<CommandButton>(numbered("Command", n), 0, 0, 1092, 372);
        hidden.caption = "round timer";
        hidden.visible = false;
        hidden.tabStop = false;
        d.command.set(n, hidden);
    }
    CommandButton& exit = add<CommandButton>("Command2", 9084, 8148, 492, 372);
    exit.caption = "Exit";
    exit.back = kYellow;
    d.command.set(2, exit);
    CommandButton& sitOut = add<CommandButton>("Command3", 8760, 7752, 1092, 372);
    sitOut.caption = "Sit Out";
    sitOut.back = kLightYellow;
    d.command.set(3, sitOut);

    struct PanelButton {
        int number;
        const char* caption;
        plat::Twips left, top;
    };
    for (const PanelButton& b : {PanelButton{5, "Call", 9984, 7296}, PanelButton{6, "Raise", 11088, 7296},
                                 PanelButton{7, "Check", 9984, 7788}, PanelButton{8, "Fold", 11088, 7788}}) {
        CommandButton& button = add<CommandButton>(numbered("Command", b.number), b.left, b.top, 1092, 420);
        button.caption = b.caption;
        button.visible = false;
        d.command.set(b.number, button);
    }
    plat::TextBox& amount = add<plat::TextBox>("Text2", 10032, 8280, 1356, 384);
    amount.visible = false;
    d.Text2 = &amount;
    CommandButton& betIt = add<CommandButton>("Command11", 11556, 8340, 492, 312);
    betIt.caption = "Bet It";
    betIt.visible = false;
    d.command.set(11, betIt);

    d.Timer1 = &addTimer("Timer1", 13000, false);
    d.roundtimer = &addTimer("roundtimer", 2000, false);
    return d;
}

}  // namespace kestrin
