// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/style_gallery_dialog.h"
#include "app/messages/message_table.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPushButton* Button(const QDialog& dialog, int entry) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == MessageIn(kEnglish, kStyleGroup, entry)) return button;
    }
    return nullptr;
}

} // namespace

TEST(StyleGalleryDialog, DeletesOnlyTheUsersStylesAndAppliesTheChosenOne) {
    QImage preview(30, 20, QImage::Format_RGB32);
    preview.fill(Qt::white);
    const std::vector<GalleryStyle> styles = {{QStringLiteral("Plain grid"), preview, false},
                                              {QStringLiteral("Ledger"), preview, false},
                                              {QStringLiteral("Mine"), preview, true}};
    StyleGalleryDialog dialog(nullptr, MessageTable(kEnglish), styles, 1);
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Mine"));
    EXPECT_EQ(list->currentRow(), 1);
    QPushButton* remove = Button(dialog, kDeleteStyleEntry);
    ASSERT_NE(remove, nullptr);
    EXPECT_FALSE(remove->isEnabled());

    list->setCurrentRow(2);
    EXPECT_TRUE(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().action, GalleryAction::Delete);
    EXPECT_EQ(dialog.choice().index, 2);

    list->setCurrentRow(0);
    QTest::mouseClick(Button(dialog, kApplyStyleEntry), Qt::LeftButton);
    EXPECT_EQ(dialog.choice().action, GalleryAction::Apply);
    EXPECT_EQ(dialog.choice().index, 0);
}
