#include "worklist/list_file.h"

#include "core/texts.h"
#include "platform/input_decoding.h"
#include "platform/text_file.h"

namespace stapelwerk {

Result<std::string> readListText(const std::string& path) {
    Result<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        return worded(bytes.failure(), texts::messageFileNotRead(path, texts::reasonOf(bytes)));
    }
    return decodeUtf8OrCp1252(std::move(*bytes));
}

}  // namespace stapelwerk
