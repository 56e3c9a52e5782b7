#include <gtest/gtest.h>

#include "core/function_table.h"
#include "core/job.h"
#include "generate/templates.h"
#include "workflow/functions.h"

namespace stapelwerk::workflow {
namespace {

TEST(BuildPendingText, EveryFunctionOpensEachFileWhereItsRowSaysSo) {
    for (const FunctionRow& row : kFunctionTable) {
        SCOPED_TRACE(row.command);
        Job job;
        job.confirmedEntries = {"welle.prt", "flansch.prt"};
        ASSERT_TRUE(buildPendingText(job, {row.function, "ds", "MAT", {"S235", "S355"}}).ok());
        for (const std::string_view entry : job.confirmedEntries) {
            const std::string opening = std::string(templates::openBlock()).append(entry);
            EXPECT_EQ(job.pendingText().find(opening) != std::string::npos, row.opensFiles)
                << entry;
        }
        EXPECT_EQ(job.pendingInputs().function, row.function);
    }
}

TEST(BuildPendingText, TheDeletionTakesTheNameInCapitalsAsTheCommandLineHandsItOver) {
    Job typed;
    Job capitals;
    typed.confirmedEntries = capitals.confirmedEntries = {"welle.prt"};
    ASSERT_TRUE(buildPendingText(typed, {DoitFunction::parameterDeletion, {}, "länge_ß"}).ok());
    ASSERT_TRUE(buildPendingText(capitals, {DoitFunction::parameterDeletion, {}, "LÄNGE_ß"}).ok());
    EXPECT_EQ(typed.pendingText(), capitals.pendingText());
    EXPECT_EQ(typed.pendingInputs().parameterName, "LÄNGE_ß") << "the check sees what is deleted";
}

}  // namespace
}  // namespace stapelwerk::workflow
