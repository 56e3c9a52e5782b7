#include "app/kept_work_list.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/texts.h"
#include "support/TempDir.h"

namespace stapelwerk {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(KeptWorkList, EveryEntryComesBackWithItsMarkInItsPlace) {
    TempDir data;
    WorkList list;
    list.assign({{"welle.prt", true},
                 {"200000_mutter.drw;1;Freigegeben", false},
                 {"100%\tTRÄGER", true},
                 {"ab\ncd\r", false},  // a dropped file's name may hold a line break
                 {"", true}});
    ASSERT_TRUE(keepWorkList(data.path(), list).ok());
    EXPECT_EQ(readBytes(keptListPath(data.path())),
              "Stapelwerk-Arbeitsliste 1\r\n+ welle.prt\r\n- 200000_mutter.drw;1;Freigegeben\r\n"
              "+ 100%25\tTRÄGER\r\n- ab%0Acd%0D\r\n+ \r\n");
    const Result<WorkEntries> read = readKeptWorkList(data.path());
    ASSERT_TRUE(read.ok()) << read.message();
    EXPECT_EQ(*read, list.entries());

    list.assign({});
    ASSERT_TRUE(keepWorkList(data.path(), list).ok());
    EXPECT_TRUE(readKeptWorkList(data.path()).value().empty()) << "an emptied list stays empty";
}

TEST(KeptWorkList, NothingKeptReadsAsAnEmptyListAndNoDataDirectoryKeepsNothing) {
    TempDir data;
    EXPECT_TRUE(readKeptWorkList(data.path()).value().empty());
    EXPECT_TRUE(readKeptWorkList(data.file("missing")).value().empty());
    EXPECT_TRUE(keepWorkList("", WorkList()).ok());
    EXPECT_TRUE(readKeptWorkList("").value().empty());
}

TEST(KeptWorkList, ADamagedOrNewerFileIsRefusedWithItsLine) {
    TempDir data;
    const std::string path = keptListPath(data.path());
    const struct {
        const char* bytes;
        std::string message;  // empty: read
    } cases[] = {
        {"\xEF\xBB\xBFStapelwerk-Arbeitsliste 1\n+ a\n- b", ""},  // an editor's BOM and LF
        {"", texts::statusKeptListDamaged(path, 1)},
        {"Stapelwerk-Arbeitsliste 01\r\n", texts::statusKeptListDamaged(path, 1)},
        {"Stapelwerk-Arbeitsliste\r\n", texts::statusKeptListDamaged(path, 1)},
        {"welle.prt\r\n", texts::statusKeptListDamaged(path, 1)},
        {"Stapelwerk-Arbeitsliste 1\r\n+ a\r\nb\r\n", texts::statusKeptListDamaged(path, 3)},
        {"Stapelwerk-Arbeitsliste 1\r\n+ %G0\r\n", texts::statusKeptListDamaged(path, 2)},
        {"Stapelwerk-Arbeitsliste 1\r\n+ %4\r\n", texts::statusKeptListDamaged(path, 2)},
        {"Stapelwerk-Arbeitsliste 1\r\n+ \xFF\r\n", texts::statusKeptListDamaged(path, 2)},
        {"Stapelwerk-Arbeitsliste 1\r\n+ %FF\r\n", texts::statusKeptListDamaged(path, 2)},
        {"Stapelwerk-Arbeitsliste 2\r\n* new\r\n", texts::statusKeptListNewer(path, 2)},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.bytes);
        const Result<WorkEntries> read = readKeptWorkList(data.path());
        EXPECT_EQ(read.ok(), c.message.empty()) << c.bytes;
        EXPECT_EQ(read.ok() ? "" : read.message(), c.message);
    }
}

TEST(KeptWorkList, AListThatCannotBeKeptIsReportedAndTheOldFileStays) {
    TempDir data;
    std::filesystem::create_directory(keptListPath(data.path()));
    const Result<> kept = keepWorkList(data.path(), WorkList());
    ASSERT_FALSE(kept.ok());
    EXPECT_NE(kept.message().find(keptListPath(data.path())), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(keptListPath(data.path())));
    const Result<WorkEntries> read = readKeptWorkList(data.path());
    ASSERT_FALSE(read.ok()) << "a directory in its place is said, not taken as no list";
    EXPECT_NE(read.message().find(keptListPath(data.path())), std::string::npos);
}

}  // namespace
}  // namespace stapelwerk
