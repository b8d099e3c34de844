// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/built_in_styles.h"

#include "content/colour_order.h"

namespace {

constexpr int32_t kBlack = 0;

PartLook Look(int32_t back, int32_t text = kBlack, int32_t bold = 0,
              Alignment alignment = Alignment::Left) {
    PartLook look;
    look.backColour = back;
    look.textColour = text;
    look.bold = bold;
    look.textAlignment = alignment;
    return look;
}

// A header row of bold, centred white text.
PartLook Header(int32_t back) {
    return Look(back, kWhite, 1, Alignment::Centred);
}

// White odd rows; `evenFill` bands the even ones.
TableStyle Style(const char* name, StyleLines lines, int32_t lineColour,
                 std::optional<PartLook> header, int32_t evenFill = kWhite) {
    TableStyle style;
    style.name = QString::fromLatin1(name);
    style.lines = lines;
    style.lineColour = lineColour;
    style.header = header;
    style.oddRows = Look(kWhite);
    style.evenRows = Look(evenFill);
    return style;
}

std::vector<TableStyle> MakeBuiltInStyles() {
    std::vector<TableStyle> styles;
    styles.push_back(Style("plain", StyleLines::Grid, kBlack, std::nullopt));
    styles.push_back(
        Style("header", StyleLines::Grid, CellColourOf(0xA6A6A6), Header(CellColourOf(0x305496))));
    styles.push_back(Style("banded", StyleLines::Rows, CellColourOf(0x8EA9DB),
                           Header(CellColourOf(0x305496)), CellColourOf(0xD9E1F2)));

    TableStyle headerColumn = Style("header-column", StyleLines::Columns, CellColourOf(0xA9D08E),
                                    Header(CellColourOf(0x375623)));
    headerColumn.firstColumn = Look(CellColourOf(0xE2EFDA), kBlack, 1);
    styles.push_back(headerColumn);

    styles.push_back(Style("minimal", StyleLines::Rows, CellColourOf(0xBFBFBF),
                           Look(kWhite, kBlack, 1, Alignment::Centred)));
    styles.push_back(Style("dark-header", StyleLines::Grid, CellColourOf(0x808080),
                           Header(CellColourOf(0x262626))));

    TableStyle ledger = Style("ledger", StyleLines::Rows, CellColourOf(0xF4B084),
                              Header(CellColourOf(0x833C0B)), CellColourOf(0xFCE4D6));
    ledger.lastRow = Look(CellColourOf(0xF8CBAD), kBlack, 1);
    styles.push_back(ledger);

    TableStyle titleBars = Style("title-bars", StyleLines::Grid, CellColourOf(0x8EA9DB),
                                 Header(CellColourOf(0x2F5597)), CellColourOf(0xDDEBF7));
    titleBars.titleBar = true;
    titleBars.barBorder = CellColourOf(0x1F3864);
    styles.push_back(titleBars);
    return styles;
}

} // namespace

const std::vector<TableStyle>& BuiltInStyles() {
    static const std::vector<TableStyle> styles = MakeBuiltInStyles();
    return styles;
}

bool IsBuiltInStyleName(const QString& name) {
    return FindStyle(BuiltInStyles(), name) != nullptr;
}
