#pragma once

#include <QDialog>

#include "cadconfig/defined_mapkeys.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace stapelwerk {

class Job;
class Platform;

// `frm_mapkeyneu`: asks for the chain of the user's own mapkeys that runs on
// every file, remembers it and builds the job's doit text with it. Beside it stand the
// mapkeys that the config.pro files define, which a double click or Enter adds to the chain;
// a name in the chain that none defines is marked while the user types, and said below.
class MapkeyChainDialog : public QDialog {
    Q_OBJECT
public:
    MapkeyChainDialog(Platform& platform, Job& job, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The job holds a new doit text; the dialog closes.
    void built();

private:
    void build();
    void addMapkey(const QListWidgetItem* item);
    void markUndefined();

    Platform& platform_;
    Job& job_;
    QLineEdit* chain_ = nullptr;
    QListWidget* mapkeys_ = nullptr;
    QLabel* undefined_ = nullptr;
    KnownMapkeys known_;
};

}  // namespace stapelwerk
