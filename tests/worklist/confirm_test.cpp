#include <gtest/gtest.h>

#include <random>

#include "core/job.h"
#include "worklist/confirm.h"

namespace stapelwerk {
namespace {

using Texts = std::vector<std::string>;

WorkEntries selected(const Texts& texts) {
    WorkEntries entries;
    for (const std::string& text : texts) entries.append(text, true);
    return entries;
}

TEST(Confirm, ReducesEachEntryToNameAndFirstExtension) {
    const struct {
        const char* entry;
        const char* confirmed;
    } table[] = {
        {"plan.drw", "plan.drw"},
        {"plan.drw.3", "plan.drw"},
        {"C:\\work\\welle.prt.12", "welle.prt"},
        {"welle", "welle"},
        {"a.b.drw", "a.b"},
        {"abc.", "abc"},
        {"abc..drw", "abc.drw"},
        {"teil.prt ", "teil.prt "},
        {"  teil.prt", "teil.prt"},
        {"/home/u/welle.prt.2", "welle.prt"},
        {"C:welle.prt", "welle.prt"},
        {"Ä:welle.prt", "welle.prt"},
        {"dir\\", "dir\\"},
        {"", ""},
        // Columns copied from a spreadsheet: the file name is the first.
        {"welle.prt\tWelle 20", "welle.prt"},
        {"C:\\w\\welle.prt.3\tWelle\t20", "welle.prt"},
        {"teil.prt \tx", "teil.prt "},
        {"\twelle.prt", ""},
        // A CSV export's row: the file name is its first cell, quoted or not.
        {"200000_mutter.drw;1;Freigegeben;Müller", "200000_mutter.drw"},
        {"C:\\w\\welle.prt.3;1", "welle.prt"},
        {"\"C:\\w\\a;b.prt.2\";1", "a;b.prt"},
        {"\"welle \"\"20\"\".prt\"\tx", "welle \"20\".prt"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.entry);
        EXPECT_EQ(confirmedEntries(selected({row.entry})), Texts{row.confirmed});
    }
}

TEST(Confirm, TakesOnlySelectedEntriesInListOrder) {
    WorkEntries entries = {{"c.prt", true}, {"b.prt", false}, {"a.prt", true}};
    EXPECT_EQ(confirmedEntries(entries), (Texts{"c.prt", "a.prt"}));
    EXPECT_TRUE(confirmedEntries({{"a.prt", false}}).empty());
    EXPECT_TRUE(confirmedEntries({}).empty());
}

TEST(Confirm, RemovesRepeatsAfterReduction) {
    EXPECT_EQ(confirmedEntries(selected({"plan.drw.1", "plan.drw.2"})), Texts{"plan.drw"});
    EXPECT_EQ(confirmedEntries(selected({"Plan.drw", "plan.drw"})),
              (Texts{"Plan.drw", "plan.drw"}));
    EXPECT_EQ(confirmedEntries(selected({"a.prt.1", "b.prt", "a.prt.2"})).size(), 2u);
}

// The walk that compares every entry with the entries kept before it.
Texts quadraticRemoveDuplicates(const Texts& entries) {
    Texts kept;
    for (const std::string& entry : entries) {
        bool repeat = false;
        for (const std::string& earlier : kept)
            repeat = repeat || (earlier == entry && !entry.empty());
        if (!repeat) kept.push_back(entry);
    }
    return kept;
}

TEST(WithoutRepeats, AgreesWithTheQuadraticWalk) {
    std::mt19937 random(7);
    const Texts alphabet = {"", "a", "A", "b", "a.prt", "a.prt ", "ä"};
    for (int round = 0; round < 200; ++round) {
        Texts entries;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i) entries.push_back(alphabet[random() % alphabet.size()]);
        EXPECT_EQ(withoutRepeats(entries), quadraticRemoveDuplicates(entries));
    }
}

TEST(WithoutRepeats, KeepsEmptyEntriesAndHandlesLargeLists) {
    EXPECT_EQ(withoutRepeats({"", "x", "", "x"}), (Texts{"", "x", ""}));

    Texts large;
    for (int i = 0; i < 100000; ++i) large.push_back("teil" + std::to_string(i % 50000) + ".prt");
    const TextList kept = withoutRepeats(large);
    ASSERT_EQ(kept.size(), 50000u);
    EXPECT_EQ(kept[49999], "teil49999.prt");
}

TEST(Confirm, AJobKeepsItsEntriesToProcessUntilTheNextConfirm) {
    Job job;
    job.workList.assign({{"plan.drw.1", true}, {"x.prt", false}, {"C:\\a\\plan.drw.2", true}});
    const Result<std::string> chosen = confirmSelection(job);
    EXPECT_TRUE(chosen.ok());
    EXPECT_EQ(chosen.value(), "1 Dateien gewählt. Mapkey kann nun erstellt werden.");
    EXPECT_EQ(job.confirmedEntries, Texts{"plan.drw"});

    job.workList.clear();
    EXPECT_EQ(job.confirmedEntries, Texts{"plan.drw"}) << "clearing the list is no confirm";

    const Result<std::string> none = confirmSelection(job);
    EXPECT_FALSE(none.ok());
    EXPECT_EQ(none.message(), "Bitte Dateien auswählen !");
    EXPECT_TRUE(job.confirmedEntries.empty());
}

}  // namespace
}  // namespace stapelwerk
