#pragma once

#include <QPixmap>
#include <QSize>

// The program's pictures, drawn in code so that they scale with the screen.
namespace stapelwerk::artwork {

QPixmap filesPicture(QSize size);    // a stack of drawings: back to the file selection
QPixmap infoPicture(QSize size);     // an "i" in a blue disc
QPixmap exitPicture(QSize size);     // an open door with an arrow
QPixmap closePicture(QSize size);    // a red cross: hide a panel
QPixmap browserPicture(QSize size);  // a folder with a magnifier
QPixmap savePicture(QSize size);     // a floppy disk: save the value list
QPixmap tagPicture(QSize size);      // a tag with a question mark: the parameter dialog

}  // namespace stapelwerk::artwork
