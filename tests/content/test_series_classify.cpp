// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/series_classify.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct Case {
    const char16_t* text;
    SeriesKind kind;
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
        {u"%12%", SeriesKind::Inert},
        {u"f5f", SeriesKind::CounterAlongRow},
        {u"c5c", SeriesKind::CounterDownColumn},
        {u"f10.5f", SeriesKind::SteppedAlongRow},
        {u"c10.5c", SeriesKind::SteppedDownColumn},
        {u"#lot#1.1#pcs#c", SeriesKind::LabelledDownColumn},
        {u"#lot#1.1#pcs#f", SeriesKind::LabelledAlongRow},
        {u"#no.#1.1#c", SeriesKind::PrefixedDownColumn},
        {u"#no.#1.1#f", SeriesKind::PrefixedAlongRow},
        {u"#1.1#km#c", SeriesKind::SuffixedDownColumn},
        {u"#1.1#km#f", SeriesKind::SuffixedAlongRow},
        {u"f8:30:15fm", SeriesKind::MinutesAlongRow},
        {u"f8:30:15fh", SeriesKind::HoursAlongRow},
        {u"c8:30:15cm", SeriesKind::MinutesDownColumn},
        {u"c8:30:15ch", SeriesKind::HoursDownColumn},
        {u"15-03-1990-18-65", SeriesKind::AgeCheckDashed},
        {u"15/03/1990/18/65", SeriesKind::AgeCheckSlashed},
        {u"31\u00AC12\u00AC2025", SeriesKind::DeadlineDayFirst},
        {u"f1/1/2025fes", SeriesKind::SpanishDatesAlongRow},
        {u"f1/1/2025fen", SeriesKind::EnglishDatesAlongRow},
        {u"c1/1/2025ces", SeriesKind::SpanishDatesDownColumn},
        {u"c1/1/2025cen", SeriesKind::EnglishDatesDownColumn},
        {u"fmesesf", SeriesKind::SpanishMonthsAlongRow},
        {u"fmonthsf", SeriesKind::EnglishMonthsAlongRow},
        {u"cmesesc", SeriesKind::SpanishMonthsDownColumn},
        {u"cmonthsc", SeriesKind::EnglishMonthsDownColumn},
        {u"12\u00AC31\u00AC2025\u00AC", SeriesKind::DeadlineMonthFirst},
        {u"fsemanaf", SeriesKind::SpanishWeekdaysAlongRow},
        {u"fweekf", SeriesKind::EnglishWeekdaysAlongRow},
        {u"csemanac", SeriesKind::SpanishWeekdaysDownColumn},
        {u"cweekc", SeriesKind::EnglishWeekdaysDownColumn},
        {u"25=12=2025", SeriesKind::DayCountDayFirst},
        {u"12=25=2025=", SeriesKind::DayCountMonthFirst},
        {u"f1.5f0.25f", SeriesKind::DecimalAlongRow},
        {u"c1.5c0.25c", SeriesKind::DecimalDownColumn},
        {u"7f\u00AC", SeriesKind::ConstantAlongRow},
        {u"7c\u00AC", SeriesKind::ConstantDownColumn},
    };
    ExpectKinds(examples);
    std::set<SeriesKind> seen;
    for (const Case& c : examples)
        seen.insert(c.kind);
    EXPECT_EQ(seen.size(), size_t(kLastSeriesKind));
}

TEST(ClassifySeries, WorkingFormIgnoresCaseAndOuterSpaces) {
    ExpectKinds({
        {u"F5F", SeriesKind::CounterAlongRow},
        {u"  f5f  ", SeriesKind::CounterAlongRow},
        {u"FMONTHSF", SeriesKind::EnglishMonthsAlongRow},
        {u" CSemanaC ", SeriesKind::SpanishWeekdaysDownColumn},
        {u"#LOT#1.1#PCS#C", SeriesKind::LabelledDownColumn},
        {u"F1/1/2025FES", SeriesKind::SpanishDatesAlongRow},
        {u"F8:00:2FH", SeriesKind::HoursAlongRow},
        {u"7F\u00AC ", SeriesKind::ConstantAlongRow},
        {u"cwee\u212Ac",
         SeriesKind::EnglishWeekdaysDownColumn}, // the Kelvin sign lower-cases to "k"
        {u"\tf5f", SeriesKind::OrdinaryText},    // only spaces are removed
        {u"  /1/2/3/4", SeriesKind::AgeCheckSlashed},
        {u"Abc#Lot#1.1#Pcs#C",
         SeriesKind::LabelledDownColumn}, // the text before the first "#" is not looked at
        {u"X#1.1#km#f", SeriesKind::SuffixedAlongRow},
        {u"f5f\n", SeriesKind::OrdinaryText},
        // Longer than any name, in capitals or with the not sign.
        {u"C31/12/2025CES", SeriesKind::SpanishDatesDownColumn},
        {u"F10:30:15FM", SeriesKind::MinutesAlongRow},
        {u"F1.5F0.25F", SeriesKind::DecimalAlongRow},
        {u"123456789F\u00AC", SeriesKind::ConstantAlongRow},
        {u"%12345678%", SeriesKind::Inert},
        {u"15-03-1990-18-65", SeriesKind::AgeCheckDashed},
        {u"01=06=2025=2", SeriesKind::DayCountMonthFirst},
    });
}

TEST(ClassifySeries, EmptyNumbersStillMatch) {
    ExpectKinds({
        {u"ff", SeriesKind::CounterAlongRow},
        {u"cc", SeriesKind::CounterDownColumn},
        {u"f.f", SeriesKind::SteppedAlongRow},
        {u"%%", SeriesKind::Inert},
        {u"f\u00AC", SeriesKind::ConstantAlongRow},
        {u"#p#.#s#c", SeriesKind::LabelledDownColumn},
        {u"--------", SeriesKind::OrdinaryText},
        {u"----", SeriesKind::AgeCheckDashed},
        {u"==", SeriesKind::DayCountDayFirst},
        {u"===", SeriesKind::DayCountMonthFirst},
        {u"\u00AC\u00AC", SeriesKind::DeadlineDayFirst},
        {u"\u00AC\u00AC\u00AC", SeriesKind::DeadlineMonthFirst},
        {u"1\u00AC2\u00AC3\u00AC4",
         SeriesKind::DeadlineMonthFirst}, // the third sign need not come last
        {u"f::fm", SeriesKind::MinutesAlongRow},
        {u"f//fen", SeriesKind::EnglishDatesAlongRow},
        {u"ff..f", SeriesKind::DecimalAlongRow},
    });
}

TEST(ClassifySeries, LookAlikesAreOrdinaryText) {
    ExpectKinds({
        {u"", SeriesKind::OrdinaryText},
        {u"   ", SeriesKind::OrdinaryText},
        {u"f5", SeriesKind::OrdinaryText},
        {u"f5f5f", SeriesKind::OrdinaryText},
        {u"f-5f", SeriesKind::OrdinaryText},
        {u"5f", SeriesKind::OrdinaryText},
        {u"f5 f", SeriesKind::OrdinaryText},
        {u"#a#15#b#c", SeriesKind::OrdinaryText},
        {u"#a#1.5#b#x", SeriesKind::OrdinaryText},
        {u"#a#1.5.5#b#c", SeriesKind::OrdinaryText},
        {u"#a#1.5#b#c#", SeriesKind::OrdinaryText},
        {u"f meses f", SeriesKind::OrdinaryText},
        {u"fmesesff", SeriesKind::OrdinaryText},
        {u"fmeses", SeriesKind::OrdinaryText},
        {u"15-03-1990-18", SeriesKind::OrdinaryText},
        {u"15-03-1990-18-65-1", SeriesKind::OrdinaryText},
        {u"15-03-1990-18/65", SeriesKind::OrdinaryText},
        {u"1\u00AC2", SeriesKind::OrdinaryText},
        {u"1\u00AC2\u00AC3\u00AC4\u00AC", SeriesKind::OrdinaryText},
        {u"12=25", SeriesKind::OrdinaryText},
        {u"f8:30fm", SeriesKind::OrdinaryText},
        {u"f8:30:15:1fm", SeriesKind::OrdinaryText},
        {u"f8:30:15f", SeriesKind::OrdinaryText},
        {u"f8:30:15mf", SeriesKind::OrdinaryText},
        {u"f1/1/2025f", SeriesKind::OrdinaryText},
        {u"f1/1/2025fse", SeriesKind::OrdinaryText},
        {u"f1/1fes", SeriesKind::OrdinaryText},
        {u"c1/1/2025fes", SeriesKind::OrdinaryText},
        {u"f1.5f0.25", SeriesKind::OrdinaryText},
        {u"f1.5f0.2.5f", SeriesKind::OrdinaryText},
        {u"7f", SeriesKind::OrdinaryText},
        {u"f7\u00AC", SeriesKind::OrdinaryText},
        {u"7ff\u00AC", SeriesKind::OrdinaryText},
        {u"%12", SeriesKind::OrdinaryText},
        {u"%1%2%", SeriesKind::OrdinaryText},
        {u"hello world", SeriesKind::OrdinaryText},
        {u"c1/1/2025ces and more", SeriesKind::OrdinaryText},
        {u"fmonthsf1", SeriesKind::OrdinaryText},
        {u"12", SeriesKind::OrdinaryText},
        {u"-3.5", SeriesKind::OrdinaryText},
    });
}

TEST(ClassifySeries, LaterTestsWinWhenTwoHold) {
    ExpectKinds({
        {u"#a#1.5#c", SeriesKind::PrefixedDownColumn},
        {u"#a#1.5#f", SeriesKind::PrefixedAlongRow},
        {u"#1.5#2.5#c", SeriesKind::SuffixedDownColumn},
        {u"#1.5#2.5#f", SeriesKind::SuffixedAlongRow},
        {u"#1.5#b#c", SeriesKind::SuffixedDownColumn},
        {u"12=25=2025", SeriesKind::DayCountDayFirst},
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

TEST(ClassifySeries, NoCharacterOutsideAsciiLowerCasesToACountedOne) {
    // Texts longer than any name are rejected early when they hold a character that is no
    // digit and not counted; that is only sound while no other character lower-cases to one.
    const QString counted = QStringLiteral("0123456789%#fc.:mh-/=esn\u00AC");
    for (char32_t u = 128; u <= 0xFFFF; ++u) {
        if ((u >= 0xD800 && u <= 0xDFFF) || u == 0x00AC) continue;
        for (const QChar c : QString(QChar(char16_t(u))).toLower())
            EXPECT_FALSE(counted.contains(c)) << std::hex << unsigned(u);
    }
}
