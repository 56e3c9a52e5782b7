#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "workflow/run_watch.h"

class QFileSystemWatcher;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace stapelwerk {

class Platform;

// `Frame_lauf`: where the run of the last doit.pro stands. While doit may still write its
// journal, a file watcher on the journal and its directory reads each new line, and a bar
// and a line show how far it came; after the minutes of the setting without a line, where it
// seems to stand. Once it ended, or without a journal, its results' summary. Its button asks
// for the result window.
class RunPanel : public QWidget {
    Q_OBJECT
public:
    RunPanel(Platform& platform, QWidget* parent);

    // Follows the run of the doit.pro in `directory`. Without a job record there the panel
    // hides; a record that cannot be read is told in its line.
    void follow(const std::string& directory);
    // Follows the run in `directory` once it has stood unchanged a moment: a directory typed
    // letter by letter is read once, not at every key.
    void followSoon(const std::string& directory);
    // Stops following and hides.
    void forget();
    // The run followed, its journal read up to now (the watcher may not have told the last
    // change yet); empty while the panel is hidden or tells why it could not follow.
    const std::optional<workflow::RunWatch>& latestRun();

signals:
    void resultRequested();

private:
    void readJournal();
    void showProgress();
    // Watches the journal as well once it is there, and nothing once the run ended.
    void watchFiles();
    void unwatch();

    Platform& platform_;
    std::optional<workflow::RunWatch> run_;
    QFileSystemWatcher* files_ = nullptr;
    // No line for this long: the run seems to stand.
    QTimer* quiet_ = nullptr;
    QTimer* settle_ = nullptr;
    std::string followed_;  // the directory followed
    std::string coming_;    // the one to follow once it settles
    int quietMinutes_ = 0;
    QProgressBar* bar_ = nullptr;
    QLabel* line_ = nullptr;
    QPushButton* resultButton_ = nullptr;
};

}  // namespace stapelwerk
