#include "app/texts.h"

namespace stapelwerk::texts {

namespace {
std::string quoted(std::string_view text) {
    std::string result = "\"";
    result.append(text).append("\"");
    return result;
}

std::string cannotHold(std::string_view subject, std::string_view text) {
    return std::string(subject) + " " + quoted(text) +
           " enthält ein Zeichen, das in der Datei doit.pro nicht gespeichert werden kann.";
}
}  // namespace

std::string statusFilesChosen(std::size_t count) {
    return std::to_string(count) + " Dateien gewählt. Mapkey kann nun erstellt werden.";
}

std::string messageEntryUnreadable(std::string_view entry) {
    return messageUnreadable("Der Eintrag", entry);
}

std::string messageEntryNotEncodable(std::string_view entry) {
    return cannotHold("Der Eintrag", entry) +
           " Pro/E würde eine falsche Datei öffnen. Es wurde kein Mapkey erstellt.";
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
    return "Die Datei " + quoted(path) + " konnte nicht gespeichert werden.\nGrund: " +
           std::string(reason);
}

std::string messageUnreadable(std::string_view subject, std::string_view text) {
    return std::string(subject) + " " + quoted(text) +
           " enthält einen Backtick (`) oder einen Zeilenumbruch. Pro/E könnte die Datei "
           "doit.pro damit nicht lesen. Es wurde kein Mapkey erstellt.";
}

std::string messageNotEncodable(std::string_view subject, std::string_view text) {
    return cannotHold(subject, text) + " Es wurde kein Mapkey erstellt.";
}

std::string messageValueNotEncodableInList(std::string_view value, std::string_view path) {
    return "Der Parameterwert " + quoted(value) + " enthält ein Zeichen, das in der Datei " +
           quoted(path) + " nicht gespeichert werden kann. Die Liste wurde nicht gespeichert.";
}

std::string messageFileNotRead(std::string_view path, std::string_view reason) {
    return "Die Datei " + quoted(path) + " konnte nicht gelesen werden.\nGrund: " +
           std::string(reason);
}

}  // namespace stapelwerk::texts
