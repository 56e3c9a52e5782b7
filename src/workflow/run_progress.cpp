#include "workflow/run_progress.h"

#include <charconv>

#include "core/settings_keys.h"
#include "core/texts.h"

namespace stapelwerk::workflow {

bool mayGoOn(const RunWatch& watch) {
    return watch.record().head().journal && !watch.journal().ended();
}

RunProgress progressOf(const RunWatch& watch) {
    const JobRecord& record = watch.record();
    const JournalProgress& journal = watch.journal();
    RunProgress progress{.entries = record.entryCount(),
                         .text = {},
                         .running = mayGoOn(watch),
                         .standsWhenQuiet = mayGoOn(watch) && journal.heard()};
    if (!progress.running) {
        const RunResults results = watch.results();
        progress.reached = results.count(EntryResult::done);
        progress.text = resultSummary(record, results);
    } else if (!journal.latest()) {
        progress.text = texts::runWaiting(record.head().runId, record.entryCount());
    } else {
        progress.reached = journal.passedCount();
        progress.text = texts::runProgress(journal.passedCount(), record.entryCount(),
                                           record.entry(*journal.latest()));
    }
    return progress;
}

std::string standingText(const RunWatch& watch, int minutes) {
    const JobRecord& record = watch.record();
    const std::size_t at = watch.journal().reached();
    if (at >= record.entryCount()) return texts::runStandsAtEnd(minutes, record.entryCount());
    const std::string_view file = record.fileFound(at);
    return texts::runStands(minutes, at + 1, file.empty() ? record.entry(at) : file);
}

int quietMinutes(std::string_view setting) {
    constexpr int kDay = 24 * 60;
    int minutes = 0;
    const auto [end, error] =
        std::from_chars(setting.data(), setting.data() + setting.size(), minutes);
    if (error == std::errc() && end == setting.data() + setting.size() && minutes >= 1 &&
        minutes <= kDay) {
        return minutes;
    }
    return settings::kJournalQuietMinutesDefault;
}

std::string namesNotDone(const JobRecord& record, const RunResults& results) {
    std::string names;
    for (std::size_t e = 0; e < results.results.size(); ++e) {
        if (results.results[e] != EntryResult::done) names.append(record.entry(e)).append("\n");
    }
    return names;
}

}  // namespace stapelwerk::workflow
