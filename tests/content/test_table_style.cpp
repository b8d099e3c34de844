// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/built_in_styles.h"
#include "content/colour_contrast.h"
#include "content/qstring_printer.h"
#include "content/style_file.h"
#include "content/style_of_table.h"
#include "content/table_style.h"
#include "fixtures/fifo.h"
#include "fixtures/table_builder.h"
#include "fixtures/temp_folder.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Bgr(uint32_t rgb) {
    return int32_t(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

// 4 x 5: a header row of texts, numbers and texts below, a joined pair, a stopped, a
// cancelled and an image cell, a series command, a last row.
Document SampleTable() {
    Document document = MakeTable(4, 5);
    const char16_t* headers[] = {u"Name", u"Q1", u"Q2", u"Q3"};
    for (int column = 0; column < 4; ++column) {
        document.cell(column, 0).text = QString::fromUtf16(headers[column]);
        for (int row = 1; row < 5; ++row) {
            CellRecord& cell = document.cell(column, row);
            cell.text = column == 0 ? QStringLiteral("item") : QString::number(row * 10 + column);
        }
    }
    document.cell(1, 1).numericAllowed = 1;
    document.cell(1, 1).numberFormat = 1;
    document.cell(2, 1).text = QStringLiteral("x");
    document.cell(1, 2).right = document.cell(2, 2).right;
    document.cell(2, 2).joinState = kJoinedLeft;
    document.cell(3, 1).cellState = kCellStopped;
    document.cell(3, 3).cellState = kCellCancelled;
    document.cell(2, 3).backColour = kImageCellMarker;
    document.cell(2, 3).imageSpec = QStringLiteral("pic.png*16777215");
    document.cell(0, 4).alignment = Alignment::RotatedTop;
    document.commands.at(0, 4) = QStringLiteral("=1+1");
    return document;
}

// What a style may never touch.
void ExpectContentKept(const Document& before, const Document& after) {
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 4; ++column) {
            const CellRecord& a = before.cell(column, row);
            const CellRecord& b = after.cell(column, row);
            EXPECT_EQ(a.text, b.text);
            EXPECT_EQ(a.joinState, b.joinState);
            EXPECT_EQ(a.cellState, b.cellState);
            EXPECT_EQ(a.imageSpec, b.imageSpec);
            EXPECT_EQ(a.numberFormat, b.numberFormat);
            EXPECT_EQ(a.numericAllowed, b.numericAllowed);
            EXPECT_EQ(a.right, b.right);
            EXPECT_EQ(before.commands.at(column, row), after.commands.at(column, row));
        }
    }
    // Joined-away and cancelled cells only take the table's line colour; the image keeps its
    // marker.
    for (const auto& [column, row] : {std::pair(2, 2), std::pair(3, 3)}) {
        CellRecord kept = before.cell(column, row);
        kept.lineColour = after.settings.lineColour;
        EXPECT_EQ(after.cell(column, row), kept);
    }
    EXPECT_EQ(after.cell(2, 3).backColour, kImageCellMarker);
}

struct Expected {
    const char* name;
    uint32_t header, odd, even, last, firstColumn; // fills, as 0xRRGGBB
    int32_t rowLines, columnLines, titleBar;
};

} // namespace

TEST(TableStyle, EachBuiltInStyleColoursItsPartsAndKeepsTheContent) {
    const Expected table[] = {
        {"plain", 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0, 0, 0},
        {"header", 0x305496, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0, 0, 0},
        {"banded", 0x305496, 0xFFFFFF, 0xD9E1F2, 0xD9E1F2, 0xFFFFFF, 1, 0, 0},
        {"header-column", 0x375623, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE2EFDA, 0, 1, 0},
        {"minimal", 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 1, 0, 0},
        {"dark-header", 0x262626, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0, 0, 0},
        {"ledger", 0x833C0B, 0xFFFFFF, 0xFCE4D6, 0xF8CBAD, 0xFFFFFF, 1, 0, 0},
        {"title-bars", 0x2F5597, 0xFFFFFF, 0xDDEBF7, 0xDDEBF7, 0xFFFFFF, 0, 0, 1},
    };
    ASSERT_EQ(BuiltInStyles().size(), std::size(table));
    for (const Expected& e : table) {
        SCOPED_TRACE(e.name);
        const TableStyle* style = FindStyle(BuiltInStyles(), QString::fromLatin1(e.name));
        ASSERT_NE(style, nullptr);
        const Document before = SampleTable();
        Document after = before;
        ApplyTableStyle(after, *style);

        EXPECT_EQ(after.cell(2, 0).backColour, Bgr(e.header));
        EXPECT_EQ(after.cell(2, 1).backColour, Bgr(e.odd));
        EXPECT_EQ(after.cell(3, 2).backColour, Bgr(e.even));
        EXPECT_EQ(after.cell(2, 4).backColour, Bgr(e.last));
        EXPECT_EQ(after.cell(0, 1).backColour, Bgr(e.firstColumn));
        EXPECT_EQ(after.cell(3, 1).backColour, Bgr(e.odd)); // stopped, still styled
        const bool emphasised = e.header != 0xFFFFFF || style->name == QStringLiteral("minimal");
        EXPECT_EQ(after.cell(1, 0).bold, emphasised ? 1 : 0);
        EXPECT_EQ(after.cell(1, 1).alignment, Alignment::Right); // a numeric cell
        EXPECT_EQ(after.cell(3, 2).alignment, Alignment::Right); // a text that reads as a number
        EXPECT_EQ(after.cell(2, 1).alignment, Alignment::Left);
        EXPECT_EQ(after.cell(0, 4).alignment, Alignment::RotatedTop);

        const TableSettings& s = after.settings;
        EXPECT_EQ(s.horizontalLinesWithCellAreas, e.rowLines);
        EXPECT_EQ(s.verticalLinesWithCellAreas, e.columnLines);
        EXPECT_EQ(s.horizontalTitleBar, e.titleBar);
        EXPECT_EQ(s.lineColour, style->lineColour);
        EXPECT_EQ(after.cell(0, 0).lineColour, style->lineColour);
        EXPECT_EQ(after.cell(3, 4).lineColour, style->lineColour);
        if (e.titleBar == 1) {
            EXPECT_EQ(s.horizontalBarFill, Bgr(e.header));
        }
        ExpectContentKept(before, after);
    }
}

TEST(TableStyle, SelectedCellsTakeTheStyleAsATableOfTheirOwn) {
    Document document = SampleTable();
    for (int row = 2; row <= 4; ++row) {
        for (int column = 1; column <= 3; ++column)
            document.cell(column, row).selected = 1;
    }
    const TableSettings settingsBefore = document.settings;
    ASSERT_TRUE(AnyCellSelected(document));
    ApplyStyleToSelection(document, *FindStyle(BuiltInStyles(), QStringLiteral("ledger")));

    EXPECT_EQ(document.cell(3, 2).backColour, Bgr(0x833C0B)); // the block's first row
    EXPECT_EQ(document.cell(1, 3).backColour, Bgr(0xFFFFFF));
    EXPECT_EQ(document.cell(1, 4).backColour, Bgr(0xF8CBAD)); // its last row
    EXPECT_EQ(document.cell(1, 1).backColour, kWhite);        // not selected
    EXPECT_EQ(document.cell(0, 2).backColour, kWhite);
    EXPECT_EQ(document.cell(0, 2).bold, 0);
    EXPECT_EQ(document.settings, settingsBefore);

    // A header and a single body row: that row has the body's look, not the last row's.
    Document two = MakeTable(3, 2);
    ApplyTableStyle(two, *FindStyle(BuiltInStyles(), QStringLiteral("ledger")));
    EXPECT_EQ(two.cell(1, 0).backColour, Bgr(0x833C0B));
    EXPECT_EQ(two.cell(1, 1).backColour, Bgr(0xFFFFFF));
}

TEST(TableStyle, AUserStyleSavedFromATableGivesAnotherTableTheSameLook) {
    TempFolder folder;
    const TableStyle& ledger = *FindStyle(BuiltInStyles(), QStringLiteral("ledger"));
    Document source = MakeTable(3, 6);
    ApplyTableStyle(source, ledger);
    TableStyle mine = StyleOfTable(source, QStringLiteral("Mine 50%"));
    ASSERT_TRUE(SaveUserStyle(folder.Path({}), mine).ok());
    EXPECT_TRUE(QFile::exists(folder.Path(QStringLiteral("Mine 50%.json"))));

    const UserStyles loaded = LoadUserStyles(folder.Path({}));
    ASSERT_EQ(loaded.styles.size(), 1u);
    EXPECT_EQ(loaded.styles[0], mine);
    Document byUserStyle = SampleTable();
    Document byBuiltIn = SampleTable();
    ApplyTableStyle(byUserStyle, loaded.styles[0]);
    ApplyTableStyle(byBuiltIn, ledger);
    EXPECT_EQ(byUserStyle.settings, byBuiltIn.settings);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(byUserStyle.cell(column, row), byBuiltIn.cell(column, row))
                << column << "," << row;
    }
}

TEST(TableStyle, DamagedStyleFilesAreSkippedByName) {
    TempFolder folder;
    TableStyle own = BuiltInStyles()[2];
    own.name = QStringLiteral("own");
    ASSERT_TRUE(SaveUserStyle(folder.Path({}), own).ok());
    QByteArray wrongColour = StyleJson(BuiltInStyles()[1]);
    wrongColour.replace("#A6A6A6", "#A6A6");
    folder.Write(QStringLiteral("a-broken.json"), "{\"format\": \"quadrivel-style\",");
    folder.Write(QStringLiteral("b-colour.json"), wrongColour);
    folder.Write(QStringLiteral("c-other.json"), "{\"name\": \"x\"}");
    folder.Write(QStringLiteral("notes.txt"), "not a style");
    // Links to a FIFO and to an endless device: refused unopened, neither waited on nor read.
    const Fifo fifo(folder.Path(QStringLiteral("pipe")));
    ASSERT_TRUE(fifo.made());
    ASSERT_TRUE(QFile::link(fifo.path(), folder.Path(QStringLiteral("d-pipe.json"))));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("/dev/zero"), folder.Path(QStringLiteral("e-zero.json"))));
    // A built-in keeps its name; a style hidden by an earlier save is found again.
    folder.Write(QStringLiteral("f-plain.json"), StyleJson(BuiltInStyles()[0]));
    own.name = QStringLiteral(".hidden");
    folder.Write(QStringLiteral(".hidden.json"), StyleJson(own));

    UserStyles loaded;
    ASSERT_TRUE(fifo.ReturnsWithoutWriter([&] { loaded = LoadUserStyles(folder.Path({})); }));
    ASSERT_EQ(loaded.styles.size(), 2u);
    EXPECT_EQ(loaded.styles[0], own);
    EXPECT_EQ(loaded.styles[1].name, QStringLiteral("own"));
    EXPECT_EQ(
        loaded.damaged,
        (QStringList{QStringLiteral("a-broken.json: not a style"),
                     QStringLiteral("b-colour.json: not a style"),
                     QStringLiteral("c-other.json: not a style"),
                     QStringLiteral("d-pipe.json: Not a regular file (a named pipe)"),
                     QStringLiteral("e-zero.json: Not a regular file (a character device)")}));
    EXPECT_EQ(loaded.builtInNamed, QStringList{QStringLiteral("f-plain.json")});
    EXPECT_TRUE(LoadUserStyles(folder.Path(QStringLiteral("missing"))).styles.empty());

    // Every line thickness a table can have loads again; one beyond either end does not.
    for (int thickness = 0; thickness <= 6; ++thickness) {
        TableStyle style = BuiltInStyles()[0];
        style.lineThickness = thickness;
        const std::optional<TableStyle> back = StyleFromJson(StyleJson(style));
        EXPECT_EQ(back.has_value(), thickness >= 1 && thickness <= 5) << thickness;
        if (back) {
            EXPECT_EQ(*back, style);
        }
    }
    // Justified, the last alignment, loads; the one after it does not.
    TableStyle justified = BuiltInStyles()[0];
    justified.oddRows.textAlignment = Alignment::Justified;
    EXPECT_EQ(StyleFromJson(StyleJson(justified)), justified);
    justified.oddRows.textAlignment = Alignment(int(Alignment::Justified) + 1);
    EXPECT_FALSE(StyleFromJson(StyleJson(justified)).has_value());
}

TEST(TableStyle, StyleNamesAreFileNamesOfTheirOwn) {
    TempFolder folder;
    const QString cjk(kStyleNameMaxLength, QChar(0x8868)); // 120 bytes in UTF-8
    const struct {
        QString name;
        StyleNameProblem problem;
    } cases[] = {
        {QString(), StyleNameProblem::Length},
        {QString(kStyleNameMaxLength + 1, u'a'), StyleNameProblem::Length},
        {QStringLiteral(".hidden"), StyleNameProblem::FileName},
        {QStringLiteral("a/b"), StyleNameProblem::FileName},
        {QStringLiteral("a\\b"), StyleNameProblem::FileName},
        {QStringLiteral("a\nb"), StyleNameProblem::FileName},
        {QStringLiteral("a\u0085b"), StyleNameProblem::FileName},
        {QStringLiteral("plain"), StyleNameProblem::BuiltIn},
        {QStringLiteral("a.b"), StyleNameProblem::None},
        {cjk, StyleNameProblem::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StyleNameProblemOf(c.name), c.problem) << c.name.toStdString();
        TableStyle style = BuiltInStyles()[1];
        style.name = c.name;
        EXPECT_EQ(SaveUserStyle(folder.Path({}), style).ok(), c.problem == StyleNameProblem::None);
    }
    EXPECT_EQ(StyleNames(LoadUserStyles(folder.Path({})).styles),
              (QStringList{QStringLiteral("a.b"), cjk}));
}

TEST(TableStyle, BuiltInTextsReachAaContrastAgainstTheirFills) {
    EXPECT_NEAR(ContrastRatio(0, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Bgr(0x777777), kWhite), 4.48, 0.01); // just below AA
    EXPECT_DOUBLE_EQ(ContrastRatio(Bgr(0x305496), kWhite), ContrastRatio(kWhite, Bgr(0x305496)));
    for (const TableStyle& style : BuiltInStyles()) {
        for (const std::optional<PartLook>& part :
             {style.header, style.firstColumn, std::optional(style.oddRows),
              std::optional(style.evenRows), style.lastRow}) {
            if (part) {
                EXPECT_GE(ContrastRatio(part->textColour, part->backColour), 4.5)
                    << style.name.toStdString();
            }
        }
    }
}

TEST(TableStyle, UserStylesLiveInTheXdgDataFolder) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), QStringLiteral("/home/ana"));
    EXPECT_EQ(StylesFolderFrom(environment),
              QStringLiteral("/home/ana/.local/share/quadrivel/styles"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("relative/data"));
    EXPECT_EQ(StylesFolderFrom(environment),
              QStringLiteral("/home/ana/.local/share/quadrivel/styles"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("/data"));
    EXPECT_EQ(StylesFolderFrom(environment), QStringLiteral("/data/quadrivel/styles"));
}
