// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/delimited_text.h"

#include <QBuffer>
#include <QIODevice>
#include <gtest/gtest.h>

namespace {

// Data without end: one pattern over and over, as a pipe from a generator delivers it.
class EndlessData : public QIODevice {
public:
    explicit EndlessData(QByteArray start, QByteArray pattern)
        : start_(std::move(start)), pattern_(std::move(pattern)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 delivered() const { return delivered_; }

protected:
    qint64 readData(char* data, qint64 size) override {
        for (qint64 i = 0; i < size; ++i, ++delivered_) {
            const qint64 at = delivered_ - start_.size();
            data[i] = at < 0 ? start_[delivered_] : pattern_[at % pattern_.size()];
        }
        return size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray start_;
    QByteArray pattern_;
    qint64 delivered_ = 0;
};

DelimitedText Read(QByteArray bytes, const DataLimits& limits) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadDelimitedText(buffer, limits);
}

DataLimits Grid(bool stopAtFirstCut) {
    DataLimits limits;
    limits.records = 111;
    limits.fields = 111;
    limits.stopAtFirstCut = stopAtFirstCut;
    return limits;
}

QStringList Row(std::initializer_list<const char16_t*> fields) {
    QStringList row;
    for (const char16_t* field : fields)
        row.append(QString::fromUtf16(field));
    return row;
}

} // namespace

TEST(DelimitedText, QuotingLineBreaksAndRaggedRows) {
    // A line break that opens the data is an empty first record, CRLF or LF alike.
    for (const QByteArray& data : {QByteArray("\nx\n"), QByteArray("\r\nx\n")}) {
        const DelimitedText opened = ReadDelimitedText(data);
        ASSERT_EQ(opened.rowCount(), 2) << data.toStdString();
        EXPECT_EQ(opened.rows[1][0], QStringLiteral("x"));
    }
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
    EXPECT_EQ(DetectDelimiter("Item;Price\nA;1,5\nB;2,25\n"), u';');
    EXPECT_EQ(DetectDelimiter("a\tb, c\t1\n"), u'\t');
    EXPECT_EQ(DetectDelimiter("a,\"x;y\",b\n1,2,3\n"), u',');
    EXPECT_EQ(DetectDelimiter("one column\nonly\n"), u',');
    // Delimiters inside quotes do not count; a tie goes to the comma.
    const DelimitedText quoted = ReadDelimitedText("\"Alice\",\"Smith; Jones\"\n");
    EXPECT_EQ(quoted.rows[0], Row({u"Alice", u"Smith; Jones"}));
    EXPECT_EQ(DetectDelimiter("\"a\tb\tc\";d\n"), u';');
    EXPECT_EQ(DetectDelimiter("a;b,c\n"), u',');
    EXPECT_EQ(DetectDelimiter("a;b\tc\n"), u'\t');
    // A delimiter given by the caller wins.
    const DelimitedText given = ReadDelimitedText("a|b;c\n", u'|');
    EXPECT_EQ(given.rows[0], Row({u"a", u"b;c"}));
    EXPECT_FALSE(ReadDelimitedText("").HasContent());
    EXPECT_FALSE(ReadDelimitedText(" , \n\n").HasContent());
}

TEST(DelimitedText, EndlessDataIsReadOnlyAsFarAsTheAnswerNeeds) {
    // Each would take all memory if read whole; the reader stops within a few chunks.
    EndlessData line("", "x");
    EXPECT_EQ(ReadDelimitedText(line, Grid(true)).longFieldLine, 1);
    EndlessData commas("a\n", ",");
    EXPECT_TRUE(ReadDelimitedText(commas, Grid(true)).moreFields);
    EndlessData zeros("a,b\r\nc,d\r\n", QByteArray(1, '\0'));
    EXPECT_EQ(ReadDelimitedText(zeros, Grid(true)).nulLine, 3);
    EndlessData records("h1,h2\n", "1,2\n");
    const DelimitedText first = ReadDelimitedText(records, Grid(false));
    EXPECT_TRUE(first.moreRecords);
    EXPECT_EQ(first.rowCount(), 111);
    EXPECT_EQ(first.rows[110], Row({u"1", u"2"}));
    // Without stopping at a cut, a wide record's extra fields are passed over.
    EndlessData wide(QByteArray("1,") + QByteArray(3 << 20, ',') + "\n", "a,b\n");
    const DelimitedText kept = ReadDelimitedText(wide, Grid(false));
    EXPECT_TRUE(kept.moreFields);
    EXPECT_EQ(kept.columnCount, 111);
    EXPECT_EQ(kept.rows[1][1], QStringLiteral("b"));
    for (const EndlessData* data : {&line, &commas, &zeros, &records})
        EXPECT_LT(data->delivered(), 256 * 1024);
}

TEST(DelimitedText, NulBytesAndLongFieldsAreNotedWithTheirLine) {
    EXPECT_EQ(ReadDelimitedText(QByteArray("a\r\n\"x\ny\",\"nul\0b\"\n", 17)).nulLine, 3);
    EXPECT_EQ(ReadDelimitedText(QByteArray("a,b\n", 4)).nulLine, 0);

    // Blanks padding a field are kept as one, so only text makes a field too long.
    const QByteArray spaces(2000, ' ');
    const DelimitedText padded =
        ReadDelimitedText(spaces + "x" + spaces + ",\r\n" + spaces + "1,\"  \n 2\n\"\n");
    EXPECT_EQ(padded.rows[0], Row({u" x ", u""}));
    EXPECT_EQ(padded.rows[1], Row({u" 1", u"\n2\n"}));
    EXPECT_TRUE(padded.cutFields.empty());
    const QByteArray longText = "x" + spaces + "y";
    // A cut never splits a character, so the kept bytes still read as UTF-8.
    const DelimitedText cut =
        ReadDelimitedText("a," + longText + "\n" + QByteArray(818, 'e') + "\xC3\xA9z\n\xC3\xA9");
    EXPECT_EQ(cut.cutFields, (std::vector<std::pair<int, int>>{{0, 1}, {1, 0}}));
    EXPECT_TRUE(cut.IsCut(1, 0));
    EXPECT_FALSE(cut.IsCut(0, 0));
    EXPECT_EQ(cut.rows[0][1], QStringLiteral("x"));
    EXPECT_EQ(cut.rows[1][0], QString(818, u'e'));
    EXPECT_EQ(cut.rows[2][0], QStringLiteral(u"é"));
    EXPECT_EQ(ReadDelimitedText(QByteArray(819, 'z')).cutFields.size(), 0u);
    // Two of a three-byte character's bytes kept: both go.
    EXPECT_EQ(ReadDelimitedText(QByteArray(817, 'e') + "\xE0\xA4\x95z\n").rows[0][0],
              QString(817, u'e'));

    EXPECT_EQ(Read("a\n\"b\nc" + QByteArray(900, 'c') + "\"\n", Grid(true)).longFieldLine, 2);
    // One byte past the limit is enough, even as the field's last byte.
    EXPECT_EQ(Read(QByteArray(820, 'z') + "\nb\n", Grid(true)).longFieldLine, 1);
    EXPECT_EQ(Read(QByteArray(819, 'z') + "\nb\n", Grid(true)).longFieldLine, 0);
}

TEST(DelimitedText, ChosenRecordsAndColumns) {
    DataLimits limits;
    limits.records = 2;
    limits.columns = {0, 2, 3};
    const DelimitedText data = Read("a,b,c,d\ne,f\ng,h,i\n", limits);
    ASSERT_EQ(data.rowCount(), 2);
    EXPECT_EQ(data.rows[0], Row({u"a", u"c", u"d"}));
    EXPECT_EQ(data.rows[1], Row({u"e", u"", u""}));
    EXPECT_TRUE(data.moreRecords);
    EXPECT_FALSE(data.moreFields);
    EXPECT_EQ(data.widestRecord, 4);
    // Fields passed over still hide delimiters and line breaks inside their quotes.
    DataLimits first;
    first.columns = {0, 1};
    const DelimitedText skipped = Read("a,b,c,\"d,\n\",,\"e\nf\"\n1,2,,3\n", first);
    ASSERT_EQ(skipped.rowCount(), 2);
    EXPECT_EQ(skipped.rows[1], Row({u"1", u"2"}));
    EXPECT_EQ(skipped.widestRecord, 6);
    // The line break after the last record adds none; an empty line does.
    EXPECT_FALSE(Read("a,b,c,d\ne\r\n", limits).moreRecords);
    EXPECT_TRUE(Read("a,b,c,d\ne\r\n\r\n", limits).moreRecords);
}
