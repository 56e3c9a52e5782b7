#include <gtest/gtest.h>

#include "platform/utf8.h"

namespace stapelwerk {
namespace {

TEST(Utf8, CountsAndDropsCharactersNotBytes) {
    EXPECT_EQ(utf8::length("Größe"), 5u);
    EXPECT_EQ(utf8::length("a😀b"), 3u);
    EXPECT_EQ(utf8::dropLast("Größe.drw", 4), "Größe");
    EXPECT_EQ(utf8::dropLast("ab😀d", 2), "ab");
    EXPECT_EQ(utf8::dropLast("abc", 4), "");
    EXPECT_EQ(utf8::length("\xFF" "a"), 2u) << "a malformed byte counts as one";
}

}  // namespace
}  // namespace stapelwerk
