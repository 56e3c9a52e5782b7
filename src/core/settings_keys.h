#pragma once

#include <string_view>

// Every value kept between runs: application, section and key, and the value
// that a missing key reads as.
namespace stapelwerk::settings {

inline constexpr std::string_view kStapelwerk = "Stapelwerk";
inline constexpr std::string_view kLindwurm = "Lindwurm";
inline constexpr std::string_view kSection = "Optionen";

struct Key {
    std::string_view application;
    std::string_view key;
};

// The output directory; its default is worked out at start-up.
inline constexpr Key kOutputDirectory{kStapelwerk, "txt_pro"};

inline constexpr Key kMapkeyChain{kStapelwerk, "frm_mapkeyneu.txt_mapkeyname.Text"};
inline constexpr std::string_view kMapkeyChainDefault = "ds";

// "1" where the check before writing does not look where Pro/E finds the files.
inline constexpr Key kSkipLocate{kStapelwerk, "frm_pruefung.chk_fundorte.Value"};

inline constexpr Key kAssignedParameter{kLindwurm, "frm_param.txt_param.Text"};
inline constexpr Key kDeletedParameter{kLindwurm, "frm_ploesch.txt_parameter.Text"};
inline constexpr std::string_view kParameterNameDefault = "ParameterName";

// "Lauf protokollieren": "1" on, anything else off.
inline constexpr Key kJournal{kStapelwerk, "chk_journal.Value"};
// After how many minutes without a line in the journal the window says where the run
// seems to stand.
inline constexpr Key kJournalQuietMinutes{kStapelwerk, "JournalStillstandMinuten"};
inline constexpr int kJournalQuietMinutesDefault = 10;

}  // namespace stapelwerk::settings
