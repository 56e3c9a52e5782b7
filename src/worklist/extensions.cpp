#include "worklist/extensions.h"

#include "worklist/line_cells.h"

namespace stapelwerk {

void appendExtension(WorkList& list, std::string_view extension) {
    // A row of several cells names its file in the first: the extension goes there.
    list.changeTexts(
        [extension](std::string& text) { text.insert(firstCellEnd(text), extension); });
}

void stripExtension(WorkList& list, std::string_view extension) {
    list.changeTexts([extension](std::string& text) {
        const std::size_t end = firstCellEnd(text);
        if (std::string_view(text).substr(0, end).ends_with(extension)) {
            text.erase(end - extension.size(), extension.size());
        }
    });
}

}  // namespace stapelwerk
