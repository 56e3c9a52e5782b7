#pragma once

#include <string>
#include <string_view>

// Every text the program shows, in one place.
namespace stapelwerk::texts {

inline constexpr std::string_view kMessageTitle = "Zinkhorn";

// Status line
inline constexpr std::string_view kStatusChooseFiles = "Bitte Dateien wählen";
inline constexpr std::string_view kStatusChooseOutputDirectory =
    "Speicherort der Ausgabedatei angeben !!!";
inline constexpr std::string_view kStatusPasted = "Zwischenablage eingefügt";
inline constexpr std::string_view kStatusDriveUnavailable = "Laufwerk nicht verfügbar !";
inline constexpr std::string_view kStatusReadyToWrite =
    "Die Datei doit.pro kann nun erzeugt werden. Diese kann in Pro/E als "
    "Konfigurationsdatei eingelesen werden";
inline constexpr std::string_view kStatusWritten = "Datei doit.pro wurde gespeichert !";
inline constexpr std::string_view kStatusNotWritten =
    "Datei doit.pro wurde NICHT gespeichert ! Bitte Speicherort prüfen.";
inline constexpr std::string_view kStatusReadingFile = "Datei lesen...";
std::string statusFilesChosen(std::size_t count);

// Messages
inline constexpr std::string_view kMessageSelectFiles = "Bitte Dateien auswählen !";
std::string messageEntryUnreadable(std::string_view entry);
std::string messageEntryNotEncodable(std::string_view entry);
std::string messageSaveAsEntryTooShort(std::string_view entry);
std::string messageTextNotEncodable(std::string_view line);
std::string messageFileNotWritten(std::string_view path, std::string_view reason);

// Start-up
// The caption of `lbl_user` before start-up, and the user name when the login
// name cannot be found.
inline constexpr std::string_view kUnknownUser = "USER";

// config.pro and the mapkey auto
inline constexpr std::string_view kMessageConfigProCreated =
    "Es wurde eine Datei config.pro angelegt";
inline constexpr std::string_view kMessageAutoMapkeyAdded =
    "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !";
std::string messageConfigProNotRead(std::string_view path, std::string_view reason);
std::string messageConfigProNotCreated(std::string_view path, std::string_view reason);
std::string messageConfigProNotWritten(std::string_view path, std::string_view reason);

}  // namespace stapelwerk::texts
