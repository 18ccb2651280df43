// Start-up of the front end against a bare Qt window: wall time from
// spawning the process to its first painted window, and the process's peak
// resident memory by then (targets: both at most 1.5 x the bare window's).
//
// The same executable is the probe: with KESTRIN_STARTUP_PROBE=bare it shows
// one plain QWidget the size of the splash (=bare_text: with one line of
// text), with =front it starts the game
// as the program does; either way it prints "painted" once its first
// window has painted and flushed, and exits.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "front/front_app.h"
#include "platform/app.h"
#include "platform/random.h"
#include "startup/splash.h"

extern char** environ;

namespace {

constexpr const char* kModeVariable = "KESTRIN_STARTUP_PROBE";

// Reported from the event loop after the paint, so the window has been
// flushed too.
void reportPainted() {
    static bool once = false;
    if (once) return;
    once = true;
    QTimer::singleShot(0, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        std::_Exit(0);
    });
}

class BareWindow : public QWidget {
public:
    bool withText = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0, 0, 128));
        if (withText) {
            QFont font(QStringLiteral("Liberation Sans"));
            font.setPixelSize(20);
            p.setFont(font);
            p.drawText(20, 40, QStringLiteral("Kestrin Holdem"));
        }
        reportPainted();
    }
};

int probe(const std::string& mode, int argc, char** argv) {
    QApplication qapp(argc, argv);
    if (mode == "bare" || mode == "bare_text") {
        BareWindow window;
        window.withText = mode == "bare_text";
        window.setFixedSize(615, 353);
        window.show();
        return QApplication::exec();
    }
    plat::App app(std::make_unique<plat::MixRandom>(1), /*realClock=*/true);
    kestrin::front::FrontApp front(app);
    front.onPainted = reportPainted;
    front.start<kestrin::frmSplash>();
    return QApplication::exec();
}

struct Sample {
    double seconds = 0;
    long peakKb = 0;
    bool ok = false;
};

Sample spawnProbe(const char* mode) {
    Sample s;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, kModeVariable, std::strlen(kModeVariable)) != 0) env.emplace_back(*e);
    env.push_back(std::string(kModeVariable) + "=" + mode);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) return s;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char self[] = "/proc/self/exe";
    char* args[] = {self, nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, args, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        return s;
    }
    std::string got;
    char buf[64];
    for (ssize_t n; got.find("painted") == std::string::npos && (n = read(out[0], buf, sizeof buf)) > 0;)
        got.append(buf, std::size_t(n));
    const auto painted = std::chrono::steady_clock::now();
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    s.seconds = std::chrono::duration<double>(painted - start).count();
    s.peakKb = usage.ru_maxrss;
    s.ok = got.find("painted") != std::string::npos;
    return s;
}

void startup(benchmark::State& state, const char* mode) {
    long peak = 0;
    for (auto _ : state) {
        const Sample s = spawnProbe(mode);
        if (!s.ok) {
            state.SkipWithError("the probe did not paint");
            break;
        }
        state.SetIterationTime(s.seconds);
        peak = std::max(peak, s.peakKb);
    }
    state.counters["peak_rss_kb"] = double(peak);
}

BENCHMARK_CAPTURE(startup, bare_qwidget, "bare")->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
// For scale: the first line of text a window draws pays for loading the
// system's font configuration, which the bare window never does.
BENCHMARK_CAPTURE(startup, bare_qwidget_with_text, "bare_text")->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startup, front_end, "front")->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const char* mode = std::getenv(kModeVariable)) return probe(mode, argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
