#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/input_limit.h"
#include "platform/result.h"

// Every text the program shows, in one place.
namespace stapelwerk::texts {

inline constexpr std::string_view kMessageTitle = "Zinkhorn";

// Status line
inline constexpr std::string_view kStatusChooseFiles = "Bitte Dateien wählen";
inline constexpr std::string_view kStatusChooseOutputDirectory =
    "Speicherort der Ausgabedatei angeben !!!";
inline constexpr std::string_view kStatusPasted = "Zwischenablage eingefügt";
inline constexpr std::string_view kMessagePasteTooLarge =
    "Der eingefügte Text ist größer als 64 MB; so große Eingaben liest Stapelwerk nicht. Die "
    "Liste bleibt, wie sie war.";
inline constexpr std::string_view kStatusDriveUnavailable = "Laufwerk nicht verfügbar !";
inline constexpr std::string_view kStatusReadyToWrite =
    "Die Datei doit.pro kann nun erzeugt werden. Diese kann in Pro/E als "
    "Konfigurationsdatei eingelesen werden";
inline constexpr std::string_view kStatusWritten = "Datei doit.pro wurde gespeichert !";
inline constexpr std::string_view kStatusNotWritten =
    "Datei doit.pro wurde NICHT gespeichert ! Bitte Speicherort prüfen.";
inline constexpr std::string_view kStatusReadingFile = "Datei lesen...";
std::string statusFilesChosen(std::size_t count);
std::string statusFilesAdded(std::size_t count);

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
// A parameter name or value with a ';', which in a mapkey ends a step.
std::string messageSemicolon(std::string_view subject, std::string_view text);
inline constexpr std::string_view kMessageParameterNameEmpty =
    "Der Parametername ist leer. Pro/E würde damit keinen Parameter finden. Es wurde kein "
    "Mapkey erstellt.";
std::string messageNotEncodable(std::string_view subject, std::string_view text);
std::string messageValueNotEncodableInList(std::string_view value, std::string_view path);
std::string messageFileNotRead(std::string_view path, std::string_view reason);

// Explanations under the pointer (`Erklaer`)
inline constexpr std::string_view kExplainStart =
    "Der Stapelwerk dient zum Erstellen eines Mapkeys der Mapkeys ausführt und das über viele "
    "Dateien";
inline constexpr std::string_view kExplainWrite =
    "Mit diesem Knopf wird die Generierung des Mapkeys gestartet und die Datei doit.pro angelegt.";
inline constexpr std::string_view kExplainMapkeys =
    "Mit dieser Funktion können verschiedene Mapkeys ausgelöst werden. Die Mapkeys müssen in "
    "Ihrer Konfiguration definiert sein.";
inline constexpr std::string_view kExplainParameterList =
    "Mit dieser Funktion kann eine Liste von Parametern erzeugt werden. Jedem Teil wird der "
    "entsprechende Parameter zugewiesen. In einer Übersicht werden die beiden Listen "
    "gegenübergestellt. Zum Betrieb dieser Funktion muß der Schalter new_parameter_ui in der "
    "config.pro auf NO gesetzt sein. In dieser Programmversion wird der Schalter automatisch der "
    "Datei doit.pro zugefügt.";
inline constexpr std::string_view kExplainParameterDeletion =
    "Mit dieser Funktion kann ein Parametern in einer Liste von Teilen gelöscht werden. Zum "
    "Betrieb dieser Funktion muß der Schalter new_parameter_ui in der config.pro auf NO gesetzt "
    "sein.";
inline constexpr std::string_view kExplainSaveAs =
    "Mit dieser Funktion werden Zeichnungen (oder Teile) nach dem Vorbild der aufgerufenen "
    "Zeichnung (oder des Teils) überspeichert. Es muß eine Zeichnung /Teil sichtbar auf dem "
    "Pro/E Programmfenster sein damit diese Funktion ausgelöst werden kann. Auf diese Weise "
    "können auch Teile mit der zugehörigen Zeichnung erzeugt werden.";
inline constexpr std::string_view kExplainStatus =
    "Statuszeile. An dieser Stelle werden Hinweise und Informationen zum Programm ablauf "
    "angezeigt.";
inline constexpr std::string_view kExplainInfo = "Anzeige des Info Formulars";
inline constexpr std::string_view kExplainExit = "Das Programm verlassen";
inline constexpr std::string_view kExplainFiles =
    "Aktiviert die Eingabemaske für die zu bearbeitenden Dateien.";
inline constexpr std::string_view kExplainOutputDirectory =
    "Hier kann mit einem kleinen Browser das Verzeichnis eingestellt werden indem sich die Datei "
    "doit.pro befinden soll. Es sollte das Arbeitsverzeichnis von Pro/ENGINEER sein. Klicken Sie "
    "dazu zunächst diese Überschrift an.";
// The auto button's explanation names the output directory `outputDirectory` as it stands.
std::string explainAuto(std::string_view outputDirectory);

// Preview of doit.pro (`frm_preview`)
inline constexpr std::string_view kPreviewTitle = "Vorschau der doit.pro";
inline constexpr std::string_view kPreviewNotFound = "nicht gefunden";
inline constexpr std::string_view kExplainPreview =
    "Zeigt vor dem Anlegen den Text, den die Datei doit.pro erhalten wird, mit Zeilennummern. "
    "Darin kann gesucht werden; der Mapkey bleibt dabei unverändert.";
// "3.000 Einträge, 1.404.002 Bytes"
std::string previewSummary(std::size_t entries, std::size_t bytes);

// Completion dialog (`frm_ok`)
inline constexpr std::string_view kCompletionDone = "Der Vorgang wurde erfolgreich abgeschlossen !";
inline constexpr std::string_view kCompletionWhere = "Datei kann nun in Pro/E unter";
inline constexpr std::string_view kCompletionMenu = "-> Tools -> Optionen";
inline constexpr std::string_view kCompletionLoaded = "geladen werden.";

// Info dialog (`frm_help`)
inline constexpr std::string_view kInfoTitle = "Zinkhorn Stapelwerk Info";
inline constexpr std::string_view kInfoMoreAt = "mehr unter: ";
inline constexpr std::string_view kDownloadAddress = "https://stapelwerk.example.org/download";
// The lines of `Text1`: how the program is used, the mapkey auto, then the terms of use
// (one paragraph a line).
std::vector<std::string> infoTextLines();

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
std::string messageConfigProBackupNotWritten(std::string_view path, std::string_view reason);
// config.pro defines the mapkey auto already: the window asks, the command line warns.
inline constexpr std::string_view kQuestionAutoMapkeyDefined =
    "Ihre config.pro enthält bereits einen Mapkey auto. Soll trotzdem eine weitere Definition "
    "angehängt werden ?";
inline constexpr std::string_view kMessageSecondAutoRefused =
    "Ihre config.pro enthält bereits einen Mapkey auto. Es wurde nichts angehängt; mit "
    "install-auto --allow-second wird trotzdem eine weitere Definition angehängt.";
inline constexpr std::string_view kWarningAutoMapkeyDefined =
    "Achtung : Ihre config.pro enthält bereits einen Mapkey auto. Es wird eine weitere "
    "Definition angehängt.";

// The command line `stapelwerk-batch`
inline constexpr std::string_view kBatchProgram = "stapelwerk-batch";
// The window program on the terminal
inline constexpr std::string_view kWindowHelp =
    "Aufruf: stapelwerk [--help | --version]\n"
    "Öffnet das Fenster von Stapelwerk, das doit.pro für Pro/ENGINEER Wildfire schreibt.\n"
    "  -h, --help     Diese Hilfe.\n"
    "  -v, --version  Die Versionsnummer.\n"
    "Ohne Fenster schreibt stapelwerk-batch dieselben Dateien; mehr dazu: stapelwerk-batch "
    "--help\n";
inline constexpr std::string_view kMessageNoDisplay =
    "stapelwerk: Das Fenster braucht eine grafische Anzeige, und hier ist keine (DISPLAY und "
    "WAYLAND_DISPLAY sind nicht gesetzt).\nOhne Anzeige schreibt stapelwerk-batch dieselben "
    "Dateien: stapelwerk-batch --help\n";
// The forms of the call, as a usage error shows them.
std::string batchUsage();
// --help: the forms of the call, every function and option, and an example of each function.
std::string batchHelp();
// What a usage error says before the forms of the call; `detail`, where not empty, names what
// the call lacks or has too much.
std::string messageBatchUsageError(std::string_view summary, std::string_view detail);
inline constexpr std::string_view kUsageMissing = "Es fehlt eine Funktion oder ein Argument.";
inline constexpr std::string_view kUsageNotExpected =
    "Eine unbekannte Funktion oder Option, oder ein Argument zu viel.";
inline constexpr std::string_view kUsageValuesOrKeyed =
    "assign-parameter braucht entweder --values DATEI oder --keyed DATEI.";
inline constexpr std::string_view kUsageAllowMissingWithoutKeyed =
    "--allow-missing gilt nur zusammen mit --keyed.";
inline constexpr std::string_view kUsageOptionValue =
    "Einer Option fehlt ihr Wert, oder sie steht mehr als einmal da.";
inline constexpr std::string_view kUsageInstallAutoReadsNoList =
    "install-auto liest keine Liste und schreibt config.pro: -l und --stdout passen nicht dazu.";
inline constexpr std::string_view kUsageOneStandardInput =
    "Nur eine Eingabe kann von der Standardeingabe (\"-\") kommen.";
inline constexpr std::string_view kUsageWrong = "Der Aufruf ist fehlerhaft.";
// The details of a usage error: what is missing (a function, KETTE, NAME), what came too much.
std::string usageDetailMissing(std::string_view what);
std::string usageDetailNotExpected(const std::vector<std::string>& arguments);
inline constexpr std::string_view kUsageFunction = "Funktion";
inline constexpr std::string_view kUsageChain = "KETTE";

std::string messageOutputDirectoryMissing(std::string_view path, std::string_view reason);
inline constexpr std::string_view kMessageStandardInputNotRead =
    "Die Standardeingabe konnte nicht gelesen werden. Es wurde nichts gespeichert.";
inline constexpr std::string_view kMessageStandardInputTooLarge =
    "Die Standardeingabe ist größer als 64 MB; so große Eingaben liest Stapelwerk nicht. Es "
    "wurde nichts gespeichert.";
// When memory runs out, at the top of either program, which then ends.
inline constexpr std::string_view kMessageOutOfMemory =
    "Der Arbeitsspeicher reicht nicht aus. Stapelwerk wird beendet; eine Datei, die gerade "
    "geschrieben wurde, bleibt, wie sie war.";
inline constexpr std::string_view kMessageStandardOutputNotWritten =
    "Die Datei doit.pro konnte nicht vollständig auf die Standardausgabe geschrieben werden.";

// Values matched by name: the names in question, one a line under a heading; past
// `shownAtMost` of them, how many more there are (a message box must fit on the screen).
std::string namesUnderHeading(std::string_view heading, const std::vector<std::string>& names,
                              std::size_t shownAtMost = static_cast<std::size_t>(-1));
inline constexpr std::string_view kHeadingEntriesWithoutValue =
    "Diese Teile haben keinen Wert in der Werteliste:";
inline constexpr std::string_view kHeadingNamesWithoutEntry =
    "Diese Namen der Werteliste gehören zu keinem Teil:";
inline constexpr std::string_view kHeadingAmbiguousNames =
    "Diese Namen ohne Endung haben mehrere Teile; sie brauchen ihre Endung:";
// The first parts matched by name with their values; `more` parts with a value follow.
std::string valuesOfParts(const std::vector<std::string>& parts,
                          const std::vector<std::string>& values, std::size_t more);
inline constexpr std::string_view kHeadingConflictingNames =
    "Diese Namen stehen mit verschiedenen Werten in der Werteliste:";
inline constexpr std::string_view kMessageKeyedValuesRefused = "Es wurde kein Mapkey erstellt.";
inline constexpr std::string_view kHintAllowMissing =
    "Mit --allow-missing werden Teile ohne Wert und Namen ohne Teil nur gemeldet; Teile ohne "
    "Wert erhalten dann den leeren Wert.";
inline constexpr std::string_view kQuestionBuildWithGaps =
    "Soll der Mapkey trotzdem erstellt werden ? Teile ohne Wert erhalten den leeren Wert.";
inline constexpr std::string_view kWarningEmptyValues =
    "Achtung : Teile ohne Wert erhalten den leeren Wert.";

// Captions, labels, tool tips and accessible names of the windows
inline constexpr std::string_view kOutputDirectoryCaption = "Speicherort der Ausgabedatei:";
inline constexpr std::string_view kOutputDirectoryCaptionDescription =
    "Öffnet die Auswahl des Speicherorts";
inline constexpr std::string_view kUserName = "Benutzer";
inline constexpr std::string_view kStatusInitial = "status";
inline constexpr std::string_view kStatusLineName = "Statuszeile";
inline constexpr std::string_view kInstallAutoButton = R"(Mapkey "a&uto" der config.pro zuweisen)";
inline constexpr std::string_view kExitToolTip = "EXIT";
inline constexpr std::string_view kExitName = "Programm beenden";
inline constexpr std::string_view kMainWindowTitle = "Zinkhorn +++ Stapelwerk für Wildfire +++";
inline constexpr std::string_view kShowWorkList = "Dateiauswahl anzeigen";
inline constexpr std::string_view kInfoToolTip = "Info";
inline constexpr std::string_view kShowInfo = "Info anzeigen";
inline constexpr std::string_view kExplanationName = "Erklärung";
inline constexpr std::string_view kWriteButton = "doit.pro jetzt &anlegen";
inline constexpr std::string_view kPreviewButton = "&Vorschau";
inline constexpr std::string_view kPreviewButtonName = "Vorschau der doit.pro";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kInfoTextName = "Info";
inline constexpr std::string_view kOpenDownloadPage = "Downloadseite öffnen";
inline constexpr std::string_view kOkLower = "ok";
inline constexpr std::string_view kCompletionPictureName = "Fertig, Meldung schließen";
inline constexpr std::string_view kEditFile = "Datei editieren";
inline constexpr std::string_view kCompletionOkName = "ok, Meldung schließen";
inline constexpr std::string_view kFunctionPanelName = "Funktionen";
inline constexpr std::string_view kFunctionMapkeys = "&Mapkeys eingeben";
inline constexpr std::string_view kFunctionAssignParameter = "Parameter &erzeugen";
inline constexpr std::string_view kFunctionDeleteParameter = "Parameter &löschen";
inline constexpr std::string_view kFunctionSaveAs = "Über&speichern/ Erzeugen";
inline constexpr std::string_view kChainDialogTitle = "Mapkey ausführen";
inline constexpr std::string_view kChainCaption = "Name des Mapkeys eingeben:";
inline constexpr std::string_view kChainExampleName = "Beispiel";
inline constexpr std::string_view kChainExampleHint =
    R"(mehrere Mapkeys mit ";" und "%" trennen, z.B.: )";
inline constexpr std::string_view kChainExample = "+;%bb;%00;";
inline constexpr std::string_view kChainExampleFieldName = "Beispiel einer Mapkey-Kette";
inline constexpr std::string_view kPreviewSearch = "&Suchen:";
inline constexpr std::string_view kPreviewFindNext = "&Weitersuchen";
inline constexpr std::string_view kPreviewFindNextToolTip = "Nächste Fundstelle (F3)";
inline constexpr std::string_view kPreviewContentName = "Inhalt der doit.pro";
inline constexpr std::string_view kClose = "Schließen";
inline constexpr std::string_view kDeletionDialogTitle = "Parameter loeschen";
inline constexpr std::string_view kDeletionCaption = "Parametername eingeben:";
inline constexpr std::string_view kDeletionWarning =
    "Die Option  new_parameter_ui no  muß für diese Funktion gesetzt sein !";
inline constexpr std::string_view kParameterDialogTitle = "Parameter hinzufügen";
inline constexpr std::string_view kParameterNameCaption = "Name des Parameters";
inline constexpr std::string_view kHelpToolTip = "Hilfe";
inline constexpr std::string_view kValueListHelpName = "Hilfe zur Werteliste";
inline constexpr std::string_view kPartsCaption = "Liste der Teile";
inline constexpr std::string_view kValuesCaption = "Parameterwerte ";
inline constexpr std::string_view kValuesMenuHint = "(rechte Maustaste für Menü-Box)";
inline constexpr std::string_view kValuesMenuName = "Menü der Parameterwerte";
inline constexpr std::string_view kValuesPaste = "<- paste";
inline constexpr std::string_view kPasteName = "Zwischenablage einfügen";
inline constexpr std::string_view kCloseMenu = "Menü schließen";
inline constexpr std::string_view kValuesDeleteMarked = "markiertes löschen";
inline constexpr std::string_view kValuesSingleEntryCaption = "Einzelner Eintrag:";
inline constexpr std::string_view kValuesAdd = "hinzufügen";
inline constexpr std::string_view kValuesClear = "alles löschen";
inline constexpr std::string_view kValuesSave = "Liste speichern";
inline constexpr std::string_view kValuesOpen = "Liste öffnen";
inline constexpr std::string_view kFileBrowserName = "Dateiliste";
inline constexpr std::string_view kFileBrowserHeading = "Erzeugung der Dateiliste";
inline constexpr std::string_view kFileBrowserCloseName = "Dateiliste schließen";
inline constexpr std::string_view kDirectoryPathName = "Pfad des Verzeichnisses";
inline constexpr std::string_view kDirectoryListName = "Verzeichnis";
inline constexpr std::string_view kDriveName = "Laufwerk";
inline constexpr std::string_view kFilterCaption = "Filter:";
inline constexpr std::string_view kFilterInitial = "*.drw*";
inline constexpr std::string_view kFilterName = "Filter";
inline constexpr std::string_view kFileBrowserDoneName = "Dateiliste übernehmen";
inline constexpr std::string_view kOutputChooserTitle = "Speicherort doit.pro";
inline constexpr std::string_view kOutputDirectoryListName = "Verzeichnis für doit.pro";
inline constexpr std::string_view kOutputDriveName = "Laufwerk für doit.pro";
inline constexpr std::string_view kOutputChooserOkName = "Speicherort übernehmen";
inline constexpr std::string_view kWorkListPanelName = "Dateiauswahl";
inline constexpr std::string_view kHideWorkList = "Dateiauswahl ausblenden";
inline constexpr std::string_view kWorkListName = "Liste der Dateien";
inline constexpr std::string_view kManualEntryName = "Einzelner Eintrag";
inline constexpr std::string_view kWorkListMenuTitle = "Menue";
inline constexpr std::string_view kWorkListPaste = "<-- PASTE";
inline constexpr std::string_view kWorkListAll = "ALLE";
inline constexpr std::string_view kSelectAllName = "Alle auswählen";
inline constexpr std::string_view kDeselectAllName = "Alle abwählen";
inline constexpr std::string_view kClearList = "Liste löschen";
inline constexpr std::string_view kManualEntryButton = "einzelner Eintrag";
inline constexpr std::string_view kAppendDrwName = ".drw anhängen";
inline constexpr std::string_view kAppendPrtName = ".prt anhängen";
inline constexpr std::string_view kStripDrwName = ".drw entfernen";
inline constexpr std::string_view kStripPrtName = ".prt entfernen";
inline constexpr std::string_view kFileBrowserToolTip = "file bowser";
inline constexpr std::string_view kOpenFileBrowser = "Dateibrowser öffnen";
inline constexpr std::string_view kWorkListQuit = "quit";
inline constexpr std::string_view kDrwCaption = "drw";
inline constexpr std::string_view kPrtCaption = "prt";
inline constexpr std::string_view kWorkListInstruction =
    "klicken Sie mit der rechte Maustaste in das weiße Feld um die Liste zu bearbeiten. "
    "Es werden nur die markierten Einträge bearbeitet.";
inline constexpr std::string_view kChainWarning =
    "bei der Ausführung wird NICHT automatisch gespeichert ! Tipp: Definieren Sie einen "
    "Mapkey zum Speichern, z.B. 00 wie im Beispiel unten und fügen Sie diesen Mapkey am Ende "
    "Ihrer Befehlskette an !";

// The check before doit.pro is written: the headings of its findings (the limits and
// characters come from its rules), and how the command line and the dialog show them.
inline constexpr std::size_t kFindingItemsShown = 50;
std::string findingModelNameTooLong(std::size_t maxLength);
std::string findingModelNameCharacters(std::string_view marks);
std::string findingModelNameStart(std::string_view notFirst);
inline constexpr std::string_view kFindingNoTypeExtension =
    "Diese Einträge haben keine Typ-Endung (wie .prt, .asm, .drw) und sind keine Modelldateien:";
std::string findingParameterNameTooLong(std::size_t maxLength);
std::string findingParameterNameCharacters(std::string_view marks);
inline constexpr std::string_view kFindingParameterNameStart =
    "Der Parametername beginnt nicht mit einem Buchstaben:";
std::string findingValueTooLong(std::size_t maxLength);
inline constexpr std::string_view kFindingMapkeyUndefined =
    "Diese Mapkeys der Kette sind in keiner config.pro definiert, die Pro/E beim Start liest:";
inline constexpr std::string_view kFindingMapkeysNotLooked =
    "Ob die Mapkeys der Kette definiert sind, konnte nicht geprüft werden; keine config.pro "
    "war zu lesen:";
std::string pathWithReason(std::string_view path, std::string_view reason);
// A heading, the first things found, one a line, and how many of `total` are not shown.
std::string findingText(std::string_view heading, const std::vector<std::string_view>& shown,
                        std::size_t total);
inline constexpr std::string_view kWarningFindings =
    "Achtung : Die Prüfung vor dem Schreiben hat gefunden, woran Pro/E scheitern würde.";
inline constexpr std::string_view kMessageFindingsRefused =
    "Mit --strict ist ein Befund eine Ablehnung: Es wurde nichts geschrieben.";
inline constexpr std::string_view kCheckFoundNothing = "Die Prüfung hat nichts gefunden.";
inline constexpr std::string_view kFindingsDialogTitle = "Prüfung vor dem Schreiben";
inline constexpr std::string_view kFindingsIntro =
    "Hieran würde Pro/E bei der Ausführung scheitern. Die doit.pro ist noch nicht geschrieben.";
inline constexpr std::string_view kFindingsListName = "Befunde der Prüfung";
inline constexpr std::string_view kFindingsWriteAnyway = "&Trotzdem schreiben";
inline constexpr std::string_view kFindingsCancel = "Abbrechen";
inline constexpr std::string_view kFindingsUnmark = "Einträge a&bwählen";
inline constexpr std::string_view kFindingsUnmarkName =
    "Die betroffenen Einträge in der Dateiauswahl abwählen";
std::string statusEntriesUnmarked(std::size_t count);
inline constexpr std::string_view kChainDefinedCaption = "Definierte Mapkeys:";
inline constexpr std::string_view kChainDefinedName =
    "Definierte Mapkeys, Doppelklick oder Eingabetaste fügt an";
inline constexpr std::string_view kChainNoConfigPro =
    "Keine config.pro zu lesen: Welche Mapkeys definiert sind, ist unbekannt.";
inline constexpr std::string_view kChainAllDefined = "Alle Mapkeys der Kette sind definiert.";
std::string chainUndefinedNote(const std::vector<std::string>& names);

// What the system could not open for the user: doit.pro for editing, the download page.
std::string messageNotOpenedForEditing(std::string_view path);
std::string messageAddressNotOpened(std::string_view address);

// Reasons, as a message shows them after "Grund:": what the program refuses although the
// system would let it through, and the input limit
std::string reasonLinkNotFollowed(std::string_view link);
std::string reasonBackupAtLink(std::string_view link);
inline constexpr std::string_view kReasonBackupIsTheFile =
    "Die Sicherungskopie wäre die Datei selbst.";
inline constexpr std::string_view kReasonWriteProtected = "Die Datei ist schreibgeschützt.";
inline constexpr std::string_view kReasonInputTooLarge =
    "Sie ist größer als 64 MB; so große Eingaben liest Stapelwerk nicht.";
inline constexpr std::string_view kReasonSeveralNames =
    "Die Datei hat mehrere Namen (harte Links); unter den anderen Namen bliebe der alte "
    "Inhalt stehen.";
// German for the causes a user meets with files; any other in the system's own words, which
// follow the user's language where the system has it.
std::string systemReason(const std::error_code& error);
// Why the platform failed, worded from its kind, error and subject; empty for a refusal of
// the program's own, whose message says it all.
std::string reasonOf(const Failure& failure);
// Empty when ok.
template <typename T>
std::string reasonOf(const Result<T>& result) {
    return result.ok() ? std::string() : reasonOf(result.failure());
}

}  // namespace stapelwerk::texts
