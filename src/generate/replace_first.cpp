#include "generate/replace_first.h"

namespace stapelwerk {

std::string ReplaceFirst(std::string_view text, std::string_view find, std::string_view repl) {
    if (text.empty()) return {};
    const std::size_t position = text.find(find);
    if (position == std::string_view::npos) return std::string(text);
    std::string result;
    result.reserve(text.size() - find.size() + repl.size());
    result.append(text.substr(0, position));
    result.append(repl);
    result.append(text.substr(position + find.size()));
    return result;
}

}  // namespace stapelwerk
