// Passes only when the clock-jump library is in force: the clocks the game and
// Qt read run ahead of the kernel's own monotonic clock, and a Qt timer fires
// by the clock that runs ahead.
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTimer>

namespace {

// Straight from the kernel: no library function that could be replaced.
long long kernelMs() {
    timespec ts{};
    syscall(SYS_clock_gettime, CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000LL + ts.tv_nsec / 1000000;
}

template <class Read>
bool runsAhead(const char* name, Read read) {
    const long long before = read() - kernelMs();
    for (int i = 0; i < 20; ++i) read();
    const long long ahead = read() - kernelMs() - before;
    std::printf("%-28s %4lld ms ahead of the kernel after 22 reads\n", name, ahead);
    return ahead >= 22;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication qapp(argc, argv);
    bool ok = runsAhead("std::chrono::steady_clock", [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    });
    ok &= runsAhead("QElapsedTimer", [] {
        QElapsedTimer t;
        t.start();
        return t.msecsSinceReference();
    });
    ok &= runsAhead("QDeadlineTimer", [] { return QDeadlineTimer::current().deadline(); });

    // Kept busy by a zero timer, the event loop reads the clock on every
    // pass: a 10 s timer fires long before 10 s of the kernel's time.
    const long long start = kernelMs();
    QTimer spin;
    QObject::connect(&spin, &QTimer::timeout, [] {});
    spin.start(0);
    QTimer::singleShot(10000, Qt::PreciseTimer, &qapp, &QCoreApplication::quit);
    qapp.exec();
    const long long took = kernelMs() - start;
    std::printf("%-28s fired after %lld ms of the kernel's time\n", "a 10 s QTimer", took);
    ok &= took < 5000;
    if (!ok) std::printf("the clock-jump library is not in force\n");
    return ok ? 0 : 1;
}
