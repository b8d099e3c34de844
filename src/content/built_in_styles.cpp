#include "content/built_in_styles.h"

namespace {

// Colours written the usual way, 0xRRGGBB, stored as cells keep them, 0x00BBGGRR.
constexpr int32_t Rgb(uint32_t rgb) {
    return int32_t(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

constexpr int32_t kBlack = 0;

PartLook Look(int32_t back, int32_t text = kBlack, int32_t bold = 0,
              int16_t alignment = kAlignLeft) {
    PartLook look;
    look.backColour = back;
    look.textColour = text;
    look.bold = bold;
    look.textAlignment = alignment;
    return look;
}

// A header row of bold centred text.
PartLook Header(int32_t back, int32_t text) {
    return Look(back, text, 1, kAlignCentred);
}

TableStyle Style(const char* name, StyleLines lines, int32_t lineColour) {
    TableStyle style;
    style.name = QString::fromLatin1(name);
    style.lines = lines;
    style.lineColour = lineColour;
    style.oddRows = Look(kWhite);
    style.evenRows = Look(kWhite);
    return style;
}

std::vector<TableStyle> MakeBuiltInStyles() {
    const int32_t white = kWhite;
    std::vector<TableStyle> styles;

    styles.push_back(Style("plain", StyleLines::Grid, kBlack));

    TableStyle header = Style("header", StyleLines::Grid, Rgb(0xA6A6A6));
    header.header = Header(Rgb(0x305496), white);
    styles.push_back(header);

    TableStyle banded = Style("banded", StyleLines::Rows, Rgb(0x8EA9DB));
    banded.header = Header(Rgb(0x305496), white);
    banded.evenRows = Look(Rgb(0xD9E1F2));
    styles.push_back(banded);

    TableStyle headerColumn = Style("header-column", StyleLines::Columns, Rgb(0xA9D08E));
    headerColumn.header = Header(Rgb(0x375623), white);
    headerColumn.firstColumn = Look(Rgb(0xE2EFDA), kBlack, 1);
    styles.push_back(headerColumn);

    TableStyle minimal = Style("minimal", StyleLines::Rows, Rgb(0xBFBFBF));
    minimal.header = Look(white, kBlack, 1);
    styles.push_back(minimal);

    TableStyle darkHeader = Style("dark-header", StyleLines::Grid, Rgb(0x808080));
    darkHeader.header = Header(Rgb(0x262626), white);
    styles.push_back(darkHeader);

    TableStyle ledger = Style("ledger", StyleLines::Rows, Rgb(0xF4B084));
    ledger.header = Header(Rgb(0x833C0B), white);
    ledger.evenRows = Look(Rgb(0xFCE4D6));
    ledger.lastRow = Look(Rgb(0xF8CBAD), kBlack, 1);
    styles.push_back(ledger);

    TableStyle titleBars = Style("title-bars", StyleLines::Grid, Rgb(0x8EA9DB));
    titleBars.header = Header(Rgb(0x2F5597), white);
    titleBars.evenRows = Look(Rgb(0xDDEBF7));
    titleBars.titleBar = true;
    titleBars.barBorder = Rgb(0x1F3864);
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
