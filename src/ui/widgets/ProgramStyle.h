#pragma once

class QApplication;

namespace stapelwerk {

// The font the twips layout was designed for: small, as on the CAD workstations; and
// the keys every window shares.
void applyProgramStyle(QApplication& application);

}  // namespace stapelwerk
