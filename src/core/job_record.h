#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/function_table.h"
#include "core/text_list.h"
#include "core/work_list.h"
#include "platform/file_time.h"
#include "platform/input_limit.h"
#include "platform/result.h"

// The job record: what a write of doit.pro asked the CAD system to do, kept beside it as
// doit.stapel, so that afterwards each entry's result can be told and the rest resumed.
// Plain UTF-8 text with CR LF line ends that a person can read and compare: a first line
// naming the format and its version, a line for each of the write's facts, then a row for
// each confirmed entry in order, its fields parted by TABs:
//
//   Stapelwerk-Auftrag 1
//   Lauf: 7GQ2KX9M
//   Geschrieben: 2026-12-10T03:14:15.123456789Z
//   Funktion: assign-parameter
//   Parametername: MATERIAL
//   Journal: ein
//   Einträge: 2
//   Nr.<TAB>Eintrag<TAB>Wert<TAB>Datei
//   1<TAB>welle.prt<TAB>S235<TAB>welle.prt.3
//   2<TAB>bolzen.prt<TAB>S355<TAB>
//
// "Kette" stands for the chain's function, "Parametername" for the deletion's and the
// assignment's, the column "Wert" for the assignment's only. "Datei" is the file the CAD
// system will open for the entry: by its name alone in the working directory (the record's
// own), else by its path; empty where none was found.
//
// A job the user saves keeps also the work around it, and is of format 2: the function may
// be "keine" (saved before any build, then without entries), and after the rows follow the
// output directory and the whole work list, each line with its mark:
//
//   Ausgabeverzeichnis: /home/konstruktion/pro
//   Arbeitsliste: 2
//   Nr.<TAB>Markiert<TAB>Zeile
//   1<TAB>ja<TAB>welle.prt
//   2<TAB>nein<TAB>bolzen.prt<TAB>Stahl
//
// The directory's and a line's '%' and control characters other than TAB are escaped
// (escaped_line.h).
// The write of doit.pro keeps writing format 1, which older versions read.
namespace stapelwerk {

inline constexpr std::string_view kJobRecordFileName = "doit.stapel";
inline constexpr unsigned kJobRecordFormat = 2;
// A record of a million entries with long names and values is some 100 MB; a row is kept
// by where it starts, in 32 bits.
inline constexpr std::size_t kMostJobRecordBytes = 4 * kMostInputBytes;

// What the record says of the write, besides its entries.
struct JobRecordHead {
    std::string runId;
    // When doit.pro was written, as its file system stamped it: a version of a model that is
    // not older was saved by the run.
    FileTime written;
    DoitFunction function = DoitFunction::saveAs;
    std::string chain;
    std::string parameterName;
    bool journal = false;
    // False for a job saved before any build: it has no function and no entries.
    bool built = true;
};

// The work a saved job keeps besides its write's facts.
struct KeptWork {
    std::string outputDirectory;
    WorkEntries workList;

    bool operator==(const KeptWork&) const = default;
};

class ByteSink;

// The file found for the entry at a position, if any. Asked entry by entry, so that a
// million entries need no list of their files beside the record.
using FileOfEntry = std::function<std::optional<std::string>(std::size_t entry)>;

// The record's bytes: `entries` in order, each with its value (an empty one past the end
// of `values`) and the file found for it (none without `fileOf`). A found file whose path
// holds a line break, which no row can hold, is written as none found. With `kept`, the
// record is of format 2 and keeps that work too.
void writeJobRecord(ByteSink& sink, const JobRecordHead& head, const TextList& entries,
                    const std::vector<std::string>& values, const FileOfEntry& fileOf,
                    const KeptWork* kept = nullptr);

// A record as read: its head, and its rows within the file's bytes, so that a record of a
// million entries takes little more than its size.
class JobRecord {
public:
    const JobRecordHead& head() const { return head_; }
    std::size_t entryCount() const { return rows_.size(); }
    // Entries are counted from 0.
    std::string_view entry(std::size_t i) const;
    // Empty for a function without values.
    std::string_view value(std::size_t i) const;
    // Empty where none was found.
    std::string_view fileFound(std::size_t i) const;
    // What a saved job keeps besides; none in a record written beside doit.pro.
    const std::optional<KeptWork>& kept() const { return kept_; }

private:
    friend Result<JobRecord> parseJobRecord(std::string bytes, std::string_view path);
    struct Row {
        std::string_view entry;
        std::string_view value;
        std::string_view fileFound;
    };
    Row row(std::size_t i) const;

    JobRecordHead head_;
    std::string bytes_;
    std::vector<std::uint32_t> rows_;  // where each row starts in bytes_
    std::optional<KeptWork> kept_;
};

// The record in `bytes`, the content of the file `path`. One that is damaged, or of a newer
// format than kJobRecordFormat, is refused with a message that names `path` (and the line).
Result<JobRecord> parseJobRecord(std::string bytes, std::string_view path);

// The record in the file `path`; a refusal, with its message, when it cannot be read, or
// when it is damaged or newer.
Result<JobRecord> readJobRecordFile(const std::string& path);

// Where the record of the doit.pro in `directory` lies.
std::string jobRecordPath(const std::string& directory);

// The record beside the doit.pro in `directory`; a refusal, with its message, when there is
// none (namesNothing tells so), when it cannot be read, or when it is damaged or newer.
Result<JobRecord> readJobRecord(const std::string& directory);

}  // namespace stapelwerk
