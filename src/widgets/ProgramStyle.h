#pragma once

class QApplication;

namespace stapelwerk {

// The font the twips layout was designed for: small, as on the CAD workstations.
void applyProgramStyle(QApplication& application);

}  // namespace stapelwerk
