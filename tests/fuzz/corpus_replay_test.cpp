// Every checked-in input of every fuzz target, through the target's check: the inputs that
// once found a fault stay tried, without the fuzzer.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "checks/fuzz_checks.h"

namespace stapelwerk::fuzz {

// Test names and messages show the target by its name.
void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

namespace {

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputKeepsTheProperties) {
    const std::filesystem::path folder =
        std::filesystem::path(STAPELWERK_FUZZ_CORPUS_DIR) / GetParam().name;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string input{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(GetParam().check(input), "") << entry.path();
        ++inputs;
    }
    EXPECT_GT(inputs, 0) << "no seed inputs in " << folder;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay, ::testing::ValuesIn(targets()),
                         [](const ::testing::TestParamInfo<Target>& instance) {
                             return std::string(instance.param.name);
                         });

}  // namespace
}  // namespace stapelwerk::fuzz
