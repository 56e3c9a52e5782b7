#include "core/placeholders.h"

namespace stapelwerk::texts {

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    std::size_t start = 0;
    for (std::size_t mark = pattern.find('%'); mark != std::string_view::npos;
         mark = pattern.find('%', mark + 1)) {
        if (mark + 1 == pattern.size()) break;
        const char digit = pattern[mark + 1];
        const std::size_t number =
            digit >= '1' && digit <= '9' ? static_cast<std::size_t>(digit - '0') : 0;
        if (number == 0 || number > arguments.size()) continue;
        text.append(pattern.substr(start, mark - start)).append(arguments.begin()[number - 1]);
        start = mark + 2;
    }
    return text.append(pattern.substr(start));
}

}  // namespace stapelwerk::texts
