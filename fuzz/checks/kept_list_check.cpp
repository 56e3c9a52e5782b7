#include "app/kept_work_list.h"
#include "fuzz_checks.h"
#include "platform/text_file.h"

namespace stapelwerk::fuzz {

namespace {
class StringSink final : public ByteSink {
public:
    void write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};
}  // namespace

// A kept list that is read is written again as the same entries with the same marks: no
// entry's byte gets lost or changed on its way through a restart.
std::string checkKeptList(std::string_view input) {
    const Result<WorkEntries> read = parseKeptList(input, "Arbeitsliste.txt");
    if (!read) return {};
    StringSink written;
    writeKeptList(written, *read);
    const Result<WorkEntries> again = parseKeptList(written.text, "Arbeitsliste.txt");
    if (!again) return "a list written is refused: " + again.message();
    if (*again != *read) return "a list written reads back other entries";
    return {};
}

}  // namespace stapelwerk::fuzz
