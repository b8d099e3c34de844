#include "model/delimited_text.h"

#include <gtest/gtest.h>

namespace {

QStringList Row(std::initializer_list<const char16_t*> fields) {
    QStringList row;
    for (const char16_t* field : fields)
        row.append(QString::fromUtf16(field));
    return row;
}

} // namespace

TEST(DelimitedText, QuotingLineBreaksAndRaggedRows) {
    // Quoted delimiters and doubled quotes, a line break inside quotes, CRLF and LF mixed,
    // empty trailing fields, a short row padded, the final line break adding no record.
    const DelimitedText data = ReadDelimitedText(
        "name,note,price\r\n\"Smith, J.\",\"said \"\"hi\"\"\",3\r\n\"two\nlines\",,\nshort\r\n");
    EXPECT_EQ(data.delimiter, u',');
    EXPECT_FALSE(data.unclosedQuote);
    ASSERT_EQ(data.rowCount(), 4);
    EXPECT_EQ(data.columnCount, 3);
    EXPECT_EQ(data.rows[1], Row({u"Smith, J.", u"said \"hi\"", u"3"}));
    EXPECT_EQ(data.rows[2], Row({u"two\nlines", u"", u""}));
    EXPECT_EQ(data.rows[3], Row({u"short", u"", u""}));

    // An empty line inside the data is an empty row; a lone CR ends a record too.
    const DelimitedText gaps = ReadDelimitedText("a,b\r\n\r\nc,d\re,f");
    ASSERT_EQ(gaps.rowCount(), 4);
    EXPECT_EQ(gaps.rows[1], Row({u"", u""}));
    EXPECT_EQ(gaps.rows[3], Row({u"e", u"f"}));

    const DelimitedText open = ReadDelimitedText("a,\"never closed\nb,c\n");
    EXPECT_TRUE(open.unclosedQuote);
    EXPECT_EQ(open.rows[0][1], QStringLiteral("never closed\nb,c\n"));
}

TEST(DelimitedText, EncodingsAndByteOrderMarks) {
    const DelimitedText bom = ReadDelimitedText("\xEF\xBB\xBFJos\xC3\xA9,\xE2\x82\xAC"
                                                "5\n");
    EXPECT_EQ(bom.rows[0], Row({u"José", u"€5"}));

    // Not UTF-8: Windows-1252, as spreadsheets on Windows write it.
    const DelimitedText ansi = ReadDelimitedText("Jos\xE9;Se\xF1or;\x80;\x93q\x94\r\n");
    EXPECT_EQ(ansi.rows[0], Row({u"José", u"Señor", u"€", u"“q”"}));

    // "Unicode text" of a spreadsheet: UTF-16 with its mark, tab-separated.
    const QString text = QStringLiteral(u"Año\t1\r\n");
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const DelimitedText wide = ReadDelimitedText(utf16);
    EXPECT_EQ(wide.delimiter, u'\t');
    EXPECT_EQ(wide.rows[0], Row({u"Año", u"1"}));
}

TEST(DelimitedText, DelimiterDetection) {
    // Semicolons with "," decimals split the same way on every line; commas do not.
    EXPECT_EQ(DetectDelimiter(QStringLiteral("Item;Price\nA;1,5\nB;2,25\n")), u';');
    EXPECT_EQ(DetectDelimiter(QStringLiteral("a\tb, c\t1\n")), u'\t');
    EXPECT_EQ(DetectDelimiter(QStringLiteral("a,\"x;y\",b\n1,2,3\n")), u',');
    EXPECT_EQ(DetectDelimiter(QStringLiteral("one column\nonly\n")), u',');
    // A delimiter given by the caller wins.
    const DelimitedText given = ReadDelimitedText("a|b;c\n", u'|');
    EXPECT_EQ(given.rows[0], Row({u"a", u"b;c"}));
    EXPECT_FALSE(ReadDelimitedText("").HasContent());
    EXPECT_FALSE(ReadDelimitedText(" , \n\n").HasContent());
}
