#pragma once

#include <string>
#include <string_view>

#include "core/settings_keys.h"
#include "platform/platform.h"

// Reading and writing one of the program's settings by its key.
namespace stapelwerk::settings {

inline std::string read(Platform& platform, const Key& key, std::string_view fallback) {
    return platform.readSetting(std::string(key.application), std::string(kSection),
                                std::string(key.key), std::string(fallback));
}

inline void write(Platform& platform, const Key& key, const std::string& value) {
    platform.writeSetting(std::string(key.application), std::string(kSection), std::string(key.key),
                          value);
}

// "Lauf protokollieren" as the user last set it: a build asks for it, so that the text is
// built once, with the journal or without, and not a second time when the write is offered.
inline bool journalChosen(Platform& platform) { return read(platform, kJournal, "0") == "1"; }

}  // namespace stapelwerk::settings
