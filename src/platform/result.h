#pragma once

#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <variant>

#include "platform/file_type.h"

// The one way a step of the core tells what happened: its value, or why it could not
// give one. A core function never shows a message itself; the window or the command line
// shows the failure's message.
namespace stapelwerk {

// What went wrong, as the platform tells it. It words nothing: the core turns a kind, with
// its error and subject, into the reason that a message shows (texts::reasonOf).
enum class FailureKind {
    refused,          // a refusal of the program's own: its message says why
    system,           // the system's error
    inputTooLarge,    // more than kMostInputBytes to read
    linkNotFollowed,  // subject: a link that the kernel would not follow for this user
    backupAtLink,     // subject: the link at the place of a backup, never written through
    backupIsTheFile,  // the backup's path names the file it copies
    writeProtected,
    severalNames,      // hard links: the other names would keep the old bytes
    notAFile,          // a path to read names no regular file; fileType says what it names
    changedMeanwhile,  // another program changed the file again and again while it was updated
};

struct Failure {
    // For the user, in German: what failed, naming the file or text, with the reason.
    // Empty only from the plain file operations, whose callers know what the file is.
    std::string message;
    FailureKind kind = FailureKind::refused;
    std::error_code error;                  // the system's, where kind is system
    std::string subject;                    // what the reason names, where it names something
    FileType fileType = FileType::regular;  // where kind is notAFile
};

// A failure the system reported, before a caller has worded it for the user.
inline Failure systemFailure(std::error_code error) {
    return {{}, FailureKind::system, error, {}, FileType::regular};
}

// A write or read that the platform refuses although the system would let it through.
inline Failure platformRefusal(FailureKind kind, std::string subject = {}) {
    return {{}, kind, {}, std::move(subject), FileType::regular};
}

// A path to read that names a pipe, a device or another thing that is no regular file.
inline Failure notAFileFailure(FileType type) { return {{}, FailureKind::notAFile, {}, {}, type}; }

// A refusal of the program's own, with no system cause behind it.
inline Failure refusal(std::string message) {
    return {std::move(message), FailureKind::refused, {}, {}, FileType::regular};
}

// `failure` with the message that its caller worded for the user.
inline Failure worded(Failure failure, std::string message) {
    failure.message = std::move(message);
    return failure;
}

template <typename T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Only when not ok().
    const Failure& failure() const { return std::get<1>(state_); }
    // Empty when ok().
    const std::string& message() const { return ok() ? kNone : failure().message; }

private:
    static inline const std::string kNone;
    std::variant<T, Failure> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }

    // Only when not ok().
    const Failure& failure() const { return *failure_; }
    // Empty when ok().
    const std::string& message() const { return ok() ? kNone : failure_->message; }

private:
    static inline const std::string kNone;
    std::optional<Failure> failure_;
};

}  // namespace stapelwerk
