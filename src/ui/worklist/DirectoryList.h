#pragma once

#include <QTreeWidget>

namespace stapelwerk {

// A directory list (`Dir1`, `Dir2`): the directories from the root down to the
// current one, opened, and the subdirectories of the current one below them.
// A double click (or Enter) opens a directory; a single click only marks it.
class DirectoryList : public QTreeWidget {
    Q_OBJECT
public:
    DirectoryList(const QString& objectName, const QString& accessibleName, QWidget* parent);

    // The directory shown: absolute, with a final separator only for a root.
    QString path() const { return path_; }
    // The directory the user has highlighted (by a click or the arrow keys) and not
    // opened, or else the one shown.
    QString highlightedPath() const;
    // Shows `directory`; emits pathChanged when that is another directory.
    void setPath(const QString& directory);
    // Shows `directory` as if the user had opened it, and emits opened. A
    // directory that has gone meanwhile is not opened; the list is read afresh.
    void open(const QString& directory);

signals:
    void pathChanged(const QString& path);
    void opened(const QString& path);
    // A single click on an entry.
    void entryClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Every level is always open, so there is nothing to fold: no branch marks.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void rebuild();
    static QString pathOf(const QTreeWidgetItem* item);

    QString path_;
    QIcon openFolder_;
    QIcon closedFolder_;
};

}  // namespace stapelwerk
