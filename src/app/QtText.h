#pragma once

#include <QString>
#include <string_view>

namespace stapelwerk {

// The core's UTF-8 text as the widgets take it.
inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace stapelwerk
