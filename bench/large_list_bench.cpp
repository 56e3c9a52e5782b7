// How long the confirm step and the builders take for long work lists.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cadconfig/model_locator.h"
#include "generate/doit_builder.h"
#include "generate/templates.h"
#include "workflow/write_check.h"
#include "worklist/confirm.h"

namespace {

stapelwerk::WorkEntries workList(int count) {
    stapelwerk::WorkEntries entries;
    for (int i = 0; i < count; ++i) {
        entries.append("C:\\work\\teil" + std::to_string(i % (count / 2 + 1)) + ".prt.3", true);
    }
    return entries;
}

void Confirm(benchmark::State& state) {
    const stapelwerk::WorkEntries entries = workList(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(stapelwerk::confirmedEntries(entries));
}
BENCHMARK(Confirm)->Arg(3000)->Arg(100000);

void BuildOpenAndApply(benchmark::State& state) {
    const stapelwerk::TextList entries =
        stapelwerk::confirmedEntries(workList(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            stapelwerk::buildOpenAndApply(entries, stapelwerk::templates::txt_ploesch));
    }
}
BENCHMARK(BuildOpenAndApply)->Arg(3000)->Arg(100000);

void BuildSaveAs(benchmark::State& state) {
    const stapelwerk::TextList entries =
        stapelwerk::confirmedEntries(workList(static_cast<int>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(stapelwerk::buildSaveAs(entries));
}
BENCHMARK(BuildSaveAs)->Arg(3000)->Arg(100000);

// Every rule on every entry: model names, the parameter name and a value each.
void CheckBeforeWrite(benchmark::State& state) {
    const stapelwerk::TextList entries =
        stapelwerk::confirmedEntries(workList(static_cast<int>(state.range(0))));
    const stapelwerk::BuildInputs inputs{stapelwerk::DoitFunction::parameterAssignment,
                                         {},
                                         "MATERIAL",
                                         std::vector<std::string>(entries.size(), "STAHL")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(stapelwerk::workflow::checkBuild(entries, inputs, {}));
    }
}
BENCHMARK(CheckBeforeWrite)->Arg(100000);

// A working directory and 20 search directories holding 200,000 files between them, made once
// a run: model i lies in directory i % 21, the first 50,000 names in two of them.
class ModelTree {
public:
    static constexpr int kPlaces = 21;
    static constexpr int kFiles = 200000;
    static constexpr int kNames = 150000;

    ModelTree()
        : root_(std::filesystem::temp_directory_path() /
                ("stapelwerk-locate-bench-" + std::to_string(getpid()))) {
        for (int place = 0; place < kPlaces; ++place) {
            std::filesystem::create_directories(root_ / std::to_string(place));
        }
        for (int i = 0; i < kFiles; ++i) {
            const std::string name =
                "teil" + std::to_string(i % kNames) + ".prt." + std::to_string(i / kNames + 1);
            nameBytes_ += name.size();
            std::ofstream(root_ / std::to_string(i % kPlaces) / name);
        }
        for (int place = 1; place < kPlaces; ++place) {
            searchPath_.directories.push_back((root_ / std::to_string(place)).string());
        }
    }
    ~ModelTree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ModelTree(const ModelTree&) = delete;
    ModelTree& operator=(const ModelTree&) = delete;

    std::string workingDirectory() const { return (root_ / "0").string(); }
    const stapelwerk::SearchPath& searchPath() const { return searchPath_; }
    std::size_t nameBytes() const { return nameBytes_; }

private:
    std::filesystem::path root_;
    stapelwerk::SearchPath searchPath_;
    std::size_t nameBytes_ = 0;
};

// 100,000 entries looked up, every directory read afresh (from the page cache) each time.
// index_ratio: what the directories' indexes and the result take, against the bytes of the
// file names read and the entries' names.
void LocateModels(benchmark::State& state) {
    static const ModelTree tree;
    std::vector<std::string> entries;
    std::size_t entryBytes = 0;
    for (int i = 0; i < state.range(0); ++i) {
        entries.push_back("Teil" + std::to_string(i) + ".prt");
        entryBytes += entries.back().size();
    }
    const auto always = [](std::size_t, std::size_t) { return true; };
    std::size_t memory = 0;
    for (auto _ : state) {
        const stapelwerk::ModelLocations located =
            stapelwerk::locateModels(entries, tree.workingDirectory(), tree.searchPath(), always);
        state.PauseTiming();
        memory = located.entries.capacity() * sizeof(stapelwerk::ModelLocation) +
                 located.foundAgain.capacity() * sizeof(located.foundAgain[0]);
        for (const stapelwerk::ModelDirectory& directory : located.directories) {
            memory += directory.memoryBytes();
        }
        if (located.foundCount() != entries.size()) state.SkipWithError("not every entry found");
        state.ResumeTiming();
    }
    state.counters["index_ratio"] =
        static_cast<double>(memory) / static_cast<double>(tree.nameBytes() + entryBytes);
}
BENCHMARK(LocateModels)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
