#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cadconfig/start_configs.h"

namespace stapelwerk {

// The key sequence that a line of config.pro defines: the option "mapkey" in any letter
// case after any blanks and TABs, then blanks or TABs, then the sequence, ended by a blank
// or a TAB. Nothing for "mapkey(continued)" lines, comments ("!") and other options.
std::optional<std::string_view> mapkeyDefinedOn(std::string_view line);

struct DefinedMapkey {
    std::string name;  // UTF-8, as the chain names it
    // The text of @MAPKEY_NAME (else @MAPKEY_LABEL) up to its ";", from the definition
    // or its "mapkey(continued)" lines; empty when it has none.
    std::string description;
    bool operator==(const DefinedMapkey&) const = default;
};

// Every mapkey that config.pro's bytes (Windows-1252; lines ended by LF, CR LF or CR)
// define, in the order of the file; a mapkey defined twice is listed once, with the
// description of its last definition, which is the one the CAD system keeps.
std::vector<DefinedMapkey> definedMapkeys(std::string_view configBytes);

// The mapkeys of the config.pro files that the CAD system reads at start.
struct KnownMapkeys {
    std::vector<DefinedMapkey> mapkeys;
    std::vector<UnreadConfig> unread;
    // At least one of the files was read: only then can a name be called undefined.
    bool looked = false;
};

// Reads each of `paths`; a file that is missing or cannot be read goes into `unread`. A
// mapkey that a later file defines again takes that file's description.
KnownMapkeys readKnownMapkeys(const std::vector<std::string>& paths);

}  // namespace stapelwerk
