#include <gtest/gtest.h>

#include "worklist/line_cells.h"

namespace stapelwerk {
namespace {

using Lines = std::vector<std::string>;

TEST(LineCells, TheFirstCellEndsAtATabOrASemicolonAndComesUnquoted) {
    const struct {
        const char* line;
        const char* first;
        const char* second;
    } cases[] = {
        {"200000_mutter.drw;1;Freigegeben;Müller", "200000_mutter.drw", "1"},
        {"welle.prt\tSTAHL\tgeprüft Meier", "welle.prt", "STAHL"},
        // A row of TABs keeps a ';' in its cells; the name still ends there.
        {"welle.prt\tM8;verzinkt\tx", "welle.prt", "M8;verzinkt"},
        {"a;b.prt\tx", "a", "x"},
        {"welle.prt", "welle.prt", ""},
        {"welle.prt;", "welle.prt", ""},
        {";x", "", "x"},
        // Quoted cells, as a spreadsheet writes those that hold a separator or a quote.
        {"\"a;b.prt\";\"M8;\"\"blank\"\"\"", "a;b.prt", "M8;\"blank\""},
        {" \"welle.prt\" \t \"S235\" ", "welle.prt", "S235"},
        {"\"welle.prt\"", "welle.prt", ""},
        {"\"\";x", "", "x"},
        // Quotes that close no cell stand as they are.
        {"\"Sonder\"-Teil.prt;x", "\"Sonder\"-Teil.prt", "x"},
        {"\"offen.prt;x", "\"offen.prt", "x"},
        {"welle.prt;\"S;235", "welle.prt", "\"S"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(firstCell(c.line), c.first);
        EXPECT_EQ(secondCell(c.line), c.second);
    }
}

TEST(LineCells, AFirstRowIsAHeaderWhenOnlyTheNextOneHasATypeExtension) {
    const struct {
        const char* first;
        const char* next;
        bool header;
    } cases[] = {
        {"Teilenummer\tBenennung", "welle.prt\tWelle", true},
        {"Teilenummer;Version", "C:\\pdm\\200000_mutter.drw.3;1", true},
        {"\"Datei\";\"Stand\"", "\"welle.prt\";\"1\"", true},
        {"Teilenummer", "welle.prt", false},  // one column: an entry of its own
        {"Teilenummer\tBenennung", "welle.prt", false},
        {"Teilenummer\tBenennung", "welle\tWelle", false},
        {"flansch.prt\tFlansch", "welle.prt\tWelle", false},
        {"Datei.Typ\tx", "welle.prt\tWelle", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " / " + c.next);
        EXPECT_EQ(isColumnHeader(c.first, c.next), c.header);
    }
}

TEST(LineCells, AFileNameLineGivesTheWholeNameBack) {
    const Lines names = {"welle.prt", "a;b.prt", "tab\there.prt", "\"zitat\".prt", " \"x", "a\"b"};
    const Lines lines = fileNameLines(names);
    EXPECT_EQ(lines[0], "welle.prt");
    EXPECT_EQ(lines[5], "a\"b") << "a quote inside a name needs no quoting";
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        EXPECT_EQ(firstCell(lines[i]), names[i]);
        EXPECT_FALSE(hasSeveralCells(lines[i]));
    }
}

}  // namespace
}  // namespace stapelwerk
