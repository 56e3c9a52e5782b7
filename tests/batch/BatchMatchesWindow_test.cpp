// The command line against the window: the same list and function give the same doit.pro,
// byte for byte, or the same refusal.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <sstream>

#include "batch/run_batch.h"
#include "params/value_list_file.h"
#include "support/MainWindowFixture.h"

namespace stapelwerk {
namespace {

namespace fs = std::filesystem;
using testing::child;
using testing::qs;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

enum class Function { saveAs, runMapkeys, deleteParameter, assignByPosition, assignByName };

struct Case {
    const char* name;
    Function function;
    std::string list;  // as pasted into the window and handed to the command line
    std::string argument = {};
    // The dialog's value list, in the order of the parts; --values reads the same file.
    std::vector<std::string> values = {};
    std::string keyed = {};  // --keyed, for the command line only
    bool viaStandardInput = false;
    bool refused = false;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const std::string kList =
    "Name\r\nC:\\pdm\\Welle.prt.3\r\nflansch.PRT\r\n\r\nGröße.drw\r\nwelle.prt.4\r\n  deckel.asm "
    "\r\nflansch.PRT.2\r\n";
const std::string kShortList = "Name\r\nC:\\pdm\\welle.prt.3\r\nflansch.prt\r\nGröße.drw\r\n";

class BatchMatchesWindowTest : public testing::MainWindowFixture,
                               public ::testing::WithParamInterface<Case> {
protected:
    BatchMatchesWindowTest() { platform.programDir = inputs.path(); }

    std::string valueFile() const { return valueListPath(inputs.path()); }

    // The user's way through the window: paste, ok, the function and its dialog, and
    // "doit.pro jetzt anlegen" once the mapkey is built.
    void applyInWindow(const Case& c) {
        ASSERT_TRUE(writeValueList(valueFile(), c.values).empty());
        confirmEntries(c.list);
        if (job.confirmedEntries.empty()) return;
        QDialog* dialog = nullptr;
        switch (c.function) {
            case Function::saveAs:
                openFunction("cmd_SaveAs", "none");
                break;
            case Function::runMapkeys:
                dialog = openFunction("cmd_mapkey", "frm_mapkeyneu");
                child<QLineEdit>(dialog, "txt_mapkeyname")->setText(qs(c.argument));
                child<QPushButton>(dialog, "cmd_mapkeyok")->click();
                break;
            case Function::deleteParameter:
                dialog = openFunction("cmd_ploesch", "frm_ploesch");
                child<QLineEdit>(dialog, "txt_parameter")->setText(qs(c.argument));
                child<QPushButton>(dialog, "cmd_ploesch")->click();
                break;
            case Function::assignByPosition:
            case Function::assignByName:
                dialog = openFunction("cmd_param", "frm_param");
                child<QPushButton>(dialog, "open")->click();
                child<QLineEdit>(dialog, "txt_param")->setText(qs(c.argument));
                child<QPushButton>(dialog, "cmd_ok")->click();
                break;
        }
        auto* write = child<QPushButton>(&window, "cmd_fcreate");
        if (write->isVisible()) write->click();
    }

    struct Outcome {
        int status = -1;
        std::string err;
    };

    Outcome runInBatch(const Case& c) {
        std::vector<std::string> arguments = {"-o", batchOutput.path()};
        if (!c.viaStandardInput) {
            writeBytes(inputs.file("list.txt"), c.list);
            arguments.insert(arguments.end(), {"-l", inputs.file("list.txt")});
        }
        switch (c.function) {
            case Function::saveAs:
                arguments.insert(arguments.end(), {"save-as"});
                break;
            case Function::runMapkeys:
                arguments.insert(arguments.end(), {"run-mapkeys", c.argument});
                break;
            case Function::deleteParameter:
                arguments.insert(arguments.end(), {"delete-parameter", c.argument});
                break;
            case Function::assignByPosition:
                arguments.insert(arguments.end(),
                                 {"assign-parameter", c.argument, "--values", valueFile()});
                break;
            case Function::assignByName:
                writeBytes(inputs.file("keyed.csv"), c.keyed);
                arguments.insert(arguments.end(), {"assign-parameter", c.argument, "--keyed",
                                                   inputs.file("keyed.csv")});
                break;
        }
        std::istringstream in(c.viaStandardInput ? c.list : "");
        std::ostringstream out;
        std::ostringstream err;
        const int status = runBatch(arguments, in, out, err);
        EXPECT_TRUE(out.str().empty());
        return {status, err.str()};
    }

    TempDir inputs;
    TempDir batchOutput;
};

TEST_P(BatchMatchesWindowTest, WritesTheWindowsBytesOrRefusesWithItsMessage) {
    const Case& c = GetParam();
    applyInWindow(c);
    const Outcome batch = runInBatch(c);
    const std::string windowFile = output.file("doit.pro");
    const std::string batchFile = batchOutput.file("doit.pro");
    if (c.refused) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_FALSE(fs::exists(windowFile));
        EXPECT_EQ(batch.status, 1);
        EXPECT_EQ(batch.err, platform.messages[0] + "\n");
        EXPECT_FALSE(fs::exists(batchFile));
    } else {
        EXPECT_EQ(platform.messages, std::vector<std::string>{});
        ASSERT_TRUE(fs::exists(windowFile));
        EXPECT_EQ(batch.status, 0) << batch.err;
        EXPECT_EQ(batch.err, "");
        EXPECT_EQ(readBytes(batchFile), readBytes(windowFile));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryFunction, BatchMatchesWindowTest,
    ::testing::Values(
        Case{"save-as", Function::saveAs, kList},
        Case{"run-mapkeys from standard input",
             Function::runMapkeys,
             kList,
             "+;%bb;%00;",
             {},
             {},
             true},
        Case{"delete-parameter in capitals", Function::deleteParameter, kList, "gewicht_ä"},
        Case{"assign-parameter by position",
             Function::assignByPosition,
             kList,
             "MATERIAL",
             {"S235", "", "Größe ß", "S235; verzinkt", " Alu "}},
        Case{"assign-parameter by name",
             Function::assignByName,
             kShortList,
             "MATERIAL",
             {"S235", "S355; verzinkt", "Größe ß"},
             "größe.DRW;Größe ß\n/pdm/FLANSCH.prt\tS355; verzinkt\n\nWELLE.prt.1;S235\n"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    EveryRefusal, BatchMatchesWindowTest,
    ::testing::Values(
        Case{"nothing confirmed", Function::saveAs, "Name\r\n\r\n", {}, {}, {}, false, true},
        Case{"an entry with a backtick",
             Function::saveAs,
             "a`b.prt\r\nwelle.prt\r\n",
             {},
             {},
             {},
             false,
             true},
        Case{"an entry outside Windows-1252",
             Function::runMapkeys,
             "welle.prt\r\nteilΩ.prt\r\n",
             "ds",
             {},
             {},
             false,
             true},
        Case{"a save-as entry of four characters",
             Function::saveAs,
             "welle.prt\r\nx.pr\r\n",
             {},
             {},
             {},
             false,
             true},
        Case{"a chain with a backtick", Function::runMapkeys, kList, "ds`", {}, {}, true, true},
        Case{"a parameter name outside Windows-1252",
             Function::deleteParameter,
             kList,
             "Ωmega",
             {},
             {},
             false,
             true},
        Case{"an assigned name outside Windows-1252",
             Function::assignByPosition,
             kShortList,
             "MATΩ",
             {"a", "b", "c"},
             {},
             false,
             true},
        Case{"fewer values than parts",
             Function::assignByPosition,
             kShortList,
             "MAT",
             {"a", "b"},
             {},
             false,
             true},
        Case{"no values", Function::assignByPosition, kShortList, "MAT", {}, {}, false, true}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace stapelwerk
