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

// Function dialogs: mapkey chain, parameter deletion, parameter list
inline constexpr std::string_view kMessageNoParameterValues =
    "Den Teilen wurden keine Paramterwerte zugewiesen !";
inline constexpr std::string_view kMessageListsDiffer =
    "Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !";
inline constexpr std::string_view kMessageParameterHelp =
    "Klicken Sie mit der RECHTEN Maustaste in das Feld für die zugehörigen Parameterwerte um "
    "Eingaben zu tätigen !";
// What a text put into doit.pro is, as a refusal names it.
inline constexpr std::string_view kSubjectMapkeyChain = "Die Mapkey-Kette";
inline constexpr std::string_view kSubjectParameterName = "Der Parametername";
inline constexpr std::string_view kSubjectParameterValue = "Der Parameterwert";
std::string messageUnreadable(std::string_view subject, std::string_view text);
std::string messageNotEncodable(std::string_view subject, std::string_view text);
std::string messageValueNotEncodableInList(std::string_view value, std::string_view path);
std::string messageFileNotRead(std::string_view path, std::string_view reason);

}  // namespace stapelwerk::texts
