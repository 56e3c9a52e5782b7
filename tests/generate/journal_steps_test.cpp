#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/journal_progress.h"
#include "generate/doit_builder.h"
#include "generate/templates.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

constexpr std::string_view kStepStart = "mapkey(continued) @SYSTEM";

std::vector<std::string> entriesOf(std::size_t count) {
    std::vector<std::string> entries;
    for (std::size_t i = 1; i <= count; ++i) entries.push_back("teil" + std::to_string(i) + ".prt");
    return entries;
}

// The text with the journal's steps, and its lines that are none.
struct Split {
    std::vector<std::string> commands;
    std::string rest;
};

Split split(std::string_view text) {
    Split split;
    forEachLine(text, LoneLineFeed::staysInLine, [&split](std::string_view line) {
        if (line.starts_with(kStepStart) && line.ends_with(";\\")) {
            split.commands.emplace_back(
                line.substr(kStepStart.size(), line.size() - kStepStart.size() - 2));
        } else {
            split.rest.append(line).append("\r\n");
        }
    });
    return split;
}

TEST(JournalSteps, FrameEveryFunctionsBlocksAndFollowEachEntry) {
    const std::vector<std::string> entries = entriesOf(12);
    const std::vector<std::string> values(12, "S235");
    const JournalSteps journal("K3F9ZQ2M");
    const std::pair<BuiltText, BuiltText> built[] = {
        {buildSaveAs(entries, journal), buildSaveAs(entries)},
        {buildOpenAndApply(entries, templates::txt_ploesch, journal),
         buildOpenAndApply(entries, templates::txt_ploesch)},
        {buildParameterAssignment(entries, templates::txt_ParamNeu, values, journal),
         buildParameterAssignment(entries, templates::txt_ParamNeu, values)},
    };
    std::vector<std::string> expected{">>doit.journal echo K3F9ZQ2M start"};
    for (std::size_t i = 1; i <= entries.size(); ++i)
        expected.push_back(">>doit.journal echo K3F9ZQ2M " + std::to_string(i));
    expected.push_back(">>doit.journal echo K3F9ZQ2M ende");
    for (const auto& [with, without] : built) {
        ASSERT_TRUE(with.ok() && without.ok());
        const Split steps = split(*with);
        EXPECT_EQ(steps.commands, expected);
        EXPECT_EQ(steps.rest, *without) << "the steps are all the journal adds";
        // The start comes right after the head, each entry's step before the next block.
        EXPECT_NE(with->find(std::string(templates::txt_kopf).append(kStepStart)),
                  std::string::npos);
        EXPECT_NE(with->find("echo K3F9ZQ2M ende;\\\r\n" + std::string(templates::txt_end)),
                  std::string::npos);
        EXPECT_LE(with->size() - without->size(), 80 * entries.size());
    }
}

TEST(JournalSteps, HoldNothingAShellReadsOtherwise) {
    const std::vector<std::string> entries{"a&b%c^d$e.prt", "x y.prt"};
    const BuiltText built = buildSaveAs(entries, JournalSteps("RUN7"));
    ASSERT_TRUE(built.ok());
    for (const std::string& command : split(*built).commands) {
        EXPECT_TRUE(command.starts_with(">>doit.journal echo RUN7 ")) << command;
        EXPECT_EQ(command.find_first_not_of("abcdefghijklmnopqrstuvwxyzRUN0123456789 .>"),
                  std::string::npos)
            << command;
    }
}

// Through /bin/sh, and through cmd.exe where the suite runs on Windows: what the steps
// append is what the journal is read as.
TEST(JournalSteps, AppendTheJournalThroughTheSystemShell) {
    const testing::TempDir dir;
    const BuiltText built = buildSaveAs(entriesOf(10), JournalSteps("K3F9ZQ2M"));
    ASSERT_TRUE(built.ok());
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(toPath(dir.path()));
    for (const std::string& command : split(*built).commands) {
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }
    std::filesystem::current_path(before);

    const std::string journal = testing::readBytes(dir.file("doit.journal"));
    std::vector<std::string> lines = splitLines(journal, LoneLineFeed::endsLine);
    ASSERT_EQ(lines.size(), 12u) << journal;
    EXPECT_EQ(lines.front(), "K3F9ZQ2M start");
    EXPECT_EQ(lines[10], "K3F9ZQ2M 10");
    EXPECT_EQ(lines.back(), "K3F9ZQ2M ende");
    JournalProgress progress("K3F9ZQ2M", 10);
    progress.take(journal);
    EXPECT_EQ(progress.passedCount(), 10u);
    EXPECT_TRUE(progress.ended());
}

}  // namespace
}  // namespace stapelwerk
