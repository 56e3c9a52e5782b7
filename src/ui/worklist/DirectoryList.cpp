#include "ui/worklist/DirectoryList.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QStyle>
#include <optional>
#include <utility>

#include "platform/file_checks.h"
#include "platform/paths.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/twips.h"
#include "worklist/directory_listing.h"

namespace stapelwerk {

namespace {
// The browser and the chooser show the same folders, and the style decodes its pictures anew
// for every call, at a tenth of the start-up. Kept until the application ends, not beyond it.
const std::pair<QIcon, QIcon>& openAndClosedFolder(const QStyle& style) {
    static std::optional<std::pair<QIcon, QIcon>> icons;
    if (!icons) {
        icons.emplace(style.standardIcon(QStyle::SP_DirOpenIcon),
                      style.standardIcon(QStyle::SP_DirIcon));
        qAddPostRoutine([] { icons.reset(); });
    }
    return *icons;
}
}  // namespace

DirectoryList::DirectoryList(const QString& objectName, const QString& accessibleName,
                             QWidget* parent)
    : QTreeWidget(parent),
      openFolder_(openAndClosedFolder(*style()).first),
      closedFolder_(openAndClosedFolder(*style()).second) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setIndentation(twips(150));
    FocusFrame::attach(this);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { open(pathOf(item)); });
    connect(this, &QTreeWidget::itemClicked, this, &DirectoryList::entryClicked);
}

void DirectoryList::setPath(const QString& directory) {
    const QString normal = qt(normalDirectory(directory.toStdString()));
    const bool changed = normal != path_;
    path_ = normal;
    rebuild();
    if (changed) emit pathChanged(path_);
}

QString DirectoryList::highlightedPath() const {
    return currentItem() != nullptr ? pathOf(currentItem()) : path_;
}

void DirectoryList::open(const QString& directory) {
    if (!directoryExists(directory.toStdString())) {
        rebuild();
        return;
    }
    setPath(directory);
    emit opened(path_);
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        open(pathOf(currentItem()));
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QString DirectoryList::pathOf(const QTreeWidgetItem* item) {
    return item->data(0, Qt::UserRole).toString();
}

void DirectoryList::rebuild() {
    clear();
    const std::string directory = path_.toStdString();
    QTreeWidgetItem* level = nullptr;
    for (const DirectoryLevel& step : directoryChain(directory)) {
        level = level != nullptr ? new QTreeWidgetItem(level) : new QTreeWidgetItem(this);
        level->setText(0, qt(step.name));
        level->setIcon(0, openFolder_);
        level->setData(0, Qt::UserRole, qt(step.path));
        level->setToolTip(0, qt(step.path));  // long names do not fit the list
    }
    if (level == nullptr) return;
    for (const std::string& name : listSubdirectories(directory)) {
        auto* item = new QTreeWidgetItem(level);
        item->setText(0, qt(name));
        item->setIcon(0, closedFolder_);
        item->setData(0, Qt::UserRole, qt(joinFileName(directory, name)));
        item->setToolTip(0, item->data(0, Qt::UserRole).toString());
    }
    expandAll();
    setCurrentItem(level);
    // A deep path fills the list with its chain: the directory shown goes to the top, so
    // that the ones it holds, the ones to open next, are seen below it.
    scrollToItem(level, QAbstractItemView::PositionAtTop);
}

}  // namespace stapelwerk
