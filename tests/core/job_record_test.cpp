#include <gtest/gtest.h>

#include "core/job_record.h"
#include "core/texts.h"
#include "platform/text_file.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using namespace std::chrono_literals;

class StringSink final : public ByteSink {
public:
    void write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

const FileTime kWritten =
    FileTime(std::chrono::sys_days(std::chrono::year(2026) / std::chrono::December / 10)) + 3h +
    14min + 15s + 123456789ns;

std::string recordText(const JobRecordHead& head, const std::vector<std::string>& entries,
                       const std::vector<std::string>& values,
                       const std::vector<std::optional<std::string>>& found) {
    StringSink sink;
    writeJobRecord(sink, head, entries, values, [&found](std::size_t entry) {
        return entry < found.size() ? found[entry] : std::nullopt;
    });
    return sink.text;
}

const std::string kAssignment =
    "Stapelwerk-Auftrag 1\r\n"
    "Lauf: 7GQ2KX9M\r\n"
    "Geschrieben: 2026-12-10T03:14:15.123456789Z\r\n"
    "Funktion: assign-parameter\r\n"
    "Parametername: MATERIAL\r\n"
    "Journal: ein\r\n"
    "Einträge: 2\r\n"
    "Nr.\tEintrag\tWert\tDatei\r\n"
    "1\twelle.prt\tS235\twelle.prt.3\r\n"
    "2\tbolzen.prt\t\t\r\n";

TEST(JobRecord, IsTextAPersonReads) {
    const JobRecordHead head{"7GQ2KX9M", kWritten,   DoitFunction::parameterAssignment,
                             {},         "MATERIAL", true};
    EXPECT_EQ(recordText(head, {"welle.prt", "bolzen.prt"}, {"S235"}, {"welle.prt.3", {}}),
              kAssignment);
}

TEST(JobRecord, ReadsBackWhatItWroteForEveryFunction) {
    // Fields larger than the pieces the record is written in go out beside them, in order.
    const std::string giant = std::string(std::size_t{3} << 20, 'b') + "olzen.asm";
    const std::string giantValue(std::size_t{2} << 20, 'v');
    const std::vector<std::string> entries{"welle.prt", "Größe.drw", giant};
    // A path may hold a TAB, as the last field; no row holds a line break.
    const std::vector<std::optional<std::string>> found{
        "welle.prt.12", "/net/teile mit\tTab/größe.drw.1", "/a\nb/bolzen.asm.1"};
    for (const FunctionRow& row : kFunctionTable) {
        SCOPED_TRACE(row.command);
        const JobRecordHead head{"RUN42", kWritten, row.function, "+;%bb;%00;", "LÄNGE", false};
        const Result<JobRecord> read = parseJobRecord(
            recordText(head, entries, {"S235", "", giantValue}, found), "doit.stapel");
        ASSERT_TRUE(read.ok()) << read.message();
        EXPECT_EQ(read->head().runId, "RUN42");
        EXPECT_EQ(read->head().written, kWritten);
        EXPECT_EQ(read->head().function, row.function);
        EXPECT_EQ(read->head().chain, row.needs.chain ? "+;%bb;%00;" : "");
        EXPECT_EQ(read->head().parameterName, row.needs.parameterName ? "LÄNGE" : "");
        EXPECT_FALSE(read->head().journal);
        ASSERT_EQ(read->entryCount(), 3u);
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(read->entry(i), entries[i]);
        EXPECT_EQ(read->value(0), row.needs.values ? "S235" : "");
        EXPECT_EQ(read->value(2), row.needs.values ? giantValue : "");
        EXPECT_EQ(read->fileFound(0), "welle.prt.12");
        EXPECT_EQ(read->fileFound(1), "/net/teile mit\tTab/größe.drw.1");
        EXPECT_EQ(read->fileFound(2), "");
    }
}

TEST(JobRecord, ReadsLineFeedsWithoutCarriageReturns) {
    std::string text = kAssignment;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    const Result<JobRecord> read = parseJobRecord(text, "doit.stapel");
    ASSERT_TRUE(read.ok()) << read.message();
    EXPECT_EQ(read->value(0), "S235");
    EXPECT_EQ(read->fileFound(1), "");
}

const KeptWork kKept{"/pro/teile\n2026",
                     {{"welle.prt", true}, {"", false}, {"bolzen.prt\tStahl 100%\r\n", false}}};

std::string savedJob() {
    StringSink sink;
    writeJobRecord(sink, {"RUN42", kWritten, DoitFunction::saveAs, {}, {}}, {"welle.prt"}, {}, {},
                   &kKept);
    return sink.text;
}

TEST(JobRecord, RefusesADamagedRecordOrSavedJobNamingItsLine) {
    const std::string saved = savedJob();
    const auto replacedIn = [](std::string text, std::string_view from, std::string_view to) {
        return text.replace(text.find(from), from.size(), to);
    };
    const auto replaced = [&replacedIn](std::string_view from, std::string_view to) {
        return replacedIn(kAssignment, from, to);
    };
    const std::pair<std::string, std::size_t> cases[] = {
        {"", 1},
        {"Stapelwerk-Auftrag\r\n", 1},
        {replaced("Auftrag 1", "Auftrag 01"), 1},
        {replaced("Auftrag 1", "Auftrag 0"), 1},
        {replaced("7GQ2KX9M", "7GQ 2KX9M"), 2},
        {replaced("03:14", "24:14"), 3},
        {replaced("12-10", "02-30"), 3},
        {replaced("assign-parameter", "frobnicate"), 4},
        {replaced("Parametername", "Kette"), 5},
        {replaced("Journal: ein", "Journal: ja"), 6},
        {replaced("Einträge: 2", "Einträge: 3"), 11},
        {replaced("Einträge: 2", "Einträge: 1"), 10},
        {replaced("Einträge: 2", "Einträge: 99999999999"), 7},
        {replaced("Nr.\tEintrag\tWert", "Nr.\tEintrag"), 8},
        {replaced("2\tbolzen", "3\tbolzen"), 10},
        {replaced("2\tbolzen.prt\t\t", "2\tbolzen.prt\t"), 10},
        {replaced("1\twelle.prt", "1\t"), 9},
        {replaced("welle.prt\tS235", "welle\r.prt\tS235"), 9},
        {kAssignment.substr(0, kAssignment.size() - 2) + "\r\n\r\n", 11},
        {kAssignment.substr(0, kAssignment.find("2\tbolzen")), 10},
        {replaced("assign-parameter", "keine"), 4},
        {replacedIn(saved, "\tja\t", "\tvielleicht\t"), 12},
        {replacedIn(saved, "Arbeitsliste: 3", "Arbeitsliste: 4"), 15},
        {replacedIn(saved, "100%25", "100%"), 14},
        {replacedIn(saved, "100%25", "100%2"), 14},
        {replacedIn(saved, "welle.prt\r\n2", "w%65lle.prt\r\n2"), 12},
        {saved.substr(0, saved.find("Ausgabeverzeichnis")), 9},
    };
    for (const auto& [text, line] : cases) {
        SCOPED_TRACE(text);
        const Result<JobRecord> read = parseJobRecord(text, "/pro/doit.stapel");
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.message(), texts::messageJobRecordDamaged("/pro/doit.stapel", line));
    }
}

TEST(JobRecord, RefusesTheRecordOfANewerVersion) {
    std::string text = kAssignment;
    text.replace(0, 20, "Stapelwerk-Auftrag 3");
    const Result<JobRecord> read = parseJobRecord(text + "Neues: Feld\r\n", "doit.stapel");
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.message(), texts::messageJobRecordNewer("doit.stapel", "3", 2));
}

TEST(JobRecord, ASavedJobKeepsItsWorkBuiltOrNot) {
    for (const bool built : {true, false}) {
        SCOPED_TRACE(built);
        JobRecordHead head{"RUN42", kWritten, DoitFunction::parameterAssignment, {}, "MATERIAL"};
        head.built = built;
        StringSink sink;
        writeJobRecord(sink, head, {"welle.prt"}, {"S235"}, {}, &kKept);
        EXPECT_TRUE(sink.text.starts_with("Stapelwerk-Auftrag 2\r\n"));
        const Result<JobRecord> read = parseJobRecord(sink.text, "auftrag.stapel");
        ASSERT_TRUE(read.ok()) << read.message();
        EXPECT_EQ(read->head().built, built);
        EXPECT_EQ(read->entryCount(), built ? 1u : 0u);
        EXPECT_EQ(read->kept(), kKept);
    }
}

TEST(JobRecord, ReadingADirectoryWithoutOneSaysSo) {
    const testing::TempDir dir;
    const Result<JobRecord> none = readJobRecord(dir.path());
    ASSERT_FALSE(none.ok());
    EXPECT_TRUE(namesNothing(none.failure()));
    EXPECT_EQ(none.message(), texts::messageNoJobRecord(dir.path()));
    testing::writeBytes(jobRecordPath(dir.path()), kAssignment);
    EXPECT_TRUE(readJobRecord(dir.path()).ok());
}

}  // namespace
}  // namespace stapelwerk
