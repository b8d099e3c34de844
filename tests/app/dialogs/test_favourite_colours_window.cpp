// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/favourite_colours_window.h"
#include "app/dialogs/palette_picture.h"
#include "app/dialogs/program_state.h"
#include "app/messages/message_table.h"
#include "app/scripted_ui.h"
#include "fixtures/fifo.h"
#include "fixtures/temp_folder.h"
#include "model/favourite_palette.h"
#include "render/colour.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FavouriteColoursTest : public testing::Test {
protected:
    FavouriteColoursTest() { state.settings.currentLanguage = kEnglish; }

    void Open() {
        window = std::make_unique<FavouriteColoursWindow>(nullptr, ui, state, path);
        window->open();
        picture = window->findChild<PalettePicture*>();
        ASSERT_NE(picture, nullptr);
    }
    QPushButton* Button(const QString& text) {
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->text() == text) return button;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    void LeftClick(int x, int y) { QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(x, y)); }
    void RightClick(int x, int y) { QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(x, y)); }

    TempFolder folder;
    QString path = PaletteFilePath(folder.Path(QString()));
    ScriptedUi ui;
    ProgramState state;
    std::unique_ptr<FavouriteColoursWindow> window;
    PalettePicture* picture = nullptr;
};

TEST_F(FavouriteColoursTest, WithoutAFileShowsWhiteSwatchesAndWritesNothing) {
    Open();
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Your favorite colors load them and save them"));
    EXPECT_EQ(window->palette(), DefaultPalette());
    EXPECT_FALSE(Button(QStringLiteral("File"))->isEnabled());
    const QImage shown = picture->Picture();
    EXPECT_EQ(shown.pixel(12 * 25 + 1 + 12, 9 * 25 + 1 + 12), qRgb(255, 255, 255));
    QTest::mouseClick(Button(QStringLiteral("Get out")), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FavouriteColoursTest, APaletteThatIsNoFileGivesWhiteSwatchesAndSaysWhy) {
    const Fifo fifo(path);
    ASSERT_TRUE(fifo.made());
    // Widgets belong to this thread: the guarded read is the one the window makes.
    ASSERT_TRUE(fifo.ReturnsWithoutWriter([this] { LoadPalette(path); }));
    Open();
    EXPECT_EQ(window->palette(), DefaultPalette());
    EXPECT_EQ(ui.messages, QStringList{MessageIn(kEnglish, 78, 2) + path +
                                       QStringLiteral(": Not a regular file (a named pipe)")});
}

TEST_F(FavouriteColoursTest, AChangeLeftWithoutSavingIsLost) {
    FavouritePalette saved = DefaultPalette();
    saved.at(2, 1).colour = 0x0000FF;
    ASSERT_TRUE(SavePalette(path, saved).ok());

    Open();
    EXPECT_EQ(window->palette(), saved);
    ui.colours = {0x00FF00};
    LeftClick(3 * 25 + 10, 4 * 25 + 10);
    EXPECT_EQ(ui.colourRequests, std::vector<int32_t>{0x808080});
    EXPECT_EQ(window->palette().at(3, 4).colour, 0x00FF00);
    EXPECT_TRUE(Button(QStringLiteral("File"))->isEnabled());
    EXPECT_EQ(picture->Picture().pixel(3 * 25 + 12, 4 * 25 + 12), RgbFromBgr(0x00FF00));

    ui.answers = {false};
    QTest::mouseClick(Button(QStringLiteral("Get out")), Qt::LeftButton);
    EXPECT_EQ(ui.questions, QStringList{QStringLiteral("To save changes before exiting ?")});
    EXPECT_FALSE(window->isVisible());

    Open();
    EXPECT_EQ(window->palette(), saved);
}

TEST_F(FavouriteColoursTest, GetOutWithYesAndFileSaveThePalette) {
    Open();
    ui.colours = {0x00FF00, 0x112233};
    LeftClick(10, 10);
    QTest::mouseClick(Button(QStringLiteral("File")), Qt::LeftButton);
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("My favorite colors are filed")});
    EXPECT_FALSE(Button(QStringLiteral("File"))->isEnabled());
    EXPECT_EQ(LoadPalette(path).at(0, 0).colour, 0x00FF00);

    LeftClick(12 * 25 + 5, 9 * 25 + 5);
    ui.answers = {true};
    QTest::mouseClick(Button(QStringLiteral("Get out")), Qt::LeftButton);
    EXPECT_EQ(ui.questions.size(), 1);
    const FavouritePalette stored = LoadPalette(path);
    EXPECT_EQ(stored.at(0, 0).colour, 0x00FF00);
    EXPECT_EQ(stored.at(12, 9).colour, 0x112233);
    EXPECT_EQ(QFile(path).size(), kPaletteFileBytes);
}

TEST_F(FavouriteColoursTest, ResetRemovesTheFileAndCapturesWhite) {
    FavouritePalette saved = DefaultPalette();
    saved.at(0, 0).colour = 0x000080;
    ASSERT_TRUE(SavePalette(path, saved).ok());
    Open();

    ui.answers = {false};
    QTest::mouseClick(Button(QStringLiteral("Reset")), Qt::LeftButton);
    EXPECT_EQ(ui.questions, QStringList{QStringLiteral(
                                "RESET really want ?\r\nAll your favorite colors will be lost")});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(window->palette(), saved);

    ui.answers = {true};
    QTest::mouseClick(Button(QStringLiteral("Reset")), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(window->palette(), DefaultPalette());
    EXPECT_EQ(state.capturedColour, 0xFFFFFF);

    // Nothing was changed by hand, so leaving asks nothing and writes nothing.
    ui.questions.clear();
    QTest::mouseClick(Button(QStringLiteral("Get out")), Qt::LeftButton);
    EXPECT_TRUE(ui.questions.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(FavouriteColoursTest, AClickBesideTheGridIsIgnored) {
    Open();
    ui.colours = {0x00FF00};
    LeftClick(330, 10);
    LeftClick(10, 252);
    EXPECT_TRUE(ui.colourRequests.empty());
    EXPECT_FALSE(window->modified());
}

TEST_F(FavouriteColoursTest, ASecondClickWhileTheColourDialogIsOpenIsIgnored) {
    Open();
    ui.colours = {0x00FF00, 0x0000FF};
    ui.whileChoosingColour = [this] {
        ui.whileChoosingColour = nullptr;
        LeftClick(40, 40);
    };
    LeftClick(10, 10);
    EXPECT_EQ(ui.colourRequests.size(), 1u);
    EXPECT_EQ(window->palette().at(0, 0).colour, 0x00FF00);
    EXPECT_EQ(window->palette().at(1, 1).colour, 0xFFFFFF);
}

TEST_F(FavouriteColoursTest, ARightClickCapturesThePixelColour) {
    FavouritePalette saved = DefaultPalette();
    saved.at(1, 0).colour = 0x000000;
    saved.at(2, 0).colour = 0x20A040;
    ASSERT_TRUE(SavePalette(path, saved).ok());
    Open();
    auto* label = window->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Selected color"));

    RightClick(2 * 25 + 12, 12);
    EXPECT_EQ(state.capturedColour, 0x20A040);
    EXPECT_EQ(label->palette().color(QPalette::Window), ColourFromBgr(0x20A040));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));

    RightClick(25 + 12, 12);
    EXPECT_EQ(state.capturedColour, 0);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));

    // Beyond the grid the picture's background is picked.
    RightClick(330, 100);
    EXPECT_EQ(state.capturedColour, BgrFromRgb(picture->Picture().pixel(330, 100)));
    EXPECT_FALSE(window->modified());
}

TEST_F(FavouriteColoursTest, ThePointerOutlinesTheSwatchUnderIt) {
    Open();
    const QPoint corner(4 * 25 + 1, 2 * 25 + 1); // the outline's top-left pixel
    const QRgb before = picture->Picture().pixel(corner);
    EXPECT_NE(before, qRgb(255, 255, 255));
    QTest::mouseMove(picture, QPoint(4 * 25 + 10, 2 * 25 + 10));
    EXPECT_EQ(picture->Picture().pixel(corner), qRgb(255, 255, 255));
    QTest::mouseMove(picture, QPoint(332, 5)); // outside the grid: nothing changes
    EXPECT_EQ(picture->Picture().pixel(corner), qRgb(255, 255, 255));
    QTest::mouseMove(picture, QPoint(10, 10));
    EXPECT_EQ(picture->Picture().pixel(corner), before);
}

} // namespace
