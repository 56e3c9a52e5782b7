#pragma once

#include <QString>
#include <string_view>

namespace stapelwerk {

// A UTF-8 text of the core as the widgets take it.
inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace stapelwerk
