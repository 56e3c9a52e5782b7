#include "core/job_record.h"
#include "fuzz_checks.h"
#include "platform/text_file.h"

namespace stapelwerk::fuzz {

namespace {
class StringSink final : public ByteSink {
public:
    void write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

// Every line ended by CR LF, as the writer ends them.
std::string withCrLf(std::string_view text) {
    std::string lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.append(line).append("\r\n");
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}
}  // namespace

// Input: the bytes of a job record. A record that is read is what the writer writes for
// what was read, but for its line ends; one that is refused says why in a message.
std::string checkJobRecord(std::string_view input) {
    const Result<JobRecord> read = parseJobRecord(std::string(input), "doit.stapel");
    if (!read) return read.message().empty() ? "a refusal without a message" : "";
    std::vector<std::string> entries;
    std::vector<std::string> values;
    for (std::size_t i = 0; i < read->entryCount(); ++i) {
        entries.emplace_back(read->entry(i));
        values.emplace_back(read->value(i));
    }
    const auto fileOf = [&read](std::size_t entry) -> std::optional<std::string> {
        if (read->fileFound(entry).empty()) return std::nullopt;
        return std::string(read->fileFound(entry));
    };
    StringSink sink;
    writeJobRecord(sink, read->head(), entries, values, fileOf,
                   read->kept() ? &*read->kept() : nullptr);
    if (sink.text != withCrLf(input)) return "a record read is not written back as it was";
    return {};
}

}  // namespace stapelwerk::fuzz
