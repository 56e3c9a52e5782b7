#include <gtest/gtest.h>

#include "cadconfig/search_path.h"
#include "core/job.h"
#include "core/job_record.h"
#include "core/model_versions.h"
#include "support/TempDir.h"
#include "workflow/functions.h"
#include "workflow/job_files.h"
#include "workflow/located_files.h"

namespace stapelwerk::workflow {
namespace {

TEST(ModelVersions, ANameEndingInANumberIsThatVersion) {
    const std::pair<std::string_view, std::pair<std::string_view, std::uint64_t>> cases[] = {
        {"welle.prt.3", {"welle.prt", 3}},
        {"welle.prt.12", {"welle.prt", 12}},
        {"welle.prt", {"welle.prt", 0}},
        {"welle.prt.", {"welle.prt.", 0}},
        {"welle.prt.3a", {"welle.prt.3a", 0}},
        {"welle.prt.-3", {"welle.prt.-3", 0}},
        {"7", {"7", 0}},
        {"welle.prt.99999999999999999999999", {"welle.prt.99999999999999999999999", 0}},
    };
    for (const auto& [name, version] : cases) {
        const ModelVersion read = versionOf(name);
        EXPECT_EQ(std::pair(read.model, read.number), version) << name;
    }
}

std::vector<std::optional<std::string>> filesOf(const ModelLocations& located) {
    std::vector<std::optional<std::string>> files;
    for (std::size_t entry = 0; entry < located.entries.size(); ++entry) {
        files.push_back(fileFound(located, entry));
    }
    return files;
}

TEST(LocatedFiles, TheNewestVersionOfEachEntryInTheWorkingDirectoryByNameElseByPath) {
    const testing::TempDir dir;
    const testing::TempDir searched;
    testing::writeBytes(searched.file("flansch.prt.2"), "x");
    testing::writeBytes(searched.file("welle.prt.99"), "x");
    for (const char* name : {"welle.prt.2", "WELLE.PRT.10", "welle.prt.9", "welle.drw.11",
                             "STÖSSEL.PRT.4", "nabe.prt", "flansch.prt.3.bak", "nabe.asm.x"}) {
        testing::writeBytes(dir.file(name), "x");
    }
    const std::vector<std::optional<std::string>> found = filesOf(locatedInWorkingDirectory(
        {"Welle.prt", "stößel.prt", "nabe.prt", "flansch.prt", "nabe.asm"}, dir.path()));
    const std::vector<std::optional<std::string>> expected{"WELLE.PRT.10", "STÖSSEL.PRT.4",
                                                           "nabe.prt", std::nullopt, std::nullopt};
    EXPECT_EQ(found, expected);
    // Along the search path the working directory still comes first, however new the others.
    const auto always = [](std::size_t, std::size_t) { return true; };
    EXPECT_EQ(
        filesOf(locateModels({"welle.prt", "flansch.prt"}, dir.path(),
                             SearchPath{{searched.path()}, {}}, always)),
        (std::vector<std::optional<std::string>>{"WELLE.PRT.10", searched.file("flansch.prt.2")}));
    EXPECT_EQ(filesOf(locatedInWorkingDirectory({"welle.prt"}, dir.file("missing"))),
              std::vector<std::optional<std::string>>(1));
}

// Save-as saves into the working directory: a file of the name along the search path is
// none of its business, whatever the check's look-up found.
TEST(LocatedFiles, TheRecordTakesTheLookUpOnlyForFunctionsThatOpenFiles) {
    const testing::TempDir dir;
    const testing::TempDir searched;
    testing::writeBytes(dir.file("welle.prt.2"), "x");
    testing::writeBytes(searched.file("nabe.prt.4"), "x");
    const std::vector<std::string> entries{"welle.prt", "nabe.prt"};
    const auto always = [](std::size_t, std::size_t) { return true; };
    const ModelLocations looked =
        locateModels(entries, dir.path(), SearchPath{{searched.path()}, {}}, always);
    for (const DoitFunction function : {DoitFunction::saveAs, DoitFunction::mapkeyChain}) {
        Job job;
        job.outputDirectory = dir.path();
        job.confirmedEntries = entries;
        ASSERT_TRUE(buildPendingText(job, {.function = function, .chain = "ds"}).ok());
        ASSERT_TRUE(writeJobFiles(job, &looked).record.ok());
        const Result<JobRecord> record = readJobRecord(dir.path());
        ASSERT_TRUE(record.ok()) << record.message();
        EXPECT_EQ(record->fileFound(0), "welle.prt.2");
        EXPECT_EQ(record->fileFound(1),
                  function == DoitFunction::saveAs ? "" : searched.file("nabe.prt.4"));
    }
}

}  // namespace
}  // namespace stapelwerk::workflow
