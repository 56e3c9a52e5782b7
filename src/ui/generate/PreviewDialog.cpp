#include "ui/generate/PreviewDialog.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/job.h"
#include "core/texts.h"
#include "generate/doit_preview.h"
#include "ui/generate/LocateRunner.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/ListTextDelegate.h"
#include "ui/widgets/QtText.h"
#include "workflow/locate_check.h"

namespace stapelwerk {

// The lines as rows, each led by its number; only the rows in sight are ever made, so a
// doit.pro of millions of lines opens at once.
class DoitLinesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void show(const DoitLines* lines) {
        beginResetModel();
        lines_ = lines;
        numberWidth_ =
            static_cast<int>(std::to_string(lines != nullptr ? lines->count() : 0).size());
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || lines_ == nullptr ? 0 : static_cast<int>(lines_->count());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        return QString("%1  %2")
            .arg(index.row() + 1, numberWidth_)
            .arg(qt(lines_->line(static_cast<std::size_t>(index.row()))));
    }

private:
    const DoitLines* lines_ = nullptr;
    int numberWidth_ = 1;
};

// Each entry of a finished look-up with the file Pro/E opens, made only for the rows in sight.
class EntryLocationsModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void show(std::shared_ptr<const Lookup> lookup) {
        beginResetModel();
        lookup_ = std::move(lookup);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !lookup_
                   ? 0
                   : static_cast<int>(lookup_->outcome.locations.entries.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        return qt(workflow::shownLocation(lookup_->entries, lookup_->job,
                                          lookup_->outcome.locations,
                                          static_cast<std::size_t>(index.row())));
    }

private:
    std::shared_ptr<const Lookup> lookup_;
};

PreviewDialog::PreviewDialog(const Job& job, LocateRunner& locator, QWidget* parent)
    : QDialog(parent), job_(job), locator_(locator) {
    setObjectName("frm_preview");
    setWindowTitle(qt(texts::kPreviewTitle));
    resize(760, 520);

    summary_ = new QLabel(this);
    summary_->setObjectName("lbl_summary");

    auto* searchCaption = new QLabel(qt(texts::kPreviewSearch), this);
    search_ = new QLineEdit(this);
    search_->setObjectName("txt_search");
    searchCaption->setBuddy(search_);
    connect(search_, &QLineEdit::returnPressed, this, &PreviewDialog::findNext);
    auto* next = new QPushButton(qt(texts::kPreviewFindNext), this);
    next->setObjectName("cmd_findnext");
    next->setAutoDefault(false);
    next->setToolTip(qt(texts::kPreviewFindNextToolTip));
    connect(next, &QPushButton::clicked, this, &PreviewDialog::findNext);
    searchResult_ = new QLabel(this);
    searchResult_->setObjectName("lbl_found");
    new QShortcut(QKeySequence::FindNext, this, this, &PreviewDialog::findNext);
    new QShortcut(QKeySequence::Find, this, search_, qOverload<>(&QWidget::setFocus));

    model_ = new DoitLinesModel(this);
    view_ = new QListView(this);
    view_->setObjectName("list_lines");
    view_->setAccessibleName(qt(texts::kPreviewContentName));
    view_->setModel(model_);
    view_->setUniformItemSizes(true);
    FocusFrame::attach(view_);
    view_->setItemDelegate(new ListTextDelegate(view_));
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // doit.pro's lines line up only in a fixed-width font. Where the one the system names is
    // missing (Wine has no Courier New), the hints make the fallback fixed-width too.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    view_->setFont(fixed);

    locationState_ = new QLabel(this);
    locationState_->setObjectName("lbl_fundorte");
    skipLookup_ = new QCheckBox(qt(texts::kSkipLocate), this);
    skipLookup_->setObjectName("chk_fundorte");
    skipLookup_->setChecked(locator_.switchedOff());
    connect(skipLookup_, &QCheckBox::toggled, &locator_, &LocateRunner::setSwitchedOff);
    connect(&locator_, &LocateRunner::switchChanged, this, [this](bool off) {
        skipLookup_->setChecked(off);
        lookUp();
    });
    connect(&locator_, &LocateRunner::finished, this, &PreviewDialog::showLocations);
    locations_ = new EntryLocationsModel(this);
    auto* locationsView = new QListView(this);
    locationsView->setObjectName("list_fundorte");
    locationsView->setAccessibleName(qt(texts::kPreviewLocationsName));
    locationsView->setModel(locations_);
    locationsView->setUniformItemSizes(true);
    locationsView->setItemDelegate(new ListTextDelegate(locationsView));
    locationsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FocusFrame::attach(locationsView);

    auto* close = new QPushButton(qt(texts::kClose), this);
    close->setObjectName("cmd_close");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(summary_, 1);
    searchRow->addWidget(searchCaption);
    searchRow->addWidget(search_);
    searchRow->addWidget(next);
    searchRow->addWidget(searchResult_);
    auto* locationRow = new QHBoxLayout;
    locationRow->addWidget(locationState_, 1);
    locationRow->addWidget(skipLookup_);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(view_, 2);
    layout->addLayout(locationRow);
    layout->addWidget(locationsView, 1);
    layout->addLayout(closeRow);

    showPendingText();
    view_->setFocus();
}

PreviewDialog::~PreviewDialog() = default;

void PreviewDialog::showPendingText() {
    text_ = job_.pendingTextSnapshot();
    auto lines = std::make_unique<DoitLines>(*text_);
    model_->show(lines.get());
    lines_ = std::move(lines);
    summary_->setText(qt(texts::previewSummary(job_.pendingEntryCount(), lines_->fileSize())));
    searchResult_->clear();
    lookUp();
}

void PreviewDialog::lookUp() {
    locations_->show(nullptr);
    if (locator_.switchedOff()) {
        locationState_->setText(qt(texts::kPreviewLocateOff));
        return;
    }
    locationState_->setText(qt(texts::kPreviewLocating));
    locator_.start(job_);
}

void PreviewDialog::showLocations() {
    const std::shared_ptr<const Lookup> lookup = locator_.result();
    const ModelLocations& located = lookup->outcome.locations;
    locations_->show(lookup);
    locationState_->setText(qt(texts::previewLocated(located.foundCount(), lookup->entries.size(),
                                                     located.places.size())));
}

void PreviewDialog::findNext() {
    const QModelIndex current = view_->currentIndex();
    const std::size_t from = current.isValid() ? static_cast<std::size_t>(current.row()) + 1 : 0;
    const std::optional<std::size_t> found =
        lines_->find(search_->text().toStdString(), from < lines_->count() ? from : 0);
    if (!found) {
        searchResult_->setText(qt(texts::kPreviewNotFound));
        return;
    }
    searchResult_->clear();
    const QModelIndex line = model_->index(static_cast<int>(*found));
    view_->setCurrentIndex(line);
    view_->scrollTo(line, QAbstractItemView::PositionAtCenter);
}

}  // namespace stapelwerk
