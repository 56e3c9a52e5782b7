// The whole road through the real main window on the offscreen platform, with a
// recording platform: paste, confirm, save-as and write for long lists; browsing into a
// directory of many files; an extension switch on a long list.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/job.h"
#include "core/settings_access.h"
#include "platform/os.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/app/MainWindow.h"
#include "ui/widgets/ProgramStyle.h"

namespace {

using stapelwerk::Job;
using stapelwerk::MainWindow;
using stapelwerk::testing::FakePlatform;
using stapelwerk::testing::TempDir;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What a PDM export pastes: one file name with its version a line.
std::string clipboardOf(std::int64_t count) {
    std::string text = "Name\r\n";
    for (std::int64_t i = 0; i < count; ++i) {
        text += "teil" + std::to_string(1000000 + i) + ".drw." + std::to_string(i % 7 + 1) + "\r\n";
    }
    return text;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The platform with "Lauf protokollieren" as the user last set it.
FakePlatform& withJournal(FakePlatform& platform, bool journal) {
    stapelwerk::settings::write(platform, stapelwerk::settings::kJournal, journal ? "1" : "0");
    return platform;
}

// The main window of one run, writing into a directory of its own.
struct Window {
    explicit Window(std::string clipboard = {}, bool journal = false)
        : window(withJournal(platform, journal), job) {
        platform.clipboard = std::move(clipboard);
        window.show();
        window.findChild<QLineEdit*>("txt_pro")->setText(QString::fromStdString(output.path()));
    }
    void click(const char* button) { window.findChild<QPushButton*>(button)->click(); }
    double timedClick(const char* button) {
        const Clock::time_point start = Clock::now();
        click(button);
        return millisecondsSince(start);
    }

    FakePlatform platform;
    TempDir output;
    Job job;
    MainWindow window;
};

// Sums per iteration, shown as averages.
struct Averages {
    std::map<std::string, double> sums;
    void add(const char* name, double value) { sums[name] += value; }
    void report(benchmark::State& state) const {
        for (const auto& [name, sum] : sums) {
            state.counters[name] = benchmark::Counter(sum, benchmark::Counter::kAvgIterations);
        }
    }
};

void runRoad(benchmark::State& state, bool journal) {
    Averages averages;
    for (auto _ : state) {
        // Made afresh and handed over: a copy kept here would count in the program's peak.
        Window run(clipboardOf(state.range(0)), journal);
        const double paste = run.timedClick("cmd_paste");
        // The system's clipboard lies in another process; the recording platform's copy would
        // count in the program's peak.
        std::string().swap(run.platform.clipboard);
        const double confirm = run.timedClick("cmd_file");
        const double build = run.timedClick("cmd_SaveAs");
        const double write = run.timedClick("cmd_fcreate");
        state.SetIterationTime((paste + confirm + build + write) / 1000.0);
        averages.add("paste_ms", paste);
        averages.add("confirm_ms", confirm);
        averages.add("build_ms", build);
        averages.add("write_ms", write);

        // The yardstick for writing: the system's own copy of the same bytes, made durable.
        const std::string doitPro = run.output.file("doit.pro");
        const std::string copy = run.output.file("copy.pro");
        const Clock::time_point start = Clock::now();
        const std::string command = "cp '" + doitPro + "' '" + copy + "' && sync '" + copy + "'";
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
        averages.add("cp_sync_ms", millisecondsSince(start));
        averages.add("doit_MB",
                     static_cast<double>(std::filesystem::file_size(doitPro)) / (1024.0 * 1024.0));
    }
    averages.report(state);
    state.counters["peak_MB"] = peakMegabytes();
}
void Road(benchmark::State& state) { runRoad(state, false); }
BENCHMARK(Road)->Arg(1000)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Road)->Arg(100000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Road)->Arg(1000000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// As a user who follows the run has it: the journal's steps make doit.pro longer.
void RoadWithJournal(benchmark::State& state) { runRoad(state, true); }
BENCHMARK(RoadWithJournal)
    ->Arg(1000000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BrowseDirectory(benchmark::State& state) {
    TempDir directory;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        std::ofstream(directory.file("teil" + std::to_string(1000000 + i) + ".drw.1"));
    }
    Window run;
    auto* path = run.window.findChild<QLineEdit*>("txt_path");
    for (auto _ : state) {
        path->setText("/");
        const Clock::time_point start = Clock::now();
        path->setText(QString::fromStdString(directory.path()));
        state.SetIterationTime(millisecondsSince(start) / 1000.0);
    }
    if (run.job.workList.size() != static_cast<std::size_t>(state.range(0))) {
        state.SkipWithError("the work list does not hold the directory's files");
    }
}
BENCHMARK(BrowseDirectory)
    ->Arg(100000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void ExtensionSwitch(benchmark::State& state) {
    Window run(clipboardOf(state.range(0)));
    run.click("cmd_paste");
    for (auto _ : state) state.SetIterationTime(run.timedClick("cmd_P") / 1000.0);
}
BENCHMARK(ExtensionSwitch)
    ->Arg(100000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    // As the program does at its start (Program.cpp).
    stapelwerk::os::returnLargeBlocksWhenFreed();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    stapelwerk::applyProgramStyle(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
