#include "ui/generate/FindingsDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/texts.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/ListTextDelegate.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/twips.h"

namespace stapelwerk {

namespace {
QPushButton* addButton(QWidget* dialog, const char* name, std::string_view text, int left,
                       int width) {
    auto* button = new QPushButton(qt(text), dialog);
    button->setObjectName(name);
    placeTwips(button, left, 4080, width, 375);
    return button;
}
}  // namespace

FindingsDialog::FindingsDialog(const std::vector<std::string>& entries,
                               const workflow::Findings& findings, QWidget* owner)
    : QDialog(owner) {
    setObjectName("frm_pruefung");
    setWindowTitle(qt(texts::kFindingsDialogTitle));
    resize(twips(6000), twips(4575));

    auto* intro = new QLabel(qt(texts::kFindingsIntro), this);
    intro->setObjectName("Label1");
    intro->setWordWrap(true);
    intro->setStyleSheet("background-color: rgb(255, 192, 192);");
    placeTwips(intro, 120, 120, 5760, 495);

    auto* list = new QListWidget(this);
    list->setObjectName("list_befunde");
    list->setAccessibleName(qt(texts::kFindingsListName));
    list->setItemDelegate(new ListTextDelegate(list));
    // A heading is a sentence, wider than the list: wrapped, not cut off behind a scroll bar.
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setResizeMode(QListView::Adjust);
    FocusFrame::attach(list);
    placeTwips(list, 120, 720, 5760, 3240);
    bool concernsEntries = false;
    for (const workflow::Finding& finding : findings) {
        concernsEntries = concernsEntries || !finding.entries.empty();
        // The heading, then its entries one a line: the lines of the finding's text.
        const QStringList lines = qt(workflow::describedFinding(finding, entries)).split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            auto* item = new QListWidgetItem(lines[i], list);
            if (i > 0) continue;
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }

    QPushButton* write = addButton(this, "cmd_trotzdem", texts::kFindingsWriteAnyway, 120, 1935);
    write->setDefault(true);
    connect(write, &QPushButton::clicked, this, [this] {
        emit writeAnywayRequested();
        accept();
    });
    QPushButton* unmark = addButton(this, "cmd_abwaehlen", texts::kFindingsUnmark, 2175, 1935);
    unmark->setAccessibleName(qt(texts::kFindingsUnmarkName));
    unmark->setEnabled(concernsEntries);  // a chain or a parameter name marks no entry
    connect(unmark, &QPushButton::clicked, this, [this] {
        emit unmarkRequested();
        accept();
    });
    QPushButton* cancel = addButton(this, "cmd_abbrechen", texts::kFindingsCancel, 4230, 1650);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(write, unmark);
    setTabOrder(unmark, cancel);
    setTabOrder(cancel, list);
    write->setFocus();
    if (owner != nullptr) centreOn(this, owner->window()->frameGeometry());
}

}  // namespace stapelwerk
