#pragma once

#include <array>
#include <cstdio>
#include <streambuf>

namespace stapelwerk {

// Standard input as a stream that fails on a read error: the C library's own stream takes
// an error for the end of the input, and a list cut short would be written as if whole.
// A read error throws from underflow, which the reading istream turns into its badbit.
class StdioInputBuffer final : public std::streambuf {
public:
    explicit StdioInputBuffer(std::FILE* file) : file_(file) {}

protected:
    int_type underflow() override;

private:
    std::FILE* file_;
    std::array<char, 65536> buffer_{};
};

}  // namespace stapelwerk
