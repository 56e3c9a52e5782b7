#pragma once

class QApplication;

namespace stapelwerk {

// The font the twips layout was designed for: small, as on the CAD workstations; labels
// fitted to the font a system has instead (LabelFitter); and the keys every window shares.
void applyProgramStyle(QApplication& application);

}  // namespace stapelwerk
