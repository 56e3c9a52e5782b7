#include "core/ini_settings.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "platform/utf8.h"

namespace stapelwerk::ini {

namespace {
constexpr char16_t kReplacement = 0xFFFD;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// QSettings reads text in UTF-16 units, so that escapes of two surrogates make one character.
void appendDecoded(std::u16string& units, std::string_view utf8) {
    for (std::size_t offset = 0; offset < utf8.size();) {
        const std::optional<char32_t> character = utf8::next(utf8, offset);
        if (!character) {
            units += kReplacement;
            ++offset;
        } else if (*character >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((*character - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((*character - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(*character);
        }
    }
}

std::string encoded(std::u16string_view units) {
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() &&
                          units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
        if (pair) {
            utf8::append(text, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (units[++i] - 0xDC00));
        } else {
            utf8::append(text, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
        }
    }
    return text;
}

std::optional<int> hexValue(char c) {
    const std::size_t digit =
        kHexDigits.find(c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c);
    if (digit == std::string_view::npos) return std::nullopt;
    return static_cast<int>(digit);
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }
bool isSpecial(char c) { return isLineEnd(c) || c == '"' || c == ';' || c == '=' || c == '\\'; }

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return isSpace(c) || c == '\v' || c == '\f'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// One line as QSettings cuts the file: it runs on over line ends inside quotes and after a
// backslash, and ends before a ";" that starts a comment.
struct Line {
    std::string_view text;
    std::size_t start = 0;                        // in the file
    std::size_t equals = std::string_view::npos;  // in `text`
};

// The file's lines, one after the other; comment lines are left out.
class LineReader {
public:
    explicit LineReader(std::string_view data) : data_(data) {
        if (data_.starts_with("\xEF\xBB\xBF")) at_ = 3;  // a byte-order mark
    }

    bool next(Line& line) {
        std::size_t start = at_;
        while (start < data_.size() && isSpace(data_[start])) ++start;
        std::size_t equals = std::string_view::npos;
        std::size_t i = start;
        bool inQuotes = false;
        bool escaping = false;
        while (i < data_.size()) {
            while (i < data_.size() && !isSpecial(data_[i])) ++i;
            if (i == data_.size()) break;
            const char c = data_[i++];
            if (c == '=') {
                if (!inQuotes && equals == std::string_view::npos) equals = i - 1 - start;
            } else if (isLineEnd(c)) {
                if (!inQuotes) {
                    --i;
                    break;
                }
            } else if (c == '\\') {
                escaping = i == data_.size();
                if (i < data_.size()) {
                    const char escaped = data_[i++];
                    // A line end after a backslash continues the line: CR LF or LF CR as one.
                    if (i < data_.size() && isLineEnd(escaped) && isLineEnd(data_[i]) &&
                        escaped != data_[i]) {
                        ++i;
                    }
                }
            } else if (c == '"') {
                inQuotes = !inQuotes;
            } else if (i == start + 1) {  // ";" first: a comment to the end of the line
                while (i < data_.size() && !isLineEnd(data_[i])) ++i;
                while (i < data_.size() && isSpace(data_[i])) ++i;
                start = i;
            } else if (!inQuotes) {  // ";" later: the rest is a comment
                --i;
                break;
            }
        }
        at_ = i;
        if (i == start) return false;
        line = {data_.substr(start, i - start), start, equals};
        inQuotes_ = inQuotes;
        escaping_ = escaping;
        return true;
    }

    // How the file ends: inside quotes, or with a backslash that escapes what follows.
    bool endsInQuotes() const { return inQuotes_; }
    bool endsEscaping() const { return escaping_; }

private:
    std::string_view data_;
    std::size_t at_ = 0;
    bool inQuotes_ = false;
    bool escaping_ = false;
};

// A key or section name as QSettings writes it: "/" as "\", other characters than letters,
// digits, "_", "-" and "." as %XX or %UXXXX.
std::string escapedKey(std::string_view text) {
    std::u16string units;
    appendDecoded(units, text);
    std::string key;
    for (const char16_t unit : units) {
        if (unit == '/') {
            key += '\\';
        } else if ((unit >= 'a' && unit <= 'z') || (unit >= 'A' && unit <= 'Z') ||
                   (unit >= '0' && unit <= '9') || unit == '_' || unit == '-' || unit == '.') {
            key += static_cast<char>(unit);
        } else {
            key += unit <= 0xFF ? "%" : "%U";
            for (int shift = unit <= 0xFF ? 4 : 12; shift >= 0; shift -= 4) {
                key += kHexDigits[(unit >> shift) & 0xF];
            }
        }
    }
    return key;
}

std::string unescapedKey(std::string_view text) {
    std::u16string units;
    appendDecoded(units, text);
    std::u16string key;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::size_t digits = i + 1 < units.size() && units[i + 1] == 'U' ? 4 : 2;
        const std::size_t first = i + (digits == 4 ? 2 : 1);
        char16_t value = 0;
        bool escape = units[i] == '%' && first + digits <= units.size();
        for (std::size_t d = first; escape && d < first + digits; ++d) {
            const std::optional<int> digit =
                units[d] < 0x80 ? hexValue(static_cast<char>(units[d])) : std::nullopt;
            escape = digit.has_value();
            value = static_cast<char16_t>((value << 4) | digit.value_or(0));
        }
        if (escape) {
            key += value;
            i = first + digits - 1;
        } else {
            key += units[i] == '\\' ? u'/' : units[i];
        }
    }
    return encoded(key);
}

// The section a header line opens, as the prefix of its keys: "General" holds the keys
// without a section.
std::string sectionPrefix(std::string_view header) {
    const std::size_t close = header.find(']');
    std::string_view name =
        trimmed(header.substr(1, close == std::string_view::npos ? header.npos : close - 1));
    const auto isGeneral = [](std::string_view text) {
        static constexpr std::string_view kGeneral = "general";
        if (text.size() != kGeneral.size()) return false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if ((text[i] | 0x20) != kGeneral[i]) return false;
        }
        return true;
    };
    if (isGeneral(name)) return {};
    if (name.starts_with('%') && isGeneral(name.substr(1)))
        return std::string(name.substr(1)) + "/";
    return unescapedKey(name) + "/";
}

// A value's text as QSettings unescapes it: outside quotes blanks around it go, escapes as in
// C, a comma outside quotes makes it a list. Nothing for a list.
std::optional<std::u16string> unescapedValue(std::string_view text) {
    static constexpr std::array<std::pair<char, char16_t>, 11> kEscapes = {{{'a', '\a'},
                                                                            {'b', '\b'},
                                                                            {'f', '\f'},
                                                                            {'n', '\n'},
                                                                            {'r', '\r'},
                                                                            {'t', '\t'},
                                                                            {'v', '\v'},
                                                                            {'"', '"'},
                                                                            {'?', '?'},
                                                                            {'\'', '\''},
                                                                            {'\\', '\\'}}};
    std::u16string value;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t keep = 0;  // what trailing blanks may not go below
    const auto chopBlanks = [&] {
        while (value.size() > keep && (value.back() == ' ' || value.back() == '\t')) {
            value.pop_back();
        }
    };
    const auto skipBlanks = [&](std::size_t& i) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    std::size_t i = 0;
    skipBlanks(i);
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            if (++i == text.size()) return value;  // nothing to escape: no blanks go either
            const char escaped = text[i++];
            const auto* named = std::find_if(kEscapes.begin(), kEscapes.end(),
                                             [&](const auto& e) { return e.first == escaped; });
            const bool hex = escaped == 'x' && i < text.size() && hexValue(text[i]);
            const int base = hex ? 16 : 8;
            if (named != kEscapes.end()) {
                value += named->second;
            } else if (hex || (escaped >= '0' && escaped <= '7')) {
                char16_t number = hex ? 0 : static_cast<char16_t>(escaped - '0');
                for (std::optional<int> digit;
                     i < text.size() && (digit = hexValue(text[i])) && *digit < base; ++i) {
                    number = static_cast<char16_t>(number * base + *digit);
                }
                value += number;
            } else if (escaped == 'x') {
                if (i == text.size()) return value;
            } else if (isLineEnd(escaped) && i < text.size() && isLineEnd(text[i]) &&
                       text[i] != escaped) {
                ++i;
            }
            keep = value.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipBlanks(i);
            keep = value.size();
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            const std::size_t end = text.find_first_of(inQuotes ? "\\\"" : "\\\",", i);
            appendDecoded(value, text.substr(i, end == std::string_view::npos ? end : end - i));
            i = end == std::string_view::npos ? text.size() : end;
        }
    }
    if (!quoted) chopBlanks();
    return value;
}

// What QSettings makes of a value's text once unescaped: "@" starts a marked value.
std::optional<std::string> markedSetting(std::string_view value) {
    if (!value.starts_with('@')) return std::string(value);
    if (value.ends_with(')')) {
        for (const std::string_view text : {"@ByteArray(", "@String("}) {
            if (value.starts_with(text)) {
                return std::string(value.substr(text.size(), value.size() - text.size() - 1));
            }
        }
        if (value == "@Invalid()") return std::nullopt;
        for (const std::string_view other :
             {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("}) {
            if (value.starts_with(other)) return std::string();
        }
    }
    if (value.starts_with("@@")) return std::string(value.substr(1));
    return std::string(value);
}

// What QSettings reads from the text after a key's "=".
std::optional<std::string> settingOf(std::string_view text) {
    const std::optional<std::u16string> value = unescapedValue(text);
    if (!value) return std::string();
    return markedSetting(encoded(*value));
}

// A value as QSettings writes a text: escaped as in C where needed, quoted where it holds
// ";", "," or "=" or begins or ends with a blank.
std::string escapedValue(std::string_view text) {
    std::string marked;
    if (text.find('\0') != std::string_view::npos) {
        marked.append("@String(").append(text).append(")");
    } else {
        marked.append(text.starts_with('@') ? "@" : "").append(text);
    }
    std::string value;
    bool needsQuotes = false;
    bool escapeHexDigit = false;  // after \0 or \xN, a hex digit would run on in the number
    const auto hexEscape = [&value](char32_t c) {
        value += "\\x";
        std::string digits;
        for (; c != 0 || digits.empty(); c >>= 4)
            digits.insert(digits.begin(), "0123456789abcdef"[c & 0xF]);
        value += digits;
    };
    for (std::size_t offset = 0; offset < marked.size();) {
        const std::optional<char32_t> decoded = utf8::next(marked, offset);
        if (!decoded) ++offset;
        const char32_t c = decoded.value_or(kReplacement);
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeHexDigit && c < 0x80 && hexValue(static_cast<char>(c))) {
            hexEscape(c);
            continue;
        }
        escapeHexDigit = false;
        static constexpr std::string_view kNamed = "\a\b\f\n\r\t\v";
        if (const std::size_t named = kNamed.find(static_cast<char>(c));
            c < 0x20 && c != 0 && named != std::string_view::npos) {
            value.append("\\").append(1, "abfnrtv"[named]);
        } else if (c == 0) {
            value += "\\0";
            escapeHexDigit = true;
        } else if (c == '"' || c == '\\') {
            value.append("\\").append(1, static_cast<char>(c));
        } else if (c < 0x20) {
            hexEscape(c);
            escapeHexDigit = true;
        } else {
            utf8::append(value, c);
        }
    }
    if (needsQuotes || value.starts_with(' ') || value.ends_with(' ')) return '"' + value + '"';
    return value;
}

// Where a key's line is in the file, and where its section starts.
struct Places {
    std::optional<Line> entry;                // the key's last line: the one QSettings reads
    std::optional<std::size_t> sectionStart;  // just after the section's last header line
    bool endsInQuotes = false;
    bool endsEscaping = false;
};

// Only a key of the section's own counts: QSettings lists "Optionen\k" of [General] as
// "Optionen/k" but does not find it so.
Places placesOf(std::string_view text, std::string_view section, std::string_view key) {
    const std::string wanted = std::string(section) + "/";
    Places places;
    bool inSection = false;
    LineReader reader(text);
    for (Line line; reader.next(line);) {
        if (line.text.starts_with('[')) {
            inSection = sectionPrefix(line.text) == wanted;
            if (inSection) places.sectionStart = line.start + line.text.size();
        } else if (inSection && line.equals != std::string_view::npos &&
                   unescapedKey(trimmed(line.text.substr(0, line.equals))) == key) {
            places.entry = line;
        }
    }
    places.endsInQuotes = reader.endsInQuotes();
    places.endsEscaping = reader.endsEscaping();
    return places;
}

// The line end the file uses, CR LF or LF.
std::string_view lineEndOf(std::string_view text) {
    const std::size_t end = text.find('\n');
    return end != std::string_view::npos && end > 0 && text[end - 1] == '\r' ? "\r\n" : "\n";
}
}  // namespace

std::optional<std::string> valueOf(std::string_view text, std::string_view section,
                                   std::string_view key) {
    const Places places = placesOf(text, section, key);
    if (!places.entry) return std::nullopt;
    return settingOf(places.entry->text.substr(places.entry->equals + 1));
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const Places places = placesOf(text, section, key);
    const std::string_view lineEnd = lineEndOf(text);
    const std::string escaped = escapedValue(value);
    std::string result(text);
    if (places.entry) {
        const Line& entry = *places.entry;
        const std::size_t valueStart = entry.start + entry.equals + 1;
        result.replace(valueStart, entry.start + entry.text.size() - valueStart, escaped);
    } else if (places.sectionStart) {
        // After the header's line end, which a header at the very end lacks.
        std::size_t at = *places.sectionStart;
        if (at < text.size() && text[at] == '\r') ++at;
        if (at < text.size() && text[at] == '\n') ++at;
        std::string line = escapedKey(key) + "=" + escaped + std::string(lineEnd);
        if (at == *places.sectionStart) line.insert(0, lineEnd);
        result.insert(at, line);
    }
    // A file that QSettings did not write may hold what keeps the line from reading back so;
    // the section at the end always does.
    if ((places.entry || places.sectionStart) &&
        valueOf(result, section, key) == settingOf(escaped)) {
        return result;
    }
    result = text;
    // What the file leaves open is closed first: a blank after a closing backslash, which
    // skips it, and the quote, which ends the value it began.
    if (places.endsEscaping) result += ' ';
    if (places.endsInQuotes) result += '"';
    if (!result.empty() && !result.ends_with('\n') && !result.ends_with('\r')) result += lineEnd;
    result.append("[").append(escapedKey(section)).append("]").append(lineEnd);
    return result.append(escapedKey(key)).append("=").append(escaped).append(lineEnd);
}

}  // namespace stapelwerk::ini
