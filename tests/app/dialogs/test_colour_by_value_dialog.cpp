// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/colour_by_value_dialog.h"
#include "app/dialogs/colour_by_value_preview.h"
#include "app/scripted_ui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ColourByValueDialogTest : public ::testing::Test {
protected:
    template <typename T> T* Control(const char* name) {
        T* control = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // As a click does; nothing when the button is disabled.
    void Click(const char* name) { Control<QAbstractButton>(name)->click(); }
    const std::vector<PreviewCell>& Preview() {
        return Control<ColourByValuePreview>("preview")->cells();
    }
    QString Count() { return Control<QLabel>("count")->text(); }

    ScriptedUi ui;
    ColourByValueDialog dialog{nullptr, ui, MessageTable(kEnglish), {10, -2, 0.5, 4}};
};

TEST_F(ColourByValueDialogTest, ScaleChoicesAndTheirPreview) {
    const ColourScale& first = BuiltInScales()[0].scale;
    EXPECT_EQ(dialog.choice(), ColourByValueChoice(first));
    ASSERT_EQ(Preview().size(), 4u);
    EXPECT_EQ(Preview().front().text, QStringLiteral("-2"));
    EXPECT_EQ(Preview().front().fill, first.low);
    EXPECT_EQ(Preview().back().fill, first.high);
    EXPECT_EQ(Preview().back().textColour, ReadableTextColour(first.high));
    EXPECT_EQ(Count(), QStringLiteral("Cells coloured: 4"));

    auto* middle = Control<QComboBox>("middleAt");
    middle->setCurrentIndex(2); // at the value
    EXPECT_FALSE(dialog.choice());
    QTest::keyClicks(Control<QLineEdit>("middleValue"), QStringLiteral("1.5"));
    ColourScale atValue = first;
    atValue.middleValue = 1.5;
    EXPECT_EQ(dialog.choice(), ColourByValueChoice(atValue));
    middle->setCurrentIndex(0);
    EXPECT_EQ(dialog.choice(), ColourByValueChoice(ColourScale{first.low, {}, first.high, {}}));

    // Choosing the custom entry keeps the colours as they are.
    auto* scales = Control<QComboBox>("scales");
    scales->activated(int(BuiltInScales().size()));
    EXPECT_EQ(dialog.choice(), ColourByValueChoice(ColourScale{first.low, {}, first.high, {}}));

    // A colour of the user's own makes the scale a custom one.
    ui.colours = {0x123456};
    Click("lowest");
    EXPECT_EQ(ui.colourRequests, std::vector<int32_t>{first.low});
    EXPECT_EQ(scales->currentIndex(), int(BuiltInScales().size()));
    EXPECT_EQ(std::get<ColourScale>(*dialog.choice()).low, 0x123456);
    EXPECT_EQ(Preview().front().fill, 0x123456);
    auto* preview = Control<ColourByValuePreview>("preview");
    preview->resize(360, 30);
    EXPECT_EQ(preview->grab().toImage().pixel(3, 3), qRgb(0x56, 0x34, 0x12));
}

TEST(ColourByValuePreview, SamplesSpreadFromTheLowestToTheHighest) {
    std::vector<long double> numbers;
    for (int i = 19; i >= 0; --i)
        numbers.push_back(i);
    EXPECT_EQ(PreviewSamples(numbers, 8), (std::vector<long double>{0, 2, 5, 8, 10, 13, 16, 19}));
    EXPECT_EQ(PreviewSamples({2, 1, 1}, 8), (std::vector<long double>{1, 2}));
    EXPECT_EQ(PreviewSamples(numbers, 2), (std::vector<long double>{0, 19})); // the two ends
}

TEST_F(ColourByValueDialogTest, RuleChoicesAndTheirPreview) {
    Click("ruleMode");
    auto* comparison = Control<QComboBox>("comparison");
    EXPECT_EQ(comparison->count(), 4);
    auto* upper = Control<QLineEdit>("upper");
    EXPECT_TRUE(upper->isHidden()); // a second value only for "between"
    comparison->setCurrentIndex(int(RuleComparison::Between));
    EXPECT_FALSE(upper->isHidden());
    QTest::keyClicks(upper, QStringLiteral("4"));
    ui.colours = {0x800000};
    Click("fill");
    ASSERT_TRUE(dialog.choice());
    const ColourRule rule = std::get<ColourRule>(*dialog.choice());
    EXPECT_EQ(rule.comparison, RuleComparison::Between);
    EXPECT_EQ(double(rule.value), 0.0);
    EXPECT_EQ(double(rule.upper), 4.0);
    EXPECT_EQ(rule.fill, 0x800000);
    EXPECT_FALSE(rule.text);
    EXPECT_FALSE(rule.bold);
    EXPECT_EQ(Count(), QStringLiteral("Cells coloured: 2"));
    ASSERT_EQ(Preview().size(), 4u);
    EXPECT_EQ(Preview()[0].fill, kWhite); // -2 is outside, shown plain
    EXPECT_FALSE(Preview()[0].bold);
    EXPECT_EQ(Preview()[1].fill, 0x800000);
    EXPECT_EQ(Preview()[1].textColour, kWhite);

    ui.colours = {0x00FFFF};
    Click("textColour"); // disabled while the text is black or white
    EXPECT_TRUE(ui.colours.size() == 1u);
    Click("readableText");
    Click("textColour");
    Click("bold");
    EXPECT_EQ(std::get<ColourRule>(*dialog.choice()).text, 0x00FFFF);
    EXPECT_TRUE(std::get<ColourRule>(*dialog.choice()).bold);
    EXPECT_TRUE(Preview()[1].bold);
    EXPECT_FALSE(Preview()[0].bold); // only the cells the rule holds for

    upper->setText(QStringLiteral("-1")); // below the lower value
    EXPECT_FALSE(dialog.choice());
    EXPECT_EQ(Count(), QStringLiteral("Cells coloured: 0"));
}

} // namespace
