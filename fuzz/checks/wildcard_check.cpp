#include <optional>
#include <vector>

#include "fuzz_checks.h"
#include "platform/case_fold.h"
#include "platform/utf8.h"
#include "worklist/wildcard.h"

namespace stapelwerk::fuzz {

namespace {
// The characters of a UTF-8 text; a malformed byte is a character of its own value.
std::u32string characters(std::string_view text) {
    std::u32string result;
    for (std::size_t offset = 0; offset < text.size();) {
        const std::optional<char32_t> c = utf8::next(text, offset);
        result += c ? *c : static_cast<unsigned char>(text[offset++]);
    }
    return result;
}

// Letters are alike when their capitals are: the other direction from the program's own,
// which compares small letters, so that a letter missing on one side shows.
bool alike(char32_t a, char32_t b) { return a == b || capitalOf(a) == capitalOf(b); }

// The plain recursion over name and pattern; `known` remembers answers, so that many stars
// do not cost exponential time.
class Reference {
public:
    Reference(std::u32string name, std::u32string pattern)
        : name_(std::move(name)),
          pattern_(std::move(pattern)),
          known_((name_.size() + 1) * (pattern_.size() + 1), -1) {}

    bool matches(std::size_t n, std::size_t p) {
        signed char& known = known_[n * (pattern_.size() + 1) + p];
        if (known < 0) known = compute(n, p) ? 1 : 0;
        return known == 1;
    }

private:
    bool compute(std::size_t n, std::size_t p) {
        if (p == pattern_.size()) return n == name_.size();
        if (pattern_[p] == U'*')
            return matches(n, p + 1) || (n < name_.size() && matches(n + 1, p));
        if (n == name_.size()) return false;
        return (pattern_[p] == U'?' || alike(name_[n], pattern_[p])) && matches(n + 1, p + 1);
    }

    std::u32string name_;
    std::u32string pattern_;
    std::vector<signed char> known_;
};
}  // namespace

// The input is a name, a NUL and a pattern (which may hold ";" between alternatives).
std::string checkWildcard(std::string_view input) {
    const std::size_t cut = input.find('\0');
    const std::string_view name = input.substr(0, cut);
    const std::string_view pattern =
        cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    bool expected = false;
    for (const std::string_view alternative : fields(pattern, ';')) {
        expected = expected || Reference(characters(name), characters(alternative)).matches(0, 0);
    }
    if (matchesWildcard(name, pattern) != expected) {
        return expected ? "a matching name was not matched"
                        : "a name was matched that does not match";
    }
    return {};
}

}  // namespace stapelwerk::fuzz
