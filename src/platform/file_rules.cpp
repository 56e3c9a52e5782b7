#include "platform/file_rules.h"

#include <algorithm>

namespace stapelwerk {

namespace {
constexpr std::uint32_t kSticky = 01000;
constexpr std::uint32_t kOthersWrite = 0002;
constexpr std::uint32_t kGroupWrite = 0020;
constexpr std::uint32_t kOwnerWrite = 0200;
constexpr std::uint32_t kSuperuser = 0;
}  // namespace

bool linkMayBeFollowed(std::uint32_t linkOwner, std::uint32_t directoryOwner,
                       std::uint32_t directoryMode, std::uint32_t follower) {
    const bool shared = (directoryMode & kSticky) != 0 && (directoryMode & kOthersWrite) != 0;
    return !shared || linkOwner == follower || linkOwner == directoryOwner;
}

bool isWriteProtected(std::uint32_t mode, std::uint32_t fileOwner, bool userInFileGroup,
                      std::uint32_t user) {
    if (user == kSuperuser) return (mode & (kOwnerWrite | kGroupWrite | kOthersWrite)) == 0;
    if (user == fileOwner) return (mode & kOwnerWrite) == 0;
    if (userInFileGroup) return (mode & kGroupWrite) == 0;
    return (mode & kOthersWrite) == 0;
}

bool isLeftTemporary(std::string_view name, bool regular, std::uint32_t owner, std::uint32_t user,
                     bool held) {
    if (!regular || owner != user || held) return false;
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) return false;
    name.remove_prefix(kTemporaryPrefix.size());
    name.remove_suffix(kTemporarySuffix.size());
    const auto random = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
    return name.size() == kTemporaryRandomLength && std::all_of(name.begin(), name.end(), random);
}

}  // namespace stapelwerk
