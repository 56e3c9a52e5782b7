#include "worklist/extensions.h"

namespace stapelwerk {

void appendExtension(WorkEntries& entries, std::string_view extension) {
    for (WorkEntry& entry : entries) entry.text.append(extension);
}

void stripExtension(WorkEntries& entries, std::string_view extension) {
    for (WorkEntry& entry : entries) {
        if (entry.text.ends_with(extension)) {
            entry.text.resize(entry.text.size() - extension.size());
        }
    }
}

}  // namespace stapelwerk
