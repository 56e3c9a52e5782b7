// How long the confirm step and the builders take for long work lists.

#include <benchmark/benchmark.h>

#include "generate/doit_builder.h"
#include "generate/templates.h"
#include "workflow/write_check.h"
#include "worklist/confirm.h"

namespace {

stapelwerk::WorkEntries workList(int count) {
    stapelwerk::WorkEntries entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(
            {"C:\\work\\teil" + std::to_string(i % (count / 2 + 1)) + ".prt.3", true});
    }
    return entries;
}

void Confirm(benchmark::State& state) {
    const stapelwerk::WorkEntries entries = workList(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(stapelwerk::confirmedEntries(entries));
}
BENCHMARK(Confirm)->Arg(3000)->Arg(100000);

void BuildOpenAndApply(benchmark::State& state) {
    const std::vector<std::string> entries =
        stapelwerk::confirmedEntries(workList(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            stapelwerk::buildOpenAndApply(entries, stapelwerk::templates::txt_ploesch));
    }
}
BENCHMARK(BuildOpenAndApply)->Arg(3000)->Arg(100000);

void BuildSaveAs(benchmark::State& state) {
    const std::vector<std::string> entries =
        stapelwerk::confirmedEntries(workList(static_cast<int>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(stapelwerk::buildSaveAs(entries));
}
BENCHMARK(BuildSaveAs)->Arg(3000)->Arg(100000);

// Every rule on every entry: model names, the parameter name and a value each.
void CheckBeforeWrite(benchmark::State& state) {
    const std::vector<std::string> entries =
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

}  // namespace
