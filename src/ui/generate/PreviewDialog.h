#pragma once

#include <QDialog>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;

namespace stapelwerk {

class DoitLines;
class DoitLinesModel;
class EntryLocationsModel;
class Job;
class LocateRunner;

// `frm_preview`: the text that doit.pro will hold, line by line with numbers, in a fixed
// font and searchable; the entry count and the file's size above it. Below it, each entry
// with the file Pro/E will open (or, for save-as, save over), as the check's look-up finds
// it, and the switch that turns the look-up off. It only reads the job's pending text.
class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    PreviewDialog(const Job& job, LocateRunner& locator, QWidget* parent);
    ~PreviewDialog() override;

    // Shows the job's pending text as it is now (after another build), and looks its files up.
    void showPendingText();

private:
    void findNext();
    void lookUp();
    void showLocations();

    const Job& job_;
    LocateRunner& locator_;
    std::shared_ptr<const std::string> text_;  // kept while shown, whatever the job builds
    std::unique_ptr<DoitLines> lines_;
    DoitLinesModel* model_ = nullptr;
    QLabel* summary_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* searchResult_ = nullptr;
    QListView* view_ = nullptr;
    EntryLocationsModel* locations_ = nullptr;
    QLabel* locationState_ = nullptr;
    QCheckBox* skipLookup_ = nullptr;
};

}  // namespace stapelwerk
