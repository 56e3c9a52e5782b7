#include "params/parameter_tails.h"

#include "core/texts.h"
#include "generate/replace_first.h"
#include "generate/templates.h"

namespace stapelwerk {

namespace {
BuiltText namedTail(std::string_view text, std::string_view placeholder, std::string_view name) {
    if (name.empty()) return refusal(std::string(texts::kMessageParameterNameEmpty));
    if (Result<> checked = checkStepText(texts::kSubjectParameterName, name); !checked) {
        return checked.failure();
    }
    return replaceFirst(text, placeholder, name);
}
}  // namespace

BuiltText deletionTail(std::string_view name) {
    return namedTail(templates::txt_ploesch, templates::kDeletedParameter, name);
}

BuiltText assignmentTail(std::string_view name) {
    return namedTail(templates::txt_ParamNeu, templates::kParameterName, name);
}

}  // namespace stapelwerk
