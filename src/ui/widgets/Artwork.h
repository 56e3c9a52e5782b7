#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <array>

// The program's pictures, pointers and icon, drawn in code so that they stay sharp on
// every screen. Sizes are logical pixels.
namespace stapelwerk::artwork {

QPixmap filesPicture(QSize size);     // a stack of drawings: back to the file selection
QPixmap infoPicture(QSize size);      // an "i" in a blue disc
QPixmap exitPicture(QSize size);      // an open door with an arrow
QPixmap closePicture(QSize size);     // a red cross: hide a panel
QPixmap browserPicture(QSize size);   // a folder with a magnifier
QPixmap savePicture(QSize size);      // a floppy disk: save the value list
QPixmap tagPicture(QSize size);       // a tag with a question mark: the parameter dialog
QPixmap finishedPicture(QSize size);  // doit.pro written: a mapkey sheet with a green tick
QPixmap okPicture(QSize size);        // a small green tick: close the completion dialog

// The program's icon: a stack of drawings worked off by a green start mark.
QPixmap programPicture(int size);
// The sizes the icon is drawn in for the desktop.
inline constexpr std::array kProgramIconSizes = {16, 24, 32, 48, 64, 128, 256};
QIcon programIcon();

// A pointing hand over the pictures and the labels that act on a click.
QCursor handCursor();
// The hand with a small folder: a click chooses a directory.
QCursor directoryCursor();

}  // namespace stapelwerk::artwork
