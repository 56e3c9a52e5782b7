#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/texts.h"

// Every function that builds doit.pro, named once: how the command line calls it, how the
// window offers it, and what it is built with besides the confirmed entries. The command
// line, the function panel, the explanations and the check before writing read it here.
namespace stapelwerk {

// In the order of the panel's buttons, left to right.
enum class DoitFunction { mapkeyChain, parameterAssignment, parameterDeletion, saveAs };

// What the user gives a function besides the confirmed entries (the fields of BuildInputs).
struct FunctionNeeds {
    bool chain = false;
    bool parameterName = false;
    bool values = false;  // one for each confirmed entry

    constexpr bool anything() const { return chain || parameterName || values; }
};

struct FunctionRow {
    DoitFunction function;
    // The command line's name, and its argument (the chain or the parameter name) as the
    // usage names it; empty where it takes none.
    std::string_view command;
    std::string_view argument;
    // The panel's button: its object name, its caption, and what `Erklaer` says under the
    // pointer.
    std::string_view button;
    std::string_view caption;
    std::string_view explanation;
    FunctionNeeds needs;
    // doit opens each entry's file in Pro/E; save-as instead saves the model on screen.
    bool opensFiles;
    // doit saves each file it opened over itself, which fails where the file is write-protected.
    bool savesFiles;
    // doit saves a new version of each entry's model (save-as: of the model it names), which
    // tells afterwards that it was done.
    bool savesNewVersion;
};

inline constexpr std::array kFunctionTable = {
    FunctionRow{.function = DoitFunction::mapkeyChain,
                .command = "run-mapkeys",
                .argument = texts::kUsageChain,
                .button = "cmd_mapkey",
                .caption = texts::kFunctionMapkeys,
                .explanation = texts::kExplainMapkeys,
                .needs = {.chain = true},
                .opensFiles = true,
                .savesFiles = false,
                .savesNewVersion = false},
    FunctionRow{.function = DoitFunction::parameterAssignment,
                .command = "assign-parameter",
                .argument = texts::kUsageName,
                .button = "cmd_param",
                .caption = texts::kFunctionAssignParameter,
                .explanation = texts::kExplainParameterList,
                .needs = {.parameterName = true, .values = true},
                .opensFiles = true,
                .savesFiles = true,
                .savesNewVersion = true},
    FunctionRow{.function = DoitFunction::parameterDeletion,
                .command = "delete-parameter",
                .argument = texts::kUsageName,
                .button = "cmd_ploesch",
                .caption = texts::kFunctionDeleteParameter,
                .explanation = texts::kExplainParameterDeletion,
                .needs = {.parameterName = true},
                .opensFiles = true,
                .savesFiles = true,
                .savesNewVersion = true},
    FunctionRow{.function = DoitFunction::saveAs,
                .command = "save-as",
                .argument = {},
                .button = "cmd_SaveAs",
                .caption = texts::kFunctionSaveAs,
                .explanation = texts::kExplainSaveAs,
                .needs = {},
                .opensFiles = false,
                .savesFiles = false,
                .savesNewVersion = true},
};

constexpr const FunctionRow& rowOf(DoitFunction function) {
    return kFunctionTable[static_cast<std::size_t>(function)];
}

namespace detail {
// rowOf finds a row by its place; the command line's one argument is the chain or the name.
constexpr bool tableIsConsistent() {
    for (std::size_t i = 0; i < kFunctionTable.size(); ++i) {
        const FunctionRow& row = kFunctionTable[i];
        if (static_cast<std::size_t>(row.function) != i) return false;
        if (row.argument.empty() == (row.needs.chain || row.needs.parameterName)) return false;
    }
    return true;
}
}  // namespace detail
static_assert(detail::tableIsConsistent());

}  // namespace stapelwerk
