#include "batch/standard_input.h"

#include <cerrno>
#include <system_error>

namespace stapelwerk {

StdioInputBuffer::int_type StdioInputBuffer::underflow() {
    const std::size_t count = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    if (count == 0) {
        if (std::ferror(file_) != 0) throw std::system_error(errno, std::generic_category());
        return traits_type::eof();
    }
    setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
    return traits_type::to_int_type(buffer_[0]);
}

}  // namespace stapelwerk
