// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/sort_dialog.h"
#include "app/messages/message_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>

namespace {

std::vector<std::pair<int, bool>> Keys(const SortChoice& choice) {
    std::vector<std::pair<int, bool>> keys;
    for (const SortKey& key : choice.keys)
        keys.emplace_back(key.column, key.descending);
    return keys;
}

TEST(SortDialog, OpensOnTheProposalAndGivesBackWhatItsControlsShow) {
    const SortChoice proposed{{{2, true}, {0, false}}, true};
    SortDialog dialog(nullptr, MessageTable(kEnglish), SortOffer{3, true}, proposed);
    auto* second = dialog.findChild<QComboBox*>(QStringLiteral("secondColumn"));
    auto* header = dialog.findChild<QCheckBox*>(QStringLiteral("header"));
    ASSERT_TRUE(second && header);
    EXPECT_EQ(second->count(), 4); // "(none)" and three columns
    EXPECT_EQ(second->itemText(3), QStringLiteral("Column 3"));
    EXPECT_EQ(Keys(dialog.choice()), (std::vector<std::pair<int, bool>>{{2, true}, {0, false}}));
    EXPECT_TRUE(dialog.choice().header);

    second->setCurrentIndex(0); // no second key
    header->setChecked(false);
    EXPECT_EQ(Keys(dialog.choice()), (std::vector<std::pair<int, bool>>{{2, true}}));
    EXPECT_FALSE(dialog.choice().header);

    // One key proposed: no second one; for a selection there is no header to keep.
    SortDialog selection(nullptr, MessageTable(kEnglish), SortOffer{3, false},
                         SortChoice{{{1, false}}, true});
    EXPECT_EQ(selection.windowTitle(), QStringLiteral("Sort"));
    EXPECT_EQ(Keys(selection.choice()), (std::vector<std::pair<int, bool>>{{1, false}}));
    EXPECT_FALSE(
        selection.findChild<QCheckBox*>(QStringLiteral("header"))->isVisibleTo(&selection));
    EXPECT_FALSE(selection.choice().header);
}

} // namespace
