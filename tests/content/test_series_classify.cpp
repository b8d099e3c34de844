// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/series_classify.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct Case {
    const char16_t* text;
    int kind;
};

void ExpectKinds(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(ClassifySeries(text), c.kind) << text.toStdString();
    }
}

} // namespace

TEST(ClassifySeries, EveryKindFromItsExample) {
    const std::initializer_list<Case> examples = {
        {u"%12%", 1},
        {u"f5f", 2},
        {u"c5c", 3},
        {u"f10.5f", 4},
        {u"c10.5c", 5},
        {u"#lot#1.1#pcs#c", 6},
        {u"#lot#1.1#pcs#f", 7},
        {u"#no.#1.1#c", 8},
        {u"#no.#1.1#f", 9},
        {u"#1.1#km#c", 10},
        {u"#1.1#km#f", 11},
        {u"f8:30:15fm", 12},
        {u"f8:30:15fh", 13},
        {u"c8:30:15cm", 14},
        {u"c8:30:15ch", 15},
        {u"15-03-1990-18-65", 16},
        {u"15/03/1990/18/65", 17},
        {u"31\u00AC12\u00AC2025", 18},
        {u"f1/1/2025fes", 19},
        {u"f1/1/2025fen", 20},
        {u"c1/1/2025ces", 21},
        {u"c1/1/2025cen", 22},
        {u"fmesesf", 23},
        {u"fmonthsf", 24},
        {u"cmesesc", 25},
        {u"cmonthsc", 26},
        {u"12\u00AC31\u00AC2025\u00AC", 27},
        {u"fsemanaf", 28},
        {u"fweekf", 29},
        {u"csemanac", 30},
        {u"cweekc", 31},
        {u"25=12=2025", 32},
        {u"12=25=2025=", 33},
        {u"f1.5f0.25f", 34},
        {u"c1.5c0.25c", 35},
        {u"7f\u00AC", 36},
        {u"7c\u00AC", 37},
    };
    ExpectKinds(examples);
    std::set<int> seen;
    for (const Case& c : examples)
        seen.insert(c.kind);
    EXPECT_EQ(seen.size(), size_t(kLastSeriesKind));
}

TEST(ClassifySeries, WorkingFormIgnoresCaseAndOuterSpaces) {
    ExpectKinds({
        {u"F5F", 2},
        {u"  f5f  ", 2},
        {u"FMONTHSF", 24},
        {u" CSemanaC ", 30},
        {u"#LOT#1.1#PCS#C", 6},
        {u"F1/1/2025FES", 19},
        {u"F8:00:2FH", 13},
        {u"7F\u00AC ", 36},
        {u"cwee\u212Ac", 31}, // the Kelvin sign lower-cases to "k"
        {u"\tf5f", 0},        // only spaces are removed
        {u"  /1/2/3/4", 17},
        {u"Abc#Lot#1.1#Pcs#C", 6}, // the text before the first "#" is not looked at
        {u"X#1.1#km#f", 11},
        {u"f5f\n", 0},
    });
}

TEST(ClassifySeries, EmptyNumbersStillMatch) {
    ExpectKinds({
        {u"ff", 2},
        {u"cc", 3},
        {u"f.f", 4},
        {u"%%", 1},
        {u"f\u00AC", 36},
        {u"#p#.#s#c", 6},
        {u"--------", 0},
        {u"----", 16},
        {u"==", 32},
        {u"===", 33},
        {u"\u00AC\u00AC", 18},
        {u"\u00AC\u00AC\u00AC", 27},
        {u"1\u00AC2\u00AC3\u00AC4", 27}, // the third sign need not come last
        {u"f::fm", 12},
        {u"f//fen", 20},
        {u"ff..f", 34},
    });
}

TEST(ClassifySeries, LookAlikesAreOrdinaryText) {
    ExpectKinds({
        {u"", 0},
        {u"   ", 0},
        {u"f5", 0},
        {u"f5f5f", 0},
        {u"f-5f", 0},
        {u"5f", 0},
        {u"f5 f", 0},
        {u"#a#15#b#c", 0},
        {u"#a#1.5#b#x", 0},
        {u"#a#1.5.5#b#c", 0},
        {u"#a#1.5#b#c#", 0},
        {u"f meses f", 0},
        {u"fmesesff", 0},
        {u"fmeses", 0},
        {u"15-03-1990-18", 0},
        {u"15-03-1990-18-65-1", 0},
        {u"15-03-1990-18/65", 0},
        {u"1\u00AC2", 0},
        {u"1\u00AC2\u00AC3\u00AC4\u00AC", 0},
        {u"12=25", 0},
        {u"f8:30fm", 0},
        {u"f8:30:15:1fm", 0},
        {u"f8:30:15f", 0},
        {u"f8:30:15mf", 0},
        {u"f1/1/2025f", 0},
        {u"f1/1/2025fse", 0},
        {u"f1/1fes", 0},
        {u"c1/1/2025fes", 0},
        {u"f1.5f0.25", 0},
        {u"f1.5f0.2.5f", 0},
        {u"7f", 0},
        {u"f7\u00AC", 0},
        {u"7ff\u00AC", 0},
        {u"%12", 0},
        {u"%1%2%", 0},
        {u"hello world", 0},
        {u"12", 0},
        {u"-3.5", 0},
    });
}

TEST(ClassifySeries, LaterTestsWinWhenTwoHold) {
    ExpectKinds({
        {u"#a#1.5#c", 8},
        {u"#a#1.5#f", 9},
        {u"#1.5#2.5#c", 10},
        {u"#1.5#2.5#f", 11},
        {u"#1.5#b#c", 10},
        {u"12=25=2025", 32},
    });
}

TEST(ClassifySeries, OnlyKnownCharactersLowerCaseToACommandStart) {
    // Texts are rejected early unless they start with one of these; that is only sound while
    // no other character lower-cases to one of them.
    const QString starts = QStringLiteral("0123456789%#fc-/=\u00AC");
    const QString allowed = QStringLiteral("0123456789%#fFcC-/=\u00AC");
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF) continue;
        const QString lower = QString(QChar(char16_t(u))).toLower();
        if (starts.contains(lower.front())) {
            EXPECT_TRUE(allowed.contains(QChar(char16_t(u)))) << std::hex << unsigned(u);
        }
    }
}
