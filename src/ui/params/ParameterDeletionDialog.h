#pragma once

#include <QDialog>

class QLineEdit;

namespace stapelwerk {

class Job;
class Platform;

// `frm_ploesch`: asks for the parameter to delete from every part and builds
// the job's doit text; the name is used, stored and shown in capital letters.
class ParameterDeletionDialog : public QDialog {
    Q_OBJECT
public:
    ParameterDeletionDialog(Platform& platform, Job& job, QWidget* parent);

signals:
    // The job holds a new doit text; the dialog closes.
    void built();

private:
    void build();

    Platform& platform_;
    Job& job_;
    QLineEdit* name_ = nullptr;
};

}  // namespace stapelwerk
