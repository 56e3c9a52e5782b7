#pragma once

#include <QDialog>

class QLineEdit;

namespace stapelwerk {

class Job;
class Platform;

// `frm_mapkeyneu`: asks for the chain of the user's own mapkeys that runs on
// every file, remembers it and builds the job's doit text with it.
class MapkeyChainDialog : public QDialog {
    Q_OBJECT
public:
    MapkeyChainDialog(Platform& platform, Job& job, QWidget* parent);

signals:
    // The job holds a new doit text; the dialog closes.
    void built();

private:
    void build();

    Platform& platform_;
    Job& job_;
    QLineEdit* chain_ = nullptr;
};

}  // namespace stapelwerk
