// Kestrin Holdem: the model of the game in Qt windows.
#include <chrono>
#include <memory>

#include <QApplication>

#include "front/front_app.h"
#include "platform/app.h"
#include "platform/random.h"
#include "startup/splash.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrin Holdem"));
    // Every game deals differently: the wall clock seeds the generator, and
    // reseeds mix in the real clock.
    const auto seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    plat::App app(std::make_unique<plat::MixRandom>(seed), /*realClock=*/true);
    kestrin::front::FrontApp front(app);
    front.start<kestrin::frmSplash>();
    if (app.ended()) return 0;
    return QApplication::exec();
}
