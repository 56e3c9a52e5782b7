#include "core/texts.h"

#include <algorithm>

#include "platform/utf8.h"

namespace stapelwerk::texts {

namespace {
// A message names a text by its beginning when it is long: a pasted line of megabytes
// would make a message box no one can read, and one that takes seconds to lay out.
constexpr std::size_t kQuotedCharacters = 200;

std::string quoted(std::string_view text) {
    std::string result = "\"";
    const std::size_t length = utf8::length(text);
    if (length <= kQuotedCharacters) {
        result.append(text);
    } else {
        result.append(utf8::dropLast(text, length - kQuotedCharacters)).append("…");
    }
    result.append("\"");
    return result;
}

std::string cannotHold(std::string_view subject, std::string_view text) {
    return std::string(subject) + " " + quoted(text) +
           " enthält ein Zeichen, das in der Datei doit.pro nicht gespeichert werden kann.";
}

std::string fileFailure(std::string_view path, std::string_view failed, std::string_view reason) {
    return "Die Datei " + quoted(path) + " konnte nicht " + std::string(failed) +
           " werden.\nGrund: " + std::string(reason);
}

constexpr std::string_view kAutoNotAdded = "\nDer Mapkey auto wurde nicht hinzugefügt.";
constexpr std::string_view kOldConfigProKept = " Ihre config.pro bleibt unverändert.";
}  // namespace

namespace {
// A number with its thousands set apart by dots, as German writes it.
std::string groupedNumber(std::size_t number) {
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += '.';
        grouped += digits[i];
    }
    return grouped;
}
}  // namespace

std::string statusFilesAdded(std::size_t count) {
    return std::to_string(count) + " Dateien hinzugefügt";
}

std::string previewSummary(std::size_t entries, std::size_t bytes) {
    return groupedNumber(entries) + " Einträge, " + groupedNumber(bytes) + " Bytes";
}

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

std::string messageConfigProBackupNotWritten(std::string_view path, std::string_view reason) {
    return "Die Sicherungskopie " + quoted(path) + " Ihrer config.pro konnte nicht angelegt " +
           "werden.\nGrund: " + std::string(reason) + std::string(kAutoNotAdded) +
           std::string(kOldConfigProKept);
}

std::string messageUnreadable(std::string_view subject, std::string_view text) {
    return std::string(subject) + " " + quoted(text) +
           " enthält einen Backtick (`) oder einen Zeilenumbruch. Pro/E könnte die Datei "
           "doit.pro damit nicht lesen. Es wurde kein Mapkey erstellt.";
}

std::string messageSemicolon(std::string_view subject, std::string_view text) {
    return std::string(subject) + " " + quoted(text) +
           " enthält ein Semikolon (;). In einem Mapkey beendet es einen Schritt, Pro/E würde "
           "damit andere Befehle ausführen. Es wurde kein Mapkey erstellt.";
}

std::string messageNotEncodable(std::string_view subject, std::string_view text) {
    return cannotHold(subject, text) + " Es wurde kein Mapkey erstellt.";
}

std::string messageValueNotEncodableInList(std::string_view value, std::string_view path) {
    return "Der Parameterwert " + quoted(value) + " enthält ein Zeichen, das in der Datei " +
           quoted(path) + " nicht gespeichert werden kann. Die Liste wurde nicht gespeichert.";
}

std::string messageFileNotRead(std::string_view path, std::string_view reason) {
    return fileFailure(path, "gelesen", reason);
}

std::string explainAuto(std::string_view outputDirectory) {
    return "Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. Die config.pro "
           "liegt im Verzeichnis: " +
           std::string(outputDirectory) +
           " Mit der Tastenfolge >> auto <<  -eingegeben in der Pro/ENGINEER Oberfläche-  wird "
           "die Datei doit.pro geladen und ausgeführt.";
}

std::vector<std::string> infoTextLines() {
    return {
        "Mit dem Stapelwerk Zinkhorn können mehrere Mapkeys für viele Dateien ",
        "ausgeführt werden.",
        "Die Funktionsweise ist wie folgt:",
        "1.) Liste der zu bearbeitenden Dateien in die Zwischenablage",
        "2.) Einfügen in die Liste von Stapelwerk",
        "3.) Abzuarbeitende Mapkeys einstellen. Es wird eine Datei mit Namen doit.pro ",
        "erzeugt. Ablageort kann im Programm eingestellt werden.",
        "5.) Starten von Pro/ENGINEER",
        "4.) führen Sie den Mapkey auto in Pro/ENGINEER aus.",
        "",
        "Der Mapkey auto muß in der config.pro definiert sein. Er kann auch über einen ",
        "einfachen Klick in diesem Tool in die Konfiguration implementiert werden.",
        "",
        "! ***** Mapkey auto: *****",
        "mapkey auto @MAPKEY_NAMEruft doit.pro auf und weist den mapkey doit ",
        "zu;\\",
        "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1 `Utilities`;\\",
        "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\",
        "mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_util_pref`;\\",
        "mapkey(continued) ~ FocusOut `preferences` `InputOpt`;~ Activate ",
        "`preferences` ",
        "`Open`;\\",
        "mapkey(continued) ~ Select `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
        "mapkey(continued) ~ Activate `file_open` `Ph_list.Filelist`1 `doit.pro`;\\",
        "mapkey(continued) ~ Activate `preferences` `ApplySave`;~ FocusOut ",
        "`preferences` `InputOpt`;\\",
        "mapkey(continued) ~ Activate `preferences` `Close`;%doit;",
        "",
        "***** Weitere Funktionen *****",
        // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): a paragraph in several pieces
        "Prüfung vor dem Schreiben: Bevor doit.pro angelegt wird, prüft Stapelwerk, woran Pro/E "
        "scheitern würde: Modellnamen (vor der Endung) mit mehr als 31 Zeichen, mit anderen "
        "Zeichen als Buchstaben, Ziffern, \"_\" und \"-\" oder mit \"-\" am Anfang, Einträge "
        "ohne Typ-Endung, Parameternamen mit mehr als 31 Zeichen, ohne Buchstaben am Anfang oder "
        "mit anderen Zeichen als Buchstaben, Ziffern und \"_\", Parameterwerte mit mehr als 80 "
        "Zeichen, und Mapkeys der Kette, die weder die config.pro im Speicherort noch die im "
        "Home-Verzeichnis definiert. Das Fenster zeigt die Befunde; Sie können trotzdem "
        "schreiben, abbrechen oder die betroffenen Einträge abwählen. Der Dialog \"Mapkey "
        "ausführen\" listet die definierten Mapkeys; ein Doppelklick fügt einen an.",
        // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): a paragraph in several pieces
        "Vorschau: Ist ein Mapkey erstellt, zeigt der Knopf \"Vorschau\" neben \"doit.pro jetzt "
        "anlegen\" den Text der Datei doit.pro mit Zeilennummern, bevor sie angelegt wird. Darin "
        "kann gesucht werden.",
        "Ziehen und Ablegen: Dateien, die aus dem Dateimanager auf die Liste der Dateien gezogen "
        "werden, werden markiert angefügt. Gezogener Text, etwa eine Spalte aus einer Tabelle, "
        "wird "
        "wie die Zwischenablage eingefügt.",
        "Werte nach Namen: Zeilen der Form NAME<Tab>WERT oder NAME;WERT in der Werteliste von "
        "\"Parameter erzeugen\" werden den Teilen nach ihrem Namen zugeordnet, in beliebiger "
        "Reihenfolge und ohne Rücksicht auf Groß- und Kleinschreibung. Teile ohne Wert und Namen "
        "ohne Teil werden vor dem Erstellen gemeldet.",
        "Sicherung: Bevor der Mapkey auto angehängt wird, wird die bisherige config.pro als "
        "config.pro.bak gesichert. Enthält sie schon einen Mapkey auto, wird vorher gefragt.",
        "Tastatur: Strg+V fügt in die Liste der Dateien ein, Strg+A markiert alle Einträge, die "
        "Eingabetaste bestätigt die Auswahl, die Menütaste oder Umschalt+F10 öffnet das Menü. Esc "
        "schließt jeden Dialog.",
        "Kommandozeile: stapelwerk-batch erstellt die Datei doit.pro ohne Fenster, etwa in einem "
        "Skript: stapelwerk-batch -l liste.txt -o Arbeitsverzeichnis save-as. Alle Funktionen "
        "zeigt stapelwerk-batch --help.",
        "",
        "***** Nutzungsbedingungen *****",
        "Zinkhorn Stapelwerk ist Freeware. Sie dürfen das Programm ohne Gebühr auf beliebig vielen "
        "Rechnern einsetzen, privat wie beruflich. Das Urheberrecht bleibt beim Autor.",
        "Sie dürfen unveränderte Kopien des Programms an andere weitergeben, sofern dies "
        "unentgeltlich geschieht und alle zugehörigen Dateien einschließlich dieser Bedingungen "
        "vollständig beiliegen. Veränderte Fassungen dürfen nicht weitergegeben werden.",
        "Der Verkauf des Programms ist nicht gestattet. Das gilt auch für die Weitergabe gegen "
        "ein Entgelt jeder Art, etwa als Teil einer Sammlung, eines Datenträgers oder eines "
        "anderen Produkts.",
        "Das Programm wird so überlassen, wie es ist. Es wird keine Gewähr dafür übernommen, dass "
        "es fehlerfrei arbeitet, für einen bestimmten Zweck geeignet ist oder mit Ihrer Version "
        "von Pro/ENGINEER und Ihrer Konfiguration zusammenarbeitet.",
        "Der Autor haftet nicht für Schäden gleich welcher Art, die aus der Benutzung oder der "
        "Unmöglichkeit der Benutzung des Programms entstehen, insbesondere nicht für verlorene "
        "oder veränderte Dateien, Datenverlust, Ausfallzeiten oder entgangenen Gewinn. Die "
        "erzeugten Mapkeys öffnen, speichern und verändern Dateien in Pro/ENGINEER: Prüfen Sie "
        "die Datei doit.pro vor dem Ausführen und sichern Sie Ihre Daten. Die Benutzung "
        "geschieht auf eigene Gefahr. Das gilt auch für die Änderungen, die das Programm an Ihrer "
        "config.pro vornimmt.",
        "Sollte eine dieser Bestimmungen unwirksam sein, bleiben die übrigen davon unberührt. "
        "Mit der Benutzung des Programms erkennen Sie diese Bedingungen an.",
    };
}

std::string batchUsage() {
    return "Aufruf:\n"
           "  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] [--stdout] save-as\n"
           "  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] [--stdout] run-mapkeys KETTE\n"
           "  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] [--stdout] delete-parameter NAME\n"
           "  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] [--stdout] assign-parameter NAME\n"
           "                   (--values DATEI | --keyed DATEI [--allow-missing])\n"
           "  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] check FUNKTION ...\n"
           "  stapelwerk-batch [-o VERZEICHNIS] install-auto [--allow-second]\n"
           "  stapelwerk-batch --help | --version\n"
           "  (--strict vor jeder Funktion, die doit.pro schreibt)\n";
}

std::string batchHelp() {
    return batchUsage() +
           "\n"
           "Schreibt die Datei doit.pro mit dem Mapkey doit für Pro/ENGINEER Wildfire, Byte für\n"
           "Byte so wie das Fenster von Stapelwerk. Die Dateinamen werden gelesen wie Text aus\n"
           "der Zwischenablage (ein Name je Zeile; leere Zeilen und die Überschrift \"Name\"\n"
           "entfallen; von Spalten, mit Tab getrennt, zählt die erste), alle gewählt und mit\n"
           "\"ok\" bestätigt: Laufwerk, Verzeichnis und\n"
           "Versionsnummer fallen weg, ebenso Wiederholungen. In Pro/E öffnet doit dann jede\n"
           "Datei und wendet die Funktion an.\n"
           "\n"
           "Funktionen:\n"
           "  save-as                   Überspeichern/ Erzeugen: das angezeigte Modell unter\n"
           "                            jedem Namen speichern (jeder braucht mehr als vier\n"
           "                            Zeichen).\n"
           "  run-mapkeys KETTE         Mapkeys eingeben: eigene Mapkeys auf jede Datei\n"
           "                            anwenden, mehrere mit \";\" und \"%\" getrennt.\n"
           "  delete-parameter NAME     Parameter löschen (der Name wird großgeschrieben).\n"
           "  assign-parameter NAME     Parameter erzeugen: jedem Teil den Textparameter NAME\n"
           "                            mit seinem Wert aus --values oder --keyed zuweisen.\n"
           "  install-auto              Den Mapkey auto an die config.pro im Ausgabeverzeichnis\n"
           "                            anhängen. Die bisherige Datei wird vorher als\n"
           "                            config.pro.bak gesichert (bei einem Link: neben\n"
           "                            der Datei, auf die er zeigt, mit deren Namen und\n"
           "                            .bak); definiert sie auto schon,\n"
           "                            wird nichts angehängt (außer mit\n"
           "                            --allow-second).\n"
           "  check FUNKTION ...        Nur prüfen, was Pro/E bei dieser Funktion (mit ihren\n"
           "                            Angaben) scheitern ließe, und es melden; nichts wird\n"
           "                            geschrieben.\n"
           "\n"
           "Vor dem Schreiben wird geprüft: Modellnamen (vor der Endung) höchstens 31 Zeichen,\n"
           "nur Buchstaben, Ziffern, \"_\" und \"-\", nicht mit \"-\" am Anfang, und eine\n"
           "Typ-Endung; Parameternamen höchstens 31 Zeichen, mit einem Buchstaben am Anfang,\n"
           "nur Buchstaben, Ziffern und \"_\"; Parameterwerte höchstens 80 Zeichen; jeder\n"
           "Mapkey der Kette in der config.pro des Ausgabeverzeichnisses oder des Home-\n"
           "Verzeichnisses definiert. Befunde stehen als Warnung auf der Standardfehlerausgabe,\n"
           "geschrieben wird trotzdem.\n"
           "\n"
           "Optionen:\n"
           "  -l, --list DATEI          Die Dateinamen (ohne -l oder mit \"-\": die\n"
           "                            Standardeingabe).\n"
           "  -o, --output VERZEICHNIS  Wohin doit.pro oder config.pro geschrieben wird (ohne\n"
           "                            -o: das aktuelle Verzeichnis). Es muss bestehen.\n"
           "  --stdout                  doit.pro (Windows-1252, CR LF) auf die Standardausgabe\n"
           "                            statt in die Datei.\n"
           "  --values DATEI            Ein Wert je Zeile, der Reihe nach den Teilen zugeordnet:\n"
           "                            Zeilen enden mit CR LF, CR oder LF, leere Zeilen sind\n"
           "                            leere Werte. Es muss so viele Werte wie Teile geben.\n"
           "  --keyed DATEI             Zeilen \"NAME<Tab>WERT\" oder \"NAME;WERT\" (getrennt am\n"
           "                            ersten Tab, sonst am ersten \";\"), den Teilen nach\n"
           "                            ihrem Namen zugeordnet, gleich in welcher Reihenfolge\n"
           "                            und Schreibweise; ein Name ohne Endung gilt für das\n"
           "                            eine Teil dieses Namens. Leerzeichen um Name und Wert\n"
           "                            zählen nicht, eine erste Zeile mit dem Namen \"Name\"\n"
           "                            ist die Überschrift. Ein Teil ohne Wert, ein Name ohne\n"
           "                            Teil oder ein Name mit zwei Werten bricht ab.\n"
           "  --allow-missing           Mit --keyed: Teile ohne Wert erhalten den leeren Wert;\n"
           "                            fehlende und überzählige Namen werden nur gemeldet.\n"
           "  --allow-second            Mit install-auto: auto auch anhängen, wenn die\n"
           "                            config.pro es schon definiert.\n"
           "  --strict                  Ein Befund der Prüfung bricht ab: nichts wird\n"
           "                            geschrieben.\n"
           "  -h, --help                Diese Hilfe.\n"
           "  --version                 Die Versionsnummer.\n"
           "\n"
           "Dateien und die Standardeingabe werden als UTF-8 gelesen, wenn sie gültiges UTF-8\n"
           "sind, sonst als Windows-1252; mit Byte-Order-Mark auch als UTF-16. Ein Parametername\n"
           "oder -wert mit \";\" wird abgelehnt (in einem Mapkey beendet es einen Schritt),\n"
           "ebenso ein leerer Parametername. Die Einstellungen des Fensters (die letzte Mapkey-\n"
           "Kette, die letzten Parameternamen) werden weder gelesen noch gespeichert.\n"
           "\n"
           "Beispiele:\n"
           "  grep '\\.drw$' export.txt | stapelwerk-batch -o ~/pro save-as\n"
           "  stapelwerk-batch -l teile.txt run-mapkeys '+;%bb;%00;'\n"
           "  stapelwerk-batch -l teile.txt delete-parameter gewicht\n"
           "  stapelwerk-batch -l teile.txt assign-parameter MATERIAL --values werte.txt\n"
           "  stapelwerk-batch -l teile.txt assign-parameter MATERIAL --keyed material.csv\n"
           "  stapelwerk-batch -l teile.txt --stdout save-as > doit.pro\n"
           "  stapelwerk-batch -o ~/pro install-auto\n"
           "  stapelwerk-batch -l teile.txt -o ~/pro check run-mapkeys '+;%bb;%00;'\n"
           "\n"
           "Rückgabewert: 0 erfolgreich; 1 abgelehnt oder gescheitert (die Meldung steht auf der\n"
           "Standardfehlerausgabe, es wurde nichts geschrieben), bei check: etwas gefunden;\n"
           "2 fehlerhafter Aufruf.\n";
}

std::string messageBatchUsageError(std::string_view summary, std::string_view detail) {
    std::string text = std::string(kBatchProgram) + ": " + std::string(summary);
    if (!detail.empty()) text += " (" + std::string(detail) + ")";
    return text + "\n" + batchUsage() + "Mehr dazu: " + std::string(kBatchProgram) + " --help\n";
}

std::string usageDetailMissing(std::string_view what) { return std::string(what) + " fehlt"; }

std::string usageDetailNotExpected(const std::vector<std::string>& arguments) {
    std::string text = "nicht erwartet:";
    for (const std::string& argument : arguments) text += " " + argument;
    return text;
}

std::string messageOutputDirectoryMissing(std::string_view path, std::string_view reason) {
    return "Das Ausgabeverzeichnis " + quoted(path) +
           " ist nicht verfügbar.\nGrund: " + std::string(reason) +
           "\nEs wurde nichts gespeichert.";
}

namespace {
template <typename Name>
std::string namesUnder(std::string_view heading, const std::vector<Name>& names) {
    std::string text(heading);
    for (const Name& name : names) text.append("\n  ").append(quoted(name));
    return text;
}
}  // namespace

namespace {
// The marks a name may hold besides letters and digits, as a heading lists them.
std::string marksList(std::string_view marks) {
    std::string list = "Buchstaben, Ziffern";
    for (std::size_t i = 0; i < marks.size(); ++i) {
        list.append(i + 1 == marks.size() ? " und " : ", ").append(quoted(marks.substr(i, 1)));
    }
    return list;
}
}  // namespace

std::string findingModelNameTooLong(std::size_t maxLength) {
    return "Bei diesen Einträgen hat der Modellname (vor der Endung) mehr als " +
           std::to_string(maxLength) + " Zeichen:";
}

std::string findingModelNameCharacters(std::string_view marks) {
    return "Bei diesen Einträgen enthält der Modellname andere Zeichen als " + marksList(marks) +
           ", etwa Leerzeichen, Klammern oder Satzzeichen:";
}

std::string findingModelNameStart(std::string_view notFirst) {
    std::string text = "Bei diesen Einträgen beginnt der Modellname mit";
    for (std::size_t i = 0; i < notFirst.size(); ++i) {
        text.append(i == 0 ? " " : " oder ").append(quoted(notFirst.substr(i, 1)));
    }
    return text + ":";
}

std::string findingParameterNameTooLong(std::size_t maxLength) {
    return "Der Parametername hat mehr als " + std::to_string(maxLength) + " Zeichen:";
}

std::string findingParameterNameCharacters(std::string_view marks) {
    return "Der Parametername enthält andere Zeichen als " + marksList(marks) + ":";
}

std::string findingValueTooLong(std::size_t maxLength) {
    return "Bei diesen Teilen hat der Parameterwert mehr als " + std::to_string(maxLength) +
           " Zeichen:";
}

std::string pathWithReason(std::string_view path, std::string_view reason) {
    return quoted(path) + ": " + std::string(reason);
}

std::string findingText(std::string_view heading, const std::vector<std::string_view>& shown,
                        std::size_t total) {
    std::string text = namesUnder(heading, shown);
    if (total > shown.size()) {
        text.append("\n  … und ").append(groupedNumber(total - shown.size())).append(" weitere");
    }
    return text;
}

std::string namesUnderHeading(std::string_view heading, const std::vector<std::string>& names,
                              std::size_t shownAtMost) {
    const std::vector<std::string_view> shown(
        names.begin(),
        names.begin() + static_cast<std::ptrdiff_t>(std::min(shownAtMost, names.size())));
    return findingText(heading, shown, names.size());
}

std::string statusEntriesUnmarked(std::size_t count) {
    return groupedNumber(count) +
           " Einträge abgewählt. Bitte mit ok bestätigen und den Mapkey neu erstellen.";
}

std::string chainUndefinedNote(const std::vector<std::string>& names) {
    std::string text = "Nicht definiert:";
    for (std::size_t i = 0; i < names.size(); ++i) {
        text.append(i == 0 ? " " : ", ").append(quoted(names[i]));
    }
    return text;
}

std::string valuesOfParts(const std::vector<std::string>& parts,
                          const std::vector<std::string>& values, std::size_t more) {
    std::string text = "So erhalten die Teile ihre Werte:";
    for (std::size_t i = 0; i < parts.size() && i < values.size(); ++i) {
        text.append("\n  ").append(quoted(parts[i])).append(" erhält ").append(quoted(values[i]));
    }
    if (more > 0) text.append("\n  … und ").append(std::to_string(more)).append(" weitere");
    return text;
}

std::string reasonLinkNotFollowed(std::string_view link) {
    return "Der symbolische Link " + quoted(link) +
           " liegt in einem Verzeichnis, in das alle schreiben dürfen, und gehört weder Ihnen "
           "noch dem Besitzer des Verzeichnisses. Ihm wird nicht gefolgt.";
}

std::string reasonBackupAtLink(std::string_view link) {
    return "An der Stelle der Sicherungskopie liegt der symbolische Link " + quoted(link) +
           ". Durch ihn wird nicht geschrieben.";
}

std::string messageNotOpenedForEditing(std::string_view path) {
    return "Die Datei " + quoted(path) +
           " konnte nicht geöffnet werden: Es ist kein Programm eingerichtet, das sie öffnet. "
           "Öffnen Sie sie bitte mit einem Texteditor.";
}

std::string messageAddressNotOpened(std::string_view address) {
    return "Die Adresse " + std::string(address) +
           " konnte nicht geöffnet werden: Es ist kein Browser eingerichtet. Geben Sie die "
           "Adresse bitte selbst im Browser ein.";
}

}  // namespace stapelwerk::texts
