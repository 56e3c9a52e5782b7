#include "batch/run_batch.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

#include "batch/batch_command_line.h"
#include "batch/console_platform.h"
#include "core/function_table.h"
#include "core/job.h"
#include "core/job_record.h"
#include "core/texts.h"
#include "generate/doit_writer.h"
#include "params/keyed_values.h"
#include "platform/input_decoding.h"
#include "platform/input_limit.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "workflow/functions.h"
#include "workflow/install_auto.h"
#include "workflow/job_files.h"
#include "workflow/locate_check.h"
#include "workflow/recorded_job.h"
#include "workflow/resume.h"
#include "workflow/run_watch.h"
#include "workflow/value_pairing.h"
#include "workflow/write_check.h"
#include "worklist/confirm.h"
#include "worklist/given_location.h"
#include "worklist/list_file.h"
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
    BatchRun(const BatchRequest& request, std::istream& in, std::ostream& out, std::ostream& err,
             bool inputIsConsole)
        : request_(request),
          in_(in),
          out_(out),
          err_(err),
          inputIsConsole_(inputIsConsole),
          platform_(err) {}

    int run() {
        if (request_.report) return report();
        if (request_.resume) return resume();
        if (request_.jobPath) return runJob();
        return request_.function ? writeDoit(*request_.function) : installAuto();
    }

private:
    // What a refusal means for the call: no doit.pro, or no check.
    int refusedStatus() const { return request_.checkOnly ? kExitNotChecked : kExitRefused; }
    std::string_view nothingDone() const {
        return request_.checkOnly ? texts::kNothingChecked : texts::kNothingSaved;
    }

    int refuse(std::string_view message) {
        err_ << message << '\n';
        return refusedStatus();
    }

    // A refusal with an empty message has been put on the error stream already.
    int refuseUnlessSaid(const Result<>& refused) {
        return refused.message().empty() ? refusedStatus() : refuse(refused.message());
    }

    // What all went well says, unless the call asked for quiet.
    void tell(std::string_view message) {
        if (!request_.quiet && !message.empty()) err_ << message << '\n';
    }

    // The directory to write to; none when it is not there.
    std::optional<std::string> outputDirectory() {
        return existingDirectory(request_.outputDirectory.value_or(platform_.currentDirectory()));
    }

    std::optional<std::string> existingDirectory(const std::string& directory) {
        std::error_code error;
        const std::filesystem::file_type type =
            std::filesystem::status(toPath(directory), error).type();
        if (type == std::filesystem::file_type::directory) return directory;
        if (!error) {
            error = std::make_error_code(type == std::filesystem::file_type::not_found
                                             ? std::errc::no_such_file_or_directory
                                             : std::errc::not_a_directory);
        }
        refuse(texts::messageOutputDirectoryMissing(directory, texts::systemReason(error),
                                                    nothingDone()));
        return std::nullopt;
    }

    // The text of a file, or of standard input for "-"; typed at a console, after `hint`,
    // which says how to end it: without it the program looks hung.
    std::optional<std::string> readInput(const std::string& path, std::string_view hint) {
        if (path == kStandardInput) {
            if (inputIsConsole_) err_ << hint << std::endl;
            // Read piece by piece: the stream's state tells a read error from the end, which
            // inserting its buffer into another stream would not.
            std::string bytes;
            std::array<char, 65536> piece{};
            while (in_.read(piece.data(), piece.size()) || in_.gcount() > 0) {
                if (!appendWithinLimit(bytes,
                                       {piece.data(), static_cast<std::size_t>(in_.gcount())})) {
                    refuse(texts::messageStandardInputTooLarge(nothingDone()));
                    return std::nullopt;
                }
            }
            if (in_.bad()) {
                refuse(texts::messageStandardInputNotRead(nothingDone()));
                return std::nullopt;
            }
            return decodeUtf8OrCp1252(std::move(bytes));
        }
        Result<std::string> text = readListText(path);
        if (!text) {
            refuse(text.message());
            return std::nullopt;
        }
        return std::move(*text);
    }

    // The list pasted, every entry selected and confirmed, as in the window.
    // The text read and the work list are let go as soon as the next step has what it
    // needs: each holds the whole list once more, and no later step reads them here.
    bool confirmList(Job& job) {
        {
            const std::optional<std::string> list =
                readInput(request_.listPath, texts::consoleListHint());
            if (!list) return false;
            job.workList.assign(pastedEntries(*list));
        }
        job.workList.setAllSelected(true);
        const Result<std::string> confirmed = confirmSelection(job);
        if (confirmed && !request_.noLocate) {
            given_ = givenLocations(job.workList.entries(), job.confirmedEntries);
        }
        job.workList.assign({});
        // Nothing was confirmed: the window asks to select files, but here none were read.
        if (!confirmed) {
            refuse(request_.listPath == kStandardInput
                       ? texts::messageStandardInputListEmpty(nothingDone())
                       : texts::messageListEmpty(request_.listPath, nothingDone()));
        }
        return confirmed.ok();
    }

    void listNames(std::string_view heading, const std::vector<std::string>& names) {
        if (!names.empty()) err_ << texts::namesUnderHeading(heading, names) << '\n';
    }

    // Gaps and surplus names of a keyed list refuse unless --allow-missing, contradictions
    // always.
    std::optional<std::vector<std::string>> valuesForEntries(const Job& job) {
        // One value a line (--values) or keyed (--keyed).
        std::optional<std::string> text =
            readInput(request_.keyedPath ? *request_.keyedPath : *request_.valuesPath,
                      texts::consoleValuesHint());
        if (!text) return std::nullopt;
        Result<KeyedPairing> pairing =
            workflow::pairValueText(job, *text,
                                    request_.keyedPath ? workflow::ValueListForm::keyed
                                                       : workflow::ValueListForm::oneValueALine);
        if (!pairing) {
            refuse(pairing.message());
            return std::nullopt;
        }
        const workflow::KeyedVerdict verdict = workflow::judgeKeyedPairing(*pairing);
        const bool gapsRefused =
            verdict == workflow::KeyedVerdict::withGaps && !request_.allowMissing;
        const bool refused = verdict == workflow::KeyedVerdict::contradictory || gapsRefused;
        if (!refused && !pairing->entriesWithoutValue.empty()) {
            err_ << texts::kWarningEmptyValues << '\n';
        }
        if (verdict == workflow::KeyedVerdict::withGaps) {
            // Which value went where, so that a pairing by a name without extension is seen.
            const std::string pairs = firstPairs(job.confirmedEntries, *pairing);
            if (!pairs.empty()) err_ << pairs << '\n';
        }
        listNames(texts::kHeadingEntriesWithoutValue, pairing->entriesWithoutValue);
        listNames(texts::kHeadingNamesWithoutEntry, pairing->unmatchedNames);
        listNames(texts::kHeadingAmbiguousNames, pairing->ambiguousNames);
        listNames(texts::kHeadingConflictingNames, pairing->conflictingNames);
        if (!refused) return std::move(pairing->values);
        refuse(texts::kMessageKeyedValuesRefused);
        if (gapsRefused) err_ << texts::kHintAllowMissing << '\n';
        return std::nullopt;
    }

    // The function's doit text becomes the job's pending text, as its dialog builds it.
    Result<> build(Job& job, DoitFunction function) {
        const FunctionNeeds& needs = rowOf(function).needs;
        // Chains and names go into doit.pro; arguments from a terminal that is not UTF-8
        // are read as the files are.
        const std::string argument = decodeUtf8OrCp1252(request_.argument);
        BuildInputs inputs{.function = function, .journal = request_.journal};
        if (needs.chain) inputs.chain = argument;
        if (needs.parameterName) inputs.parameterName = argument;
        if (needs.values) {
            std::optional<std::vector<std::string>> values = valuesForEntries(job);
            if (!values) return refusal({});
            inputs.values = std::move(*values);
        }
        return workflow::buildPendingText(job, std::move(inputs));
    }

    // The check before writing, its findings put on the error stream; true when it found
    // nothing. The CAD system starts in the output directory, also when doit.pro goes to
    // standard output.
    bool checkBuild(const Job& job) {
        const std::string startDirectory =
            job.outputDirectory.empty()
                ? request_.outputDirectory.value_or(platform_.currentDirectory())
                : job.outputDirectory;
        workflow::Findings findings =
            workflow::checkPendingBuild(job.confirmedEntries, job.pendingInputs(), startDirectory,
                                        platform_.programDirectory());
        // Save-as makes what it does not find: of it the look-up has nothing to say.
        if (!request_.noLocate && rowOf(job.pendingInputs().function).opensFiles) {
            const workflow::LocateJob locate{std::move(given_), job.pendingInputs().function,
                                             startDirectory, platform_.programDirectory()};
            const auto always = [](std::size_t, std::size_t) { return true; };
            workflow::LocateOutcome outcome =
                workflow::locateAndCheck(job.confirmedEntries, locate, always);
            findings = workflow::joined(std::move(findings), std::move(outcome.findings));
            located_ = std::move(outcome.locations);
        }
        if (findings.empty()) return true;
        err_ << texts::kWarningFindings << '\n';
        for (const workflow::Finding& finding : findings) {
            err_ << workflow::describedFinding(finding, job.confirmedEntries) << '\n';
        }
        return false;
    }

    int writeDoit(DoitFunction function) {
        Job job;
        if (!request_.toStandardOutput) {
            const std::optional<std::string> directory = outputDirectory();
            if (!directory) return refusedStatus();
            job.outputDirectory = *directory;
        }
        if (!confirmList(job)) return refusedStatus();
        if (const Result<> built = build(job, function); !built) return refuseUnlessSaid(built);
        return checkAndWrite(job);
    }

    // The built job checked, and written unless the check only was asked for.
    int checkAndWrite(const Job& job) {
        const bool clean = checkBuild(job);
        if (request_.checkOnly) {
            if (clean) tell(texts::kCheckFoundNothing);
            return clean ? kExitSucceeded : kExitFindings;
        }
        if (!clean && request_.strict) return refuse(texts::kMessageFindingsRefused);
        const std::string_view command = rowOf(job.pendingInputs().function).command;
        const std::size_t count = job.confirmedEntries.size();
        if (!request_.toStandardOutput) {
            const workflow::JobWrite written =
                workflow::writeJobFiles(job, located_ ? &*located_ : nullptr);
            if (!written.doitPro) return refuse(written.doitPro.message());
            if (!written.record) return refuse(written.record.message());
            tell(texts::messageBatchWritten(doitProPath(job.outputDirectory), command, count));
            return kExitSucceeded;
        }
        if (const Result<> checked = checkDoitText(job.pendingText()); !checked) {
            return refuse(checked.message());
        }
        StreamSink sink(out_);
        writeDoitBytes(sink, job.pendingText());
        out_.flush();
        if (!out_) return refuse(texts::kMessageStandardOutputNotWritten);
        tell(texts::messageBatchWrittenToStandardOutput(command, count));
        return kExitSucceeded;
    }

    // Each entry of the last run that is not done, with its result, then the counts: exit 0
    // when every entry is done.
    int report() {
        const std::optional<std::string> directory = outputDirectory();
        if (!directory) return kExitNoJobRecord;
        const Result<workflow::RunWatch> watch = workflow::RunWatch::open(*directory);
        if (!watch) {
            refuse(watch.message());
            return kExitNoJobRecord;
        }
        const workflow::RunResults results = watch->results();
        for (const std::string& note : watch->notes(results)) err_ << note << '\n';
        const JobRecord& record = watch->record();
        for (std::size_t e = 0; e < results.results.size(); ++e) {
            const workflow::EntryResult result = results.results[e];
            if (result == workflow::EntryResult::done) continue;
            out_ << texts::reportEntry(e + 1, workflow::resultName(result), record.entry(e))
                 << '\n';
        }
        out_ << workflow::resultSummary(record, results) << '\n';
        return results.allDone() ? kExitSucceeded : kExitRefused;
    }

    // doit.pro and a new record for the entries of the last run that are not done.
    int resume() {
        Job job;
        const std::optional<std::string> directory = outputDirectory();
        if (!directory) return kExitRefused;
        job.outputDirectory = *directory;
        const Result<workflow::RunWatch> watch = workflow::RunWatch::open(*directory);
        if (!watch) return refuse(watch.message());
        const Result<> built = workflow::buildRemainingJob(job, watch->record(), watch->results());
        if (!built) return refuse(built.message());
        return checkAndWrite(job);
    }

    // doit.pro and a new record from a job record, into its own directory unless -o names
    // another: what cannot be read is told as report tells it, a damaged record is refused.
    int runJob() {
        std::string path = *request_.jobPath;
        std::error_code error;
        if (std::filesystem::is_directory(toPath(path), error)) path = jobRecordPath(path);
        const Result<JobRecord> record = readJobRecordFile(path);
        if (!record) {
            refuse(record.message());
            return record.failure().kind == FailureKind::refused ? kExitRefused : kExitNoJobRecord;
        }
        if (!record->head().built) return refuse(texts::messageJobNotBuilt(path));
        const std::optional<std::string> directory =
            existingDirectory(request_.outputDirectory.value_or(workflow::recordDirectory(path)));
        if (!directory) return kExitRefused;
        Result<Job> job = workflow::recordedJob(*record, *directory);
        if (!job) return refuse(job.message());
        // The record says whether doit writes its journal; --journal asks for it besides.
        if (request_.journal) {
            if (const Result<> on = workflow::switchJournal(*job, true); !on) {
                return refuse(on.message());
            }
        }
        return checkAndWrite(*job);
    }

    int installAuto() {
        const std::optional<std::string> directory = outputDirectory();
        if (!directory) return kExitRefused;
        const Result<workflow::AutoInstall> install =
            workflow::prepareAutoInstall(*directory, platform_.programDirectory());
        if (!install) return refuse(install.message());
        tell(install->notice);
        if (install->definesAuto) {
            // Where the window asks, a script must have said so.
            if (!request_.allowSecondAuto) return refuse(texts::kMessageSecondAutoRefused);
            err_ << texts::kWarningAutoMapkeyDefined << '\n';
        }
        const Result<std::string> installed = workflow::installAutoMapkey(*install);
        if (!installed) return refuse(installed.message());
        tell(*installed);
        return kExitSucceeded;
    }

    const BatchRequest& request_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    bool inputIsConsole_;
    ConsolePlatform platform_;
    // Where the list puts each confirmed entry, kept from the list for the look-up.
    std::vector<GivenLocation> given_;
    // What the check's look-up found, for the job record.
    std::optional<ModelLocations> located_;
};
}  // namespace

int runBatch(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
             std::ostream& err, bool inputIsConsole) {
    const ParsedCommandLine parsed = parseCommandLine(arguments, out, err);
    if (!parsed.request) return parsed.exitStatus;
    return BatchRun(*parsed.request, in, out, err, inputIsConsole).run();
}

}  // namespace stapelwerk
