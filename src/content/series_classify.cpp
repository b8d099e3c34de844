#include "content/series_classify.h"

#include "content/series_text.h"

#include <array>

namespace {

constexpr char16_t kNotSign = u'\u00AC';

// How often each character of interest occurs in the working form.
class Census {
public:
    explicit Census(QStringView text) : size_(text.size()) {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u < ascii_.size())
                ++ascii_[u];
            else if (u == kNotSign)
                ++notSigns_;
        }
        for (char16_t d = u'0'; d <= u'9'; ++d)
            digits_ += ascii_[d];
    }

    qsizetype n(char16_t c) const { return c == kNotSign ? notSigns_ : ascii_[c]; }

    // Every character is a digit or one of `others`.
    bool OnlyDigitsAnd(QStringView others) const {
        qsizetype covered = digits_;
        for (const QChar c : others)
            covered += n(c.unicode());
        return covered == size_;
    }

private:
    qsizetype size_;
    std::array<qsizetype, 128> ascii_{};
    qsizetype notSigns_ = 0;
    qsizetype digits_ = 0;
};

// One "." and otherwise digits, as the A.B field of kinds 6 to 11.
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

} // namespace

int ClassifySeries(const QString& text) {
    return ClassifyWorkingForm(SeriesWorkingForm(text));
}

int ClassifyWorkingForm(QStringView s) {
    if (s.isEmpty()) return 0;
    const Census census(s);
    auto n = [&census](char16_t c) { return census.n(c); };
    auto only = [&census](QStringView others) { return census.OnlyDigitsAnd(others); };
    const QChar first = s.front();
    const QChar last = s.back();

    // Every test is evaluated; the last one that holds decides.
    int kind = 0;
    auto test = [&kind](int k, bool holds) {
        if (holds) kind = k;
    };
    auto enclosed = [&](char16_t letter, QStringView others) {
        return only(others) && n(letter) == 2 && first == letter && last == letter;
    };
    auto suffixed = [&](char16_t letter, QStringView others, QStringView ending) {
        return only(others) && n(letter) == 2 && first == letter && s.endsWith(ending);
    };

    test(1, enclosed(u'%', u"%"));
    test(2, enclosed(u'f', u"f"));
    test(3, enclosed(u'c', u"c"));
    test(4, enclosed(u'f', u"f.") && n(u'.') == 1);
    test(5, enclosed(u'c', u"c.") && n(u'.') == 1);
    if (n(u'#') == 4) {
        const bool step = IsStepField(SeriesField(s, u'#', 3));
        test(6, step && last == u'c');
        test(7, step && last == u'f');
    }
    if (n(u'#') == 3) {
        const bool stepThird = IsStepField(SeriesField(s, u'#', 3));
        const bool stepSecond = IsStepField(SeriesField(s, u'#', 2));
        test(8, stepThird && last == u'c');
        test(9, stepThird && last == u'f');
        test(10, stepSecond && last == u'c');
        test(11, stepSecond && last == u'f');
    }
    test(12, suffixed(u'f', u"f:m", u"fm") && n(u':') == 2);
    test(13, suffixed(u'f', u"f:h", u"fh") && n(u':') == 2);
    test(14, suffixed(u'c', u"c:m", u"cm") && n(u':') == 2);
    test(15, suffixed(u'c', u"c:h", u"ch") && n(u':') == 2);
    test(16, only(u"-") && n(u'-') == 4);
    test(17, only(u"/") && n(u'/') == 4);
    test(18, only(u"\u00AC") && n(kNotSign) == 2);
    test(19, suffixed(u'f', u"f/es", u"fes") && n(u'/') == 2);
    test(20, suffixed(u'f', u"f/en", u"fen") && n(u'/') == 2);
    test(21, suffixed(u'c', u"c/es", u"ces") && n(u'/') == 2);
    test(22, suffixed(u'c', u"c/en", u"cen") && n(u'/') == 2);
    test(23, s == u"fmesesf");
    test(24, s == u"fmonthsf");
    test(25, s == u"cmesesc");
    test(26, s == u"cmonthsc");
    test(27, only(u"\u00AC") && n(kNotSign) == 3);
    test(28, s == u"fsemanaf");
    test(29, s == u"fweekf");
    test(30, s == u"csemanac");
    test(31, s == u"cweekc");
    test(32, only(u"=") && n(u'=') == 2);
    test(33, only(u"=") && n(u'=') == 3);
    test(34, only(u"f.") && n(u'f') == 3 && first == u'f' && last == u'f' && n(u'.') == 2);
    test(35, only(u"c.") && n(u'c') == 3 && first == u'c' && last == u'c' && n(u'.') == 2);
    test(36, only(u"f\u00AC") && n(u'f') == 1 && s.endsWith(u"f\u00AC"));
    test(37, only(u"c\u00AC") && n(u'c') == 1 && s.endsWith(u"c\u00AC"));
    return kind;
}
