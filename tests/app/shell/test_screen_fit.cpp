// SPDX-License-Identifier: GPL-3.0-or-later
// Every window fits a laptop screen, with no control over another and no text too small.
#include "app/dialogs/about_box.h"
#include "app/dialogs/cell_edit_fields.h"
#include "app/dialogs/cell_editing_dialog.h"
#include "app/dialogs/colour_capture_window.h"
#include "app/dialogs/configuration_dialog.h"
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/dialog_fit.h"
#include "app/dialogs/favourite_colours_window.h"
#include "app/dialogs/new_table_dialog.h"
#include "app/dialogs/password_dialog.h"
#include "app/dialogs/style_gallery_dialog.h"
#include "app/dialogs/table_look_controls.h"
#include "app/dialogs/title_bar_dialog.h"
#include "app/editor/editor_state.h"
#include "app/messages/message_table.h"
#include "app/scripted_ui.h"
#include "app/shell/association_prompt.h"
#include "app/shell/file_association.h"
#include "fixtures/temp_folder.h"
#include "model/cell_record.h"
#include "model/table_settings.h"

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QScrollArea>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What windows may take on a 1366 x 768 screen at 100 % under a 32-pixel panel, and on a
// 1920 x 1080 screen at 150 % (1280 x 720 logical pixels).
const QRect kLaptop(0, 0, 1366, 736);
const QRect kScaledFullHd(0, 0, 1280, 688);

bool IsFrameOnly(const QWidget* widget) {
    return qobject_cast<const QGroupBox*>(widget) ||
           widget->metaObject() == &QFrame::staticMetaObject;
}

// The visible controls placed side by side in `container`, looking into pages and scroll
// areas: no two may overlap, and none may write smaller than the desktop's small font.
void ExpectControlsApart(const QWidget* container, const QString& where) {
    QList<const QWidget*> controls;
    for (const QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->objectName().startsWith(QStringLiteral("qt_"))) continue;
        if (const auto* area = qobject_cast<const QScrollArea*>(child))
            ExpectControlsApart(area->widget(), where);
        if (child->metaObject() == &QWidget::staticMetaObject) {
            ExpectControlsApart(child, where);
            continue;
        }
        EXPECT_GE(QFontInfo(child->font()).pixelSize(), SmallestReadablePixelSize())
            << where.toStdString() << " " << child->objectName().toStdString();
        if (!IsFrameOnly(child)) controls.append(child);
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << where.toStdString() << ": " << controls[i]->objectName().toStdString() << " "
                << controls[i]->metaObject()->className() << " and "
                << controls[j]->objectName().toStdString() << " "
                << controls[j]->metaObject()->className();
        }
    }
}

void ExpectFits(QDialog& dialog, const QRect& available, const QString& where) {
    dialog.show();
    const QSize room = ClientRoom(&dialog, available);
    EXPECT_LE(dialog.width(), room.width()) << where.toStdString();
    EXPECT_LE(dialog.height(), room.height()) << where.toStdString();
    ExpectControlsApart(&dialog, where);
}

class ScreenFitTest : public testing::Test {
protected:
    ScreenFitTest() {
        state.settings.currentLanguage = kGerman; // long texts
        state.settings.decimalPlaces = 2;
        ResetCellToDefaults(cell);
        FillCellEditFields(cell, fields);
    }

    ScriptedUi ui;
    EditorState state;
    TableSettings settings;
    CellRecord cell;
    CellEditFields fields;
};

} // namespace

TEST_F(ScreenFitTest, EveryDialogFitsTheScreenWithItsControlsApart) {
    const MessageTable messages(state.settings.currentLanguage);
    TempFolder folder;
    for (const QRect& available : {kLaptop, kScaledFullHd}) {
        NewTableDialog newTable(nullptr, ui, settings, state);
        ExpectFits(newTable, available, QStringLiteral("new table"));
        ConfigurationDialog configuration(nullptr, ui, settings, state);
        ExpectFits(configuration, available, QStringLiteral("configuration"));
        TitleBarDialog titleBar(nullptr, ui, settings, state);
        ExpectFits(titleBar, available, QStringLiteral("title bar"));
        PasswordDialog password(nullptr, messages);
        ExpectFits(password, available, QStringLiteral("password"));
        ColourCaptureWindow capture(nullptr, messages, 0x123456);
        ExpectFits(capture, available, QStringLiteral("captured colour"));
        AboutBox about(nullptr, messages);
        ExpectFits(about, available, QStringLiteral("about"));
        FavouriteColoursWindow favourites(nullptr, ui, state,
                                          folder.Path(QStringLiteral("palette.ini")));
        ExpectFits(favourites, available, QStringLiteral("favourite colours"));

        CellEditingDialog cellEditing(nullptr, ui, fields, state);
        cellEditing.FitInto(available);
        ExpectFits(cellEditing, available, QStringLiteral("cell editing"));

        const std::vector<GalleryStyle> styles(8, GalleryStyle{});
        StyleGalleryDialog gallery(nullptr, messages, styles, 0);
        gallery.FitInto(available);
        ExpectFits(gallery, available, QStringLiteral("table styles"));
        // At twice the size a laptop screen is 683 x 384: the tiles scroll.
        gallery.FitInto(QRect(0, 0, 683, 384));
        ExpectFits(gallery, QRect(0, 0, 683, 384), QStringLiteral("table styles, small"));

        AssociationPrompt association(nullptr, AssociationQuestion());
        association.FitInto(available);
        ExpectFits(association, available, QStringLiteral("association"));
        // The buttons stay in sight below the scrolling text.
        const auto* buttons = association.findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        EXPECT_LE(buttons->geometry().bottom(), association.height());
    }
}

TEST_F(ScreenFitTest, DialogsScrollOnlyWhenTheScreenIsLower) {
    CellEditingDialog cellEditing(nullptr, ui, fields, state);
    cellEditing.FitInto(QRect(0, 0, 1920, 1200));
    cellEditing.show();
    EXPECT_EQ(cellEditing.findChild<QScrollArea*>()->viewport()->size(), QSize(449, 952));
    cellEditing.FitInto(kLaptop);
    EXPECT_LT(cellEditing.height(), 952);
    EXPECT_EQ(cellEditing.findChild<QScrollArea*>()->viewport()->width(), 449); // no sideways

    AssociationPrompt association(nullptr, AssociationQuestion());
    association.FitInto(QRect(0, 0, 1920, 1200));
    association.show();
    auto* area = association.findChild<QScrollArea*>();
    EXPECT_GE(area->viewport()->height(), area->widget()->height()); // the whole text
    association.FitInto(kLaptop);
    EXPECT_LT(area->viewport()->height(), area->widget()->height()); // scrolls
}

TEST_F(ScreenFitTest, ListsShowFourRows) {
    NewTableDialog newTable(nullptr, ui, settings, state);
    ConfigurationDialog configuration(nullptr, ui, settings, state);
    newTable.show();
    configuration.show();
    const struct {
        const QDialog& dialog;
        int id;
    } lists[] = {
        {newTable, NewTableDialog::kLookBase + TableLookControls::kThicknessListOffset},
        {newTable, NewTableDialog::kLookBase + TableLookControls::kSeparatorListOffset},
        {configuration, ConfigurationDialog::kLookBase + TableLookControls::kThicknessListOffset},
        {configuration, ConfigurationDialog::kLookBase + TableLookControls::kSeparatorListOffset},
    };
    for (const auto& [dialog, id] : lists) {
        const auto* list = dialog.findChild<QListWidget*>(ControlName(id));
        ASSERT_NE(list, nullptr) << id;
        EXPECT_GE(list->viewport()->height(), 4 * list->sizeHintForRow(0)) << id;
    }
}
