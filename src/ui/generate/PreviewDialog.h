#pragma once

#include <QDialog>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QListView;

namespace stapelwerk {

class DoitLines;
class DoitLinesModel;
class Job;

// `frm_preview`: the text that doit.pro will hold, line by line with numbers, in a fixed
// font and searchable; the entry count and the file's size above it. It only reads the
// job's pending text.
class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    PreviewDialog(const Job& job, QWidget* parent);
    ~PreviewDialog() override;

    // Shows the job's pending text as it is now (after another build).
    void showPendingText();

private:
    void findNext();

    const Job& job_;
    std::shared_ptr<const std::string> text_;  // kept while shown, whatever the job builds
    std::unique_ptr<DoitLines> lines_;
    DoitLinesModel* model_ = nullptr;
    QLabel* summary_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* searchResult_ = nullptr;
    QListView* view_ = nullptr;
};

}  // namespace stapelwerk
