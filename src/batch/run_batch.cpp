#include "batch/run_batch.h"

#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>

#include "batch/batch_command_line.h"
#include "batch/console_platform.h"
#include "cadconfig/auto_mapkey.h"
#include "core/job.h"
#include "core/texts.h"
#include "generate/doit_builder.h"
#include "generate/doit_writer.h"
#include "generate/mapkey_chain.h"
#include "params/assignment_check.h"
#include "params/keyed_values.h"
#include "params/parameter_tails.h"
#include "params/value_list_file.h"
#include "platform/input_decoding.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/utf8.h"
#include "worklist/confirm.h"
#include "worklist/paste_lines.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kStandardInput = "-";

class StreamSink final : public ByteSink {
public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    void write(std::string_view bytes) override {
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::ostream& out_;
};

// One call, from the parsed request to the exit status. Each step that refuses has put
// its message on the error stream before it returns.
class BatchRun {
public:
    BatchRun(const BatchRequest& request, std::istream& in, std::ostream& out, std::ostream& err)
        : request_(request), in_(in), out_(out), err_(err), platform_(err) {}

    int run() {
        return request_.function == BatchFunction::installAuto ? installAuto() : writeDoit();
    }

private:
    int refuse(std::string_view message) {
        err_ << message << '\n';
        return kExitRefused;
    }

    // The directory to write to; none when it is not there.
    std::optional<std::string> outputDirectory() {
        const std::string directory =
            request_.outputDirectory.value_or(platform_.currentDirectory());
        std::error_code error;
        const std::filesystem::file_type type =
            std::filesystem::status(toPath(directory), error).type();
        if (type == std::filesystem::file_type::directory) return directory;
        if (!error) {
            error = std::make_error_code(type == std::filesystem::file_type::not_found
                                             ? std::errc::no_such_file_or_directory
                                             : std::errc::not_a_directory);
        }
        refuse(texts::messageOutputDirectoryMissing(directory, error.message()));
        return std::nullopt;
    }

    // The text of a file, or of standard input for "-".
    std::optional<std::string> readInput(const std::string& path) {
        if (path == kStandardInput) {
            std::ostringstream bytes;
            bytes << in_.rdbuf();
            if (in_.bad()) {
                refuse(texts::kMessageStandardInputNotRead);
                return std::nullopt;
            }
            return decodeUtf8OrCp1252(bytes.str());
        }
        const FileContent content = readFileBytes(path);
        if (!content.result.ok) {
            refuse(texts::messageFileNotRead(path, content.result.reason));
            return std::nullopt;
        }
        return decodeUtf8OrCp1252(content.bytes);
    }

    // The list pasted, every entry selected and confirmed, as in the window.
    bool confirmList(Job& job) {
        const std::optional<std::string> list = readInput(request_.listPath);
        if (!list) return false;
        job.workList.assign(unselectedEntries(pastedLines(*list)));
        job.workList.setAllSelected(true);
        const ConfirmResult confirmed = confirmSelection(job);
        if (!confirmed.ok) refuse(confirmed.report);
        return confirmed.ok;
    }

    // --values: paired by position after the parameter dialog's count check.
    std::optional<std::vector<std::string>> valuesByPosition(const Job& job) {
        const std::optional<std::string> text = readInput(*request_.valuesPath);
        if (!text) return std::nullopt;
        std::vector<std::string> values = valueListLines(*text);
        for (const std::string& value : values) {
            if (value.find('\n') != std::string::npos) {
                err_ << texts::hintLineFeedsInValueList(*request_.valuesPath) << '\n';
                break;
            }
        }
        const AssignmentCheck check = checkAssignment(job.confirmedEntries.size(), values.size());
        if (!check.ok()) {
            refuse(check.message);
            return std::nullopt;
        }
        return values;
    }

    void listNames(std::string_view heading, const std::vector<std::string>& names) {
        if (!names.empty()) err_ << texts::namesUnderHeading(heading, names) << '\n';
    }

    // --keyed: paired by name; gaps and surplus names refuse unless --allow-missing,
    // contradictions always.
    std::optional<std::vector<std::string>> valuesByName(const Job& job) {
        const std::optional<std::string> text = readInput(*request_.keyedPath);
        if (!text) return std::nullopt;
        KeyedPairing pairing = pairByName(
            job.confirmedEntries, parseKeyedValues(splitLines(*text, LoneLineFeed::EndsLine)));
        const bool gaps = !pairing.entriesWithoutValue.empty() || !pairing.unmatchedNames.empty();
        const bool refused = !pairing.conflictingNames.empty() || (gaps && !request_.allowMissing);
        if (!refused && !pairing.entriesWithoutValue.empty()) {
            err_ << texts::kWarningEmptyValues << '\n';
        }
        listNames(texts::kHeadingEntriesWithoutValue, pairing.entriesWithoutValue);
        listNames(texts::kHeadingNamesWithoutEntry, pairing.unmatchedNames);
        listNames(texts::kHeadingConflictingNames, pairing.conflictingNames);
        if (!refused) return std::move(pairing.values);
        refuse(texts::kMessageKeyedValuesRefused);
        if (gaps && !request_.allowMissing) err_ << texts::kHintAllowMissing << '\n';
        return std::nullopt;
    }

    // The function's doit text, as its dialog builds it; nothing once refused.
    std::optional<BuiltText> build(const Job& job) {
        const std::vector<std::string>& entries = job.confirmedEntries;
        // Chains and names go into doit.pro; arguments from a terminal that is not UTF-8
        // are read as the files are.
        const std::string argument = decodeUtf8OrCp1252(request_.argument);
        const auto applying = [&entries](const BuiltText& tail) {
            return tail.ok() ? buildOpenAndApply(entries, tail.text) : tail;
        };
        switch (request_.function) {
            case BatchFunction::saveAs:
                return buildSaveAs(entries);
            case BatchFunction::runMapkeys:
                return applying(mapkeyChainTail(argument));
            case BatchFunction::deleteParameter:
                return applying(deletionTail(utf8::toUpper(argument)));
            case BatchFunction::assignParameter: {
                const std::optional<std::vector<std::string>> values =
                    request_.keyedPath ? valuesByName(job) : valuesByPosition(job);
                if (!values) return std::nullopt;
                const BuiltText tail = assignmentTail(argument);
                return tail.ok() ? buildParameterAssignment(entries, tail.text, *values) : tail;
            }
            case BatchFunction::installAuto:
                break;
        }
        return std::nullopt;
    }

    int writeDoit() {
        Job job;
        if (!request_.toStandardOutput) {
            const std::optional<std::string> directory = outputDirectory();
            if (!directory) return kExitRefused;
            job.outputDirectory = *directory;
        }
        if (!confirmList(job)) return kExitRefused;
        std::optional<BuiltText> built = build(job);
        if (!built) return kExitRefused;
        if (const std::string refusal = job.acceptBuild(std::move(*built)); !refusal.empty()) {
            return refuse(refusal);
        }
        if (!request_.toStandardOutput) {
            const DoitWriteResult written = writeDoitPro(job.outputDirectory, job.pendingText());
            return written.ok ? kExitSucceeded : refuse(written.message);
        }
        if (const std::string refusal = refusalForDoitText(job.pendingText()); !refusal.empty()) {
            return refuse(refusal);
        }
        StreamSink sink(out_);
        writeDoitBytes(sink, job.pendingText());
        out_.flush();
        return out_ ? kExitSucceeded : refuse(texts::kMessageStandardOutputNotWritten);
    }

    int installAuto() {
        const std::optional<std::string> directory = outputDirectory();
        if (!directory) return kExitRefused;
        ConfigContent config;
        if (!readConfigPro(platform_, *directory, config)) return kExitRefused;
        if (definesAutoMapkey(config.bytes)) err_ << texts::kWarningAutoMapkeyDefined << '\n';
        return appendAutoMapkey(platform_, *directory, config) ? kExitSucceeded : kExitRefused;
    }

    const BatchRequest& request_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    ConsolePlatform platform_;
};
}  // namespace

int runBatch(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
             std::ostream& err) {
    const ParsedCommandLine parsed = parseCommandLine(arguments, out, err);
    if (!parsed.request) return parsed.exitStatus;
    return BatchRun(*parsed.request, in, out, err).run();
}

}  // namespace stapelwerk
