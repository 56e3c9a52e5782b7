#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace stapelwerk {

// `List2`: the definition of the mapkey `auto`, which loads doit.pro into the
// running CAD system and runs `doit`.
extern const std::array<std::string_view, 11> kAutoBlock;

// Where config.pro lies for the output-directory text `outputDirectory`; an empty text
// means the program directory.
std::string configProPath(const std::string& outputDirectory, const std::string& programDirectory);

// config.pro as read before the auto block is appended.
struct ConfigContent {
    std::string path;
    // The file as it holds it, byte for byte: neither decoded nor cut into lines, so that
    // the block goes behind the old bytes and no old line and no old line end can change.
    std::string bytes;
    // The file was not there and has been created empty: there is nothing to back up.
    bool created = false;
};

// Reads the config.pro at `path`; a missing file is created empty. A failure to read or
// create it names the path and the reason, and then nothing may be written.
Result<ConfigContent> readConfigPro(const std::string& path);

// config.pro's lines end at LF, CR LF or a lone CR, as the CAD system reads them.

// Whether config.pro's bytes already define the mapkey `auto`: a line that starts with the
// option "mapkey" in any letter case (the CAD system reads option names so), after any
// blanks and TABs, followed by blanks or TABs, the key sequence "auto" in exactly these
// small letters (key sequences tell capitals from small letters) and a blank or a TAB.
// "mapkey(continued)" lines, comments ("!") and other key sequences ("autox") do not count.
bool definesAutoMapkey(std::string_view configBytes);

// What is appended to the config.pro `old`: the line end that the old last line lacks, then
// the lines of the block, each line end the one that most of the old lines end with
// (usualLineEnd): LF in an LF file, CR LF in a new file, a CR LF file, or where kinds are
// equally many.
std::string autoMapkeyAppendix(std::string_view old);

// The bytes of config.pro after the auto block has been appended to the file `old`: the
// old bytes unchanged, then autoMapkeyAppendix.
std::string configWithAutoMapkey(std::string_view old);

// Where the copy of the config.pro at `configPro` goes: beside the file that is replaced
// (the file a symbolic link names, not the link), named after it with ".bak" added
// ("config.pro.bak"; "standard.pro.bak" for a link to standard.pro), so that it can only
// be taken for the copy of that file. Fails, with the reason only, when the links cannot be
// followed.
Result<std::string> configProBackupPath(const std::string& configPro);

// What became of config.pro's backup when the auto block was appended.
enum class AutoBackup {
    none,       // config.pro had just been made: there was nothing to back up
    made,       // the old config.pro was copied to its backup
    keptFirst,  // config.pro defined auto already and its backup stays as it was
};

// Replaces config.pro with what it holds now and the auto block (configWithAutoMapkey),
// through a new file renamed over the old one (updateFile); what it held when `content` was
// read does not matter, and a change that another program makes while the new file is
// written is kept too. A config.pro that was there before is copied byte for byte to
// configProBackupPath (replacing an older copy, with the access of config.pro) - unless it
// defines auto already and something lies at the backup's path: that is kept, as it holds
// the file from before the first auto, which a copy of this one would lose. A failure of
// either leaves both files as they were and names path and reason.
Result<AutoBackup> appendAutoMapkey(const ConfigContent& content);

}  // namespace stapelwerk
