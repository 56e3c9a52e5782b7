# The Debian package, made by `cpack -G DEB` from the install rules (scripts/package.sh).
# Its dependencies are worked out from the program's shared libraries by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stapelwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Stapelwerk-Team")
set(CPACK_PACKAGE_CONTACT "Stapelwerk-Team <team@stapelwerk.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# stapelwerk_<version>_<architecture>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The terms of use forbid passing on changed versions and selling: not free in
# Debian's sense, hence the non-free area.
set(CPACK_DEBIAN_PACKAGE_SECTION non-free/science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://stapelwerk.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own words (Yes, Cancel, the text fields' menu) in German; shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)

# The first line is the synopsis; CPack indents the rest and marks empty lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[batch mapkeys for Pro/ENGINEER Wildfire (Stapel-Mapkeys)
Stapelwerk writes doit.pro, a configuration file for the CAD system
Pro/ENGINEER Wildfire that defines the mapkey doit. Run in the CAD system,
doit opens every file of a list of drawings and parts in turn and saves the
model under every name, assigns a string parameter with a value per part,
deletes a parameter, or runs a chain of the user's own mapkeys. Stapelwerk
can also add the mapkey auto, which loads doit.pro and starts it, to the
user's config.pro. The user interface is German.

Stapelwerk schreibt doit.pro, eine Konfigurationsdatei für das CAD-System
Pro/ENGINEER Wildfire mit dem Mapkey doit. Im CAD-System ausgeführt, öffnet
doit nacheinander jede Zeichnung und jedes Teil einer Liste und speichert das
Modell unter jedem Namen, weist jedem Teil einen Textparameter mit eigenem
Wert zu, löscht einen Parameter oder führt eine Kette eigener Mapkeys aus.
Außerdem trägt Stapelwerk den Mapkey auto, der doit.pro lädt und startet,
in die config.pro des Benutzers ein.]=])

include(CPack)
