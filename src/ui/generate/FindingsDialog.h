#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "workflow/write_check.h"

namespace stapelwerk {

// `frm_pruefung`: what the check before writing found, grouped by kind with the first
// entries of each, and the three ways on: write anyway (Enter), cancel (Escape), or unmark
// the entries concerned in the work list.
class FindingsDialog : public QDialog {
    Q_OBJECT
public:
    // `entries` are the confirmed entries the findings count in.
    FindingsDialog(const std::vector<std::string>& entries, const workflow::Findings& findings,
                   QWidget* owner);

signals:
    void writeAnywayRequested();
    void unmarkRequested();
};

}  // namespace stapelwerk
