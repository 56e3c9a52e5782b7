#pragma once

#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

#include "core/text_list.h"
#include "workflow/write_check.h"

class QListWidget;
class QPushButton;

namespace stapelwerk {

class LocateRunner;

// `frm_pruefung`: what the check before writing found, grouped by kind with the first
// entries of each, and the three ways on: write anyway (Enter), cancel (Escape), or unmark
// the entries concerned in the work list. Its check box switches the look-up of where Pro/E
// finds the files off, for this list and every later write, and on again.
class FindingsDialog : public QDialog {
    Q_OBJECT
public:
    // `entries` are the confirmed entries the findings count in.
    FindingsDialog(const TextList& entries, workflow::Findings findings, LocateRunner& locator,
                   QWidget* owner);

signals:
    void writeAnywayRequested();
    // The findings shown, whose entries are to be unmarked.
    void unmarkRequested(const workflow::Findings& findings);

private:
    // The findings, without the look-up's where it is switched off.
    void showFindings(bool withLookup);
    workflow::Findings shownFindings() const;

    workflow::Findings findings_;
    std::vector<QStringList> lines_;  // of each finding: its heading, then its entries
    bool withLookup_ = true;
    QListWidget* list_ = nullptr;
    QPushButton* unmark_ = nullptr;
};

}  // namespace stapelwerk
