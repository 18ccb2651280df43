#include "support/game_driver.h"

#include <array>
#include <string>

#include "startup/splash.h"

namespace kestrin::test {

namespace {

tables& openTable(plat::App& app, std::string_view name) {
    app.start<frmSplash>();
    app.runNext();  // the splash hands over
    settings& welcome = app.form<settings>();
    app.type(welcome, name);
    app.click(welcome.Command1);
    return *app.loadedForm<tables>();
}

}  // namespace

GameDriver::GameDriver(std::uint64_t seed, std::string_view name)
    : app(std::make_unique<plat::MixRandom>(seed)), table(openTable(app, name)) {}

std::int64_t GameDriver::chipsOwed() const {
    return 10000 + table.field.chips_seated - table.field.chips_charged;
}

std::int64_t GameDriver::chipsHeld() const {
    const TableState& t = table.state;
    std::int64_t sum = 0;
    for (int seat = 1; seat <= kSeats; ++seat) sum += t.players[seat].prize;
    const bool paid = t.gameover && t.numberofwinners > 0;
    return paid ? sum : sum + t.pot;
}

bool GameDriver::panelUp() const { return table.Shape12.visible; }

void RandomUser::play(GameDriver& game) {
    tables& t = game.table;
    plat::App& app = game.app;
    if (t.state.players[1].handrank == 1) {
        // All in now and then: the seats that call it go out, so that near
        // the final table the user often outlasts every opponent.
        if (chance(0.5)) {
            app.click(t.Text2);
            t.Text2.text = std::to_string(t.state.players[1].prize);
            app.click(t.Command11);
            if (!game.panelUp()) return;
            // Refused, being less than the raise: call or raise instead.
        }
        app.click(chance(0.7) ? t.Command5 : t.Command6);
        if (t.Command7.visible) app.click(t.Command7);
    } else {
        app.click(t.Command7.visible ? t.Command7 : t.Command8);
    }
}

void RandomUser::act(GameDriver& game) {
    if (game.panelUp() && chance(0.5)) return play(game);
    tables& t = game.table;
    plat::App& app = game.app;
    static constexpr std::array<const char*, 16> kAmounts = {
        "40", "abc", "100 chips", "1e", "nan", "inf", "0x10", "", "1e400", "99999999999",
        "-5", "40.5", " 60 ", "41.5", "1000", "20"};
    switch (pick(12)) {
    case 0: app.click(t.Command5); break;
    case 1: app.click(t.Command6); break;
    case 2: app.click(t.Command7); break;
    case 3: app.click(t.Command8); break;
    case 4: app.click(t.Command11); break;
    case 5:
        if (chance(0.2)) app.click(t.Command3);  // "Sit Out", now and then
        break;
    case 6:
        if (app.click(t.Text2)) {
            t.Text2.text.clear();
            app.type(t, kAmounts[static_cast<std::size_t>(pick(kAmounts.size()))]);
            if (chance(0.5)) app.type(t, "\r");
        }
        break;
    case 7: app.key(t, plat::keys::Tab, chance(0.5) ? plat::keys::ShiftMask : 0); break;
    case 8: app.key(t, chance(0.5) ? plat::keys::F9 : plat::keys::F10); break;
    case 9:
        // Enter anywhere; Space too, except on "Exit", which it would press.
        if (chance(0.5)) {
            app.key(t, plat::keys::Enter, 0, '\r');
        } else if (t.owner() != &t.Command2) {
            app.key(t, plat::keys::Space, 0, ' ');
        }
        break;
    default: {
        const plat::Twips x = pick(t.clientWidth), y = pick(t.clientHeight);
        plat::Control* hit = t.hitTest(x, y);
        if (hit != &t.Command2) app.clickAt(t, x, y);
        break;
    }
    }
}

}  // namespace kestrin::test
