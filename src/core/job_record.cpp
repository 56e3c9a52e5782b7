#include "core/job_record.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <system_error>

#include "core/escaped_line.h"
#include "core/run_id.h"
#include "core/texts.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kFormatName = "Stapelwerk-Auftrag ";
constexpr std::string_view kRunKey = "Lauf: ";
constexpr std::string_view kWrittenKey = "Geschrieben: ";
constexpr std::string_view kFunctionKey = "Funktion: ";
constexpr std::string_view kChainKey = "Kette: ";
constexpr std::string_view kParameterKey = "Parametername: ";
constexpr std::string_view kJournalKey = "Journal: ";
constexpr std::string_view kJournalOn = "ein";
constexpr std::string_view kJournalOff = "aus";
constexpr std::string_view kCountKey = "Einträge: ";
constexpr std::string_view kColumns = "Nr.\tEintrag\tDatei";
constexpr std::string_view kColumnsWithValue = "Nr.\tEintrag\tWert\tDatei";
constexpr std::string_view kNoFunction = "keine";
constexpr std::string_view kOutputKey = "Ausgabeverzeichnis: ";
constexpr std::string_view kWorkListKey = "Arbeitsliste: ";
constexpr std::string_view kWorkListColumns = "Nr.\tMarkiert\tZeile";
constexpr std::string_view kMarked = "ja";
constexpr std::string_view kUnmarked = "nein";
// What a record written beside doit.pro is; older versions read it.
constexpr unsigned kWriteFormat = 1;
constexpr std::string_view kLineEnd = "\r\n";
// The rows go out in pieces of about a megabyte.
constexpr std::size_t kPiece = std::size_t{1} << 20;
// 2026-12-10T03:14:15.123456789Z
constexpr std::size_t kTimeLength = 30;

static_assert(kMostJobRecordBytes <= UINT32_MAX, "a row is kept by where it starts, in 32 bits");

bool withValues(DoitFunction function) { return rowOf(function).needs.values; }

std::string_view columnsOf(const JobRecordHead& head) {
    return head.built && withValues(head.function) ? kColumnsWithValue : kColumns;
}

std::string timeText(FileTime time) {
    using namespace std::chrono;
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss<nanoseconds> clock(time - day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%09lldZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()),
                  static_cast<long long>(clock.subseconds().count()));
    return text;
}

// Decimal digits only, without a sign and without a leading 0 (but for 0 itself), so that a
// record reads back as it was written.
std::optional<std::uint64_t> numberOf(std::string_view digits) {
    std::uint64_t number = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number);
    if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
    if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
    return number;
}

// A fixed-width field of `text` as a number below `limit`.
std::optional<unsigned> fieldOf(std::string_view text, std::size_t at, std::size_t width,
                                unsigned limit) {
    unsigned number = 0;
    const std::string_view digits = text.substr(at, width);
    const auto [stop, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.size() != width || error != std::errc() || stop != digits.data() + digits.size() ||
        number >= limit) {
        return std::nullopt;
    }
    return number;
}

std::optional<FileTime> timeOfText(std::string_view text) {
    using namespace std::chrono;
    if (text.size() != kTimeLength || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':' || text[19] != '.' || text[29] != 'Z') {
        return std::nullopt;
    }
    const auto yearNumber = fieldOf(text, 0, 4, 10000);
    const auto monthNumber = fieldOf(text, 5, 2, 13);
    const auto dayNumber = fieldOf(text, 8, 2, 32);
    const auto hour = fieldOf(text, 11, 2, 24);
    const auto minute = fieldOf(text, 14, 2, 60);
    const auto second = fieldOf(text, 17, 2, 60);
    const auto nanosecond = fieldOf(text, 20, 9, 1'000'000'000);
    if (!yearNumber || !monthNumber || !dayNumber || !hour || !minute || !second || !nanosecond) {
        return std::nullopt;
    }
    const year_month_day date{year(static_cast<int>(*yearNumber)), month(*monthNumber),
                              day(*dayNumber)};
    if (!date.ok()) return std::nullopt;
    return sys_days(date) + hours(*hour) + minutes(*minute) + seconds(*second) +
           nanoseconds(*nanosecond);
}

// A row's fields: its number, the entry, the value where the function has values, and the
// file found, which is the rest of the row (a path may hold a TAB).
struct RowFields {
    std::string_view number;
    std::string_view entry;
    std::string_view value;
    std::string_view fileFound;
};

std::optional<RowFields> fieldsOf(std::string_view row, bool valued) {
    RowFields fields;
    const auto cut = [&row](std::string_view& field) {
        const std::size_t tab = row.find('\t');
        if (tab == std::string_view::npos) return false;
        field = row.substr(0, tab);
        row.remove_prefix(tab + 1);
        return true;
    };
    if (!cut(fields.number) || !cut(fields.entry) || (valued && !cut(fields.value))) {
        return std::nullopt;
    }
    fields.fileFound = row;
    return fields;
}

// The lines of a record: each ends at LF, a CR before it is no part of it; a last line
// without its end counts too.
class RecordLines {
public:
    explicit RecordLines(std::string_view text) : text_(text) {}

    bool next(std::string_view& line) {
        ++number_;
        if (next_ >= text_.size()) return false;
        start_ = next_;
        const std::size_t end = std::min(text_.find('\n', start_), text_.size());
        line = text_.substr(start_, end - start_);
        if (line.ends_with('\r')) line.remove_suffix(1);
        next_ = end + 1;
        return true;
    }
    // The line last asked for, counted from 1, and where the line last given starts.
    std::size_t number() const { return number_; }
    std::size_t start() const { return start_; }

private:
    std::string_view text_;
    std::size_t next_ = 0;
    std::size_t start_ = 0;
    std::size_t number_ = 0;
};

// Reads a record line by line; the first line that does not hold what its place wants
// refuses the record, naming it.
class RecordReader {
public:
    RecordReader(std::string_view bytes, std::string_view path) : lines_(bytes), path_(path) {}

    // The text after `key` on the next line.
    std::optional<std::string_view> keyed(std::string_view key) {
        std::string_view line;
        if (!lines_.next(line) || !line.starts_with(key) || line.find('\r') != line.npos) {
            return std::nullopt;
        }
        return line.substr(key.size());
    }
    std::optional<std::string_view> line() { return keyed({}); }
    bool atEnd() {
        std::string_view line;
        return !lines_.next(line);
    }

    std::size_t lineStart() const { return lines_.start(); }
    Failure damaged() const {
        return refusal(texts::messageJobRecordDamaged(path_, lines_.number()));
    }

private:
    RecordLines lines_;
    std::string_view path_;
};

std::optional<DoitFunction> functionNamed(std::string_view command) {
    for (const FunctionRow& row : kFunctionTable) {
        if (row.command == command) return row.function;
    }
    return std::nullopt;
}

std::optional<bool> markOf(std::string_view text) {
    if (text == kMarked) return true;
    if (text == kUnmarked) return false;
    return std::nullopt;
}

// The kept work after the rows of a record of format 2.
std::optional<KeptWork> keptWorkOf(RecordReader& reader, std::size_t byteCount) {
    KeptWork kept;
    const auto output = reader.keyed(kOutputKey);
    std::optional<std::string> outputDirectory =
        output ? unescaped(*output) : std::optional<std::string>();
    if (!outputDirectory) return std::nullopt;
    kept.outputDirectory = std::move(*outputDirectory);
    const auto countText = reader.keyed(kWorkListKey);
    const auto count = countText ? numberOf(*countText) : std::nullopt;
    // A line takes at least five bytes, as a row.
    if (!count || *count > byteCount / 5 || reader.line() != kWorkListColumns) return std::nullopt;
    kept.workList.reserve(static_cast<std::size_t>(*count));
    for (std::uint64_t i = 0; i < *count; ++i) {
        const auto line = reader.line();
        const std::size_t numberEnd = line ? line->find('\t') : std::string_view::npos;
        const std::size_t markEnd =
            numberEnd == std::string_view::npos ? numberEnd : line->find('\t', numberEnd + 1);
        if (markEnd == std::string_view::npos || numberOf(line->substr(0, numberEnd)) != i + 1) {
            return std::nullopt;
        }
        const auto mark = markOf(line->substr(numberEnd + 1, markEnd - numberEnd - 1));
        if (!mark) return std::nullopt;
        const std::string_view escaped = line->substr(markEnd + 1);
        std::optional<std::string> text = unescaped(escaped);
        // Each text has one way to be written, so that a record reads back as it was written.
        std::string again;
        if (text) appendEscaped(again, *text);
        if (!text || again != escaped) return std::nullopt;
        kept.workList.append(*text, *mark);
    }
    return kept;
}

std::optional<bool> journalOf(std::string_view text) {
    if (text == kJournalOn) return true;
    if (text == kJournalOff) return false;
    return std::nullopt;
}
}  // namespace

void writeJobRecord(ByteSink& sink, const JobRecordHead& head, const TextList& entries,
                    const std::vector<std::string>& values, const FileOfEntry& fileOf,
                    const KeptWork* kept) {
    const FunctionNeeds needs = head.built ? rowOf(head.function).needs : FunctionNeeds{};
    std::string text;
    const auto line = [&text](std::string_view key, std::string_view value) {
        text.append(key).append(value).append(kLineEnd);
    };
    line(kFormatName, std::to_string(kept != nullptr ? kJobRecordFormat : kWriteFormat));
    line(kRunKey, head.runId);
    line(kWrittenKey, timeText(head.written));
    line(kFunctionKey, head.built ? rowOf(head.function).command : kNoFunction);
    if (needs.chain) line(kChainKey, head.chain);
    if (needs.parameterName) line(kParameterKey, head.parameterName);
    line(kJournalKey, head.journal ? kJournalOn : kJournalOff);
    line(kCountKey, std::to_string(head.built ? entries.size() : 0));
    line(columnsOf(head), {});
    // A field of a piece's size goes to the sink as it stands: copied into the piece, an entry
    // of one giant line would be held twice more while the record is written.
    const auto field = [&sink, &text](std::string_view value) {
        if (value.size() < kPiece) {
            text.append(value);
            return;
        }
        sink.write(text);
        text.clear();
        sink.write(value);
    };
    for (std::size_t i = 0; head.built && i < entries.size(); ++i) {
        text.append(std::to_string(i + 1)).append("\t");
        field(entries[i]);
        text.append("\t");
        if (needs.values) {
            field(i < values.size() ? values[i] : "");
            text.append("\t");
        }
        if (fileOf) {
            const std::optional<std::string> file = fileOf(i);
            if (file && file->find_first_of("\r\n") == std::string::npos) field(*file);
        }
        text.append(kLineEnd);
        if (text.size() >= kPiece) {
            sink.write(text);
            text.clear();
        }
    }
    if (kept != nullptr) {
        std::string outputDirectory;
        appendEscaped(outputDirectory, kept->outputDirectory);
        line(kOutputKey, outputDirectory);
        line(kWorkListKey, std::to_string(kept->workList.size()));
        line(kWorkListColumns, {});
        for (std::size_t i = 0; i < kept->workList.size(); ++i) {
            const WorkEntryView entry = kept->workList[i];
            text.append(std::to_string(i + 1)).append("\t");
            text.append(entry.selected ? kMarked : kUnmarked).append("\t");
            appendEscaped(text, entry.text);
            text.append(kLineEnd);
            if (text.size() >= kPiece) {
                sink.write(text);
                text.clear();
            }
        }
    }
    sink.write(text);
}

JobRecord::Row JobRecord::row(std::size_t i) const {
    std::string_view line(bytes_);
    line.remove_prefix(rows_[i]);
    line = line.substr(0, line.find('\n'));
    if (line.ends_with('\r')) line.remove_suffix(1);
    // Checked when the record was read.
    const RowFields fields = *fieldsOf(line, withValues(head_.function));
    return {fields.entry, fields.value, fields.fileFound};
}

std::string_view JobRecord::entry(std::size_t i) const { return row(i).entry; }
std::string_view JobRecord::value(std::size_t i) const { return row(i).value; }
std::string_view JobRecord::fileFound(std::size_t i) const { return row(i).fileFound; }

Result<JobRecord> parseJobRecord(std::string bytes, std::string_view path) {
    JobRecord record;
    JobRecordHead& head = record.head_;
    std::vector<std::uint32_t>& rows = record.rows_;
    {
        RecordReader reader(bytes, path);
        const std::optional<std::string_view> format = reader.keyed(kFormatName);
        const std::optional<std::uint64_t> version = format ? numberOf(*format) : std::nullopt;
        if (!version || *version == 0) return reader.damaged();
        if (*version > kJobRecordFormat) {
            return refusal(texts::messageJobRecordNewer(path, *format, kJobRecordFormat));
        }
        const auto runId = reader.keyed(kRunKey);
        if (!runId || !isRunId(*runId)) return reader.damaged();
        head.runId = *runId;
        const auto written = reader.keyed(kWrittenKey);
        const auto time = written ? timeOfText(*written) : std::nullopt;
        if (!time) return reader.damaged();
        head.written = *time;
        const auto command = reader.keyed(kFunctionKey);
        const auto function = command ? functionNamed(*command) : std::nullopt;
        head.built = function.has_value();
        // Only a saved job, of format 2, may have been saved before any build.
        if (!function && (*version < 2 || command != kNoFunction)) return reader.damaged();
        head.function = function.value_or(head.function);
        const FunctionNeeds needs = head.built ? rowOf(head.function).needs : FunctionNeeds{};
        if (needs.chain) {
            const auto chain = reader.keyed(kChainKey);
            if (!chain) return reader.damaged();
            head.chain = *chain;
        }
        if (needs.parameterName) {
            const auto name = reader.keyed(kParameterKey);
            if (!name) return reader.damaged();
            head.parameterName = *name;
        }
        const auto journalText = reader.keyed(kJournalKey);
        const auto journal = journalText ? journalOf(*journalText) : std::nullopt;
        if (!journal) return reader.damaged();
        head.journal = *journal;
        const auto countText = reader.keyed(kCountKey);
        const auto count = countText ? numberOf(*countText) : std::nullopt;
        // A row takes at least five bytes: a count beyond that tells of damage, not of rows.
        if (!count || *count > bytes.size() / 5 || (!head.built && *count > 0)) {
            return reader.damaged();
        }
        if (reader.line() != columnsOf(head)) return reader.damaged();
        rows.reserve(static_cast<std::size_t>(*count));
        for (std::uint64_t i = 0; i < *count; ++i) {
            const auto row = reader.line();
            const auto fields = row ? fieldsOf(*row, needs.values) : std::nullopt;
            if (!fields || numberOf(fields->number) != i + 1 || fields->entry.empty()) {
                return reader.damaged();
            }
            rows.push_back(static_cast<std::uint32_t>(reader.lineStart()));
        }
        if (*version >= 2) {
            record.kept_ = keptWorkOf(reader, bytes.size());
            if (!record.kept_) return reader.damaged();
        }
        if (!reader.atEnd()) return reader.damaged();
    }
    record.bytes_ = std::move(bytes);
    return record;
}

std::string jobRecordPath(const std::string& directory) {
    return joinFileName(directory, std::string(kJobRecordFileName));
}

Result<JobRecord> readJobRecord(const std::string& directory) {
    Result<JobRecord> record = readJobRecordFile(jobRecordPath(directory));
    if (!record && namesNothing(record.failure())) {
        return worded(record.failure(), texts::messageNoJobRecord(directory));
    }
    return record;
}

Result<JobRecord> readJobRecordFile(const std::string& path) {
    Result<std::string> bytes = readFileBytes(path, kMostJobRecordBytes);
    if (bytes) return parseJobRecord(std::move(*bytes), path);
    const Failure& failure = bytes.failure();
    if (failure.kind == FailureKind::inputTooLarge) {
        return worded(failure, texts::messageJobRecordTooLarge(path));
    }
    return worded(failure, texts::messageFileNotRead(path, texts::reasonOf(failure)));
}

}  // namespace stapelwerk
