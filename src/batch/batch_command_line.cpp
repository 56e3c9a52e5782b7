#include "batch/batch_command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <string>
#include <vector>

#include "core/function_table.h"
#include "core/texts.h"

namespace stapelwerk {

namespace {
int usageError(std::ostream& err, std::string_view summary, std::string_view detail) {
    err << texts::messageBatchUsageError(summary, detail);
    return kExitUsageError;
}

struct UsageError {
    std::string_view summary;
    std::string detail;
};

// The required argument of the function given that the call left out, by its name in --help;
// the function may stand under "check".
std::string missingArgumentOf(const CLI::App& app) {
    for (const CLI::App* function : app.get_subcommands()) {
        for (const CLI::Option* option : function->get_options()) {
            if (option->get_required() && option->count() == 0) return option->get_name();
        }
        if (!function->get_subcommands().empty()) return missingArgumentOf(*function);
    }
    return std::string(texts::kUsageFunction);
}

// The parser's errors in the program's words. Its own English wording is never shown: the
// detail is made of what the call holds.
UsageError describe(const CLI::ParseError& error, const CLI::App& app) {
    const std::vector<std::string> extras = app.remaining(true);
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr ||
        (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr && !extras.empty())) {
        return {texts::kUsageNotExpected, texts::usageDetailNotExpected(extras)};
    }
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        return {texts::kUsageMissing, texts::usageDetailMissing(missingArgumentOf(app))};
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        return {texts::kUsageValuesOrKeyed, {}};
    }
    if (dynamic_cast<const CLI::RequiresError*>(&error) != nullptr) {
        return {texts::kUsageAllowMissingWithoutKeyed, {}};
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        // The parser names the option first: "--list: ...".
        const std::string_view what = error.what();
        const std::size_t colon = what.find(':');
        const bool named = what.starts_with('-') && colon != std::string_view::npos;
        return {texts::kUsageOptionValue, named ? std::string(what.substr(0, colon)) : ""};
    }
    return {texts::kUsageWrong, {}};
}
}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& err) {
    // Windows programs answer "/?" with their help; the parser knows only options with "-".
    if (std::find(arguments.begin(), arguments.end(), "/?") != arguments.end()) {
        out << texts::batchHelp();
        return {};
    }
    BatchRequest request;
    std::string outputDirectory;
    std::string valuesPath;
    std::string keyedPath;

    CLI::App app("", std::string(texts::kBatchProgram));
    app.set_help_flag("-h,--help");
    app.set_version_flag("--version", STAPELWERK_VERSION);
    app.require_subcommand(1);
    // Options of the whole call may also follow the function's name.
    app.fallthrough();
    CLI::Option* list = app.add_option("-l,--list", request.listPath);
    CLI::Option* output = app.add_option("-o,--output", outputDirectory);
    app.add_flag("--stdout", request.toStandardOutput);
    app.add_flag("--strict", request.strict);
    app.add_flag("-q,--quiet", request.quiet);
    app.add_flag("--no-locate", request.noLocate);
    app.add_flag("--journal", request.journal);

    // The functions that write doit.pro, also under "check", which only checks them.
    struct FunctionCommand {
        CLI::App* command;
        DoitFunction function;
        // Where the function needs values.
        CLI::Option* values = nullptr;
        CLI::Option* keyed = nullptr;
    };
    std::vector<FunctionCommand> functions;
    const auto addFunctions = [&](CLI::App& parent) {
        for (const FunctionRow& row : kFunctionTable) {
            FunctionCommand added{parent.add_subcommand(std::string(row.command)), row.function};
            if (!row.argument.empty()) {
                added.command->add_option(std::string(row.argument), request.argument)->required();
            }
            if (row.needs.values) {
                added.values = added.command->add_option("--values", valuesPath);
                added.keyed = added.command->add_option("--keyed", keyedPath);
                added.values->excludes(added.keyed);
                added.command->add_flag("--allow-missing", request.allowMissing)
                    ->needs(added.keyed);
            }
            functions.push_back(added);
        }
    };
    addFunctions(app);
    CLI::App* installAuto = app.add_subcommand("install-auto");
    installAuto->add_flag("--allow-second", request.allowSecondAuto);
    CLI::App* report = app.add_subcommand("report");
    CLI::App* resume = app.add_subcommand("resume");
    CLI::App* run = app.add_subcommand("run");
    std::string jobPath;
    run->add_option(std::string(texts::kUsageJob), jobPath)->required();
    CLI::App* check = app.add_subcommand("check");
    check->require_subcommand(1);
    check->fallthrough();
    addFunctions(*check);

    try {
        // The parser takes the arguments last to first.
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << texts::batchHelp();
        return {};
    } catch (const CLI::CallForAllHelp&) {
        out << texts::batchHelp();
        return {};
    } catch (const CLI::CallForVersion&) {
        out << texts::kBatchProgram << ' ' << STAPELWERK_VERSION << '\n';
        return {};
    } catch (const CLI::ParseError& error) {
        const UsageError usage = describe(error, app);
        return {{}, usageError(err, usage.summary, usage.detail)};
    }

    const FunctionRow* parsed = nullptr;
    for (const FunctionCommand& added : functions) {
        if (!added.command->parsed()) continue;
        request.function = added.function;
        parsed = &rowOf(added.function);
        if (added.values != nullptr && added.values->count() > 0) request.valuesPath = valuesPath;
        if (added.keyed != nullptr && added.keyed->count() > 0) request.keyedPath = keyedPath;
    }
    request.checkOnly = check->parsed();
    request.report = report->parsed();
    request.resume = resume->parsed();
    if (run->parsed()) request.jobPath = jobPath;
    if (output->count() > 0) request.outputDirectory = outputDirectory;

    if (installAuto->parsed() && (list->count() > 0 || request.toStandardOutput)) {
        return {{}, usageError(err, texts::kUsageInstallAutoReadsNoList, "install-auto")};
    }
    if ((request.report || request.resume || request.jobPath) &&
        (list->count() > 0 || request.toStandardOutput)) {
        return {{},
                usageError(err, texts::kUsageJobReadsNoList,
                           report->parsed() ? "report" : (resume->parsed() ? "resume" : "run"))};
    }
    if (request.journal && request.toStandardOutput) {
        return {{}, usageError(err, texts::kUsageJournalNotToStandardOutput, "--stdout")};
    }
    if (parsed != nullptr && parsed->needs.values) {
        if (!request.valuesPath && !request.keyedPath) {
            return {{}, usageError(err, texts::kUsageValuesOrKeyed, parsed->command)};
        }
        const std::string& valueSource =
            request.valuesPath ? *request.valuesPath : *request.keyedPath;
        if (request.listPath == "-" && valueSource == "-") {
            return {{}, usageError(err, texts::kUsageOneStandardInput, "-")};
        }
    }
    return {request, kExitSucceeded};
}

}  // namespace stapelwerk
