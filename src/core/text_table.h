// Every text the program shows, one row each: STAPELWERK_TEXT(name, text). A text with
// numbered placeholders (%1, %2, ...) is a template, filled by texts::filled; the numbers
// that the rules own come from the rules. This file has no include guard: texts.h includes
// it once for the constants and once for the list of every text, which a test walks.

STAPELWERK_TEXT(kMessageTitle, "Zinkhorn")

// Status line
STAPELWERK_TEXT(kStatusChooseFiles, "Bitte Dateien wählen")
STAPELWERK_TEXT(kStatusChooseOutputDirectory, "Speicherort der Ausgabedatei angeben !!!")
STAPELWERK_TEXT(kStatusPasted, "Zwischenablage eingefügt")
STAPELWERK_TEXT(kMessagePasteTooLarge,
                "Der eingefügte Text ist größer als %1; so große Eingaben liest Stapelwerk nicht. "
                "Die Liste bleibt, wie sie war.")
STAPELWERK_TEXT(kStatusDriveUnavailable, "Laufwerk nicht verfügbar !")
STAPELWERK_TEXT(kStatusReadyToWrite,
                "Die Datei doit.pro kann nun erzeugt werden. Diese kann in Pro/E als "
                "Konfigurationsdatei eingelesen werden")
STAPELWERK_TEXT(kStatusWritten, "Datei doit.pro wurde gespeichert !")
STAPELWERK_TEXT(kStatusNotWritten,
                "Datei doit.pro wurde NICHT gespeichert ! Bitte Speicherort prüfen.")
STAPELWERK_TEXT(kStatusReadingFile, "Datei lesen...")
STAPELWERK_TEXT(kStatusFilesChosen, "%1 Dateien gewählt. Mapkey kann nun erstellt werden.")
STAPELWERK_TEXT(kStatusFilesAdded, "%1 Dateien hinzugefügt")

// Messages
STAPELWERK_TEXT(kMessageSelectFiles, "Bitte Dateien auswählen !")
STAPELWERK_TEXT(
    kMessageEntryNotEncodable,
    "Der Eintrag %1 enthält ein Zeichen, das in der Datei doit.pro nicht gespeichert "
    "werden kann. Pro/E würde eine falsche Datei öffnen. Es wurde kein Mapkey erstellt.")
STAPELWERK_TEXT(kMessageSaveAsEntryTooShort,
                "Der Eintrag %1 ist zu kurz: Zum Überspeichern braucht jeder Eintrag einen Namen "
                "und eine Endung (mehr als vier Zeichen). Es wurde kein Mapkey erstellt.")
STAPELWERK_TEXT(kMessageTextNotEncodable,
                "Die Zeile %1 enthält ein Zeichen, das in der Datei doit.pro nicht gespeichert "
                "werden kann. Die Datei wurde nicht geschrieben.")
STAPELWERK_TEXT(kMessageFileNotWritten,
                "Die Datei %1 konnte nicht gespeichert werden.\n"
                "Grund: %2")
// A setting of the window that its INI file could not keep (%1: the file).
STAPELWERK_TEXT(kMessageSettingNotSaved,
                "Die Einstellung konnte nicht in der Datei %1 gespeichert werden.\n"
                "Grund: %2\n"
                "Stapelwerk merkt sich diesen Wert deshalb nicht.")

// Function dialogs: mapkey chain, parameter deletion, parameter list
STAPELWERK_TEXT(kMessageNoParameterValues, "Den Teilen wurden keine Paramterwerte zugewiesen !")
STAPELWERK_TEXT(kMessageListsDiffer,
                "Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !")
STAPELWERK_TEXT(kMessageParameterHelp,
                "Klicken Sie mit der RECHTEN Maustaste in das Feld für die zugehörigen "
                "Parameterwerte um Eingaben zu tätigen !")
// What a text put into doit.pro is, as a refusal names it (%1 of the refusals below).
STAPELWERK_TEXT(kSubjectEntry, "Der Eintrag")
STAPELWERK_TEXT(kSubjectMapkeyChain, "Die Mapkey-Kette")
STAPELWERK_TEXT(kSubjectParameterName, "Der Parametername")
STAPELWERK_TEXT(kSubjectParameterValue, "Der Parameterwert")
STAPELWERK_TEXT(kMessageUnreadable,
                "%1 %2 enthält einen Backtick (`) oder einen Zeilenumbruch. Pro/E könnte die Datei "
                "doit.pro damit nicht lesen. Es wurde kein Mapkey erstellt.")
STAPELWERK_TEXT(kMessageSemicolon,
                "%1 %2 enthält ein Semikolon (;). In einem Mapkey beendet es einen Schritt, Pro/E "
                "würde damit andere Befehle ausführen. Es wurde kein Mapkey erstellt.")
STAPELWERK_TEXT(kMessageTab,
                "%1 %2 enthält einen Tabulator (meist der Beginn einer weiteren Tabellenspalte). "
                "Weder ein Dateiname noch eine Eingabe in Pro/E kann ihn enthalten. Es wurde kein "
                "Mapkey erstellt.")
STAPELWERK_TEXT(kMessageParameterNameEmpty,
                "Der Parametername ist leer. Pro/E würde damit keinen Parameter finden. Es wurde "
                "kein Mapkey erstellt.")
STAPELWERK_TEXT(kMessageNotEncodable,
                "%1 %2 enthält ein Zeichen, das in der Datei doit.pro nicht gespeichert werden "
                "kann. Es wurde kein Mapkey erstellt.")
STAPELWERK_TEXT(kMessageValueNotEncodableInList,
                "Der Parameterwert %1 enthält ein Zeichen, das in der Datei %2 nicht gespeichert "
                "werden kann. Die Liste wurde nicht gespeichert.")
STAPELWERK_TEXT(kMessageFileNotRead,
                "Die Datei %1 konnte nicht gelesen werden.\n"
                "Grund: %2")

// Explanations under the pointer (`Erklaer`)
STAPELWERK_TEXT(kExplainStart,
                "Der Stapelwerk dient zum Erstellen eines Mapkeys der Mapkeys ausführt und das "
                "über viele Dateien")
STAPELWERK_TEXT(kExplainWrite,
                "Mit diesem Knopf wird die Generierung des Mapkeys gestartet und die Datei "
                "doit.pro angelegt.")
STAPELWERK_TEXT(kExplainMapkeys,
                "Mit dieser Funktion können verschiedene Mapkeys ausgelöst werden. Die Mapkeys "
                "müssen in Ihrer Konfiguration definiert sein.")
STAPELWERK_TEXT(kExplainParameterList,
                "Mit dieser Funktion kann eine Liste von Parametern erzeugt werden. Jedem Teil "
                "wird der entsprechende Parameter zugewiesen. In einer Übersicht werden die "
                "beiden Listen gegenübergestellt. Zum Betrieb dieser Funktion muß der Schalter "
                "new_parameter_ui in der config.pro auf NO gesetzt sein. In dieser "
                "Programmversion wird der Schalter automatisch der Datei doit.pro zugefügt.")
STAPELWERK_TEXT(kExplainParameterDeletion,
                "Mit dieser Funktion kann ein Parametern in einer Liste von Teilen gelöscht "
                "werden. Zum Betrieb dieser Funktion muß der Schalter new_parameter_ui in der "
                "config.pro auf NO gesetzt sein.")
STAPELWERK_TEXT(kExplainSaveAs,
                "Mit dieser Funktion werden Zeichnungen (oder Teile) nach dem Vorbild der "
                "aufgerufenen Zeichnung (oder des Teils) überspeichert. Es muß eine Zeichnung "
                "/Teil sichtbar auf dem Pro/E Programmfenster sein damit diese Funktion ausgelöst "
                "werden kann. Auf diese Weise können auch Teile mit der zugehörigen Zeichnung "
                "erzeugt werden.")
STAPELWERK_TEXT(kExplainStatus,
                "Statuszeile. An dieser Stelle werden Hinweise und Informationen zum Programm "
                "ablauf angezeigt.")
STAPELWERK_TEXT(kExplainInfo, "Anzeige des Info Formulars")
STAPELWERK_TEXT(kExplainExit, "Das Programm verlassen")
STAPELWERK_TEXT(kExplainFiles, "Aktiviert die Eingabemaske für die zu bearbeitenden Dateien.")
STAPELWERK_TEXT(kExplainOutputDirectory,
                "Hier kann mit einem kleinen Browser das Verzeichnis eingestellt werden indem "
                "sich die Datei doit.pro befinden soll. Es sollte das Arbeitsverzeichnis von "
                "Pro/ENGINEER sein. Klicken Sie dazu zunächst diese Überschrift an.")
// %1: the output directory as it stands.
STAPELWERK_TEXT(kExplainAuto,
                "Mit dieser Funktion wird der config.pro der Mapkey auto zugewiesen. Die "
                "config.pro liegt im Verzeichnis: %1 Mit der Tastenfolge >> auto <<  -eingegeben "
                "in der Pro/ENGINEER Oberfläche-  wird die Datei doit.pro geladen und ausgeführt.")

// Preview of doit.pro (`frm_preview`)
STAPELWERK_TEXT(kPreviewTitle, "Vorschau der doit.pro")
STAPELWERK_TEXT(kPreviewNotFound, "nicht gefunden")
STAPELWERK_TEXT(kExplainPreview,
                "Zeigt vor dem Anlegen den Text, den die Datei doit.pro erhalten wird, mit "
                "Zeilennummern. Darin kann gesucht werden; der Mapkey bleibt dabei unverändert.")
STAPELWERK_TEXT(kPreviewSummary, "%1 Einträge, %2 Bytes")
// Where Pro/E finds each entry, below the text: the state of the look-up (%1 entries found of
// %2, %3 directories looked in), and each entry (%1) with the file opened or saved over (%2).
STAPELWERK_TEXT(kPreviewLocating, "Wo Pro/E die Dateien findet, wird gesucht …")
STAPELWERK_TEXT(kPreviewLocateOff, "Wo Pro/E die Dateien findet, wird nicht geprüft.")
STAPELWERK_TEXT(kPreviewLocated,
                "%1 von %2 Einträgen gefunden, gesucht in %3 Verzeichnissen (dem "
                "Arbeitsverzeichnis, dann dem Suchpfad):")
STAPELWERK_TEXT(kPreviewLocationsName, "Wo Pro/E die Dateien findet")
STAPELWERK_TEXT(kLocationOpens, "%1 – Pro/E öffnet %2")
STAPELWERK_TEXT(kLocationMissing, "%1 – nicht gefunden")
STAPELWERK_TEXT(kLocationSavedOver, "%1 – überspeichert %2")
STAPELWERK_TEXT(kLocationCreated, "%1 – wird neu angelegt")

// Completion dialog (`frm_ok`)
STAPELWERK_TEXT(kCompletionDone, "Der Vorgang wurde erfolgreich abgeschlossen !")
STAPELWERK_TEXT(kCompletionWhere, "Datei kann nun in Pro/E unter")
STAPELWERK_TEXT(kCompletionMenu, "-> Tools -> Optionen")
STAPELWERK_TEXT(kCompletionLoaded, "geladen werden.")

// Info dialog (`frm_help`)
STAPELWERK_TEXT(kInfoTitle, "Zinkhorn Stapelwerk Info")
STAPELWERK_TEXT(kInfoMoreAt, "mehr unter: ")
STAPELWERK_TEXT(kDownloadAddress, "https://stapelwerk.example.org/download")
// `Text1`: how the program is used, the mapkey auto, then the terms of use, one paragraph a
// line; several lines keep the blank at their end. %1, %2: the most characters of a model's
// and a parameter's name, %3: of a parameter's value.
STAPELWERK_TEXT(kInfoText, R"(Mit dem Stapelwerk Zinkhorn können mehrere Mapkeys für viele Dateien 
ausgeführt werden.
Die Funktionsweise ist wie folgt:
1.) Liste der zu bearbeitenden Dateien in die Zwischenablage
2.) Einfügen in die Liste von Stapelwerk
3.) Abzuarbeitende Mapkeys einstellen. Es wird eine Datei mit Namen doit.pro 
erzeugt. Ablageort kann im Programm eingestellt werden.
5.) Starten von Pro/ENGINEER
4.) führen Sie den Mapkey auto in Pro/ENGINEER aus.

Der Mapkey auto muß in der config.pro definiert sein. Er kann auch über einen 
einfachen Klick in diesem Tool in die Konfiguration implementiert werden.

! ***** Mapkey auto: *****
mapkey auto @MAPKEY_NAMEruft doit.pro auf und weist den mapkey doit 
zu;\
mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1 `Utilities`;\
mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\
mapkey(continued) ~ Activate `main_dlg_cur` `Utilities.psh_util_pref`;\
mapkey(continued) ~ FocusOut `preferences` `InputOpt`;~ Activate 
`preferences` 
`Open`;\
mapkey(continued) ~ Select `file_open` `Ph_list.Filelist`1 `doit.pro`;\
mapkey(continued) ~ Activate `file_open` `Ph_list.Filelist`1 `doit.pro`;\
mapkey(continued) ~ Activate `preferences` `ApplySave`;~ FocusOut 
`preferences` `InputOpt`;\
mapkey(continued) ~ Activate `preferences` `Close`;%doit;

***** Weitere Funktionen *****
Listen: Der Dateiname einer Zeile ist ihre erste Zelle, der Text vor dem ersten Tabulator oder Semikolon; so können Zeilen aus einer Tabelle, einem CSV- oder PDM-Export eingefügt werden, wie sie sind. Eine Zelle in Anführungszeichen zählt ohne sie. Leere Zeilen, die Überschrift "Name" und eine erste Zeile ohne Typ-Endung über Zeilen mit Typ-Endung (etwa "Teilenummer<Tab>Benennung") entfallen. "Liste aus Datei…" im Menü der Liste und im Menü der Werteliste liest eine beliebige Listendatei (UTF-8, UTF-16 oder Windows-1252) nach denselben Regeln.
Beenden: Ist ein Mapkey erstellt, die Datei doit.pro aber noch nicht angelegt, fragt Stapelwerk vor dem Beenden nach; "Nein" bleibt im Programm. Die Liste der Dateien erscheint beim nächsten Start mit ihren Markierungen wieder.
Prüfung vor dem Schreiben: Bevor doit.pro angelegt wird, prüft Stapelwerk, woran Pro/E scheitern würde: Modellnamen (vor der Endung) mit mehr als %1 Zeichen, mit anderen Zeichen als Buchstaben, Ziffern, "_" und "-" oder mit "-" am Anfang, Modellnamen mit Buchstaben außerhalb von ASCII (Umlaute, ß), Einträge ohne Typ-Endung oder mit einer Endung, die kein Modelltyp von Pro/E ist (.prt, .asm, .drw, .frm, .sec, .lay, .mfg, .mrk, .dgm), beim Überspeichern Namen, deren letzte vier Zeichen kein Punkt mit Modelltyp sind, zwei Einträge, die denselben Namen öffnen oder speichern würden, Parameternamen mit mehr als %2 Zeichen, ohne Buchstaben am Anfang oder mit anderen Zeichen als Buchstaben, Ziffern und "_", Parameterwerte mit mehr als %3 Zeichen, Mapkeys der Kette, die weder die config.pro im Speicherort noch die im Home-Verzeichnis definiert, Schritte der Kette, die Pro/E als Tastatureingabe tippen würde, und beim Löschen eines Parameters eine config.pro ohne die Option new_parameter_ui no. Außer beim Überspeichern sucht sie jede Datei, wo Pro/E sie sucht: im Speicherort (dem Arbeitsverzeichnis), dann im Suchpfad (search_path und die Datei von search_path_file in diesen config.pro), und meldet Einträge, die dort nirgends liegen, die in mehreren Verzeichnissen liegen (Pro/E öffnet den ersten Fund), bei denen Pro/E eine andere Version oder eine Datei an einem anderen Ort öffnet, als die Liste nennt, und beim Zuweisen und Löschen von Parametern schreibgeschützte Dateien. Liegen die Dateien in einem Workspace, schaltet "Fundorte nicht prüfen" diese Suche ab. Das Fenster zeigt die Befunde; Sie können trotzdem schreiben, abbrechen oder die betroffenen Einträge abwählen. Der Dialog "Mapkey ausführen" listet die definierten Mapkeys; ein Doppelklick fügt einen an. Die Kette darf so geschrieben werden, wie Pro/E sie schreibt (%pdf;%cls;).
Vorschau: Ist ein Mapkey erstellt, zeigt der Knopf "Vorschau" neben "doit.pro jetzt anlegen" den Text der Datei doit.pro mit Zeilennummern, bevor sie angelegt wird. Darin kann gesucht werden. Darunter steht zu jedem Eintrag die Datei, die Pro/E öffnen wird, mit Verzeichnis und Version, oder dass keine gefunden wurde; beim Überspeichern, ob der Name überspeichert oder neu angelegt wird.
Ziehen und Ablegen: Dateien, die aus dem Dateimanager auf die Liste der Dateien gezogen werden, werden markiert angefügt. Gezogener Text, etwa eine Spalte aus einer Tabelle, wird wie die Zwischenablage eingefügt.
Werte nach Namen: Zeilen der Form NAME<Tab>WERT oder NAME;WERT in der Werteliste von "Parameter erzeugen" werden den Teilen nach ihrem Namen zugeordnet, in beliebiger Reihenfolge und ohne Rücksicht auf Groß- und Kleinschreibung; der Wert ist die zweite Zelle. Teile ohne Wert und Namen ohne Teil werden vor dem Erstellen gemeldet.
Sicherung: Bevor der Mapkey auto angehängt wird, wird die bisherige config.pro als config.pro.bak gesichert. Enthält sie schon einen Mapkey auto, wird vorher gefragt.
Tastatur: Wo die Liste der Dateien erscheint (beim Start, nach "Einträge abwählen" und nach dem Bild der Dokumente), liegt die Tastatur in ihr: Strg+V fügt ein, Strg+A markiert alle Einträge, die Eingabetaste bestätigt die Auswahl, die Menütaste oder Umschalt+F10 öffnet das Menü. Ein Dialog öffnet mit der Tastatur in seinem ersten Feld. Esc schließt jeden Dialog.
Auftrag und Journal: Neben jede doit.pro schreibt Stapelwerk den Auftrag doit.stapel (Lauf, Zeit, Funktion, Angaben und jede Datei, die Pro/E öffnen wird). Mit eingeschaltetem Journal schreibt doit am Anfang, nach jedem Eintrag und am Ende eine Zeile in die Datei doit.journal im Arbeitsverzeichnis. Daraus und aus den gespeicherten Versionen nennt stapelwerk-batch report für jeden Eintrag sein Ergebnis: erledigt, keine neue Version, hier angehalten, nicht erreicht oder unbekannt. stapelwerk-batch resume schreibt eine doit.pro für die Einträge, die nicht erledigt sind. Im Fenster schaltet "Lauf protokollieren" das Journal ein; solange Stapelwerk offen ist, zeigt es danach, wie weit doit kam, und wenn eine Weile keine Zeile kam, bei welchem Eintrag der Lauf zu stehen scheint. "Ergebnis des Laufs" zeigt jeden Eintrag mit seinem Ergebnis, kopiert die Namen der nicht erledigten und erzeugt mit "Rest erzeugen" eine doit.pro für sie.
Aufträge als Dateien: Die Schaltfläche "Auftrag" öffnet einen Auftrag (Strg+O) mit seiner Arbeitsliste, ihren Markierungen, dem Ausgabeverzeichnis und der erzeugten Funktion und speichert die laufende Arbeit als Auftrag (Strg+Umschalt+S). "Letzte Aufträge" zeigt die letzten 20 geschriebenen doit.pro, zum Öffnen als Auftrag oder Ansehen. stapelwerk-batch run AUFTRAG schreibt die doit.pro eines Auftrags erneut, etwa nachts aus cron oder der Windows-Aufgabenplanung (schtasks).
Kommandozeile: stapelwerk-batch erstellt die Datei doit.pro ohne Fenster, etwa in einem Skript: stapelwerk-batch -l liste.txt -o Arbeitsverzeichnis save-as. stapelwerk-batch check prüft nur (Rückgabewert 0 ohne Befund, 1 mit Befunden, 2 wenn nicht geprüft werden konnte). Alle Funktionen zeigt stapelwerk-batch --help.

***** Nutzungsbedingungen *****
Zinkhorn Stapelwerk ist Freeware. Sie dürfen das Programm ohne Gebühr auf beliebig vielen Rechnern einsetzen, privat wie beruflich. Das Urheberrecht bleibt beim Autor.
Sie dürfen unveränderte Kopien des Programms an andere weitergeben, sofern dies unentgeltlich geschieht und alle zugehörigen Dateien einschließlich dieser Bedingungen vollständig beiliegen. Veränderte Fassungen dürfen nicht weitergegeben werden.
Der Verkauf des Programms ist nicht gestattet. Das gilt auch für die Weitergabe gegen ein Entgelt jeder Art, etwa als Teil einer Sammlung, eines Datenträgers oder eines anderen Produkts.
Das Programm wird so überlassen, wie es ist. Es wird keine Gewähr dafür übernommen, dass es fehlerfrei arbeitet, für einen bestimmten Zweck geeignet ist oder mit Ihrer Version von Pro/ENGINEER und Ihrer Konfiguration zusammenarbeitet.
Der Autor haftet nicht für Schäden gleich welcher Art, die aus der Benutzung oder der Unmöglichkeit der Benutzung des Programms entstehen, insbesondere nicht für verlorene oder veränderte Dateien, Datenverlust, Ausfallzeiten oder entgangenen Gewinn. Die erzeugten Mapkeys öffnen, speichern und verändern Dateien in Pro/ENGINEER: Prüfen Sie die Datei doit.pro vor dem Ausführen und sichern Sie Ihre Daten. Die Benutzung geschieht auf eigene Gefahr. Das gilt auch für die Änderungen, die das Programm an Ihrer config.pro vornimmt.
Sollte eine dieser Bestimmungen unwirksam sein, bleiben die übrigen davon unberührt. Mit der Benutzung des Programms erkennen Sie diese Bedingungen an.)")

// Start-up
// The caption of `lbl_user` before start-up, and the user name when the login name cannot be
// found.
STAPELWERK_TEXT(kUnknownUser, "USER")

// config.pro and the mapkey auto
STAPELWERK_TEXT(kMessageConfigProCreated, "Es wurde eine Datei config.pro angelegt")
STAPELWERK_TEXT(kMessageAutoMapkeyAdded, "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !")
// A second auto leaves the backup as it was.
STAPELWERK_TEXT(kMessageAutoMapkeyAddedBackupKept,
                "Der Mapkey auto wurde Ihrer config.pro hinzugefügt !\n"
                "Die Sicherungskopie Ihrer config.pro bleibt, wie sie war: Die config.pro "
                "enthielt schon einen Mapkey auto, und so geht die ältere Kopie nicht verloren.")
STAPELWERK_TEXT(kMessageConfigProNotRead,
                "Die Datei %1 konnte nicht gelesen werden.\n"
                "Grund: %2\n"
                "Der Mapkey auto wurde nicht hinzugefügt. Ihre config.pro bleibt unverändert.")
STAPELWERK_TEXT(kMessageConfigProNotCreated,
                "Die Datei %1 konnte nicht angelegt werden.\n"
                "Grund: %2\n"
                "Der Mapkey auto wurde nicht hinzugefügt.")
STAPELWERK_TEXT(kMessageConfigProNotWritten,
                "Die Datei %1 konnte nicht gespeichert werden.\n"
                "Grund: %2\n"
                "Der Mapkey auto wurde nicht hinzugefügt. Ihre config.pro bleibt unverändert.")
STAPELWERK_TEXT(kMessageConfigProBackupNotWritten,
                "Die Sicherungskopie %1 Ihrer config.pro konnte nicht angelegt werden.\n"
                "Grund: %2\n"
                "Der Mapkey auto wurde nicht hinzugefügt. Ihre config.pro bleibt unverändert.")
// config.pro defines the mapkey auto already: the window asks, the command line warns.
STAPELWERK_TEXT(kQuestionAutoMapkeyDefined,
                "Ihre config.pro enthält bereits einen Mapkey auto. Soll trotzdem eine weitere "
                "Definition angehängt werden ?")
STAPELWERK_TEXT(kMessageSecondAutoRefused,
                "Ihre config.pro enthält bereits einen Mapkey auto. Es wurde nichts angehängt; mit "
                "install-auto --allow-second wird trotzdem eine weitere Definition angehängt.")
STAPELWERK_TEXT(kWarningAutoMapkeyDefined,
                "Achtung : Ihre config.pro enthält bereits einen Mapkey auto. Es wird eine weitere "
                "Definition angehängt.")

// Leaving the window, and the work list kept for the next start (%1: the file, %2: the
// line, the format or the reason).
STAPELWERK_TEXT(kQuestionLeaveUnwritten,
                "Der Mapkey ist erstellt, die Datei doit.pro aber noch nicht geschrieben. Soll "
                "Stapelwerk trotzdem beendet werden ? Der Mapkey geht dann verloren.")
STAPELWERK_TEXT(kMessageKeptListNotWritten,
                "Die Liste der Dateien konnte nicht für den nächsten Start in %1 gespeichert "
                "werden.\n"
                "Grund: %2")
STAPELWERK_TEXT(kStatusKeptListNotRead,
                "Die Liste vom letzten Mal (%1) konnte nicht gelesen werden. Grund: %2")
STAPELWERK_TEXT(kStatusKeptListDamaged,
                "Die Liste vom letzten Mal (%1) ist in Zeile %2 beschädigt und wurde nicht "
                "geladen.")
STAPELWERK_TEXT(kStatusKeptListNewer,
                "Die Liste vom letzten Mal (%1) hat das Format %2 einer neueren Version von "
                "Stapelwerk und wurde nicht geladen.")

// The command line `stapelwerk-batch`
STAPELWERK_TEXT(kBatchProgram, "stapelwerk-batch")
// The window program on the terminal
STAPELWERK_TEXT(kWindowHelp, R"(Aufruf: stapelwerk [--help | --version]
Öffnet das Fenster von Stapelwerk, das doit.pro für Pro/ENGINEER Wildfire schreibt.
  -h, --help     Diese Hilfe.
  -v, --version  Die Versionsnummer.
Ohne Fenster schreibt stapelwerk-batch dieselben Dateien; mehr dazu: stapelwerk-batch --help
)")
// %1: the display variables that the window system chosen lacks.
STAPELWERK_TEXT(
    kMessageNoDisplay,
    "stapelwerk: Das Fenster braucht eine grafische Anzeige, und hier ist keine "
    "(nicht gesetzt: %1).\n"
    "Ohne Anzeige schreibt stapelwerk-batch dieselben Dateien: stapelwerk-batch --help\n")
// The forms of the call, as a usage error shows them.
STAPELWERK_TEXT(kBatchUsage, R"(Aufruf:
  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] [--stdout] save-as
  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] [--stdout] run-mapkeys KETTE
  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] [--stdout] delete-parameter NAME
  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] [--stdout] assign-parameter NAME
                   (--values DATEI | --keyed DATEI [--allow-missing])
  stapelwerk-batch [-l DATEI] [-o VERZEICHNIS] check FUNKTION ...
  stapelwerk-batch [-o VERZEICHNIS] install-auto [--allow-second]
  stapelwerk-batch [-o VERZEICHNIS] report | resume
  stapelwerk-batch [-o VERZEICHNIS] run AUFTRAG
  stapelwerk-batch --help | --version
  (-q vor jeder Funktion; --strict, --no-locate und --journal vor jeder Funktion,
  die doit.pro schreibt)
)")
// --help: %1 the forms of the call, then every function and option; %2, %3: the most
// characters of a model's and a parameter's name, %4: of a parameter's value, %5: the model
// types; %6 an example of each function and %7 the notes, both for the system's shell.
STAPELWERK_TEXT(kBatchHelp, R"(%1
Schreibt die Datei doit.pro mit dem Mapkey doit für Pro/ENGINEER Wildfire, Byte für
Byte so wie das Fenster von Stapelwerk. Die Dateinamen werden gelesen wie Text aus
der Zwischenablage (ein Name je Zeile; leere Zeilen und die Überschrift "Name"
entfallen; von Spalten, mit Tab getrennt, zählt die erste), alle gewählt und mit
"ok" bestätigt: Laufwerk, Verzeichnis und
Versionsnummer fallen weg, ebenso Wiederholungen. In Pro/E öffnet doit dann jede
Datei und wendet die Funktion an.

Funktionen:
  save-as                   Überspeichern/ Erzeugen: das angezeigte Modell unter
                            jedem Namen speichern (jeder braucht mehr als vier
                            Zeichen).
  run-mapkeys KETTE         Mapkeys eingeben: eigene Mapkeys auf jede Datei
                            anwenden, mehrere mit ";" und "%" getrennt, auch
                            so, wie Pro/E sie schreibt ("%pdf;%cls;").
  delete-parameter NAME     Parameter löschen (der Name wird großgeschrieben).
  assign-parameter NAME     Parameter erzeugen: jedem Teil den Textparameter NAME
                            mit seinem Wert aus --values oder --keyed zuweisen.
  install-auto              Den Mapkey auto an die config.pro im Ausgabeverzeichnis
                            anhängen. Die bisherige Datei wird vorher als
                            config.pro.bak gesichert (bei einem Link: neben
                            der Datei, auf die er zeigt, mit deren Namen und
                            .bak); definiert sie auto schon,
                            wird nichts angehängt (außer mit
                            --allow-second).
  check FUNKTION ...        Nur prüfen, was Pro/E bei dieser Funktion (mit ihren
                            Angaben) scheitern ließe, und es melden; nichts wird
                            geschrieben.
  report                    Zum letzten Lauf der doit.pro im Ausgabeverzeichnis
                            jeden Eintrag, der nicht erledigt ist, mit seinem
                            Ergebnis nennen, dann die Anzahlen.
  resume                    doit.pro (mit Journal) und einen neuen Auftrag für
                            die Einträge schreiben, die nicht erledigt sind: in
                            ihrer Reihenfolge, mit derselben Funktion und
                            denselben Angaben, jeder Wert bei seinem Teil.
  run AUFTRAG               doit.pro und einen neuen Auftrag aus dem Auftrag
                            AUFTRAG (eine Datei doit.stapel oder ihr
                            Verzeichnis) schreiben: dieselben Einträge mit
                            derselben Funktion, denselben Angaben und dem Journal
                            wie damals, in das Verzeichnis des Auftrags oder
                            mit -o in ein anderes.

Vor dem Schreiben wird geprüft: Modellnamen (vor der Endung) höchstens %2 Zeichen,
nur Buchstaben, Ziffern, "_" und "-", nicht mit "-" am Anfang, und eine
Typ-Endung, die ein Modelltyp von Pro/E ist
(%5);
Parameternamen höchstens %3 Zeichen, mit einem Buchstaben am Anfang, nur
Buchstaben, Ziffern und "_"; Parameterwerte höchstens %4 Zeichen; jeder Mapkey
der Kette in der config.pro des Ausgabeverzeichnisses oder des Home-
Verzeichnisses definiert. Gemeldet werden auch Umlaute und ß in Modellnamen
(für Wildfire nicht dokumentiert), zwei Einträge, die dieselbe Datei öffnen oder
unter demselben Namen speichern (ohne Rücksicht auf Groß- und Kleinschreibung),
bei save-as Einträge, deren letzte vier Zeichen nicht ein Punkt und ein
Modelltyp sind (genannt wird, was gespeichert würde), und Schritte der Kette,
die Pro/E als Tastatureingabe sendet (weder "%mapkey" noch "#menü" noch leer).
Außer bei save-as wird jede Datei gesucht, wo Pro/E sie sucht: im
Ausgabeverzeichnis (dem Arbeitsverzeichnis), dann im Suchpfad (search_path und
die Datei von search_path_file in diesen config.pro); gemeldet wird, was dort
nirgends liegt, in mehreren Verzeichnissen liegt, in einer anderen Version oder
an einem anderen Ort geöffnet würde, als die Liste nennt, und bei den
Parameterfunktionen, was schreibgeschützt ist. Befunde stehen als Warnung auf der
Standardfehlerausgabe, geschrieben wird trotzdem.

Neben jede doit.pro kommt der Auftrag doit.stapel: die Kennung des Laufs, die Zeit,
die Funktion mit ihren Angaben und jeder Eintrag mit der Datei, die Pro/E öffnen
wird. Mit --journal hängt doit am Anfang, nach jedem Eintrag und am Ende mit einem
Schritt @SYSTEM eine Zeile an die Datei doit.journal im Arbeitsverzeichnis an (die
Kennung des Laufs und die Nummer des Eintrags, etwa 65 Bytes je Eintrag in
doit.pro). Daraus und aus den gespeicherten Versionen nennt report jedes Ergebnis:
erledigt (die Zeile steht im Journal und, wo die Funktion speichert, liegt eine
neue Version da), keine neue Version (doit ging weiter, aber nichts wurde
gespeichert), hier angehalten, nicht erreicht, unbekannt (ohne Journal bei
run-mapkeys). Eine neue doit.pro beginnt einen neuen Lauf.

Optionen:
  -l, --list DATEI          Die Dateinamen (ohne -l oder mit "-": die
                            Standardeingabe).
  -o, --output VERZEICHNIS  Wohin doit.pro oder config.pro geschrieben wird (ohne
                            -o: das aktuelle Verzeichnis). Es muss bestehen.
  --stdout                  doit.pro (Windows-1252, CR LF) auf die Standardausgabe
                            statt in die Datei.
  --values DATEI            Ein Wert je Zeile, der Reihe nach den Teilen zugeordnet:
                            Zeilen enden mit CR LF, CR oder LF, leere Zeilen sind
                            leere Werte. Es muss so viele Werte wie Teile geben.
  --keyed DATEI             Zeilen "NAME<Tab>WERT" oder "NAME;WERT" (getrennt am
                            ersten Tab, sonst am ersten ";"), den Teilen nach
                            ihrem Namen zugeordnet, gleich in welcher Reihenfolge
                            und Schreibweise; ein Name ohne Endung gilt für das
                            eine Teil dieses Namens. Leerzeichen um Name und Wert
                            zählen nicht, eine erste Zeile mit dem Namen "Name"
                            ist die Überschrift. Ein Teil ohne Wert, ein Name ohne
                            Teil oder ein Name mit zwei Werten bricht ab.
  --allow-missing           Mit --keyed: Teile ohne Wert erhalten den leeren Wert;
                            fehlende und überzählige Namen werden nur gemeldet.
  --allow-second            Mit install-auto: auto auch anhängen, wenn die
                            config.pro es schon definiert.
  --strict                  Ein Befund der Prüfung bricht ab: nichts wird
                            geschrieben.
  -q, --quiet               Nichts melden, wenn alles gelungen ist; sonst sagt
                            eine Zeile auf der Standardfehlerausgabe, welche
                            Datei mit welcher Funktion und wie vielen Einträgen
                            geschrieben wurde. Warnungen und Ablehnungen
                            bleiben.
  --no-locate               Die Dateien nicht suchen (sie liegen in einem
                            Workspace, den die Prüfung nicht sieht).
  --journal                 doit schreibt ins Journal doit.journal, wie weit es
                            kam; report und resume lesen es.
  -h, --help                Diese Hilfe.
  --version                 Die Versionsnummer.

Dateien und die Standardeingabe werden als UTF-8 gelesen, wenn sie gültiges UTF-8
sind, sonst als Windows-1252; mit Byte-Order-Mark auch als UTF-16. Ein Parametername
oder -wert mit ";" wird abgelehnt (in einem Mapkey beendet es einen Schritt),
ebenso ein leerer Parametername. Die Einstellungen des Fensters (die letzte Mapkey-
Kette, die letzten Parameternamen) werden weder gelesen noch gespeichert.

%6
Rückgabewert: 0 erfolgreich; 1 abgelehnt oder gescheitert (die Meldung steht auf der
Standardfehlerausgabe, es wurde nichts geschrieben); 2 fehlerhafter Aufruf.
Bei check: 0 nichts gefunden; 1 etwas gefunden; 2 nicht geprüft (fehlerhafter
Aufruf, eine Liste oder das Verzeichnis nicht lesbar, ein Eintrag abgelehnt).
Bei report: 0 jeder Eintrag erledigt; 1 ein Eintrag nicht erledigt oder sein
Ergebnis unbekannt; 2 kein lesbarer Auftrag.
%7)")
// The examples of --help for a POSIX shell.
STAPELWERK_TEXT(kBatchExamples, R"(Beispiele:
  grep '\.drw$' export.txt | stapelwerk-batch -o ~/pro save-as
  stapelwerk-batch -l teile.txt run-mapkeys '+;%bb;%00;'
  stapelwerk-batch -l teile.txt delete-parameter gewicht
  stapelwerk-batch -l teile.txt assign-parameter MATERIAL --values werte.txt
  stapelwerk-batch -l teile.txt assign-parameter MATERIAL --keyed material.csv
  stapelwerk-batch -l teile.txt --stdout save-as > doit.pro
  stapelwerk-batch -o ~/pro install-auto
  stapelwerk-batch -l teile.txt -o ~/pro check run-mapkeys '+;%bb;%00;'
  stapelwerk-batch -l teile.txt -o ~/pro --journal delete-parameter gewicht
  stapelwerk-batch -o ~/pro report
  stapelwerk-batch -o ~/pro resume
  stapelwerk-batch run ~/pro/doit.stapel
)")
// The examples of --help for cmd.exe, as a .bat file holds them, and the notes for Windows
// that the manual page has elsewhere.
STAPELWERK_TEXT(kBatchExamplesWindows, R"(Beispiele, so wie sie in einer .bat-Datei stehen; an der
Eingabeaufforderung steht statt %% ein einfaches %:
  findstr /i /r "\.drw$" export.txt | stapelwerk-batch -o C:\proe save-as
  stapelwerk-batch -l teile.txt run-mapkeys "+;%%bb;%%00;"
  stapelwerk-batch -l teile.txt delete-parameter gewicht
  stapelwerk-batch -l teile.txt assign-parameter MATERIAL --values werte.txt
  stapelwerk-batch -l teile.txt assign-parameter MATERIAL --keyed material.csv
  stapelwerk-batch -l teile.txt --stdout save-as > doit.pro
  stapelwerk-batch -o C:\proe install-auto
  stapelwerk-batch -l teile.txt -o C:\proe check run-mapkeys "+;%%bb;%%00;"
  stapelwerk-batch -l teile.txt -o C:\proe --journal delete-parameter gewicht
  stapelwerk-batch -o C:\proe report
  stapelwerk-batch -o C:\proe resume
  stapelwerk-batch run C:\proe\doit.stapel
)")
STAPELWERK_TEXT(kBatchNotesWindows, R"(
Unter Windows: Ein Argument mit Leerzeichen, ";" oder "%" steht in doppelten
Anführungszeichen; einfache kennt cmd.exe nicht, sie kämen in die Kette (die
Prüfung meldet eine Kette mit Anführungszeichen). In einer .bat-Datei wird jedes %
verdoppelt, sonst liest cmd.exe %bb;% als leere Variable und der Mapkey bb fehlt.
Pfade mit Laufwerk und \, etwa C:\proe. Nach der Installation liegt
stapelwerk-batch.exe in "%LOCALAPPDATA%\Programs\Stapelwerk". Strg+C, Strg+Pause oder
das Schließen des Konsolenfensters während des Schreibens lassen die alte Datei, wie
sie war; der Rückgabewert ist dann der von Windows für Strg+C (0xC000013A). Eine
schreibgeschützte Datei wird abgelehnt, nicht ersetzt. /? zeigt diese Hilfe.
)")
// A usage error: %1 what is wrong, %2 (with a detail) what the call lacks or has too much,
// then the forms of the call.
STAPELWERK_TEXT(kMessageBatchUsageError,
                "stapelwerk-batch: %1\n"
                "%2Mehr dazu: stapelwerk-batch --help\n")
STAPELWERK_TEXT(kMessageBatchUsageErrorWithDetail,
                "stapelwerk-batch: %1 (%2)\n"
                "%3Mehr dazu: stapelwerk-batch --help\n")
// Standard input read from a console: how to end it (%1, by the system).
STAPELWERK_TEXT(kConsoleListHint,
                "Bitte die Dateinamen eingeben, einen je Zeile; die Eingabe endet mit %1.")
STAPELWERK_TEXT(kConsoleValuesHint,
                "Bitte die Werte eingeben, einen je Zeile; die Eingabe endet mit %1.")
STAPELWERK_TEXT(kConsoleEndKeys, "Strg+D")
STAPELWERK_TEXT(kConsoleEndKeysWindows, "Strg+Z und der Eingabetaste")
STAPELWERK_TEXT(kUsageMissing, "Es fehlt eine Funktion oder ein Argument.")
STAPELWERK_TEXT(kUsageNotExpected,
                "Eine unbekannte Funktion oder Option, oder ein Argument zu viel.")
STAPELWERK_TEXT(kUsageValuesOrKeyed,
                "assign-parameter braucht entweder --values DATEI oder --keyed DATEI.")
STAPELWERK_TEXT(kUsageAllowMissingWithoutKeyed, "--allow-missing gilt nur zusammen mit --keyed.")
STAPELWERK_TEXT(kUsageOptionValue,
                "Einer Option fehlt ihr Wert, oder sie steht mehr als einmal da.")
STAPELWERK_TEXT(
    kUsageInstallAutoReadsNoList,
    "install-auto liest keine Liste und schreibt config.pro: -l und --stdout passen nicht dazu.")
STAPELWERK_TEXT(kUsageOneStandardInput,
                "Nur eine Eingabe kann von der Standardeingabe (\"-\") kommen.")
STAPELWERK_TEXT(kUsageWrong, "Der Aufruf ist fehlerhaft.")
STAPELWERK_TEXT(kUsageJobReadsNoList,
                "report, resume und run lesen keine Liste und schreiben nicht auf die "
                "Standardausgabe: "
                "-l und --stdout passen nicht dazu.")
STAPELWERK_TEXT(kUsageJournalNotToStandardOutput,
                "--journal braucht den Auftrag doit.stapel, der nur mit der Datei doit.pro "
                "entsteht: --stdout passt nicht dazu.")
// The details of a usage error: what is missing (a function, KETTE, NAME), what came too much.
STAPELWERK_TEXT(kUsageDetailMissing, "%1 fehlt")
STAPELWERK_TEXT(kUsageDetailNotExpected, "nicht erwartet: %1")
STAPELWERK_TEXT(kUsageFunction, "Funktion")
STAPELWERK_TEXT(kUsageChain, "KETTE")
STAPELWERK_TEXT(kUsageName, "NAME")
STAPELWERK_TEXT(kUsageJob, "AUFTRAG")
// What a refusal of the command line left undone, the last sentence of its message (%3 and
// the like below): a call that writes saved nothing, "check" checked nothing.
STAPELWERK_TEXT(kNothingSaved, "Es wurde nichts gespeichert.")
STAPELWERK_TEXT(kNothingChecked, "Es wurde nichts geprüft.")
STAPELWERK_TEXT(kMessageOutputDirectoryMissing,
                "Das Ausgabeverzeichnis %1 ist nicht verfügbar.\n"
                "Grund: %2\n"
                "%3")
STAPELWERK_TEXT(kMessageStandardInputNotRead, "Die Standardeingabe konnte nicht gelesen werden. %1")
STAPELWERK_TEXT(kMessageStandardInputTooLarge,
                "Die Standardeingabe ist größer als %1; so große Eingaben liest Stapelwerk nicht. "
                "%2")
STAPELWERK_TEXT(kMessageListEmpty, "Die Liste %1 enthält keine Dateinamen. %2")
STAPELWERK_TEXT(kMessageStandardInputListEmpty, "Die Standardeingabe enthält keine Dateinamen. %1")
// What a call wrote: %1 the file, %2 the function as called, %3 how many entries.
STAPELWERK_TEXT(kMessageBatchWritten, "Die Datei %1 wurde geschrieben: %2, %3.")
STAPELWERK_TEXT(kMessageBatchWrittenToStandardOutput,
                "Die Datei doit.pro wurde auf die Standardausgabe geschrieben: %1, %2.")
STAPELWERK_TEXT(kOneEntry, "1 Eintrag")
STAPELWERK_TEXT(kEntries, "%1 Einträge")
// When memory runs out, at the top of either program, which then ends.
STAPELWERK_TEXT(kMessageOutOfMemory,
                "Der Arbeitsspeicher reicht nicht aus. Stapelwerk wird beendet; eine Datei, die "
                "gerade geschrieben wurde, bleibt, wie sie war.")
STAPELWERK_TEXT(
    kMessageStandardOutputNotWritten,
    "Die Datei doit.pro konnte nicht vollständig auf die Standardausgabe geschrieben werden.")

// Values matched by name: the names in question, one a line under a heading, and how many
// more there are past those shown.
STAPELWERK_TEXT(kHeadingEntriesWithoutValue, "Diese Teile haben keinen Wert in der Werteliste:")
STAPELWERK_TEXT(kHeadingNamesWithoutEntry, "Diese Namen der Werteliste gehören zu keinem Teil:")
STAPELWERK_TEXT(kHeadingAmbiguousNames,
                "Diese Namen ohne Endung haben mehrere Teile; sie brauchen ihre Endung:")
STAPELWERK_TEXT(kMoreNotShown, "… und %1 weitere")
// The first parts matched by name with their values.
STAPELWERK_TEXT(kHeadingValuesOfParts, "So erhalten die Teile ihre Werte:")
STAPELWERK_TEXT(kPartGetsValue, "%1 erhält %2")
STAPELWERK_TEXT(kHeadingConflictingNames,
                "Diese Namen stehen mit verschiedenen Werten in der Werteliste:")
STAPELWERK_TEXT(kMessageKeyedValuesRefused, "Es wurde kein Mapkey erstellt.")
STAPELWERK_TEXT(kHintAllowMissing,
                "Mit --allow-missing werden Teile ohne Wert und Namen ohne Teil nur gemeldet; "
                "Teile ohne Wert erhalten dann den leeren Wert.")
STAPELWERK_TEXT(
    kQuestionBuildWithGaps,
    "Soll der Mapkey trotzdem erstellt werden ? Teile ohne Wert erhalten den leeren Wert.")
STAPELWERK_TEXT(kWarningEmptyValues, "Achtung : Teile ohne Wert erhalten den leeren Wert.")

// Captions, labels, tool tips and accessible names of the windows
STAPELWERK_TEXT(kOutputDirectoryCaption, "Speicherort der Ausgabedatei:")
STAPELWERK_TEXT(kOutputDirectoryCaptionDescription, "Öffnet die Auswahl des Speicherorts")
STAPELWERK_TEXT(kUserName, "Benutzer")
STAPELWERK_TEXT(kStatusInitial, "status")
STAPELWERK_TEXT(kStatusLineName, "Statuszeile")
STAPELWERK_TEXT(kInstallAutoButton, R"(Mapkey "a&uto" der config.pro zuweisen)")
STAPELWERK_TEXT(kExitToolTip, "EXIT")
STAPELWERK_TEXT(kExitName, "Programm beenden")
STAPELWERK_TEXT(kMainWindowTitle, "Zinkhorn +++ Stapelwerk für Wildfire +++")
STAPELWERK_TEXT(kShowWorkList, "Dateiauswahl anzeigen")
STAPELWERK_TEXT(kInfoToolTip, "Info")
STAPELWERK_TEXT(kShowInfo, "Info anzeigen")
STAPELWERK_TEXT(kExplanationName, "Erklärung")
STAPELWERK_TEXT(kJobMenuButton, "Auftra&g")
STAPELWERK_TEXT(kJobMenuName, "Auftrag öffnen oder speichern")
STAPELWERK_TEXT(kOpenJob, "Auftrag &öffnen…")
STAPELWERK_TEXT(kSaveJobAs, "Auftrag &speichern unter…")
STAPELWERK_TEXT(kOpenJobTitle, "Auftrag öffnen")
STAPELWERK_TEXT(kRecentJobs, "&Letzte Aufträge…")
STAPELWERK_TEXT(kRecentJobsTitle, "Letzte Aufträge")
STAPELWERK_TEXT(kRecentJobsListName, "Die letzten Aufträge, der neueste zuerst")
STAPELWERK_TEXT(kRecentJobOpen, "Ö&ffnen")
STAPELWERK_TEXT(kRecentJobOpenName, "Den gewählten Auftrag öffnen")
STAPELWERK_TEXT(kRecentJobView, "An&sehen")
STAPELWERK_TEXT(kRecentJobViewName, "Die doit.pro des gewählten Auftrags in der Vorschau ansehen")
// A line of the last jobs: %1 when it was written, %2 its function, %3 how many entries.
STAPELWERK_TEXT(kRecentJobLine, "%1   %2, %3")
STAPELWERK_TEXT(kSaveJobTitle, "Auftrag speichern unter")
STAPELWERK_TEXT(kJobFileFilter, "Aufträge (*.stapel);;Alle Dateien (*)")
STAPELWERK_TEXT(kWriteButton, "doit.pro jetzt &anlegen")
STAPELWERK_TEXT(kPreviewButton, "&Vorschau")
STAPELWERK_TEXT(kPreviewButtonName, "Vorschau der doit.pro")
STAPELWERK_TEXT(kOk, "OK")
STAPELWERK_TEXT(kInfoTextName, "Info")
STAPELWERK_TEXT(kOpenDownloadPage, "Downloadseite öffnen")
STAPELWERK_TEXT(kOkLower, "ok")
STAPELWERK_TEXT(kCompletionPictureName, "Fertig, Meldung schließen")
STAPELWERK_TEXT(kEditFile, "Datei editieren")
STAPELWERK_TEXT(kCompletionOkName, "ok, Meldung schließen")
STAPELWERK_TEXT(kFunctionPanelName, "Funktionen")
STAPELWERK_TEXT(kFunctionMapkeys, "&Mapkeys eingeben")
STAPELWERK_TEXT(kFunctionAssignParameter, "Parameter &erzeugen")
STAPELWERK_TEXT(kFunctionDeleteParameter, "Parameter &löschen")
STAPELWERK_TEXT(kFunctionSaveAs, "Über&speichern/ Erzeugen")
STAPELWERK_TEXT(kChainDialogTitle, "Mapkey ausführen")
STAPELWERK_TEXT(kChainCaption, "Name des Mapkeys eingeben:")
STAPELWERK_TEXT(kChainExampleName, "Beispiel")
STAPELWERK_TEXT(kChainExampleHint, R"(mehrere Mapkeys mit ";" und "%" trennen, z.B.: )")
STAPELWERK_TEXT(kChainExample, "+;%bb;%00;")
STAPELWERK_TEXT(kChainExampleFieldName, "Beispiel einer Mapkey-Kette")
STAPELWERK_TEXT(kPreviewSearch, "&Suchen:")
STAPELWERK_TEXT(kPreviewFindNext, "&Weitersuchen")
STAPELWERK_TEXT(kPreviewFindNextToolTip, "Nächste Fundstelle (F3)")
STAPELWERK_TEXT(kPreviewContentName, "Inhalt der doit.pro")
STAPELWERK_TEXT(kClose, "Schließen")
STAPELWERK_TEXT(kDeletionDialogTitle, "Parameter loeschen")
STAPELWERK_TEXT(kDeletionCaption, "Parametername eingeben:")
STAPELWERK_TEXT(kDeletionWarning,
                "Die Option  new_parameter_ui no  muß für diese Funktion gesetzt sein !")
STAPELWERK_TEXT(kParameterDialogTitle, "Parameter hinzufügen")
STAPELWERK_TEXT(kParameterNameCaption, "Name des Parameters")
STAPELWERK_TEXT(kHelpToolTip, "Hilfe")
STAPELWERK_TEXT(kValueListHelpName, "Hilfe zur Werteliste")
STAPELWERK_TEXT(kPartsCaption, "Liste der Teile")
STAPELWERK_TEXT(kValuesCaption, "Parameterwerte ")
STAPELWERK_TEXT(kValuesMenuHint, "(rechte Maustaste für Menü-Box)")
STAPELWERK_TEXT(kValuesMenuName, "Menü der Parameterwerte")
STAPELWERK_TEXT(kValuesPaste, "<- paste")
STAPELWERK_TEXT(kPasteName, "Zwischenablage einfügen")
STAPELWERK_TEXT(kCloseMenu, "Menü schließen")
STAPELWERK_TEXT(kValuesDeleteMarked, "markiertes löschen")
STAPELWERK_TEXT(kValuesSingleEntryCaption, "Einzelner Eintrag:")
STAPELWERK_TEXT(kValuesAdd, "hinzufügen")
STAPELWERK_TEXT(kValuesClear, "alles löschen")
STAPELWERK_TEXT(kValuesSave, "Liste speichern")
STAPELWERK_TEXT(kValuesOpen, "Liste öffnen")
// "Liste aus Datei…" in the menus of the work list and of the parameter values.
STAPELWERK_TEXT(kListFromFile, "Liste aus Datei…")
STAPELWERK_TEXT(kListFromFileName, "Liste aus einer beliebigen Datei lesen")
STAPELWERK_TEXT(kWorkListFileTitle, "Liste der Dateien aus Datei lesen")
STAPELWERK_TEXT(kValuesFileTitle, "Parameterwerte aus Datei lesen")
STAPELWERK_TEXT(kStatusListFileRead, "Liste aus %1 gelesen")
STAPELWERK_TEXT(kMessageValueListMissing,
                "Die Werteliste %1 gibt es noch nicht; sie entsteht mit \"Liste speichern\". "
                "Eine Liste aus einer anderen Datei öffnet \"Liste aus Datei…\". Die "
                "Parameterwerte bleiben, wie sie waren.")
STAPELWERK_TEXT(kFileBrowserName, "Dateiliste")
STAPELWERK_TEXT(kFileBrowserHeading, "Erzeugung der Dateiliste")
STAPELWERK_TEXT(kFileBrowserCloseName, "Dateiliste schließen")
STAPELWERK_TEXT(kDirectoryPathName, "Pfad des Verzeichnisses")
STAPELWERK_TEXT(kDirectoryListName, "Verzeichnis")
STAPELWERK_TEXT(kDriveName, "Laufwerk")
STAPELWERK_TEXT(kFilterCaption, "Filter:")
STAPELWERK_TEXT(kFilterInitial, "*.drw*")
STAPELWERK_TEXT(kFilterName, "Filter")
STAPELWERK_TEXT(kFileBrowserDoneName, "Dateiliste übernehmen")
STAPELWERK_TEXT(kOutputChooserTitle, "Speicherort doit.pro")
STAPELWERK_TEXT(kOutputDirectoryListName, "Verzeichnis für doit.pro")
STAPELWERK_TEXT(kOutputDriveName, "Laufwerk für doit.pro")
STAPELWERK_TEXT(kOutputChooserOkName, "Speicherort übernehmen")
STAPELWERK_TEXT(kWorkListPanelName, "Dateiauswahl")
STAPELWERK_TEXT(kHideWorkList, "Dateiauswahl ausblenden")
STAPELWERK_TEXT(kWorkListName, "Liste der Dateien")
STAPELWERK_TEXT(kManualEntryName, "Einzelner Eintrag")
STAPELWERK_TEXT(kWorkListMenuTitle, "Menue")
STAPELWERK_TEXT(kWorkListPaste, "<-- PASTE")
STAPELWERK_TEXT(kWorkListAll, "ALLE")
STAPELWERK_TEXT(kSelectAllName, "Alle auswählen")
STAPELWERK_TEXT(kDeselectAllName, "Alle abwählen")
STAPELWERK_TEXT(kClearList, "Liste löschen")
STAPELWERK_TEXT(kManualEntryButton, "einzelner Eintrag")
STAPELWERK_TEXT(kAppendDrwName, ".drw anhängen")
STAPELWERK_TEXT(kAppendPrtName, ".prt anhängen")
STAPELWERK_TEXT(kStripDrwName, ".drw entfernen")
STAPELWERK_TEXT(kStripPrtName, ".prt entfernen")
STAPELWERK_TEXT(kFileBrowserToolTip, "file bowser")
STAPELWERK_TEXT(kOpenFileBrowser, "Dateibrowser öffnen")
STAPELWERK_TEXT(kWorkListQuit, "quit")
STAPELWERK_TEXT(kDrwCaption, "drw")
STAPELWERK_TEXT(kPrtCaption, "prt")
STAPELWERK_TEXT(
    kWorkListInstruction,
    "klicken Sie mit der rechte Maustaste in das weiße Feld um die Liste zu bearbeiten. "
    "Es werden nur die markierten Einträge bearbeitet.")
STAPELWERK_TEXT(
    kChainWarning,
    "bei der Ausführung wird NICHT automatisch gespeichert ! Tipp: Definieren Sie einen "
    "Mapkey zum Speichern, z.B. 00 wie im Beispiel unten und fügen Sie diesen Mapkey am Ende "
    "Ihrer Befehlskette an !")

// The check before doit.pro is written: the headings of its findings (%1: a limit or the
// characters allowed, from the check's rules), and how the command line and the dialog show
// them.
STAPELWERK_TEXT(kFindingModelNameTooLong,
                "Bei diesen Einträgen hat der Modellname (vor der Endung) mehr als %1 Zeichen:")
STAPELWERK_TEXT(kFindingModelNameCharacters,
                "Bei diesen Einträgen enthält der Modellname andere Zeichen als %1, etwa "
                "Leerzeichen, Klammern oder Satzzeichen:")
STAPELWERK_TEXT(kFindingModelNameStart, "Bei diesen Einträgen beginnt der Modellname mit %1:")
STAPELWERK_TEXT(
    kFindingNoTypeExtension,
    "Diese Einträge haben keine Typ-Endung (wie .prt, .asm, .drw) und sind keine Modelldateien:")
STAPELWERK_TEXT(kFindingParameterNameTooLong, "Der Parametername hat mehr als %1 Zeichen:")
STAPELWERK_TEXT(kFindingParameterNameCharacters, "Der Parametername enthält andere Zeichen als %1:")
STAPELWERK_TEXT(kFindingParameterNameStart, "Der Parametername beginnt nicht mit einem Buchstaben:")
STAPELWERK_TEXT(kFindingValueTooLong,
                "Bei diesen Teilen hat der Parameterwert mehr als %1 Zeichen:")
// %1: the quote characters, as a list.
STAPELWERK_TEXT(kFindingChainQuotes,
                "Die Mapkey-Kette enthält Anführungszeichen (%1), die kein Mapkey-Name hat; meist "
                "kamen sie vom Aufruf in der Befehlszeile, etwa einfache unter cmd.exe:")
STAPELWERK_TEXT(
    kFindingMapkeyUndefined,
    "Diese Mapkeys der Kette sind in keiner config.pro definiert, die Pro/E beim Start liest:")
STAPELWERK_TEXT(kFindingMapkeysNotLooked,
                "Ob die Mapkeys der Kette definiert sind, konnte nicht geprüft werden; keine "
                "config.pro war zu lesen:")
// %1: the model types of the rules.
STAPELWERK_TEXT(kFindingUnknownModelType,
                "Bei diesen Einträgen ist die Typ-Endung kein Modelltyp von Pro/E (%1):")
STAPELWERK_TEXT(kFindingModelNameNotAscii,
                "Bei diesen Einträgen enthält der Modellname Buchstaben außerhalb von ASCII, etwa "
                "Umlaute oder ß. Spätere Versionen von Pro/E nehmen sie, für Wildfire ist es nicht "
                "dokumentiert; bitte selbst entscheiden:")
STAPELWERK_TEXT(
    kFindingSaveAsNameCut,
    "Überspeichern schneidet von jedem Eintrag die letzten vier Zeichen ab. Bei diesen "
    "Einträgen sind es nicht ein Punkt und ein Modelltyp, gespeichert würde unter einem "
    "anderen Namen:")
// An entry of the finding above: %1 the entry, %2 the name it would be saved under.
STAPELWERK_TEXT(kFindingEntrySavedAs, "%1 wird als %2 gespeichert")
STAPELWERK_TEXT(kFindingSavedTwice,
                "Doppelt: Diese Einträge würden unter demselben Namen gespeichert wie ein Eintrag "
                "davor (Groß- und Kleinschreibung zählt nicht); der spätere ersetzt den früheren:")
STAPELWERK_TEXT(kFindingOpenedTwice,
                "Doppelt: Diese Einträge nennen dieselbe Datei wie ein Eintrag davor (Groß- und "
                "Kleinschreibung zählt nicht); sie würde noch einmal geöffnet:")
// An entry of the two findings above: %1 the entry, %2 the earlier entry it repeats.
STAPELWERK_TEXT(kFindingEntryLike, "%1 wie %2")
STAPELWERK_TEXT(kFindingChainStepTyped,
                "Diese Schritte der Kette sind weder ein Mapkey (mit %) noch eine Menüauswahl (mit "
                "#); Pro/E sendet sie als Tastatureingabe:")
// A config.pro that could not be read, as a finding lists it: %1 the path, %2 the reason.
STAPELWERK_TEXT(kPathWithReason, "%1: %2")
// The option that the deletion needs (%1 the option, %2 its value, from the check's rules),
// and what each config.pro read sets it to (%1 the path, %2 the option, %3 the value set).
STAPELWERK_TEXT(
    kFindingOptionNotSet,
    "Die Funktion \"Parameter löschen\" braucht die Option %1 %2, sonst bleibt der Lauf "
    "beim ersten Teil stehen. Die config.pro, die Pro/E beim Start liest, setzen sie "
    "nicht so:")
STAPELWERK_TEXT(kFindingOptionNotLooked,
                "Ob die Option %1 %2 gesetzt ist, die die Funktion \"Parameter löschen\" braucht, "
                "konnte nicht geprüft werden; keine config.pro war zu lesen:")
STAPELWERK_TEXT(kOptionInFile, "%1: %2 %3")
STAPELWERK_TEXT(kOptionNotInFile, "%1: setzt %2 nicht")
// Where the CAD system finds the entries: the headings, an entry with its note (%1 the entry,
// %2 the note), and the notes (%1 the file Pro/E opens, %2 the other places; %1 the version or
// directory the list names, %2 the file opened).
STAPELWERK_TEXT(kFindingNoEntryFound,
                "Keinen der Einträge findet Pro/E im Arbeitsverzeichnis (dem Speicherort) oder im "
                "Suchpfad. Liegen die Dateien in einem Workspace, ist das kein Fehler; dann lässt "
                "sich die Suche abschalten (\"Fundorte nicht prüfen\", --no-locate). Gesucht "
                "wurde in:")
STAPELWERK_TEXT(
    kFindingEntryNotFound,
    "Diese Einträge findet Pro/E weder im Arbeitsverzeichnis (dem Speicherort) noch im "
    "Suchpfad; dort bliebe der Lauf stehen oder arbeitete am angezeigten Modell weiter:")
STAPELWERK_TEXT(kFindingFoundInSeveralPlaces,
                "Diese Einträge liegen in mehreren Verzeichnissen; Pro/E öffnet den ersten Fund, "
                "auch wenn ein anderer neuer ist:")
STAPELWERK_TEXT(kFindingOtherVersionOpened,
                "Bei diesen Einträgen nennt die Liste eine Version; Pro/E öffnet aber die neueste:")
STAPELWERK_TEXT(
    kFindingOtherDirectoryOpened,
    "Diese Einträge nennt die Liste mit einem Verzeichnis; Pro/E öffnet aber zuerst eine "
    "Datei dieses Namens an einem anderen Ort:")
STAPELWERK_TEXT(kFindingWriteProtected,
                "Diese Dateien sind schreibgeschützt; Pro/E könnte sie nach der Änderung nicht "
                "speichern:")
STAPELWERK_TEXT(
    kFindingPlacesNotRead,
    "Diese Orte des Suchpfads konnten nicht gelesen werden; was dort liegt, wurde nicht "
    "gefunden:")
STAPELWERK_TEXT(kFindingLocateStopped,
                "Wo Pro/E die Dateien findet, wurde nicht geprüft: Die Suche wurde abgebrochen.")
STAPELWERK_TEXT(kItemWithNote, "%1: %2")
STAPELWERK_TEXT(kNoteOpens, "Pro/E öffnet %1")
STAPELWERK_TEXT(kNoteFoundAgain, "Pro/E öffnet %1, liegt auch in %2")
STAPELWERK_TEXT(kNoteOtherVersion, "die Liste nennt Version %1, Pro/E öffnet %2")
STAPELWERK_TEXT(kNoteOtherDirectory, "die Liste nennt %1, Pro/E öffnet %2")
// The switch of the look-up, in the findings and the preview, and the wait for it.
STAPELWERK_TEXT(kSkipLocate, "&Fundorte nicht prüfen (die Dateien liegen in einem Workspace)")
STAPELWERK_TEXT(kLocateProgress,
                "Die Prüfung sucht die Dateien, wo Pro/E sie sucht: Verzeichnis %1 von %2 …")
STAPELWERK_TEXT(kLocateStarting, "Die Prüfung sucht die Dateien, wo Pro/E sie sucht …")
STAPELWERK_TEXT(kLocateCancel, "Abbrechen")
// The characters a name may hold besides the marks of its rule, as the headings list them.
STAPELWERK_TEXT(kLetters, "Buchstaben")
STAPELWERK_TEXT(kDigits, "Ziffern")
STAPELWERK_TEXT(
    kWarningFindings,
    "Achtung : Die Prüfung vor dem Schreiben hat gefunden, woran Pro/E scheitern würde.")
STAPELWERK_TEXT(kMessageFindingsRefused,
                "Mit --strict ist ein Befund eine Ablehnung: Es wurde nichts geschrieben.")
STAPELWERK_TEXT(kCheckFoundNothing, "Die Prüfung hat nichts gefunden.")
STAPELWERK_TEXT(kFindingsDialogTitle, "Prüfung vor dem Schreiben")
STAPELWERK_TEXT(
    kFindingsIntro,
    "Hieran würde Pro/E bei der Ausführung scheitern. Die doit.pro ist noch nicht geschrieben.")
STAPELWERK_TEXT(kFindingsListName, "Befunde der Prüfung")
STAPELWERK_TEXT(kFindingsWriteAnyway, "&Trotzdem schreiben")
STAPELWERK_TEXT(kFindingsCancel, "Abbrechen")
STAPELWERK_TEXT(kFindingsUnmark, "Einträge a&bwählen")
STAPELWERK_TEXT(kFindingsUnmarkName, "Die betroffenen Einträge in der Dateiauswahl abwählen")
STAPELWERK_TEXT(kStatusEntriesUnmarked,
                "%1 Einträge abgewählt. Bitte mit ok bestätigen und den Mapkey neu erstellen.")
STAPELWERK_TEXT(kChainDefinedCaption, "Definierte Mapkeys:")
STAPELWERK_TEXT(kChainDefinedName, "Definierte Mapkeys, Doppelklick oder Eingabetaste fügt an")
STAPELWERK_TEXT(kChainNoConfigPro,
                "Keine config.pro zu lesen: Welche Mapkeys definiert sind, ist unbekannt.")
STAPELWERK_TEXT(kChainAllDefined, "Alle Mapkeys der Kette sind definiert.")
STAPELWERK_TEXT(kChainWhereLooked,
                "Beim Schreiben sucht die Prüfung jede Datei, wo Pro/E sie sucht: im Speicherort "
                "(dem Arbeitsverzeichnis), dann im Suchpfad, den search_path und search_path_file "
                "der config.pro im Home-Verzeichnis und im Speicherort angeben.")
// %1: the mapkeys of the chain that no config.pro defines.
STAPELWERK_TEXT(kChainUndefinedNote, "Nicht definiert: %1")

// The job record doit.stapel beside doit.pro, the journal of the run, and each entry's
// result as report, resume and the window tell it (%1, %2: paths, counts and the run's id).
STAPELWERK_TEXT(kMessageNoJobRecord,
                "Im Verzeichnis %1 liegt kein Auftrag doit.stapel. Er entsteht, wenn dort eine "
                "doit.pro geschrieben wird.")
STAPELWERK_TEXT(kMessageJobRecordDamaged,
                "Der Auftrag %1 ist in Zeile %2 beschädigt und wird nicht gelesen. Die nächste "
                "doit.pro in diesem Verzeichnis schreibt ihn neu.")
STAPELWERK_TEXT(kMessageJobRecordNewer,
                "Der Auftrag %1 hat das Format %2 einer neueren Version von Stapelwerk; diese "
                "Version liest nur das Format %3. Bitte die neuere Version verwenden.")
STAPELWERK_TEXT(kMessageJobRecordTooLarge,
                "Der Auftrag %1 ist größer als %2 und wird nicht gelesen; so große Aufträge "
                "schreibt Stapelwerk nicht.")
STAPELWERK_TEXT(kMessageJobRecordNotWritten,
                "Die Datei doit.pro wurde geschrieben, der Auftrag %1 aber nicht. Welche Einträge "
                "dieser Lauf erledigt, kann daher nicht ermittelt werden.\n"
                "Grund: %2")
STAPELWERK_TEXT(kMessageNothingToResume,
                "Alle %1 Einträge des Laufs %2 sind erledigt; es bleibt nichts zu tun. Es wurde "
                "keine doit.pro geschrieben.")
// A job kept as a file and built again from it (%1: the record's path, %2: the reason).
STAPELWERK_TEXT(kMessageJobNotSaved, "Der Auftrag %1 wurde nicht gespeichert.\nGrund: %2")
// %1: the record's path, %2: how many lines its work list holds.
STAPELWERK_TEXT(kStatusJobOpened, "Auftrag %1 geöffnet: %2 Zeilen in der Liste.")
STAPELWERK_TEXT(kStatusJobSaved, "Auftrag %1 gespeichert.")
// %1: the folder of the last jobs, %2: the reason.
STAPELWERK_TEXT(kMessageJobHistoryNotKept,
                "Die Datei doit.pro wurde geschrieben, aber nicht unter die letzten Aufträge in "
                "%1 aufgenommen.\n"
                "Grund: %2")
STAPELWERK_TEXT(kMessageJobNotBuilt,
                "Der Auftrag %1 wurde vor dem Erzeugen gespeichert und nennt keine Funktion. "
                "Bitte den Auftrag im Fenster öffnen, die Funktion wählen und ihn erneut "
                "speichern. Es wurde keine doit.pro geschrieben.")
STAPELWERK_TEXT(kResultDone, "erledigt")
STAPELWERK_TEXT(kResultNoNewVersion, "keine neue Version")
STAPELWERK_TEXT(kResultStoppedHere, "hier angehalten")
STAPELWERK_TEXT(kResultNotReached, "nicht erreicht")
STAPELWERK_TEXT(kResultUnknown, "unbekannt")
// An entry that is not done: %1 its number, %2 its result, %3 the entry. The counts of the
// run %1: %2 done of %3 entries; %4 the other results, each with its count (kResultCount).
STAPELWERK_TEXT(kReportEntry, "%1\t%2\t%3")
STAPELWERK_TEXT(kResultCount, "%1 %2")
STAPELWERK_TEXT(kReportAllDone, "Lauf %1: alle %2 Einträge erledigt.")
STAPELWERK_TEXT(kReportSummary, "Lauf %1: %2 von %3 Einträgen erledigt; %4.")
STAPELWERK_TEXT(kReportJournalOff,
                "Der Lauf %1 schreibt kein Journal. Die Ergebnisse zeigen nur die gespeicherten "
                "Versionen; wo die Funktion nichts speichert, sind sie unbekannt.")
STAPELWERK_TEXT(kReportJournalSilent,
                "Im Journal %1 steht keine Zeile des Laufs %2: doit lief noch nicht, oder Pro/E "
                "hat die Schritte @SYSTEM nicht ausgeführt. Die Ergebnisse zeigen nur die "
                "gespeicherten Versionen; wo die Funktion nichts speichert, sind sie unbekannt.")
// The window follows the run of the doit.pro it wrote (%1, %2: counts; %3 an entry's
// name or its file), and shows each entry's result.
STAPELWERK_TEXT(kJournalBox, "Lauf pro&tokollieren")
STAPELWERK_TEXT(kJournalBoxName, "Lauf von doit protokollieren")
STAPELWERK_TEXT(kExplainJournal,
                "Eingeschaltet schreibt doit in das Journal doit.journal im Arbeitsverzeichnis, "
                "wie weit es kam. Solange Stapelwerk offen ist, zeigt es den Fortschritt; danach "
                "zeigt \"Ergebnis des Laufs\", welche Einträge erledigt sind, und erzeugt eine "
                "doit.pro für den Rest.")
STAPELWERK_TEXT(kRunWaiting,
                "Lauf %1: 0 von %2 Einträgen durchlaufen – doit ist noch nicht gestartet.")
STAPELWERK_TEXT(kRunProgress, "%1 von %2 Einträgen durchlaufen – zuletzt %3")
STAPELWERK_TEXT(kRunStands,
                "Seit %1 Minuten kam keine Zeile ins Journal: Der Lauf scheint bei Eintrag %2 "
                "zu stehen, %3.")
STAPELWERK_TEXT(kRunStandsAtEnd,
                "Seit %1 Minuten kam keine Zeile ins Journal: Alle %2 Einträge sind durchlaufen, "
                "doit kam aber nicht an sein Ende.")
STAPELWERK_TEXT(kRunProgressName, "Fortschritt des Laufs")
STAPELWERK_TEXT(kRunResultButton, "Ergebnis des &Laufs")
STAPELWERK_TEXT(kRunResultButtonName, "Ergebnis des letzten Laufs anzeigen")
STAPELWERK_TEXT(kRunResultTitle, "Ergebnis des Laufs")
STAPELWERK_TEXT(kRunResultListName, "Einträge des Laufs mit ihrem Ergebnis")
STAPELWERK_TEXT(kRunResultNumber, "Nr.")
STAPELWERK_TEXT(kRunResultEntry, "Eintrag")
STAPELWERK_TEXT(kRunResultResult, "Ergebnis")
STAPELWERK_TEXT(kRunResultCopy, "Namen &kopieren")
STAPELWERK_TEXT(kRunResultCopyName, "Namen der nicht erledigten Einträge kopieren")
STAPELWERK_TEXT(kRunResultRemainder, "&Rest erzeugen")
STAPELWERK_TEXT(kRunResultRemainderName, "doit.pro für die nicht erledigten Einträge erzeugen")
STAPELWERK_TEXT(kRunResultClose, "&Schließen")
STAPELWERK_TEXT(kRunResultCloseName, "Ergebnis schließen")
// At start, while the work list stands over the run's panel.
STAPELWERK_TEXT(kStatusLastRun, "Letzter Lauf: %1 von %2 – Ergebnis mit Alt+L")
STAPELWERK_TEXT(kStatusNamesCopied, "%1 Namen in die Zwischenablage kopiert.")
STAPELWERK_TEXT(kQuestionRemainder,
                "Eine neue doit.pro für die %1 nicht erledigten Einträge schreiben, mit Journal? "
                "Sie ersetzt die doit.pro im Verzeichnis %2.")
STAPELWERK_TEXT(kReportDirectoryNotRead,
                "Im Verzeichnis %1 konnte nicht nach neuen Versionen gesucht werden; das Ergebnis "
                "seiner Einträge ist unbekannt.\n"
                "Grund: %2")

// Lists in a sentence: how two items join; the last two of "a, b und c" by kListAnd.
STAPELWERK_TEXT(kListNext, "%1, %2")
STAPELWERK_TEXT(kListAnd, "%1 und %2")
STAPELWERK_TEXT(kListOr, "%1 oder %2")
// A size that the program names, in megabytes.
STAPELWERK_TEXT(kMegabytes, "%1 MB")

// What the system could not open for the user: doit.pro for editing, the download page.
STAPELWERK_TEXT(kMessageNotOpenedForEditing,
                "Die Datei %1 konnte nicht geöffnet werden: Es ist kein Programm eingerichtet, das "
                "sie öffnet. Öffnen Sie sie bitte mit einem Texteditor.")
STAPELWERK_TEXT(kMessageAddressNotOpened,
                "Die Adresse %1 konnte nicht geöffnet werden: Es ist kein Browser eingerichtet. "
                "Geben Sie die Adresse bitte selbst im Browser ein.")

// Reasons, as a message shows them after "Grund:": what the program refuses although the
// system would let it through (%1: the link), and the input limit (%1: its size)
STAPELWERK_TEXT(
    kReasonLinkNotFollowed,
    "Der symbolische Link %1 liegt in einem Verzeichnis, in das alle schreiben dürfen, und gehört "
    "weder Ihnen noch dem Besitzer des Verzeichnisses. Ihm wird nicht gefolgt.")
STAPELWERK_TEXT(kReasonBackupAtLink,
                "An der Stelle der Sicherungskopie liegt der symbolische Link %1. Durch ihn wird "
                "nicht geschrieben.")
STAPELWERK_TEXT(kReasonBackupIsTheFile, "Die Sicherungskopie wäre die Datei selbst.")
STAPELWERK_TEXT(kReasonWriteProtected, "Die Datei ist schreibgeschützt.")
STAPELWERK_TEXT(kReasonSeveralNames,
                "Die Datei hat mehrere Namen (harte Links); unter den anderen Namen bliebe der "
                "alte Inhalt stehen.")
STAPELWERK_TEXT(kReasonChangedMeanwhile,
                "Ein anderes Programm hat die Datei immer wieder geändert, während sie geschrieben "
                "wurde. Versuchen Sie es bitte noch einmal, wenn es damit fertig ist.")
STAPELWERK_TEXT(kReasonInputTooLarge,
                "Sie ist größer als %1; so große Eingaben liest Stapelwerk nicht.")
// A path to read that names no regular file: what it names instead.
STAPELWERK_TEXT(kReasonPipe, "Sie ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO).")
STAPELWERK_TEXT(kReasonCharacterDevice,
                "Sie ist keine gewöhnliche Datei, sondern ein Gerät (etwa ein Terminal).")
STAPELWERK_TEXT(kReasonBlockDevice,
                "Sie ist keine gewöhnliche Datei, sondern ein Datenträger (ein Blockgerät).")
STAPELWERK_TEXT(kReasonSocket, "Sie ist keine gewöhnliche Datei, sondern ein Socket.")
STAPELWERK_TEXT(kReasonNotAFile, "Sie ist keine gewöhnliche Datei.")
// A directory of the search path whose environment variable (%1) is not set.
STAPELWERK_TEXT(kReasonVariableNotSet, "Die Umgebungsvariable %1 ist nicht gesetzt.")
// The causes a user meets with files, worded as the German system messages are, so that a
// user whose system is English still reads German.
STAPELWERK_TEXT(kSystemNoSuchFileOrDirectory, "Datei oder Verzeichnis nicht gefunden")
STAPELWERK_TEXT(kSystemPermissionDenied, "Keine Berechtigung")
STAPELWERK_TEXT(kSystemOperationNotPermitted, "Die Operation ist nicht erlaubt")
STAPELWERK_TEXT(kSystemNoSpaceOnDevice, "Auf dem Datenträger ist kein Speicherplatz mehr frei")
STAPELWERK_TEXT(kSystemReadOnlyFileSystem, "Das Dateisystem ist nur lesbar")
STAPELWERK_TEXT(kSystemIsADirectory, "Ist ein Verzeichnis")
STAPELWERK_TEXT(kSystemNotADirectory, "Ist kein Verzeichnis")
STAPELWERK_TEXT(kSystemFileExists, "Die Datei existiert bereits")
STAPELWERK_TEXT(kSystemDirectoryNotEmpty, "Das Verzeichnis ist nicht leer")
STAPELWERK_TEXT(kSystemIoError, "Ein- oder Ausgabefehler")
STAPELWERK_TEXT(kSystemFileTooLarge, "Die Datei ist zu groß")
STAPELWERK_TEXT(kSystemFilenameTooLong, "Der Dateiname ist zu lang")
STAPELWERK_TEXT(kSystemTooManySymbolicLinkLevels, "Zu viele Ebenen symbolischer Verknüpfungen")
STAPELWERK_TEXT(kSystemTooManyFilesOpen, "Zu viele offene Dateien")
STAPELWERK_TEXT(kSystemTooManyFilesOpenInSystem, "Zu viele offene Dateien im System")
STAPELWERK_TEXT(kSystemDeviceOrResourceBusy, "Das Gerät oder die Ressource ist belegt")
STAPELWERK_TEXT(kSystemTextFileBusy, "Die Datei wird gerade benutzt")
STAPELWERK_TEXT(kSystemCrossDeviceLink, "Die Verschiebung über Dateisystemgrenzen geht nicht")
STAPELWERK_TEXT(kSystemNotEnoughMemory, "Nicht genügend Hauptspeicher verfügbar")
STAPELWERK_TEXT(kSystemInterrupted, "Der Aufruf wurde unterbrochen")
STAPELWERK_TEXT(kSystemInvalidArgument, "Ungültiges Argument")
STAPELWERK_TEXT(kSystemNotSupported, "Die Operation wird nicht unterstützt")
STAPELWERK_TEXT(kSystemNoSuchDevice, "Gerät nicht gefunden")
STAPELWERK_TEXT(kSystemNoSuchDeviceOrAddress, "Gerät oder Adresse nicht gefunden")
STAPELWERK_TEXT(kSystemBrokenPipe, "Die Gegenseite hat die Verbindung geschlossen")
STAPELWERK_TEXT(kSystemResourceUnavailableTryAgain, "Die Ressource ist zur Zeit nicht verfügbar")
STAPELWERK_TEXT(kSystemTimedOut, "Die Zeit ist abgelaufen")
STAPELWERK_TEXT(kSystemNetworkUnreachable, "Das Netzwerk ist nicht erreichbar")
STAPELWERK_TEXT(kSystemHostUnreachable, "Der Rechner ist nicht erreichbar")
STAPELWERK_TEXT(kSystemConnectionRefused, "Die Verbindung wurde abgelehnt")
STAPELWERK_TEXT(kSystemBadFileDescriptor, "Ungültiger Dateideskriptor")
STAPELWERK_TEXT(kSystemValueTooLarge, "Der Wert ist zu groß für den Datentyp")
