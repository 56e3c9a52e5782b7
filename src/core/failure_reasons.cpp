#include <algorithm>
#include <iterator>
#include <string_view>

#include "core/texts.h"

namespace stapelwerk::texts {

namespace {
struct Reason {
    std::errc cause;
    std::string_view text;
};

constexpr Reason kReasons[] = {
    {std::errc::no_such_file_or_directory, kSystemNoSuchFileOrDirectory},
    {std::errc::permission_denied, kSystemPermissionDenied},
    {std::errc::operation_not_permitted, kSystemOperationNotPermitted},
    {std::errc::no_space_on_device, kSystemNoSpaceOnDevice},
    {std::errc::read_only_file_system, kSystemReadOnlyFileSystem},
    {std::errc::is_a_directory, kSystemIsADirectory},
    {std::errc::not_a_directory, kSystemNotADirectory},
    {std::errc::file_exists, kSystemFileExists},
    {std::errc::directory_not_empty, kSystemDirectoryNotEmpty},
    {std::errc::io_error, kSystemIoError},
    {std::errc::file_too_large, kSystemFileTooLarge},
    {std::errc::filename_too_long, kSystemFilenameTooLong},
    {std::errc::too_many_symbolic_link_levels, kSystemTooManySymbolicLinkLevels},
    {std::errc::too_many_files_open, kSystemTooManyFilesOpen},
    {std::errc::too_many_files_open_in_system, kSystemTooManyFilesOpenInSystem},
    {std::errc::device_or_resource_busy, kSystemDeviceOrResourceBusy},
    {std::errc::text_file_busy, kSystemTextFileBusy},
    {std::errc::cross_device_link, kSystemCrossDeviceLink},
    {std::errc::not_enough_memory, kSystemNotEnoughMemory},
    {std::errc::interrupted, kSystemInterrupted},
    {std::errc::invalid_argument, kSystemInvalidArgument},
    {std::errc::not_supported, kSystemNotSupported},
    {std::errc::no_such_device, kSystemNoSuchDevice},
    {std::errc::no_such_device_or_address, kSystemNoSuchDeviceOrAddress},
    {std::errc::broken_pipe, kSystemBrokenPipe},
    {std::errc::resource_unavailable_try_again, kSystemResourceUnavailableTryAgain},
    {std::errc::timed_out, kSystemTimedOut},
    {std::errc::network_unreachable, kSystemNetworkUnreachable},
    {std::errc::host_unreachable, kSystemHostUnreachable},
    {std::errc::connection_refused, kSystemConnectionRefused},
    {std::errc::bad_file_descriptor, kSystemBadFileDescriptor},
    {std::errc::value_too_large, kSystemValueTooLarge},
};

struct NotAFileReason {
    FileType type;
    std::string_view text;
};

constexpr NotAFileReason kNotAFileReasons[] = {
    {FileType::pipe, kReasonPipe},
    {FileType::characterDevice, kReasonCharacterDevice},
    {FileType::blockDevice, kReasonBlockDevice},
    {FileType::socket, kReasonSocket},
};

std::string notAFileReason(FileType type) {
    const auto known =
        std::find_if(std::begin(kNotAFileReasons), std::end(kNotAFileReasons),
                     [type](const NotAFileReason& reason) { return reason.type == type; });
    return std::string(known != std::end(kNotAFileReasons) ? known->text : kReasonNotAFile);
}
}  // namespace

std::string systemReason(const std::error_code& error) {
    const auto known = std::find_if(std::begin(kReasons), std::end(kReasons),
                                    [&](const Reason& reason) { return error == reason.cause; });
    if (known != std::end(kReasons)) return std::string(known->text);
    return error.message();
}

std::string reasonOf(const Failure& failure) {
    switch (failure.kind) {
        case FailureKind::refused:
            return {};
        case FailureKind::system:
            return systemReason(failure.error);
        case FailureKind::inputTooLarge:
            return reasonInputTooLarge();
        case FailureKind::linkNotFollowed:
            return reasonLinkNotFollowed(failure.subject);
        case FailureKind::backupAtLink:
            return reasonBackupAtLink(failure.subject);
        case FailureKind::backupIsTheFile:
            return std::string(kReasonBackupIsTheFile);
        case FailureKind::writeProtected:
            return std::string(kReasonWriteProtected);
        case FailureKind::severalNames:
            return std::string(kReasonSeveralNames);
        case FailureKind::notAFile:
            return notAFileReason(failure.fileType);
        case FailureKind::changedMeanwhile:
            return std::string(kReasonChangedMeanwhile);
    }
    return {};
}

}  // namespace stapelwerk::texts
