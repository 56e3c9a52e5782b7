#include "worklist/extensions.h"

namespace stapelwerk {

void appendExtension(WorkList& list, std::string_view extension) {
    list.changeTexts([extension](std::string& text) { text.append(extension); });
}

void stripExtension(WorkList& list, std::string_view extension) {
    list.changeTexts([extension](std::string& text) {
        if (text.ends_with(extension)) text.resize(text.size() - extension.size());
    });
}

}  // namespace stapelwerk
