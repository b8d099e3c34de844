// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/series_classify.h"

#include "content/series_text.h"
#include "model/space_trim.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace {

constexpr char16_t kNotSign = u'\u00AC';

// The characters the tests count, each with its own counter; every digit shares counter 1.
constexpr std::u16string_view kCounted = u"%fc.#:mh-/=esn\u00AC";
constexpr int kDigitSlot = 1;
constexpr int kSlotCount = 2 + int(kCounted.size());

constexpr int SlotOf(char16_t c) {
    if (c >= u'0' && c <= u'9') return kDigitSlot;
    const size_t at = kCounted.find(c);
    return at == std::u16string_view::npos ? 0 : 2 + int(at);
}

constexpr std::array<uint8_t, 128> kAsciiSlots = [] {
    std::array<uint8_t, 128> slots{};
    for (char16_t c = 0; c < 128; ++c)
        slots[c] = uint8_t(SlotOf(c));
    return slots;
}();

constexpr int kNotSignSlot = SlotOf(kNotSign);

// How often each character of interest occurs in the working form.
class Census {
public:
    explicit Census(QStringView text) : size_(text.size()) {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            ++counts_[u < 128 ? kAsciiSlots[u] : (u == kNotSign ? kNotSignSlot : 0)];
        }
    }

    qsizetype n(char16_t c) const {
        return counts_[c < 128 ? kAsciiSlots[c] : (c == kNotSign ? kNotSignSlot : 0)];
    }

    // Every character is a digit or one of `others`.
    bool OnlyDigitsAnd(std::u16string_view others) const {
        qsizetype covered = counts_[kDigitSlot];
        for (const char16_t c : others)
            covered += n(c);
        return covered == size_;
    }

private:
    qsizetype size_;
    std::array<qsizetype, kSlotCount> counts_{};
};

// Every command without "#" starts with a digit, a letter f or c, or one of its separators
// (when its first field is empty); no other character lower-cases to one of them, so other
// texts need no working form.
bool MayStartCommand(char16_t c) {
    switch (c) {
    case u'%':
    case u'#':
    case u'f':
    case u'F':
    case u'c':
    case u'C':
    case u'-':
    case u'/':
    case u'=':
    case kNotSign:
        return true;
    default:
        return c >= u'0' && c <= u'9';
    }
}

// Every command holds at least one of these (f and c in either case): a text without any,
// a plain number above all, is no command and needs no working form.
bool IsCommandCharacter(char16_t c) {
    return c == u':' || (MayStartCommand(c) && !(c >= u'0' && c <= u'9'));
}

// One "." and otherwise digits, as the A.B field of the labelled kinds.
bool IsStepField(QStringView field) {
    qsizetype points = 0;
    for (const QChar c : field) {
        if (c == u'.')
            ++points;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return points == 1;
}

// Without "#", a command is one of the names (eight letters at most) or only digits and
// counted characters, in either case; no character outside ASCII but the not sign lower-cases
// to one of them. So a longer text holding any other character, a sentence above all, needs
// no working form.
bool MayBeCommandWithoutHash(QStringView trimmed) {
    constexpr qsizetype kLongestName = 8;
    if (trimmed.size() <= kLongestName) return true;
    return std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) {
        char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z') u |= 0x20;
        return u < 128 ? kAsciiSlots[u] != 0 : u == kNotSign;
    });
}

} // namespace

SeriesKind ClassifySeries(const QString& text) {
    const QStringView trimmed = TrimSpaces(text);
    if (trimmed.isEmpty() || std::none_of(trimmed.begin(), trimmed.end(),
                                          [](QChar c) { return IsCommandCharacter(c.unicode()); }))
        return SeriesKind::OrdinaryText;
    if (!trimmed.contains(u'#') &&
        (!MayStartCommand(trimmed.front().unicode()) || !MayBeCommandWithoutHash(trimmed)))
        return SeriesKind::OrdinaryText;
    return ClassifyWorkingForm(SeriesWorkingForm(text));
}

SeriesKind ClassifyWorkingForm(QStringView s) {
    if (s.isEmpty()) return SeriesKind::OrdinaryText;
    const Census census(s);
    auto n = [&census](char16_t c) { return census.n(c); };
    auto only = [&census](std::u16string_view others) { return census.OnlyDigitsAnd(others); };
    const QChar first = s.front();
    const QChar last = s.back();

    // Every test is evaluated; the last one that holds decides. Each test checks its counts
    // before the costlier whole-text conditions.
    SeriesKind kind = SeriesKind::OrdinaryText;
    auto test = [&kind](SeriesKind k, bool holds) {
        if (holds) kind = k;
    };
    auto enclosed = [&](char16_t letter, std::u16string_view others) {
        return first == letter && last == letter && n(letter) == 2 && only(others);
    };
    auto suffixed = [&](char16_t letter, std::u16string_view others, QStringView ending) {
        return first == letter && n(letter) == 2 && s.endsWith(ending) && only(others);
    };

    test(SeriesKind::Inert, enclosed(u'%', u"%"));
    test(SeriesKind::CounterAlongRow, enclosed(u'f', u"f"));
    test(SeriesKind::CounterDownColumn, enclosed(u'c', u"c"));
    test(SeriesKind::SteppedAlongRow, enclosed(u'f', u"f.") && n(u'.') == 1);
    test(SeriesKind::SteppedDownColumn, enclosed(u'c', u"c.") && n(u'.') == 1);
    if (n(u'#') == 4) {
        const bool step = IsStepField(SeriesField(s, u'#', 3));
        test(SeriesKind::LabelledDownColumn, step && last == u'c');
        test(SeriesKind::LabelledAlongRow, step && last == u'f');
    }
    if (n(u'#') == 3) {
        const bool stepThird = IsStepField(SeriesField(s, u'#', 3));
        const bool stepSecond = IsStepField(SeriesField(s, u'#', 2));
        test(SeriesKind::PrefixedDownColumn, stepThird && last == u'c');
        test(SeriesKind::PrefixedAlongRow, stepThird && last == u'f');
        test(SeriesKind::SuffixedDownColumn, stepSecond && last == u'c');
        test(SeriesKind::SuffixedAlongRow, stepSecond && last == u'f');
    }
    test(SeriesKind::MinutesAlongRow, n(u':') == 2 && suffixed(u'f', u"f:m", u"fm"));
    test(SeriesKind::HoursAlongRow, n(u':') == 2 && suffixed(u'f', u"f:h", u"fh"));
    test(SeriesKind::MinutesDownColumn, n(u':') == 2 && suffixed(u'c', u"c:m", u"cm"));
    test(SeriesKind::HoursDownColumn, n(u':') == 2 && suffixed(u'c', u"c:h", u"ch"));
    test(SeriesKind::AgeCheckDashed, n(u'-') == 4 && only(u"-"));
    test(SeriesKind::AgeCheckSlashed, n(u'/') == 4 && only(u"/"));
    test(SeriesKind::DeadlineDayFirst, n(kNotSign) == 2 && only(u"\u00AC"));
    test(SeriesKind::SpanishDatesAlongRow, n(u'/') == 2 && suffixed(u'f', u"f/es", u"fes"));
    test(SeriesKind::EnglishDatesAlongRow, n(u'/') == 2 && suffixed(u'f', u"f/en", u"fen"));
    test(SeriesKind::SpanishDatesDownColumn, n(u'/') == 2 && suffixed(u'c', u"c/es", u"ces"));
    test(SeriesKind::EnglishDatesDownColumn, n(u'/') == 2 && suffixed(u'c', u"c/en", u"cen"));
    test(SeriesKind::SpanishMonthsAlongRow, s == u"fmesesf");
    test(SeriesKind::EnglishMonthsAlongRow, s == u"fmonthsf");
    test(SeriesKind::SpanishMonthsDownColumn, s == u"cmesesc");
    test(SeriesKind::EnglishMonthsDownColumn, s == u"cmonthsc");
    test(SeriesKind::DeadlineMonthFirst, n(kNotSign) == 3 && only(u"\u00AC"));
    test(SeriesKind::SpanishWeekdaysAlongRow, s == u"fsemanaf");
    test(SeriesKind::EnglishWeekdaysAlongRow, s == u"fweekf");
    test(SeriesKind::SpanishWeekdaysDownColumn, s == u"csemanac");
    test(SeriesKind::EnglishWeekdaysDownColumn, s == u"cweekc");
    test(SeriesKind::DayCountDayFirst, n(u'=') == 2 && only(u"="));
    test(SeriesKind::DayCountMonthFirst, n(u'=') == 3 && only(u"="));
    test(SeriesKind::DecimalAlongRow,
         first == u'f' && last == u'f' && n(u'f') == 3 && n(u'.') == 2 && only(u"f."));
    test(SeriesKind::DecimalDownColumn,
         first == u'c' && last == u'c' && n(u'c') == 3 && n(u'.') == 2 && only(u"c."));
    test(SeriesKind::ConstantAlongRow,
         last == kNotSign && n(u'f') == 1 && s.endsWith(u"f\u00AC") && only(u"f\u00AC"));
    test(SeriesKind::ConstantDownColumn,
         last == kNotSign && n(u'c') == 1 && s.endsWith(u"c\u00AC") && only(u"c\u00AC"));
    return kind;
}
