#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <functional>
#include <string>
#include <vector>

#include "ui/params/ValueListModel.h"

namespace stapelwerk {
namespace {

using Values = std::vector<std::string>;

Values shown(const ValueListModel& model) {
    Values result;
    for (int row = 0; row < model.rowCount(); ++row) {
        result.push_back(model.index(row).data().toString().toStdString());
    }
    return result;
}

// A paste of thousands of values, handed to the view one row at a time, had it lay itself
// out once a row: every change reaches the views in one piece.
TEST(ValueListModel, EveryChangeReachesTheViewsInOnePiece) {
    ValueListModel model(nullptr);
    const QAbstractItemModelTester rules(&model,
                                         QAbstractItemModelTester::FailureReportingMode::Fatal);
    const struct {
        const char* name;
        std::function<void()> change;
        QList<int> insertedRange;  // first and last row of the one inserted range, if any
        int resets;
        Values after;
    } cases[] = {
        {"append to an empty list",
         [&] {
             model.append({"Stahl", "", "Größe"});
         },
         {0, 2},
         0,
         {"Stahl", "", "Größe"}},
        {"append behind",
         [&] { model.append({"Stahl"}); },
         {3, 3},
         0,
         {"Stahl", "", "Größe", "Stahl"}},
        {"append nothing", [&] { model.append({}); }, {}, 0, {"Stahl", "", "Größe", "Stahl"}},
        {"delete marked", [&] { model.removeMarkedAndEmpty(0); }, {}, 1, {"Größe", "Stahl"}},
        {"a new content",
         [&] {
             model.setValues({"a", "b"});
         },
         {},
         1,
         {"a", "b"}},
        {"clear", [&] { model.clear(); }, {}, 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        c.change();
        ASSERT_EQ(inserted.count(), c.insertedRange.isEmpty() ? 0 : 1);
        if (!c.insertedRange.isEmpty()) {
            EXPECT_EQ((QList<int>{inserted[0][1].toInt(), inserted[0][2].toInt()}),
                      c.insertedRange);
        }
        EXPECT_EQ(reset.count(), c.resets);
        EXPECT_EQ(shown(model), c.after);
        EXPECT_EQ(model.list().values(), c.after);
    }
}

}  // namespace
}  // namespace stapelwerk
