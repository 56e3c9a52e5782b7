#include "worklist/wildcard.h"

#include <string>

#include "platform/case_fold.h"

namespace stapelwerk {

namespace {
bool matchesOne(const std::u32string& name, const std::u32string& pattern) {
    constexpr std::size_t kNone = std::u32string::npos;
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t lastStar = kNone;  // where to retry when a later part does not fit
    std::size_t nameAtStar = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            lastStar = p++;
            nameAtStar = n;
        } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (lastStar != kNone) {
            p = lastStar + 1;
            n = ++nameAtStar;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*') ++p;
    return p == pattern.size();
}
}  // namespace

bool matchesWildcard(std::string_view name, std::string_view pattern) {
    const std::u32string folded = foldedCase(name);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = pattern.find(';', start);
        if (matchesOne(folded, foldedCase(pattern.substr(start, end - start)))) return true;
        if (end == std::string_view::npos) return false;
        start = end + 1;
    }
}

}  // namespace stapelwerk
