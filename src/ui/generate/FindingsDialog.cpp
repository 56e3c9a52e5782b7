#include "ui/generate/FindingsDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/texts.h"
#include "ui/generate/LocateRunner.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/ListTextDelegate.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/twips.h"
#include "workflow/locate_check.h"

namespace stapelwerk {

namespace {
constexpr int kButtonsTop = 4440;

QPushButton* addButton(QWidget* dialog, const char* name, std::string_view text, int left,
                       int width) {
    auto* button = new QPushButton(qt(text), dialog);
    button->setObjectName(name);
    placeTwips(button, left, kButtonsTop, width, 375);
    return button;
}
}  // namespace

FindingsDialog::FindingsDialog(const TextList& entries, workflow::Findings findings,
                               LocateRunner& locator, QWidget* owner)
    : QDialog(owner), findings_(std::move(findings)) {
    setObjectName("frm_pruefung");
    setWindowTitle(qt(texts::kFindingsDialogTitle));
    resize(twips(6000), twips(4935));

    auto* intro = new QLabel(qt(texts::kFindingsIntro), this);
    intro->setObjectName("Label1");
    intro->setWordWrap(true);
    intro->setStyleSheet("background-color: rgb(255, 192, 192);");
    placeTwips(intro, 120, 120, 5760, 495);

    list_ = new QListWidget(this);
    list_->setObjectName("list_befunde");
    list_->setAccessibleName(qt(texts::kFindingsListName));
    list_->setItemDelegate(new ListTextDelegate(list_));
    // A heading is a sentence, wider than the list: wrapped, not cut off behind a scroll bar.
    list_->setWordWrap(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setResizeMode(QListView::Adjust);
    FocusFrame::attach(list_);
    placeTwips(list_, 120, 720, 5760, 3240);
    // The texts now: the entries they name may be confirmed anew while the dialog is open.
    for (const workflow::Finding& finding : findings_) {
        lines_.push_back(qt(workflow::describedFinding(finding, entries)).split('\n'));
    }

    auto* skipLookup = new QCheckBox(qt(texts::kSkipLocate), this);
    skipLookup->setObjectName("chk_fundorte");
    skipLookup->setChecked(locator.switchedOff());
    placeTwips(skipLookup, 120, 4020, 5760, 315);
    connect(skipLookup, &QCheckBox::toggled, this, [this, &locator](bool off) {
        locator.setSwitchedOff(off);
        showFindings(!off);
    });
    connect(&locator, &LocateRunner::switchChanged, skipLookup, &QCheckBox::setChecked);

    QPushButton* write = addButton(this, "cmd_trotzdem", texts::kFindingsWriteAnyway, 120, 1935);
    write->setDefault(true);
    connect(write, &QPushButton::clicked, this, [this] {
        emit writeAnywayRequested();
        accept();
    });
    unmark_ = addButton(this, "cmd_abwaehlen", texts::kFindingsUnmark, 2175, 1935);
    unmark_->setAccessibleName(qt(texts::kFindingsUnmarkName));
    connect(unmark_, &QPushButton::clicked, this, [this] {
        emit unmarkRequested(shownFindings());
        accept();
    });
    QPushButton* cancel = addButton(this, "cmd_abbrechen", texts::kFindingsCancel, 4230, 1650);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showFindings(!locator.switchedOff());

    setTabOrder(write, unmark_);
    setTabOrder(unmark_, cancel);
    setTabOrder(cancel, skipLookup);
    setTabOrder(skipLookup, list_);
    write->setFocus();
    if (owner != nullptr) centreOn(this, owner->window()->frameGeometry());
}

void FindingsDialog::showFindings(bool withLookup) {
    withLookup_ = withLookup;
    list_->clear();
    bool concernsEntries = false;
    for (std::size_t i = 0; i < findings_.size(); ++i) {
        if (!withLookup && workflow::comesFromLocate(findings_[i].kind)) continue;
        concernsEntries = concernsEntries || !findings_[i].entries.empty();
        // The heading, then its entries one a line: the lines of the finding's text.
        for (qsizetype line = 0; line < lines_[i].size(); ++line) {
            auto* item = new QListWidgetItem(lines_[i][line], list_);
            if (line > 0) continue;
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    unmark_->setEnabled(concernsEntries);  // a chain or a parameter name marks no entry
}

workflow::Findings FindingsDialog::shownFindings() const {
    workflow::Findings shown;
    for (const workflow::Finding& finding : findings_) {
        if (withLookup_ || !workflow::comesFromLocate(finding.kind)) shown.push_back(finding);
    }
    return shown;
}

}  // namespace stapelwerk
