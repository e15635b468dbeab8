// Speed of the window: clicks in the real TForm1 (offscreen unless
// QT_QPA_PLATFORM says otherwise), start-up to the first painted window, and
// peak memory after a 1000-step run. Start-up and memory are measured in child
// processes that run the same code as the program's main.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/sim_state.h"
#include "runs/memory_sinks.h"
#include "ui/form1.h"

extern char** environ;

namespace {

struct TFailingErrorBox final : TErrorBox {
    std::string Last;
    void Show(std::string_view text) override { Last = text; }
};

struct TBenchForm {
    TRecordingBox Messages;
    TFailingErrorBox Errors;
    std::unique_ptr<TForm1> Form;

    explicit TBenchForm(const char* stepCount)
    {
        ResetSimulationState();
        Form = std::make_unique<TForm1>(Messages, Errors);
        Form->show();
        Form->Edit1->setText(QString::fromLatin1(stepCount));
        QCoreApplication::processEvents();
    }
    int Replots() const
    {
        return Form->Chart1->ReplotCount() + Form->Chart2->ReplotCount() +
               Form->Chart3->ReplotCount() + Form->Chart4->ReplotCount();
    }
    // As after a click: the handler, then the event loop until each chart has
    // drawn itself once, then the repaint of what changed.
    void ClickAndShow(QPushButton* button)
    {
        const int before = Replots();
        button->click();
        for (int spins = 0; Replots() < before + 4 && spins < 100; ++spins)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (Replots() != before + 4) NotDrawnOnce = true;
    }
    bool Failed(benchmark::State& state) const
    {
        if (!Errors.Last.empty()) state.SkipWithError(Errors.Last.c_str());
        else if (!Messages.Shown.empty()) state.SkipWithError(Messages.Shown.front().c_str());
        else if (NotDrawnOnce) state.SkipWithError("a click did not draw each chart exactly once");
        return !Errors.Last.empty() || !Messages.Shown.empty() || NotDrawnOnce;
    }
    bool NotDrawnOnce = false;
};

int LineCount(const std::string& text)
{
    int n = 0;
    for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2)) ++n;
    return n;
}

// "Vykresli" with N = 1000: from the click until the output area holds 1010
// lines and the four charts have been drawn once.
void BM_VykresliN1000(benchmark::State& state)
{
    TBenchForm b("1000");
    for (auto _ : state) b.ClickAndShow(b.Form->Button1);
    if (b.Failed(state)) return;
    const int lines = LineCount(LogTextOf(b.Form->Memo1->toPlainText()));
    if (lines != 1010) state.SkipWithError("output area does not hold 1010 lines");
    state.counters["lines"] = lines;
}
BENCHMARK(BM_VykresliN1000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// One "Krokuj" click with N = 1000, including its repaint; the clicks walk
// through whole step sequences, so the output area holds up to 1010 lines.
void BM_KrokujN1000(benchmark::State& state)
{
    TBenchForm b("1000");
    for (auto _ : state) b.ClickAndShow(b.Form->Button3);
    b.Failed(state);
}
BENCHMARK(BM_KrokujN1000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// "Ulož" after a 1000-step run: four chart bitmaps and the log file, written
// into a temporary directory on this machine's disk.
void BM_UlozAfter1000StepRun(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    TBenchForm b("1000");
    b.ClickAndShow(b.Form->Button1);
    for (auto _ : state) b.Form->Button2->click();
    b.Failed(state);
    QDir::setCurrent(previous);
}
BENCHMARK(BM_UlozAfter1000StepRun)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// --- Child processes --------------------------------------------------------

// Spawns this program in a child mode and returns what it writes to fd 3,
// together with the wall time from the spawn until the first byte arrived.
struct TChildResult {
    std::string Output;
    double Seconds = 0;
    bool Ok = false;
};

TChildResult RunChild(const char* mode)
{
    TChildResult result;
    int fds[2];
    if (pipe(fds) != 0) return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char self[] = "/proc/self/exe";
    std::string modeArg = mode;
    char* argv[] = {self, modeArg.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return result;
    }
    char buf[256];
    bool first = true;
    for (;;) {
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        if (first) {
            result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            first = false;
        }
        result.Output.append(buf, std::size_t(n));
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.Ok = !first && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Process start (exec, loading Qt) until the window has been painted once.
void BM_StartupToWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        const TChildResult r = RunChild("--child-startup");
        if (!r.Ok) {
            state.SkipWithError("start-up child failed");
            return;
        }
        state.SetIterationTime(r.Seconds);
    }
}
BENCHMARK(BM_StartupToWindowShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Peak resident memory of a process that started the window and ran
// "Vykresli" with N = 1000.
void BM_PeakRssAfter1000StepRun(benchmark::State& state)
{
    double megabytes = 0;
    for (auto _ : state) {
        const TChildResult r = RunChild("--child-rss");
        if (!r.Ok) {
            state.SkipWithError("memory child failed");
            return;
        }
        megabytes = std::stod(r.Output) / 1024.0;
    }
    state.counters["peak_rss_MB"] = megabytes;
}
BENCHMARK(BM_PeakRssAfter1000StepRun)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

void Report(const std::string& text)
{
    const ssize_t written = write(3, text.data(), text.size());
    (void)written;
    close(3);
}

// The program's main, plus a note to the parent once the window has painted.
int ChildStartup(int argc, char** argv)
{
    QApplication application(argc, argv);
    TForm1 Form1;
    application.setWindowIcon(Form1.windowIcon());
    struct TFirstPaint final : QObject {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !Seen) {
                Seen = true;
                // After the whole paint pass: the window is on screen.
                QTimer::singleShot(0, [] {
                    Report("shown");
                    QCoreApplication::quit();
                });
            }
            return false;
        }
        bool Seen = false;
    } firstPaint;
    Form1.installEventFilter(&firstPaint);
    Form1.show();
    return application.exec();
}

int ChildRss(int argc, char** argv)
{
    QApplication application(argc, argv);
    TForm1 Form1;
    Form1.show();
    QCoreApplication::processEvents();
    Form1.Edit1->setText(QStringLiteral("1000"));
    Form1.Button1->click();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    Report(std::to_string(usage.ru_maxrss));  // kilobytes
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], "--child-startup") == 0) return ChildStartup(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--child-rss") == 0) return ChildRss(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
