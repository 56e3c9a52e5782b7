#pragma once

#include <string>
#include <string_view>

namespace stapelwerk {

// `text` with the first exact, case-sensitive occurrence of `find` replaced by
// `repl`; `text` itself when `find` does not occur. An empty `find` is found at
// the start of a non-empty text, so `repl` is put in front; an empty text stays empty.
std::string replaceFirst(std::string_view text, std::string_view find, std::string_view repl);

// `text` with every occurrence of the non-empty `find` replaced by `repl` (or only the
// first `limit` of them), in one pass from left to right: text that was put in is not
// searched again.
std::string replaceAll(std::string_view text, std::string_view find, std::string_view repl,
                       std::size_t limit = std::string_view::npos);

}  // namespace stapelwerk
