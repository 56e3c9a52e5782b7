#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Decisions about files that depend only on owners and modes, apart from the system calls
// that find them, so that they can be checked for every case without a second user.
namespace stapelwerk {

// The kernel's rule for links in shared directories (Linux's fs.protected_symlinks): a
// symbolic link in a directory that is sticky and writable by everyone is followed only
// when it belongs to the follower or to the directory's owner. The program keeps the rule
// whether or not the system has it switched on.
bool linkMayBeFollowed(std::uint32_t linkOwner, std::uint32_t directoryOwner,
                       std::uint32_t directoryMode, std::uint32_t follower);

// Whether a file's permission bits deny `user` writing, as `cp` and the shell's `>>` take
// them: the owner's bit for its owner, the group's for a member, the others' else. The
// superuser, whom no bit stops, treats a file with no write bit at all as write-protected.
bool isWriteProtected(std::uint32_t mode, std::uint32_t fileOwner, bool userInFileGroup,
                      std::uint32_t user);

// How the replace routine names the new file beside its target: the prefix, this many
// lower case letters or digits, the suffix.
inline constexpr std::string_view kTemporaryPrefix = ".stapelwerk-";
inline constexpr std::size_t kTemporaryRandomLength = 12;
inline constexpr std::string_view kTemporarySuffix = ".tmp";

// Whether a file beside a target is one that a write killed earlier left behind, to be
// removed: named as the replace routine names its new files, a regular file of `user`, and
// not `held` by a write that is still running.
bool isLeftTemporary(std::string_view name, bool regular, std::uint32_t owner, std::uint32_t user,
                     bool held);

}  // namespace stapelwerk
