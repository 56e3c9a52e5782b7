#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

// The one way a step of the core tells what happened: its value, or why it could not
// give one. A core function never shows a message itself; the window or the command line
// shows the failure's message.
namespace stapelwerk {

struct Failure {
    // For the user, in German: what failed, naming the file or text, with the reason.
    // Empty only from the plain file operations, whose callers know what the file is.
    std::string message;
    // The system's wording of the cause, where the system gave one.
    std::string reason;
};

// A failure the system reported, before a caller has worded it for the user.
inline Failure systemFailure(std::string reason) { return {{}, std::move(reason)}; }

// A refusal of the program's own, with no system cause behind it.
inline Failure refusal(std::string message) { return {std::move(message), {}}; }

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
    const std::string& reason() const { return ok() ? kNone : failure().reason; }

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
    const std::string& reason() const { return ok() ? kNone : failure_->reason; }

private:
    static inline const std::string kNone;
    std::optional<Failure> failure_;
};

}  // namespace stapelwerk
