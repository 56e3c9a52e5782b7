#include "app/texts.h"

namespace stapelwerk::texts {

namespace {
std::string quoted(std::string_view text) {
    std::string result = "\"";
    result.append(text).append("\"");
    return result;
}

std::string fileFailure(std::string_view path, std::string_view failed, std::string_view reason) {
    return "Die Datei " + quoted(path) + " konnte nicht " + std::string(failed) +
           " werden.\nGrund: " + std::string(reason);
}

constexpr std::string_view kAutoNotAdded = "\nDer Mapkey auto wurde nicht hinzugefügt.";
constexpr std::string_view kOldConfigProKept = " Ihre config.pro bleibt unverändert.";
}  // namespace

std::string statusFilesChosen(std::size_t count) {
    return std::to_string(count) + " Dateien gewählt. Mapkey kann nun erstellt werden.";
}

std::string messageEntryUnreadable(std::string_view entry) {
    return "Der Eintrag " + quoted(entry) +
           " enthält einen Backtick (`) oder einen Zeilenumbruch. Pro/E könnte die Datei "
           "doit.pro damit nicht lesen. Es wurde kein Mapkey erstellt.";
}

std::string messageEntryNotEncodable(std::string_view entry) {
    return "Der Eintrag " + quoted(entry) +
           " enthält ein Zeichen, das in der Datei doit.pro nicht gespeichert werden kann. "
           "Pro/E würde eine falsche Datei öffnen. Es wurde kein Mapkey erstellt.";
}

std::string messageSaveAsEntryTooShort(std::string_view entry) {
    return "Der Eintrag " + quoted(entry) +
           " ist zu kurz: Zum Überspeichern braucht jeder Eintrag einen Namen und eine "
           "Endung (mehr als vier Zeichen). Es wurde kein Mapkey erstellt.";
}

std::string messageTextNotEncodable(std::string_view line) {
    return "Die Zeile " + quoted(line) +
           " enthält ein Zeichen, das in der Datei doit.pro nicht gespeichert werden kann. "
           "Die Datei wurde nicht geschrieben.";
}

std::string messageFileNotWritten(std::string_view path, std::string_view reason) {
    return fileFailure(path, "gespeichert", reason);
}

std::string messageConfigProNotRead(std::string_view path, std::string_view reason) {
    return fileFailure(path, "gelesen", reason) + std::string(kAutoNotAdded) +
           std::string(kOldConfigProKept);
}

std::string messageConfigProNotCreated(std::string_view path, std::string_view reason) {
    return fileFailure(path, "angelegt", reason) + std::string(kAutoNotAdded);
}

std::string messageConfigProNotWritten(std::string_view path, std::string_view reason) {
    return fileFailure(path, "gespeichert", reason) + std::string(kAutoNotAdded) +
           std::string(kOldConfigProKept);
}

}  // namespace stapelwerk::texts
