#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>
#include <utility>

#include "batch/batch_command_line.h"
#include "batch/run_batch.h"
#include "batch/standard_input.h"
#include "core/function_table.h"
#include "core/texts.h"
#include "platform/input_limit.h"
#include "platform/os.h"
#include "support/ScopedHome.h"
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
    bool says(std::string_view part) const { return err.find(part) != std::string::npos; }
};

class BatchTest : public ::testing::Test {
protected:
    // A run with standard input `input`, typed at a `console` or not; it writes into the
    // temporary directory unless the arguments name another.
    Outcome run(Arguments arguments, const std::string& input = {}, bool console = false) {
        if (std::find(arguments.begin(), arguments.end(), "-o") == arguments.end()) {
            arguments.insert(arguments.begin(), {"-o", dir.path()});
        }
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status = runBatch(arguments, in, out, err, console);
        return {status, out.str(), err.str()};
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
    // The first line ends in what the call lacks or has too much, in German, or in the summary.
    const std::pair<Arguments, std::string> cases[] = {
        {{}, "(Funktion fehlt)"},
        {{"frobnicate"}, "(nicht erwartet: frobnicate)"},
        {{"--frobnicate", "save-as"}, "(nicht erwartet: --frobnicate)"},
        {{"save-as", "extra", "--values", "x"}, "(nicht erwartet: extra --values x)"},
        {{"run-mapkeys"}, "(KETTE fehlt)"},
        {{"check", "run-mapkeys"}, "(KETTE fehlt)"},
        {{"check"}, "(Funktion fehlt)"},
        {{"delete-parameter", "A", "B"}, "(nicht erwartet: B)"},
        {{"assign-parameter"}, "(NAME fehlt)"},
        {{"assign-parameter", "X"}, "(assign-parameter)"},
        {{"assign-parameter", "X", "--values", list, "--keyed", list}, "--keyed DATEI."},
        {{"assign-parameter", "X", "--values", list, "--allow-missing"}, "mit --keyed."},
        {{"assign-parameter", "X", "--keyed", "-"}, "(-)"},
        {{"-l", list, "install-auto"}, "(install-auto)"},
        {{"--stdout", "install-auto"}, "(install-auto)"},
        {{"-l", list, "report"}, "(report)"},
        {{"--stdout", "resume"}, "(resume)"},
        {{"-l", list, "run", "doit.stapel"}, "(run)"},
        {{"run"}, "(AUFTRAG fehlt)"},
        {{"--journal", "--stdout", "save-as"}, "(--stdout)"},
        {{"save-as", "-l"}, "(--list)"},
        {{"-l", list, "-l", list, "save-as"}, "(--list)"},
    };
    for (const auto& [arguments, ending] : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        const Outcome outcome = run(arguments, "welle.prt\r\n");
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_TRUE(outcome.err.starts_with("stapelwerk-batch: ")) << outcome.err;
        EXPECT_TRUE(outcome.err.substr(0, outcome.err.find('\n')).ends_with(ending)) << outcome.err;
        EXPECT_TRUE(outcome.says(texts::kBatchUsage)) << outcome.err;
        EXPECT_FALSE(written() || fs::exists(dir.file("config.pro")));
    }
}

TEST(BatchCommandLine, EveryRowOfTheFunctionTableIsACommandOfTheUsageAlsoUnderCheck) {
    for (const FunctionRow& row : kFunctionTable) {
        // The usage is written by hand: a row must stand in it.
        const std::string form = " " + std::string(row.command) +
                                 (row.argument.empty() ? "" : " " + std::string(row.argument));
        EXPECT_NE(texts::kBatchUsage.find(form + "\n"), std::string::npos) << form;
        for (const bool checkOnly : {false, true}) {
            Arguments call = {std::string(row.command)};
            if (checkOnly) call.insert(call.begin(), "check");
            if (!row.argument.empty()) call.emplace_back("ARG");
            if (row.needs.values) call.insert(call.end(), {"--values", "values.txt"});
            SCOPED_TRACE(::testing::PrintToString(call));
            std::ostringstream out;
            std::ostringstream err;
            const ParsedCommandLine parsed = parseCommandLine(call, out, err);
            ASSERT_TRUE(parsed.request.has_value()) << err.str();
            EXPECT_EQ(parsed.request->function, row.function);
            EXPECT_EQ(parsed.request->checkOnly, checkOnly);
            EXPECT_EQ(parsed.request->argument, row.argument.empty() ? "" : "ARG");
        }
        if (!row.argument.empty()) {
            std::ostringstream out;
            std::ostringstream err;
            EXPECT_EQ(parseCommandLine({std::string(row.command)}, out, err).exitStatus, 2);
            EXPECT_NE(err.str().find("(" + texts::usageDetailMissing(row.argument) + ")"),
                      std::string::npos)
                << err.str();
        }
    }
}

TEST_F(BatchTest, HelpShowsAnExampleOfEveryFunctionAndVersionTheVersion) {
    for (const Arguments& call :
         {Arguments{"--help"}, Arguments{"save-as", "-h"}, Arguments{"/?"}}) {
        const Outcome help = run(call);
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out, texts::batchHelp());
    }
    const std::string help = texts::batchHelp();
    const std::string examples = help.substr(help.find("Beispiele"));
    for (const char* function : {"save-as", "run-mapkeys", "delete-parameter", "assign-parameter",
                                 "install-auto", "--journal", "report", "resume", " run "}) {
        EXPECT_NE(examples.find(function), std::string::npos) << function;
    }
    EXPECT_EQ(run({"--version"}).out, std::string("stapelwerk-batch ") + STAPELWERK_VERSION + "\n");
}

// The arguments that a line of the help's examples gives the program, as the shell of
// `system` reads it: POSIX keeps what stands in single quotes; a .bat file makes %% a % and
// %name% an (undefined, empty) variable, and keeps only double quotes together. The line's
// program is the part after its last pipe, up to a redirection.
Arguments argumentsOfExample(std::string_view line, os::System system) {
    const bool windows = system == os::System::windows;
    Arguments arguments(1);
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (windows && c == '%') {
            const std::size_t end = line.find('%', i + 1);
            if (end == i + 1) arguments.back() += '%';
            i = end == std::string_view::npos ? line.size() : end;
        } else if (c == (windows ? '"' : '\'')) {
            quote = quote == 0 ? c : 0;
        } else if (quote == 0 && c == '|') {
            arguments.assign(1, {});
        } else if (quote == 0 && c == '>') {
            break;
        } else if (quote == 0 && c == ' ') {
            if (!arguments.back().empty()) arguments.emplace_back();
        } else {
            arguments.back() += c;
        }
    }
    if (arguments.back().empty()) arguments.pop_back();
    return arguments;
}

TEST(BatchHelp, EveryExampleIsACallAsTheSystemsShellPassesItAndRunsTheChainAsWritten) {
    for (const os::System system : {os::System::posix, os::System::windows}) {
        const std::string help = texts::batchHelp(system);
        std::istringstream examples(help.substr(help.find("Beispiele")));
        std::size_t calls = 0;
        for (std::string line; std::getline(examples, line) && !line.empty();) {
            if (!line.starts_with("  ")) continue;
            SCOPED_TRACE(line);
            const Arguments call = argumentsOfExample(line, system);
            ASSERT_FALSE(call.empty());
            EXPECT_EQ(call[0], "stapelwerk-batch");
            std::ostringstream out;
            std::ostringstream err;
            const ParsedCommandLine parsed =
                parseCommandLine({call.begin() + 1, call.end()}, out, err);
            EXPECT_TRUE(parsed.request.has_value()) << err.str();
            const auto chain = std::find(call.begin(), call.end(), "run-mapkeys");
            if (chain != call.end()) {
                EXPECT_EQ(*(chain + 1), texts::kChainExample);
            }
            ++calls;
        }
        EXPECT_EQ(calls, 12U);
        // Paths as the system writes them, and cmd.exe has no single quotes.
        const bool windows = system == os::System::windows;
        EXPECT_EQ(help.find("C:\\proe") != std::string::npos, windows);
        EXPECT_EQ(help.find("'") == std::string::npos, windows);
        EXPECT_EQ(help.find("cmd.exe") != std::string::npos, windows);
    }
}

TEST_F(BatchTest, InputTypedAtAConsoleIsToldHowToEnd) {
    const std::string list = file("list.txt", "welle.prt\r\n");
    EXPECT_EQ(run({"-q", "save-as"}, "welle.prt\r\n", true).err, texts::consoleListHint() + "\n");
    EXPECT_EQ(run({"-q", "save-as"}, "welle.prt\r\n").err, "") << "a pipe";
    EXPECT_EQ(run({"-q", "--no-locate", "-l", list, "assign-parameter", "M", "--values", "-"},
                  "S\r\n", true)
                  .err,
              texts::consoleValuesHint() + "\n");
    EXPECT_NE(texts::consoleListHint(os::System::windows).find("Strg+Z"), std::string::npos);
}

TEST_F(BatchTest, ReadsUtf8OrWindows1252FromAFileOrStandardInputAndWritesToEither) {
    ASSERT_EQ(run({"save-as"}, "Name\nGröße.prt\nwelle.drw.3\n").status, 0);
    const std::string expected = doit();
    EXPECT_NE(expected.find("Gr\xF6\xDF"
                            "e"),
              std::string::npos)
        << "written in Windows-1252";
    for (const std::string bytes : {"\xEF\xBB\xBFGr\xC3\xB6\xC3\x9F"
                                    "e.prt\r\nwelle.drw",
                                    "Name\rGr\xF6\xDF"
                                    "e.prt\r\rwelle.drw\r"}) {
        SCOPED_TRACE(bytes);
        fs::remove(dir.file("doit.pro"));
        ASSERT_EQ(run({"-l", file("list.txt", bytes), "save-as"}).status, 0);
        EXPECT_EQ(doit(), expected);
        fs::remove(dir.file("doit.pro"));
        const Outcome piped = run({"-l", "-", "--stdout", "save-as"}, bytes);
        EXPECT_EQ(piped.status, 0);
        EXPECT_EQ(piped.out, expected);
        EXPECT_FALSE(written());
    }
}

TEST_F(BatchTest, WhatIsNotThereExitsOneWithPathAndReason) {
    const std::string list = file("list.txt", "welle.prt\r\n");
    file("plain", "a file");
    // Sparse: one byte more than any input may have, without writing it.
    const std::string big = file("big.txt", "");
    fs::resize_file(big, kMostInputBytes + 1);
    const struct {
        Arguments arguments;
        std::string path;
        const char* reason;
    } cases[] = {
        {{"-o", dir.file("missing"), "-l", list, "save-as"},
         dir.file("missing"),
         "Datei oder Verzeichnis nicht"},
        {{"-o", dir.file("plain"), "install-auto"}, dir.file("plain"), "Ist kein Verzeichnis"},
        {{"-l", dir.file("nolist"), "save-as"}, dir.file("nolist"), "Datei oder Verzeichnis nicht"},
        {{"-l", list, "assign-parameter", "X", "--keyed", dir.path()},
         dir.path(),
         "Ist ein Verzeichnis"},
        {{"-l", big, "save-as"}, big, "64 MB"},
        {{"-l", list, "assign-parameter", "X", "--values", big}, big, "64 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_TRUE(outcome.says("\"" + c.path + "\"") && outcome.says(c.reason)) << outcome.err;
        EXPECT_FALSE(written() || fs::exists(dir.file("missing")));
    }
}

TEST_F(BatchTest, ValuesWithUnixLineEndsAreTakenAsTheListIs) {
    ASSERT_EQ(run({"assign-parameter", "MAT", "--values", file("values.txt", "S235\r\nS355\r\n")},
                  "a.prt\nb.prt\n")
                  .status,
              0);
    const std::string crlf = doit();
    fs::remove(dir.file("doit.pro"));
    const Outcome outcome =
        run({"assign-parameter", "MAT", "--values", file("values.txt", "S235\nS355\n")},
            "a.prt\nb.prt\n");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(doit(), crlf);
}

// A stream that hands over `bytes` and then fails, as a pipe with a read error does.
class FailingInput final : public std::streambuf {
public:
    explicit FailingInput(std::string bytes) : bytes_(std::move(bytes)) {
        setg(bytes_.data(), bytes_.data(), bytes_.data() + bytes_.size());
    }

protected:
    int_type underflow() override { throw std::system_error(EIO, std::generic_category()); }

private:
    std::string bytes_;
};

TEST_F(BatchTest, AReadErrorOnStandardInputRefusesAndWritesNothing) {
    FailingInput failing("welle.prt\nflansch.prt\n");
    std::istream in(&failing);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBatch({"-o", dir.path(), "save-as"}, in, out, err), 1);
    EXPECT_EQ(err.str(), texts::messageStandardInputNotRead(texts::kNothingSaved) + "\n");
    EXPECT_FALSE(written());
}

TEST_F(BatchTest, StandardInputPastTheLimitRefusesAndWritesNothing) {
    const Outcome outcome = run({"save-as"}, "a.prt\r\n" + std::string(kMostInputBytes, 'x'));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, texts::messageStandardInputTooLarge(texts::kNothingSaved) + "\n");
    EXPECT_FALSE(written());
}

// Windows' C runtime does not open a directory at all, so there is no read error to make this way.
#ifndef _WIN32
TEST_F(BatchTest, StandardInputTellsAReadErrorFromTheEnd) {
    // Reading a directory fails (EISDIR) where opening it succeeded: a read error at hand.
    for (const auto& [path, bad] :
         {std::pair{file("list.txt", "welle.prt\n"), false}, std::pair{dir.path(), true}}) {
        SCOPED_TRACE(path);
        std::FILE* opened = std::fopen(path.c_str(), "rb");
        ASSERT_NE(opened, nullptr);
        StdioInputBuffer buffer(opened);
        std::istream in(&buffer);
        std::string bytes(64, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        EXPECT_EQ(in.bad(), bad);
        EXPECT_EQ(bytes.substr(0, static_cast<std::size_t>(in.gcount())), bad ? "" : "welle.prt\n");
        std::fclose(opened);
    }
}
#endif

TEST_F(BatchTest, SpreadsheetColumnsAndUtf16ListsGiveTheFileNames) {
    ASSERT_EQ(run({"run-mapkeys", "ds"}, "welle.prt\r\nflansch.prt\r\n").status, 0);
    const std::string expected = doit();
    // "Unicode text" of a spreadsheet: UTF-16 with its mark, both byte orders.
    const auto utf16 = [](std::string_view ascii, bool little) {
        std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
        for (const char c : ascii) bytes += little ? std::string{c, '\0'} : std::string{'\0', c};
        return bytes;
    };
    const std::string twoColumns =
        "Name\tBenennung\r\nwelle.prt\tWelle 20\r\nflansch.prt\tFlansch\r\n";
    for (const std::string& list : {twoColumns, utf16(twoColumns, true), utf16(twoColumns, false),
                                    utf16("welle.prt\r\nflansch.prt\r\n", true)}) {
        SCOPED_TRACE(list);
        fs::remove(dir.file("doit.pro"));
        const Outcome outcome = run({"-l", file("list.txt", list), "run-mapkeys", "ds"});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(doit(), expected);
        EXPECT_EQ(doit().find('\t'), std::string::npos);
    }
}

// A spreadsheet's or a PDM export's rows: the file name is the first cell, a header row goes.
TEST_F(BatchTest, ExportsOfSeveralColumnsGiveTheFileNamesOnly) {
    ASSERT_EQ(run({"save-as"}, "200000_mutter.drw\r\nwelle.prt\r\n200001_flansch.drw\r\n").status,
              0);
    const std::string names = doit();
    const std::string exports[] = {
        "200000_mutter.drw;1;Freigegeben;Müller\r\nwelle.prt;3;In Arbeit;Meier\r\n"
        "200001_flansch.drw;1;Freigegeben;Müller\r\n",
        "Teilenummer\tBenennung\r\n200000_mutter.drw\tMutter M8\r\nwelle.prt\tWelle\r\n"
        "200001_flansch.drw\tFlansch\r\n",
        // Two lists joined, the second with its byte-order mark, and quoted cells.
        "\xEF\xBB\xBF\"200000_mutter.drw\";\"M8; verzinkt\"\r\nwelle.prt\r\n"
        "\xEF\xBB\xBF"
        "200001_flansch.drw;1\r\n",
    };
    for (const std::string& list : exports) {
        SCOPED_TRACE(list);
        fs::remove(dir.file("doit.pro"));
        const Outcome outcome = run({"-l", file("list.txt", list), "save-as"});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(doit(), names);
        const Outcome piped = run({"-l", "-", "--stdout", "save-as"}, list);
        EXPECT_EQ(piped.out, names) << piped.err;
    }
}

TEST_F(BatchTest, KeyedValuesPairByNameOrRefuseWithEveryNameInQuestion) {
    const std::string list = "C:\\pdm\\welle.prt.3\r\nFlansch.prt\r\ndeckel.asm\r\n";
    const auto assign = [&](const char* option, const std::string& values, bool allowMissing) {
        fs::remove(dir.file("doit.pro"));
        // Quiet, and the parts are not there to be found: what is said below is what the
        // pairing said.
        Arguments call = {"-q",  "--no-locate", "assign-parameter",
                          "MAT", option,        file("values", values)};
        if (allowMissing) call.push_back("--allow-missing");
        return run(call, list);
    };
    ASSERT_EQ(assign("--values", "S235\r\nS355, verzinkt\r\nAlu\r\n", false).status, 0);
    const std::string complete = doit();
    ASSERT_EQ(assign("--values", "S235\r\n\r\nAlu\r\n", false).status, 0);
    const std::string gaps = doit();

    const struct {
        const char* keyed;
        bool allowMissing;
        const std::string* doit;  // null: refused
        std::vector<std::string> saying;
    } cases[] = {
        {"DECKEL.ASM;Alu\nflansch.PRT.7\tS355, verzinkt\n\n/pdm/Welle.prt;S235\n",
         false,
         &complete,
         {}},
        {"deckel.asm;Alu\nwelle.prt;S235\nx.prt;1\n",
         false,
         nullptr,
         {"\"Flansch.prt\"", "\"x.prt\"", "--allow-missing"}},
        {"deckel.asm;Alu\nwelle.prt;S235\nx.prt;1\n",
         true,
         &gaps,
         {"\"Flansch.prt\"", "\"x.prt\"", "Achtung"}},
        {"deckel.asm;Alu\nwelle.prt;S\nflansch.prt;S\nWELLE.prt;X\n",
         true,
         nullptr,
         {"\"welle.prt\""}},
        // A header row, names without extension and padded cells, as typed in a spreadsheet.
        {"Name\tWert\n deckel \tAlu\nflansch\t S355, verzinkt \nwelle.prt\tS235\n",
         false,
         &complete,
         {}},
        // The value shows which part took it; a semicolon in a row of TABs is refused.
        {"deckel;Alu\nwelle;S235\n", true, &gaps, {"\"welle.prt\" erhält \"S235\""}},
        {"deckel\tAlu\nwelle\tS;235\nflansch\tS355\n", false, nullptr, {"Semikolon"}},
        // A value is its own cell: further columns of a spreadsheet or an export stay out.
        {"Teilenummer\tWerkstoff\tPrüfer\ndeckel.asm\tAlu\tMeier\nwelle.prt\tS235\t\n"
         "flansch.prt\tS355, verzinkt\tgeprüft Meier\n",
         false,
         &complete,
         {}},
        {"deckel.asm;Alu;1\nwelle.prt;S235;1\n\"flansch.prt\";\"S355, verzinkt\";\"a;b\"\n",
         false,
         &complete,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keyed);
        const Outcome outcome = assign("--keyed", c.keyed, c.allowMissing);
        EXPECT_EQ(outcome.status, c.doit != nullptr ? 0 : 1) << outcome.err;
        EXPECT_EQ(doit(), c.doit != nullptr ? *c.doit : "");
        for (const std::string& says : c.saying) EXPECT_TRUE(outcome.says(says)) << outcome.err;
        EXPECT_EQ(outcome.err.empty(), c.saying.empty()) << outcome.err;
    }
}

TEST_F(BatchTest, InstallAutoBacksUpAndAppendsASecondAutoOnlyWhenAllowed) {
    const Outcome first = run({"install-auto"});
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.err, std::string(texts::kMessageConfigProCreated) + "\n" +
                             std::string(texts::kMessageAutoMapkeyAdded) + "\n");
    EXPECT_FALSE(fs::exists(dir.file("config.pro.bak")));
    const std::string once = readBytes(dir.file("config.pro"));

    const Outcome refused = run({"install-auto"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, std::string(texts::kMessageSecondAutoRefused) + "\n");
    EXPECT_EQ(readBytes(dir.file("config.pro")), once);
    EXPECT_FALSE(fs::exists(dir.file("config.pro.bak")));

    const Outcome second = run({"install-auto", "--allow-second"});
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(second.says(texts::kWarningAutoMapkeyDefined)) << second.err;
    EXPECT_EQ(readBytes(dir.file("config.pro.bak")), once);
    EXPECT_EQ(readBytes(dir.file("config.pro")).size(), 2 * once.size());

    const Outcome third = run({"install-auto", "--allow-second"});
    EXPECT_TRUE(third.says(texts::kMessageAutoMapkeyAddedBackupKept)) << third.err;
    EXPECT_EQ(readBytes(dir.file("config.pro.bak")), once) << "the first backup is kept";
}

// config.pro written on UNIX: its lines end at LF, as the CAD system reads them.
TEST_F(BatchTest, AConfigProWithLfLineEndsIsReadAndExtendedInKind) {
    const testing::ScopedHome home(dir.path());
    file("config.pro", "! UNIX\nmapkey ds @MAPKEY_NAMEspeichern;\nmapkey bb x\n");
    file("welle.prt.1", "");
    EXPECT_EQ(run({"--strict", "run-mapkeys", "ds;%bb"}, "welle.prt\n").status, 0);
    EXPECT_TRUE(written());

    const Outcome installed = run({"install-auto"});
    EXPECT_EQ(installed.status, 0) << installed.err;
    const std::string extended = readBytes(dir.file("config.pro"));
    EXPECT_TRUE(
        extended.starts_with("! UNIX\nmapkey ds @MAPKEY_NAMEspeichern;\nmapkey bb x\n! Mapkey"))
        << extended;
    EXPECT_EQ(extended.find('\r'), std::string::npos) << "the block ends its lines in LF too";

    const Outcome again = run({"install-auto"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, std::string(texts::kMessageSecondAutoRefused) + "\n");
    EXPECT_EQ(readBytes(dir.file("config.pro")), extended);
}

// Deleting needs new_parameter_ui no; the check says where it is not set, or that no
// config.pro could be read.
TEST_F(BatchTest, TheCheckOfADeletionLooksForTheOptionItNeeds) {
    const testing::ScopedHome home(dir.path());
    const std::string notSet = texts::findingOptionNotSet("new_parameter_ui", "no");
    const std::string notLooked = texts::findingOptionNotLooked("new_parameter_ui", "no");
    const struct {
        std::optional<std::string> configPro;
        Arguments arguments;
        int status;
        bool written;
        std::vector<std::string> saying;
    } cases[] = {
        {std::nullopt, {"check", "delete-parameter", "MAT"}, 1, false, {notLooked}},
        {"display_full_path yes\r\n",
         {"check", "delete-parameter", "MAT"},
         1,
         false,
         {notSet, "setzt new_parameter_ui nicht"}},
        {"New_Parameter_UI No\n! needed\n", {"check", "delete-parameter", "MAT"}, 0, false, {}},
        {"new_parameter_ui no\nnew_parameter_ui yes\n",
         {"delete-parameter", "MAT"},
         0,
         true,
         {std::string(texts::kWarningFindings), notSet, "new_parameter_ui yes"}},
        {"new_parameter_ui yes\n", {"--strict", "delete-parameter", "MAT"}, 1, false, {notSet}},
    };
    file("welle.prt.1", "");
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.configPro));
        fs::remove(dir.file("doit.pro"));
        fs::remove(dir.file("config.pro"));
        if (c.configPro) file("config.pro", *c.configPro);
        const Outcome outcome = run(c.arguments, "welle.prt\r\n");
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_EQ(written(), c.written);
        for (const std::string& says : c.saying) EXPECT_TRUE(outcome.says(says)) << outcome.err;
        if (c.saying.empty()) {
            EXPECT_EQ(outcome.err, std::string(texts::kCheckFoundNothing) + "\n");
        }
    }
}

#ifndef _WIN32
// A FIFO in a file's place, which anyone who may write the directory can put there: every
// run returns at once and says what it is.
TEST_F(BatchTest, AFifoInPlaceOfAFileIsNeverWaitedOn) {
    const testing::ScopedHome home(dir.path());
    ASSERT_EQ(::mkfifo(dir.file("config.pro").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(dir.file("list.txt").c_str(), 0600), 0);
    const std::string pipe(texts::kReasonPipe);

    const Outcome chain = run({"run-mapkeys", "ds"}, "welle.prt\n");
    EXPECT_EQ(chain.status, 0) << chain.err;
    EXPECT_TRUE(chain.says(texts::kFindingMapkeysNotLooked) && chain.says(pipe)) << chain.err;
    EXPECT_TRUE(written());
    fs::remove(dir.file("doit.pro"));
    EXPECT_EQ(run({"--strict", "run-mapkeys", "ds"}, "welle.prt\n").status, 1);
    EXPECT_TRUE(run({"delete-parameter", "MAT"}, "welle.prt\n").says(pipe));

    const Outcome install = run({"install-auto"});
    EXPECT_EQ(install.status, 1);
    EXPECT_EQ(install.err, texts::messageConfigProNotRead(dir.file("config.pro"), pipe) + "\n");

    const Outcome list = run({"-l", dir.file("list.txt"), "save-as"});
    EXPECT_EQ(list.status, 1);
    EXPECT_EQ(list.err, texts::messageFileNotRead(dir.file("list.txt"), pipe) + "\n");
    EXPECT_TRUE(fs::is_fifo(dir.file("config.pro")));
}
#endif

TEST_F(BatchTest, TheCheckWarnsRefusesWithStrictOrOnlyChecks) {
    const testing::ScopedHome home(dir.path());  // one config.pro, as home and start directory
    file("config.pro",
         "mapkey ds @MAPKEY_NAMEspeichern;\r\n! mapkey bb x\r\nmapkey cls x;\r\nmapkey pdf x;\r\n");
    file("welle.prt.1", "");
    const std::string clean = "welle.prt\r\n";
    const std::string blank = "welle.prt\r\nmeine welle.prt\r\n";
    const std::string wrote = "wurde geschrieben: run-mapkeys, 1 Eintrag.";
    const struct {
        Arguments arguments;
        std::string list;
        int status;
        bool written;
        std::vector<std::string_view> saying;  // none: nothing on standard error
    } cases[] = {
        {{"run-mapkeys", "ds"}, clean, 0, true, {wrote}},
        {{"-q", "run-mapkeys", "ds"}, clean, 0, true, {}},
        {{"save-as"}, blank, 0, true, {texts::kWarningFindings, R"("meine welle.prt")"}},
        {{"run-mapkeys", "ds;%bb"}, clean, 0, true, {texts::kFindingMapkeyUndefined, R"("bb")"}},
        {{"--strict", "run-mapkeys", "ds;%bb"}, clean, 1, false, {texts::kMessageFindingsRefused}},
        {{"--strict", "-q", "run-mapkeys", "ds"}, clean, 0, true, {}},
        {{"check", "run-mapkeys", "ds"}, clean, 0, false, {texts::kCheckFoundNothing}},
        {{"check", "delete-parameter", "2b"}, clean, 1, false, {texts::kFindingParameterNameStart}},
        {{"check", "save-as"}, blank, 1, false, {R"("meine welle.prt")"}},
        // The chain as Pro/E writes it names defined mapkeys; a step without "%" is typed.
        {{"check", "run-mapkeys", "%pdf;%cls;"}, clean, 0, false, {texts::kCheckFoundNothing}},
        {{"check", "-q", "run-mapkeys", "%pdf;%cls;"}, clean, 0, false, {}},
        {{"check", "run-mapkeys", "pdf;cls"},
         clean,
         1,
         false,
         {texts::kFindingChainStepTyped, R"(  "cls")"}},
        {{"check", "run-mapkeys", "ds"},
         "zeichnung.pdf\r\nwelle.PRT\r\n",
         1,
         false,
         {"kein Modelltyp", R"("zeichnung.pdf")"}},
        {{"--strict", "delete-parameter", "X"},
         "Größe.prt\r\n",
         1,
         false,
         {texts::kFindingModelNameNotAscii, R"("Größe.prt")", texts::kMessageFindingsRefused}},
        {{"check", "save-as"},
         "gehaeuse.step\r\n",
         1,
         false,
         {texts::kFindingSaveAsNameCut, R"("gehaeuse.step" wird als "gehaeuse." gespeichert)"}},
        {{"check", "save-as"},
         "welle.PRT\r\nwelle.prt.12\r\n",
         1,
         false,
         {texts::kFindingSavedTwice, R"("welle.prt" wie "welle.PRT")"}},
        {{"check", "delete-parameter", "X"},
         "welle.prt\r\nC:\\alt\\WELLE.PRT.3\r\n",
         1,
         false,
         {texts::kFindingOpenedTwice, R"("WELLE.PRT" wie "welle.prt")"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        fs::remove(dir.file("doit.pro"));
        const Outcome outcome = run(c.arguments, c.list);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_EQ(written(), c.written);
        for (const std::string_view says : c.saying) EXPECT_TRUE(outcome.says(says)) << outcome.err;
        EXPECT_EQ(outcome.err.empty(), c.saying.empty()) << outcome.err;
    }
}

// A script tells "the check found something" (1) from "the check could not look" (2).
TEST_F(BatchTest, CheckExitsTwoWhenItCouldNotCheckAndSaysSoInItsOwnWords) {
    const std::string list = file("list.txt", "welle.prt\r\n");
    const std::string empty = file("empty.txt", "Name\r\n\r\n");
    const struct {
        Arguments arguments;
        std::string input;
        std::string saying;
    } cases[] = {
        {{"-o", dir.file("missing"), "-l", list, "check", "save-as"},
         "",
         std::string(texts::kNothingChecked)},
        {{"-l", dir.file("nolist"), "check", "save-as"}, "", "\"" + dir.file("nolist") + "\""},
        {{"check", "save-as"}, "a`b.prt\r\n", "Backtick"},
        {{"check", "run-mapkeys", "ds`"}, "welle.prt\r\n", "Die Mapkey-Kette"},
        {{"-l", empty, "check", "save-as"},
         "",
         texts::messageListEmpty(empty, texts::kNothingChecked)},
        {{"check", "delete-parameter"}, "welle.prt\r\n", "(NAME fehlt)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const Outcome outcome = run(c.arguments, c.input);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.says(c.saying)) << outcome.err;
        EXPECT_FALSE(outcome.says(texts::kNothingSaved)) << outcome.err;
        EXPECT_FALSE(written());
    }
    const Outcome writing = run({"-o", dir.file("missing"), "-l", list, "save-as"});
    EXPECT_EQ(writing.status, 1);
    EXPECT_TRUE(writing.says(texts::kNothingSaved)) << writing.err;
}

TEST_F(BatchTest, SaysWhatItWroteUnlessQuietAndRefusesAnEmptyListInItsOwnWords) {
    const Outcome saved = run({"save-as"}, "welle.drw\nflansch.drw\nwelle.drw\n");
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(saved.err, "Die Datei \"" + dir.file("doit.pro") +
                             "\" wurde geschrieben: save-as, 2 Einträge.\n");
    const Outcome piped = run({"--stdout", "save-as"}, "welle.drw\n");
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(
        piped.err,
        "Die Datei doit.pro wurde auf die Standardausgabe geschrieben: save-as, 1 Eintrag.\n");
    for (const Arguments& quiet : {Arguments{"-q", "save-as"}, Arguments{"save-as", "--quiet"},
                                   Arguments{"--quiet", "install-auto"}}) {
        SCOPED_TRACE(::testing::PrintToString(quiet));
        const Outcome outcome = run(quiet, "welle.drw\n");
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
    }
    EXPECT_TRUE(fs::exists(dir.file("config.pro")));

    fs::remove(dir.file("doit.pro"));
    const std::string empty = file("empty.txt", "Name\r\n");
    const std::pair<Arguments, std::string> refusals[] = {
        {{"save-as"}, texts::messageStandardInputListEmpty(texts::kNothingSaved)},
        {{"-q", "-l", empty, "save-as"}, texts::messageListEmpty(empty, texts::kNothingSaved)},
    };
    for (const auto& [arguments, message] : refusals) {
        const Outcome outcome = run(arguments, "\r\n");
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err, message + "\n");
        EXPECT_FALSE(written());
    }
}

// Each finding of where Pro/E finds the files: in the output directory, then along the search
// path of config.pro; none for save-as, which makes what is missing, and none with --no-locate.
TEST_F(BatchTest, TheCheckSaysWhereProEFindsTheFiles) {
    const testing::ScopedHome home(dir.path());
    fs::create_directory(dir.file("lib"));
    for (const char* model :
         {"welle.prt.3", "lib/welle.prt.5", "lib/flansch.prt.2", "lib/ro.prt.1", "lib/ro.prt.2"}) {
        file(model, "");
    }
    fs::permissions(dir.file("lib/ro.prt.2"),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::string flansch = dir.file("lib/flansch.prt.2");
    const struct {
        std::string searchPath;
        Arguments arguments;
        std::string list;
        std::string_view heading;  // empty: nothing found
        std::string item;
    } cases[] = {
        {"lib",
         {"run-mapkeys", "ds"},
         "flansch.prt\nfehlt.prt\n",
         texts::kFindingEntryNotFound,
         R"("fehlt.prt")"},
        {"lib",
         {"run-mapkeys", "ds"},
         "fehlt.prt\n",
         texts::kFindingNoEntryFound,
         "\"" + dir.file("lib") + "\""},
        {"lib",
         {"run-mapkeys", "ds"},
         "WELLE.prt\n",
         texts::kFindingFoundInSeveralPlaces,
         texts::noteFoundAgain(dir.file("welle.prt.3"), {dir.file("lib")})},
        {"lib",
         {"run-mapkeys", "ds"},
         "flansch.prt.1\n",
         texts::kFindingOtherVersionOpened,
         texts::noteOtherVersion(1, flansch)},
        {"lib",
         {"run-mapkeys", "ds"},
         dir.file("alt/flansch.prt") + "\n",
         texts::kFindingOtherDirectoryOpened,
         texts::noteOtherDirectory(dir.file("alt/"), flansch)},
        {"lib",
         {"delete-parameter", "MAT"},
         "ro.prt\n",
         texts::kFindingWriteProtected,
         texts::noteOpens(dir.file("lib/ro.prt.2"))},
        {"lib $NICHT_GESETZT",
         {"run-mapkeys", "ds"},
         "flansch.prt\n",
         texts::kFindingPlacesNotRead,
         texts::reasonVariableNotSet("NICHT_GESETZT")},
        {"lib", {"run-mapkeys", "ds"}, "ro.prt\n" + flansch + "\n", "", ""},
        {"lib", {"--no-locate", "run-mapkeys", "ds"}, "fehlt.prt\nwelle.prt.1\n", "", ""},
        {"lib", {"save-as"}, "fehlt.prt\nwelle.prt.1\n", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        file("config.pro", "mapkey ds x\nnew_parameter_ui no\nsearch_path " + c.searchPath + "\n");
        Arguments call = c.arguments;
        call.insert(call.begin(), "check");
        const Outcome outcome = run(call, c.list);
        EXPECT_EQ(outcome.status, c.heading.empty() ? 0 : 1) << outcome.err;
        EXPECT_TRUE(outcome.says(std::string(c.heading) + "\n")) << outcome.err;
        EXPECT_TRUE(outcome.says(c.item)) << outcome.err;
    }
}

}  // namespace
}  // namespace stapelwerk
