#include <algorithm>
#include <iterator>
#include <string_view>

#include "core/texts.h"

namespace stapelwerk::texts {

namespace {
struct Reason {
    std::errc cause;
    std::string_view text;
};

// Worded as the German system messages are, so that a user whose system is English still
// reads German.
constexpr Reason kReasons[] = {
    {std::errc::no_such_file_or_directory, "Datei oder Verzeichnis nicht gefunden"},
    {std::errc::permission_denied, "Keine Berechtigung"},
    {std::errc::operation_not_permitted, "Die Operation ist nicht erlaubt"},
    {std::errc::no_space_on_device, "Auf dem Datenträger ist kein Speicherplatz mehr frei"},
    {std::errc::read_only_file_system, "Das Dateisystem ist nur lesbar"},
    {std::errc::is_a_directory, "Ist ein Verzeichnis"},
    {std::errc::not_a_directory, "Ist kein Verzeichnis"},
    {std::errc::file_exists, "Die Datei existiert bereits"},
    {std::errc::directory_not_empty, "Das Verzeichnis ist nicht leer"},
    {std::errc::io_error, "Ein- oder Ausgabefehler"},
    {std::errc::file_too_large, "Die Datei ist zu groß"},
    {std::errc::filename_too_long, "Der Dateiname ist zu lang"},
    {std::errc::too_many_symbolic_link_levels, "Zu viele Ebenen symbolischer Verknüpfungen"},
    {std::errc::too_many_files_open, "Zu viele offene Dateien"},
    {std::errc::too_many_files_open_in_system, "Zu viele offene Dateien im System"},
    {std::errc::device_or_resource_busy, "Das Gerät oder die Ressource ist belegt"},
    {std::errc::text_file_busy, "Die Datei wird gerade benutzt"},
    {std::errc::cross_device_link, "Die Verschiebung über Dateisystemgrenzen geht nicht"},
    {std::errc::not_enough_memory, "Nicht genügend Hauptspeicher verfügbar"},
    {std::errc::interrupted, "Der Aufruf wurde unterbrochen"},
    {std::errc::invalid_argument, "Ungültiges Argument"},
    {std::errc::not_supported, "Die Operation wird nicht unterstützt"},
    {std::errc::no_such_device, "Gerät nicht gefunden"},
    {std::errc::no_such_device_or_address, "Gerät oder Adresse nicht gefunden"},
    {std::errc::broken_pipe, "Die Gegenseite hat die Verbindung geschlossen"},
    {std::errc::resource_unavailable_try_again, "Die Ressource ist zur Zeit nicht verfügbar"},
    {std::errc::timed_out, "Die Zeit ist abgelaufen"},
    {std::errc::network_unreachable, "Das Netzwerk ist nicht erreichbar"},
    {std::errc::host_unreachable, "Der Rechner ist nicht erreichbar"},
    {std::errc::connection_refused, "Die Verbindung wurde abgelehnt"},
    {std::errc::bad_file_descriptor, "Ungültiger Dateideskriptor"},
    {std::errc::value_too_large, "Der Wert ist zu groß für den Datentyp"},
};
}  // namespace

std::string systemReason(const std::error_code& error) {
    const auto known = std::find_if(std::begin(kReasons), std::end(kReasons),
                                    [&](const Reason& reason) { return error == reason.cause; });
    if (known != std::end(kReasons)) return std::string(known->text);
    return error.message();
}

std::string reasonOf(const Failure& failure) {
    switch (failure.kind) {
        case FailureKind::refused:
            return {};
        case FailureKind::system:
            return systemReason(failure.error);
        case FailureKind::inputTooLarge:
            return std::string(kReasonInputTooLarge);
        case FailureKind::linkNotFollowed:
            return reasonLinkNotFollowed(failure.subject);
        case FailureKind::backupAtLink:
            return reasonBackupAtLink(failure.subject);
        case FailureKind::backupIsTheFile:
            return std::string(kReasonBackupIsTheFile);
        case FailureKind::writeProtected:
            return std::string(kReasonWriteProtected);
        case FailureKind::severalNames:
            return std::string(kReasonSeveralNames);
    }
    return {};
}

}  // namespace stapelwerk::texts
