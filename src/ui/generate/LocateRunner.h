#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/text_list.h"
#include "workflow/locate_check.h"

class QThread;

namespace stapelwerk {

class Job;
class Platform;

// One look-up of where Pro/E finds the confirmed entries, shared between the window's thread
// and the one it runs on.
struct Lookup {
    TextList entries;
    workflow::LocateJob job;
    workflow::LocateOutcome outcome;  // once it has finished
    std::atomic<bool> stop = false;
    std::atomic<std::size_t> placesRead = 0;
    std::atomic<std::size_t> places = 0;
};

// Runs the check's look-up on a thread of its own, so that the window stays responsive while
// a network drive is read. One look-up at a time: a new one stops the one before, which
// finishes unheard. Also keeps the user's switch that turns the look-up off.
class LocateRunner : public QObject {
    Q_OBJECT
public:
    LocateRunner(Platform& platform, QObject* parent);
    // Stops what still runs and waits for it: a directory entry or so.
    ~LocateRunner() override;

    // The files lie in a workspace, where the look-up cannot see: it is not to run.
    bool switchedOff() const;
    void setSwitchedOff(bool off);

    // Looks up the confirmed entries of the job's pending text, from its output directory.
    void start(const Job& job);
    // The running look-up stops without a result.
    void stop();
    bool running() const { return running_ != nullptr; }
    // Of the running look-up: the directories read, and all there are to read.
    std::pair<std::size_t, std::size_t> progress() const;
    // The last look-up that finished; null before one has or since a stop.
    std::shared_ptr<const Lookup> result() const { return result_; }

signals:
    void finished();
    void switchChanged(bool off);

private:
    Platform& platform_;
    std::shared_ptr<Lookup> running_;
    std::shared_ptr<const Lookup> result_;
    // Every thread not yet ended, with its look-up.
    std::vector<std::pair<QPointer<QThread>, std::shared_ptr<Lookup>>> threads_;
};

}  // namespace stapelwerk
