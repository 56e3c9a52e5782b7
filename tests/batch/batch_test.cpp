#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "batch/run_batch.h"
#include "core/texts.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;
using Arguments = std::vector<std::string>;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

class BatchTest : public ::testing::Test {
protected:
    Outcome run(const Arguments& arguments, const std::string& input = {}) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status = runBatch(arguments, in, out, err);
        return {status, out.str(), err.str()};
    }
    // A run that writes into the temporary directory and reads the list from `list`.
    Outcome runOn(const std::string& list, Arguments function) {
        Arguments arguments = {"-o", dir.path()};
        arguments.insert(arguments.end(), function.begin(), function.end());
        return run(arguments, list);
    }
    std::string doit() const { return readBytes(dir.file("doit.pro")); }
    bool written() const { return fs::exists(dir.file("doit.pro")); }
    std::string file(const std::string& name, const std::string& bytes) const {
        writeBytes(dir.file(name), bytes);
        return dir.file(name);
    }

    TempDir dir;
};

TEST_F(BatchTest, UsageErrorsExitTwoWithTheFormsOfTheCallAndWriteNothing) {
    const std::string list = file("list.txt", "welle.prt\r\n");
    const Arguments cases[] = {
        {},
        {"frobnicate"},
        {"--frobnicate", "save-as"},
        {"save-as", "extra"},
        {"run-mapkeys"},
        {"delete-parameter", "A", "B"},
        {"assign-parameter", "X"},
        {"assign-parameter", "X", "--values", list, "--keyed", list},
        {"assign-parameter", "X", "--values", list, "--allow-missing"},
        {"assign-parameter", "X", "--keyed", "-"},
        {"-l", list, "install-auto"},
        {"--stdout", "install-auto"},
        {"save-as", "-l"},
        {"-l", list, "-l", list, "save-as"},
    };
    for (const Arguments& arguments : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        Arguments call = {"-o", dir.path()};
        call.insert(call.end(), arguments.begin(), arguments.end());
        const Outcome outcome = run(call, "welle.prt\r\n");
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_TRUE(outcome.err.starts_with("stapelwerk-batch: ")) << outcome.err;
        EXPECT_TRUE(contains(outcome.err, texts::batchUsage())) << outcome.err;
        EXPECT_FALSE(written());
        EXPECT_FALSE(fs::exists(dir.file("config.pro")));
    }
}

TEST_F(BatchTest, HelpShowsEveryFunctionAndOptionWithAnExampleAndVersionTheVersion) {
    for (const Arguments& call :
         {Arguments{"--help"}, Arguments{"-h"}, Arguments{"save-as", "-h"}}) {
        const Outcome help = run(call);
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out, texts::batchHelp());
        EXPECT_TRUE(help.err.empty());
    }
    const std::string help = texts::batchHelp();
    const std::string examples = help.substr(help.find("Beispiele:"));
    for (const char* function :
         {"save-as", "run-mapkeys", "delete-parameter", "assign-parameter", "install-auto"}) {
        EXPECT_TRUE(contains(examples, std::string(function))) << function;
    }
    for (const char* option : {"-l, --list", "-o, --output", "--stdout", "--values", "--keyed",
                               "--allow-missing", "-h, --help", "--version"}) {
        EXPECT_TRUE(contains(help, option)) << option;
    }
    const Outcome version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("stapelwerk-batch ") + STAPELWERK_VERSION + "\n");
}

TEST_F(BatchTest, ReadsTheListAsUtf8OrWindows1252FromAFileOrStandardInput) {
    ASSERT_EQ(runOn("Name\nGröße.prt\nwelle.drw.3\n", {"save-as"}).status, 0);
    const std::string expected = doit();
    EXPECT_TRUE(contains(expected,
                         "Gr\xF6\xDF"
                         "e"))
        << "written in Windows-1252";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"UTF-8, CR LF",
         "Gr\xC3\xB6\xC3\x9F"
         "e.prt\r\nwelle.drw\r\n"},
        {"UTF-8 with byte-order mark",
         "\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
         "e.prt\nwelle.drw"},
        {"Windows-1252, lone CR",
         "Name\rGr\xF6\xDF"
         "e.prt\r\rwelle.drw\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(dir.file("doit.pro"));
        ASSERT_EQ(runOn(c.bytes, {"save-as"}).status, 0);
        EXPECT_EQ(doit(), expected) << "standard input";
        fs::remove(dir.file("doit.pro"));
        ASSERT_EQ(runOn({}, {"-l", file("list.txt", c.bytes), "save-as"}).status, 0);
        EXPECT_EQ(doit(), expected) << "a file";
        ASSERT_EQ(runOn(c.bytes, {"-l", "-", "save-as"}).status, 0);
        EXPECT_EQ(doit(), expected) << "\"-\"";
    }
}

TEST_F(BatchTest, StandardOutputCarriesExactlyTheBytesOfTheFile) {
    const std::string list = "Größe.prt\r\nwelle.prt\r\n";
    ASSERT_EQ(runOn(list, {"run-mapkeys", "+;%bb;%00;"}).status, 0);
    const std::string file = doit();
    fs::remove(dir.file("doit.pro"));
    const Outcome piped = runOn(list, {"--stdout", "run-mapkeys", "+;%bb;%00;"});
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.out, file);
    EXPECT_TRUE(piped.out.ends_with("\r\n"));
    EXPECT_TRUE(piped.err.empty());
    EXPECT_FALSE(written());
}

TEST_F(BatchTest, FilesAndDirectoriesThatAreNotThereExitOneWithPathAndReason) {
    const std::string list = file("list.txt", "welle.prt\r\n");
    file("plain", "a file");
    fs::create_directory(dir.file("folder"));
    const struct {
        Arguments arguments;
        std::string path;
        const char* reason;
    } cases[] = {
        {{"-o", dir.file("missing"), "-l", list, "save-as"},
         dir.file("missing"),
         "No such file or directory"},
        {{"-o", dir.file("plain"), "-l", list, "save-as"}, dir.file("plain"), "Not a directory"},
        {{"-o", dir.file("missing"), "install-auto"},
         dir.file("missing"),
         "No such file or directory"},
        {{"-o", dir.path(), "-l", dir.file("nolist"), "save-as"},
         dir.file("nolist"),
         "No such file or directory"},
        {{"-o", dir.path(), "-l", dir.file("folder"), "save-as"},
         dir.file("folder"),
         "Is a directory"},
        {{"-o", dir.path(), "-l", list, "assign-parameter", "X", "--values", dir.file("nofile")},
         dir.file("nofile"),
         "No such file or directory"},
        {{"-o", dir.path(), "-l", list, "assign-parameter", "X", "--keyed", dir.file("folder")},
         dir.file("folder"),
         "Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_TRUE(contains(outcome.err, "\"" + c.path + "\"")) << outcome.err;
        EXPECT_TRUE(contains(outcome.err, c.reason)) << outcome.err;
        EXPECT_FALSE(written());
        EXPECT_FALSE(fs::exists(dir.file("missing")));
    }
}

TEST_F(BatchTest, ValuesByPositionAreCountedAsTheDialogCountsThem) {
    const std::string list = "a.prt\r\nb.prt\r\n";
    const struct {
        const char* name;
        std::string values;
        std::string message;
    } cases[] = {
        {"too few", "S235\r\n", std::string(texts::kMessageListsDiffer)},
        {"an empty line is a value", "S235\r\n\r\nS355\r\n",
         std::string(texts::kMessageListsDiffer)},
        {"none", "", std::string(texts::kMessageNoParameterValues)},
        // Only a UTF-8 file can hold it; the dialog gets it by a paste.
        {"a value outside Windows-1252", "S235\r\nΩ\r\n",
         texts::messageNotEncodable(texts::kSubjectParameterValue, "Ω")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome =
            runOn(list, {"assign-parameter", "MAT", "--values", file("values.txt", c.values)});
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err, std::string(c.message) + "\n");
        EXPECT_FALSE(written());
    }
    const Outcome unix =
        runOn(list, {"assign-parameter", "MAT", "--values", file("values.txt", "S235\nS355\n")});
    EXPECT_EQ(unix.status, 1) << "a lone LF ends no value, as in \"Liste öffnen\"";
    EXPECT_TRUE(contains(unix.err, "unix2dos")) << unix.err;
    EXPECT_EQ(
        runOn(list, {"assign-parameter", "MAT", "--values", file("values.txt", "S235\r\n\r\n")})
            .status,
        0)
        << "an empty value is a value";
}

TEST_F(BatchTest, KeyedValuesPairByNameOrRefuseWithEveryNameInQuestion) {
    const std::string list = "C:\\pdm\\welle.prt.3\r\nFlansch.prt\r\ndeckel.asm\r\n";
    const auto byPosition = [&](const std::string& values) {
        fs::remove(dir.file("doit.pro"));
        EXPECT_EQ(
            runOn(list, {"assign-parameter", "MAT", "--values", file("v.txt", values)}).status, 0);
        return doit();
    };
    const std::string complete = byPosition("S235\r\nS355; verzinkt\r\nAlu\r\n");
    const std::string gaps = byPosition("S235\r\n\r\nAlu\r\n");
    const struct {
        const char* name;
        std::string keyed;
        bool allowMissing;
        int status;
        const std::string* doit;
        std::vector<std::string> saying;
    } cases[] = {
        {"reordered, other case, paths and versions",
         "DECKEL.ASM;Alu\nflansch.PRT.7\tS355; verzinkt\n\n/pdm/Welle.prt;S235\n",
         false,
         0,
         &complete,
         {}},
        {"an entry without a value",
         "deckel.asm;Alu\nwelle.prt;S235\n",
         false,
         1,
         nullptr,
         {"\"Flansch.prt\"", "--allow-missing"}},
        {"a name without an entry",
         "deckel.asm;Alu\nwelle.prt;S235\nflansch.prt;S\nx.prt;1\n",
         false,
         1,
         nullptr,
         {"\"x.prt\"", "--allow-missing"}},
        {"both allowed",
         "deckel.asm;Alu\nwelle.prt;S235\nx.prt;1\n",
         true,
         0,
         &gaps,
         {"Flansch.prt", "\"x.prt\"", "Achtung"}},
        {"two values for one name",
         "deckel.asm;Alu\nwelle.prt;S235\nflansch.prt;S\nWELLE.prt;X\n",
         true,
         1,
         nullptr,
         {"\"welle.prt\""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(dir.file("doit.pro"));
        Arguments call = {"assign-parameter", "MAT", "--keyed", file("keyed.csv", c.keyed)};
        if (c.allowMissing) call.push_back("--allow-missing");
        const Outcome outcome = runOn(list, call);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        if (c.doit != nullptr) {
            EXPECT_EQ(doit(), *c.doit);
        } else {
            EXPECT_FALSE(written());
        }
        for (const std::string& says : c.saying) {
            EXPECT_TRUE(contains(outcome.err, says)) << outcome.err;
        }
        if (c.status == 0 && c.saying.empty()) {
            EXPECT_TRUE(outcome.err.empty()) << outcome.err;
        }
    }
}

TEST_F(BatchTest, InstallAutoBacksUpAndWarnsOfADefinitionThatIsThere) {
    const Outcome first = run({"-o", dir.path(), "install-auto"});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.err, std::string(texts::kMessageConfigProCreated) + "\n" +
                             std::string(texts::kMessageAutoMapkeyAdded) + "\n");
    EXPECT_FALSE(fs::exists(dir.file("config.pro.bak")));
    const std::string once = readBytes(dir.file("config.pro"));

    const Outcome second = run({"install-auto", "-o", dir.path()});
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(contains(second.err, texts::kWarningAutoMapkeyDefined)) << second.err;
    EXPECT_EQ(readBytes(dir.file("config.pro.bak")), once);
    EXPECT_EQ(readBytes(dir.file("config.pro")).size(), 2 * once.size());
}

}  // namespace
}  // namespace stapelwerk
