#include "ui/generate/LocateRunner.h"

#include <QThread>
#include <algorithm>

#include "core/job.h"
#include "core/settings_access.h"

namespace stapelwerk {

namespace {
constexpr std::string_view kOn = "1";
}  // namespace

LocateRunner::LocateRunner(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {}

LocateRunner::~LocateRunner() {
    for (auto& [thread, lookup] : threads_) {
        lookup->stop = true;
        if (thread) {
            thread->wait();
            delete thread;
        }
    }
}

bool LocateRunner::switchedOff() const {
    return settings::read(platform_, settings::kSkipLocate, "0") == kOn;
}

void LocateRunner::setSwitchedOff(bool off) {
    if (off == switchedOff()) return;
    settings::write(platform_, settings::kSkipLocate, off ? std::string(kOn) : "0");
    if (off) stop();
    emit switchChanged(off);
}

void LocateRunner::start(const Job& job) {
    stop();
    auto lookup = std::make_shared<Lookup>();
    lookup->entries = job.confirmedEntries;
    lookup->job = workflow::locateJobOf(job, platform_.programDirectory());
    running_ = lookup;
    QThread* thread = QThread::create([lookup] {
        lookup->outcome = workflow::locateAndCheck(
            lookup->entries, lookup->job, [&lookup = *lookup](std::size_t read, std::size_t all) {
                lookup.placesRead = read;
                lookup.places = all;
                return !lookup.stop;
            });
    });
    threads_.emplace_back(thread, lookup);
    connect(thread, &QThread::finished, this, [this, thread, lookup] {
        std::erase_if(threads_, [thread](const auto& run) { return run.first == thread; });
        thread->deleteLater();
        if (lookup != running_) return;
        running_.reset();
        result_ = lookup;
        emit finished();
    });
    thread->start();
}

void LocateRunner::stop() {
    if (running_) running_->stop = true;
    running_.reset();
    result_.reset();
}

std::pair<std::size_t, std::size_t> LocateRunner::progress() const {
    if (!running_) return {0, 0};
    return {running_->placesRead, running_->places};
}

}  // namespace stapelwerk
