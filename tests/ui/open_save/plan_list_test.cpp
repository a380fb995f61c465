// The Open dialog's list order and search matching.

#include "ui/open_save/plan_list.h"

#include <gtest/gtest.h>

namespace {

TEST(PlanListOrder, SortsWithoutCaseAndKeepsFileOrderForEqualNames) {
    const std::vector<plan::PlanListEntry> sorted =
        ui::sortedByName({{"b", 0}, {"A", 1}, {"a", 2}, {"", 3}, {"B", 4}, {"a", 5}});
    std::vector<int> records;
    for (const plan::PlanListEntry& e : sorted)
        records.push_back(e.recordNumber);
    EXPECT_EQ((std::vector<int>{3, 1, 2, 5, 0, 4}), records);
}

TEST(PlanSearch, KeyCapitalisesOnlyAToZAndCutsTo60) {
    EXPECT_EQ(QString::fromUtf8("JOHN \u00e9 SMITH-2"),
              ui::searchKey(QString::fromUtf8("John \u00e9 smith-2")));
    EXPECT_EQ(60, ui::searchKey(QString(70, QLatin1Char('x'))).size());
}

TEST(PlanSearch, FindsTheFirstContainingNameFromTheStart) {
    const QStringList names{QStringLiteral("Ann"), QStringLiteral("John Smith"),
                            QStringLiteral("Smithers")};
    const QString key = ui::searchKey(QStringLiteral("smith"));
    EXPECT_EQ(1, ui::findEntry(names, key, 0));
    EXPECT_EQ(2, ui::findEntry(names, key, 2));
    EXPECT_EQ(-1, ui::findEntry(names, key, 3));
    EXPECT_EQ(-1, ui::findEntry(names, ui::searchKey(QStringLiteral("zed")), 0));
}

}  // namespace
