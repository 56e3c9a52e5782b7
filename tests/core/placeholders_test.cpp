#include <gtest/gtest.h>

#include "core/placeholders.h"

namespace stapelwerk {
namespace {

TEST(Placeholders, EachNumberTakesItsArgumentOnce) {
    const struct {
        std::string_view pattern;
        std::initializer_list<std::string_view> arguments;
        std::string_view filled;
    } cases[] = {
        {"Die Datei %1 fehlt.", {"\"a\""}, "Die Datei \"a\" fehlt."},
        {"%2 vor %1", {"eins", "zwei"}, "zwei vor eins"},
        {"%1 und %1", {"x"}, "x und x"},
        {"%1%2", {"a", "b"}, "ab"},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "neun"}, "neun"},
        // An argument is put in as it stands, never searched for placeholders itself.
        {"%1 %2", {"%2", "b"}, "%2 b"},
        // Marks that are no placeholder stay: a mapkey chain, a percent at the end.
        {"+;%bb;%00;", {"x"}, "+;%bb;%00;"},
        {"100%", {"x"}, "100%"},
        {"%%1", {"x"}, "%x"},
        // A placeholder without its argument stays, so that the fault shows.
        {"%1 %3", {"a", "b"}, "a %3"},
        {"", {"a"}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(texts::filled(c.pattern, c.arguments), c.filled) << c.pattern;
    }
}

}  // namespace
}  // namespace stapelwerk
