#pragma once

#include <string>
#include <string_view>

// The reasons the replace routine gives when it refuses a write that the system would
// have let through. They are worded with the program's other texts, in core/texts.cpp.
namespace stapelwerk::texts {

std::string reasonLinkNotFollowed(std::string_view link);
std::string reasonBackupAtLink(std::string_view link);
extern const std::string_view kReasonBackupIsTheFile;
extern const std::string_view kReasonWriteProtected;
extern const std::string_view kReasonSeveralNames;

}  // namespace stapelwerk::texts
