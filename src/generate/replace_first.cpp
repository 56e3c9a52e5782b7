#include "generate/replace_first.h"

namespace stapelwerk {

std::string replaceFirst(std::string_view text, std::string_view find, std::string_view repl) {
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

std::string replaceAll(std::string_view text, std::string_view find, std::string_view repl,
                       std::size_t limit) {
    std::string result;
    std::size_t start = 0;
    for (std::size_t position = text.find(find); position != std::string_view::npos && limit > 0;
         position = text.find(find, start), --limit) {
        result.append(text.substr(start, position - start)).append(repl);
        start = position + find.size();
    }
    result.append(text.substr(start));
    return result;
}

}  // namespace stapelwerk
