// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor_test_fixture.h"
#include "content/built_in_styles.h"
#include "content/selection_run.h"
#include "content/style_file.h"

namespace {

class StylesTest : public EditorTest {
protected:
    StylesTest() { state.stylesFolder = folder.Path(QStringLiteral("styles")); }

    static int BuiltInIndex(const char* name) {
        const auto& styles = BuiltInStyles();
        for (size_t i = 0; i < styles.size(); ++i) {
            if (styles[i].name == QLatin1String(name)) return int(i);
        }
        return -1;
    }
    void Choose(GalleryAction action, int index) {
        ui.galleryChoices.push_back(GalleryChoice{action, index});
    }
};

} // namespace

TEST_F(StylesTest, ApplyingAStyleIsOneStepThatUndoTakesBackToTheSavedBytes) {
    NewTable(4, 5);
    EditText(1, 0, QStringLiteral("Q1"));
    EditText(1, 1, QStringLiteral("12.5"));
    const QByteArray before = WorkFileBytes(document());

    Choose(GalleryAction::Apply, BuiltInIndex("banded"));
    Run(CommandId::TableStyle);
    ASSERT_EQ(ui.galleries.size(), 1u);
    ASSERT_EQ(ui.galleries[0].size(), BuiltInStyles().size());
    EXPECT_EQ(ui.galleries[0][2].name, QStringLiteral("Banded rows"));
    EXPECT_FALSE(ui.galleries[0][2].deletable);
    EXPECT_FALSE(ui.galleries[0][2].preview.isNull());
    EXPECT_EQ(document().settings.horizontalLinesWithCellAreas, 1);
    EXPECT_EQ(document().cell(1, 1).alignment, Alignment::Right);
    EXPECT_NE(WorkFileBytes(document()), before);

    Run(CommandId::Undo);
    EXPECT_EQ(WorkFileBytes(document()), before);
}

TEST_F(StylesTest, OnlySelectedCellsTakeTheStyleAndTheSelectionEnds) {
    NewTable(4, 5);
    Click(2, 3);
    ASSERT_EQ(document().cell(2, 3).selected, 1);
    Choose(GalleryAction::Apply, BuiltInIndex("dark-header"));
    Run(CommandId::TableStyle);
    EXPECT_EQ(document().cell(2, 3).backColour, 0x262626); // the block's header row
    EXPECT_EQ(document().cell(2, 3).selected, 0);
    EXPECT_EQ(document().cell(1, 3).backColour, kWhite);
    EXPECT_EQ(document().settings.lineColour, 0);
}

TEST_F(StylesTest, SavedStylesFollowTheBuiltInOnesAndCanBeDeleted) {
    NewTable(4, 5);
    ui.texts = {QStringLiteral("banded"), QStringLiteral(" Mine "), QString()};
    Run(CommandId::SaveAsStyle);
    EXPECT_EQ(ui.messages.value(0), Message(81, 7) + QStringLiteral("banded"));
    Run(CommandId::SaveAsStyle);
    EXPECT_TRUE(QFile::exists(UserStylePath(state.stylesFolder, QStringLiteral("Mine"))));
    Run(CommandId::SaveAsStyle); // cancelled
    EXPECT_EQ(ui.textPrompts.size(), 3);
    EXPECT_EQ(ui.messages.size(), 1);
    // Replacing it, confirmed, keeps the file just written.
    ui.texts = {QStringLiteral("Mine")};
    ui.answers = {true};
    Run(CommandId::SaveAsStyle);
    EXPECT_EQ(ui.questions,
              QStringList{Message(kStyleGroup, kReplaceStyleEntry) + QStringLiteral("\r\nMine")});
    EXPECT_TRUE(QFile::exists(UserStylePath(state.stylesFolder, QStringLiteral("Mine"))));
    ui.questions.clear();
    folder.Write(QStringLiteral("styles/broken.json"), "{");
    folder.Write(QStringLiteral("styles/plain.json"), StyleJson(BuiltInStyles()[0]));

    const int mine = int(BuiltInStyles().size());
    Choose(GalleryAction::Delete, mine);
    ui.answers = {true};
    Run(CommandId::TableStyle);
    ASSERT_EQ(ui.galleries.size(), 2u);
    ASSERT_EQ(ui.galleries[0].size(), size_t(mine) + 1);
    EXPECT_EQ(ui.galleries[0][size_t(mine)].name, QStringLiteral("Mine"));
    EXPECT_TRUE(ui.galleries[0][size_t(mine)].deletable);
    EXPECT_EQ(ui.galleries[1].size(), size_t(mine));
    EXPECT_EQ(ui.questions, QStringList{Message(81, 10) + QStringLiteral("\r\nMine")});
    EXPECT_EQ(ui.messages.mid(1),
              QStringList({Message(81, 6) + QStringLiteral("broken.json: not a style"),
                           Message(81, 7) + QStringLiteral("plain.json")}));
    EXPECT_FALSE(QFile::exists(UserStylePath(state.stylesFolder, QStringLiteral("Mine"))));
}

TEST_F(StylesTest, StyleNamesAreCheckedAsFileNamesBeforeSaving) {
    NewTable(3, 3);
    const QString cjk(kStyleNameMaxLength, QChar(0x8868));
    ui.texts = {QStringLiteral(".hidden"), QStringLiteral("a/b"), cjk};
    for (int i = 0; i < 3; ++i)
        Run(CommandId::SaveAsStyle);
    EXPECT_EQ(ui.messages, QStringList({Message(81, 21), Message(81, 21)}));
    EXPECT_EQ(QDir(state.stylesFolder).entryList(QDir::Files | QDir::Hidden),
              QStringList{cjk + QStringLiteral(".json")});
}
