// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/about_box.h"
#include "app/dialogs/colour_capture_window.h"
#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/dialog_resources.h"
#include "app/messages/message_table.h"
#include "quadrivel_version.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QImage Shown(const QLabel* icon) {
    return icon->pixmap().toImage();
}

TEST(AboutBox, CyclesThroughTheSevenFramesOnEveryTick) {
    AboutBox box(nullptr, MessageTable(kEnglish));
    box.open();
    auto* timer = box.findChild<QTimer*>(ControlName(AboutBox::kAnimationTimer));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);
    timer->stop(); // the test gives the ticks itself

    auto* icon = box.findChild<QLabel*>(ControlName(AboutBox::kIconControl));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(box.shownFrame(), 701);
    const int expected[] = {701, 702, 703, 704, 705, 706, 707, 701, 702};
    for (int frame : expected) {
        box.Tick();
        EXPECT_EQ(box.shownFrame(), frame);
        EXPECT_EQ(Shown(icon), DialogPicture(frame).toImage()) << frame;
    }
    EXPECT_NE(DialogPicture(701).toImage(), DialogPicture(702).toImage());
}

TEST(AboutBox, ShowsTheThanksTheVersionAndTheLicenceAndClosesWithGetOut) {
    AboutBox box(nullptr, MessageTable(kEnglish));
    box.open();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Author"));
    EXPECT_EQ(box.findChild<QLabel*>(ControlName(AboutBox::kThanksControl))->text(),
              QStringLiteral("Velmora thanks you for using this program."));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("version"))->text(),
              QStringLiteral("Version " QUADRIVEL_VERSION));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("licence"))->text(),
              QStringLiteral("Free software under the GNU General Public License, version 3 or "
                             "later. It comes with no warranty."));
    auto* getOut = box.findChild<QPushButton*>(ControlName(AboutBox::kGetOutControl));
    ASSERT_NE(getOut, nullptr);
    EXPECT_EQ(getOut->text(), QStringLiteral("Get out"));
    QTest::mouseClick(getOut, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

// Every text is shown whole, in every language: the box grows to its wrapped lines instead of
// cutting them, and the button is at least as large as its text needs.
TEST(AboutBox, FitsItsTextsInEveryLanguage) {
    for (int language = 1; language <= kLanguageCount; ++language) {
        AboutBox box(nullptr, MessageTable(language));
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        const QRect inside = box.rect();
        for (const QString& name : {ControlName(AboutBox::kThanksControl),
                                    QStringLiteral("version"), QStringLiteral("licence")}) {
            const auto* label = box.findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr);
            EXPECT_TRUE(label->wordWrap()) << name.toStdString();
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << language << " " << name.toStdString();
            EXPECT_TRUE(inside.contains(label->geometry()))
                << language << " " << name.toStdString();
        }
        const auto* getOut = box.findChild<QPushButton*>(ControlName(AboutBox::kGetOutControl));
        EXPECT_GE(getOut->width(), getOut->sizeHint().width()) << language;
        EXPECT_GE(getOut->height(), getOut->sizeHint().height()) << language;
        EXPECT_TRUE(inside.contains(getOut->geometry())) << language;
        // Room to spare on a 1366 x 768 screen, even at twice the size.
        EXPECT_LE(box.width() * 2, 1366) << language;
        EXPECT_LE(box.height() * 2, 768) << language;
    }
}

TEST(DialogPictures, EveryToolbarBitmapAndFrameIsThere) {
    for (int number : {401, 405, 406, 407, 411})
        EXPECT_EQ(DialogPicture(number).size(), QSize(16, 16)) << number;
    for (int number = 701; number <= 707; ++number)
        EXPECT_EQ(DialogPicture(number).size(), QSize(32, 32)) << number;
    EXPECT_TRUE(DialogPicture(408).isNull());
}

TEST(ColourCaptureWindow, ShowsTheColourAndItsHexadecimalValue) {
    ColourCaptureWindow window(nullptr, MessageTable(kEnglish), 0x00A1B2C3);
    window.open();
    EXPECT_EQ(window.size(), QSize(302, 170));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Color Caught"));
    auto* label = window.findChild<QLabel*>(ControlName(ColourCaptureWindow::kColourTextControl));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("&H00A1B2C3"));
    EXPECT_EQ(label->geometry(), QRect(8, 104, 288, 24));
    EXPECT_EQ(
        window.findChild<ColourSwatch*>(ControlName(ColourCaptureWindow::kSwatchControl))->colour(),
        0x00A1B2C3);

    auto* accept = window.findChild<QPushButton*>(ControlName(ColourCaptureWindow::kAcceptControl));
    ASSERT_NE(accept, nullptr);
    EXPECT_EQ(accept->text(), QStringLiteral("Accept"));
    QTest::mouseClick(accept, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(CapturedColourText, HasEightUpperCaseDigits) {
    EXPECT_EQ(CapturedColourText(0), QStringLiteral("&H00000000"));
    EXPECT_EQ(CapturedColourText(0xFFFFFF), QStringLiteral("&H00FFFFFF"));
    EXPECT_EQ(CapturedColourText(0xabc), QStringLiteral("&H00000ABC"));
}

} // namespace
