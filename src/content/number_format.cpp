// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/number_format.h"

#include "content/leading_number.h"
#include "model/space_trim.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// What a mask asks for under the picture rules.
struct Picture {
    int integerZeros = 0; // integer positions that always show a digit
    bool grouping = false;
    int decimals = 0;
};

// The integer masks: "###,###,###,###,###,###,###,###" grouped, "#####..." plain, and "0",
// which always shows the units digit.
constexpr Picture kGroupedIntegerMask{0, true, 0};
constexpr Picture kPlainIntegerMask{0, false, 0};
constexpr Picture kUnitsDigitMask{1, false, 0};

Picture ReadPicture(QStringView mask) {
    Picture picture;
    const qsizetype point = mask.indexOf(u'.');
    const QStringView integerPart = point < 0 ? mask : mask.left(point);
    picture.integerZeros = int(integerPart.count(u'0'));
    picture.grouping = integerPart.contains(u',');
    if (point >= 0) picture.decimals = int(mask.sliced(point + 1).count(u'0'));
    return picture;
}

// An integer mask (which has no point) followed by the decimal mask, read as one mask.
Picture Followed(Picture integerMask, const QString& decimalMask) {
    Picture picture = ReadPicture(decimalMask);
    picture.integerZeros += integerMask.integerZeros;
    picture.grouping = picture.grouping || integerMask.grouping;
    return picture;
}

// The absolute value rounded half away from zero to the given decimals: integer digits
// without leading zeros (empty for a value below 1) and exactly `decimals` fraction digits.
struct RoundedDigits {
    std::string integer;
    std::string fraction;
};

RoundedDigits RoundToDecimals(long double magnitude, int decimals) {
    // A whole number below 10^18, the common case, is exact in the mantissa: its digits need
    // no trip through a formatted text.
    const auto wholeDigits = [decimals](unsigned long long value) {
        RoundedDigits whole;
        if (value >= 1) whole.integer = std::to_string(value);
        whole.fraction.assign(size_t(decimals), '0');
        return whole;
    };
    // Below 2^53 a whole number is exact as a double, and the double is tested and converted
    // without the x87 unit's two switches of rounding mode for each floor and conversion.
    if (magnitude < 0x1p53L) {
        const double narrow = double(magnitude);
        const auto whole = static_cast<long long>(narrow);
        if (narrow == magnitude && double(whole) == narrow) return wholeDigits(whole);
    } else if (magnitude < 1e18L && magnitude == std::floor(magnitude)) {
        return wholeDigits(static_cast<unsigned long long>(magnitude));
    }
    // 18 significant digits: what the 64-bit mantissa holds reliably, so a stored 2.675 is
    // rounded as 2.675 and not as its binary neighbour 2.67499999....
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 17);
    const std::string text(buffer, result.ptr);
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits.push_back(text[i]);
    long long integerCount = std::stoll(text.substr(e + 1)) + 1;

    // Make the digit string start at the units position or before it.
    if (integerCount <= 0) {
        digits.insert(0, size_t(1 - integerCount), '0');
        integerCount = 1;
    }
    const size_t keep = size_t(integerCount) + size_t(decimals);
    if (digits.size() < keep + 1) digits.resize(keep + 1, '0');
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        size_t i = keep;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            ++integerCount;
        } else {
            ++digits[i - 1];
        }
    }
    RoundedDigits rounded;
    rounded.integer = digits.substr(0, size_t(integerCount));
    rounded.integer.erase(0, rounded.integer.find_first_not_of('0'));
    rounded.fraction = digits.substr(size_t(integerCount));
    return rounded;
}

QString ApplyPicture(long double value, const Picture& picture) {
    const RoundedDigits rounded = RoundToDecimals(std::fabs(value), picture.decimals);
    const std::string& digits = rounded.integer;
    const bool nonZero =
        !digits.empty() || rounded.fraction.find_first_not_of('0') != std::string::npos;
    // The digits padded with zeros to the mask's zero positions, grouped by threes. Every
    // mask shows the units digit: ".28" would read as a slip of the pen.
    const size_t count = std::max({digits.size(), size_t(picture.integerZeros), size_t(1)});
    const size_t padding = count - digits.size();
    std::string out;
    out.reserve(2 + count + count / 3 + rounded.fraction.size());
    if (value < 0 && nonZero) out.push_back('-');
    for (size_t i = 0; i < count; ++i) {
        if (picture.grouping && i > 0 && (count - i) % 3 == 0) out.push_back(',');
        out.push_back(i < padding ? '0' : digits[i - padding]);
    }
    if (picture.decimals > 0) {
        out.push_back('.');
        out += rounded.fraction;
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

// Replaces the characters of `from` by those of `to` at the same index, each character once.
QString Exchange(const QString& text, QStringView from, QStringView to) {
    QString out = text;
    for (QChar& c : out) {
        const qsizetype at = from.indexOf(c);
        if (at >= 0) c = to[at];
    }
    return out;
}

} // namespace

QString BuildDecimalMask(int decimalPlaces) {
    if (decimalPlaces < 2 || decimalPlaces > 6) decimalPlaces = 2;
    return QStringLiteral(".") + QString(decimalPlaces, u'0');
}

QString FormatNumber(long double value, int numberFormat, const QString& decimalMask) {
    if (!std::isfinite(value)) return {};
    switch (numberFormat) {
    case kEnglishDecimal:
        return ApplyPicture(value, Followed(kGroupedIntegerMask, decimalMask));
    case kEnglishInteger:
        return ApplyPicture(value, kGroupedIntegerMask);
    case kPlainEnglishDecimal:
        return ApplyPicture(value, Followed(kUnitsDigitMask, decimalMask));
    case kSpanishDecimal:
        return Exchange(ApplyPicture(value, Followed(kGroupedIntegerMask, decimalMask)), u",.",
                        u".'");
    case kSpanishInteger:
        return Exchange(ApplyPicture(value, kGroupedIntegerMask), u",", u".");
    case kPlainSpanishDecimal:
        return Exchange(ApplyPicture(value, Followed(kUnitsDigitMask, decimalMask)), u".", u"'");
    case kPlainInteger:
        return ApplyPicture(value, kPlainIntegerMask);
    default:
        return {};
    }
}

QString NormaliseTypedText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');

    static constexpr QStringView kNumberCharacters = u"1234567890.,'";
    for (const QChar c : out)
        if (!kNumberCharacters.contains(c)) return out;
    const qsizetype commas = out.count(u',');
    const qsizetype apostrophes = out.count(u'\'');
    if (out.isEmpty() || commas + apostrophes + out.count(u'.') > 1) return out;
    if (commas == 1) out.replace(u',', u'.');
    if (apostrophes == 1) out.replace(u'\'', u'.');
    return out;
}

QString ShownText(const CellRecord& cell, const QString& decimalMask) {
    if (cell.numericAllowed != 1) return cell.text;
    return FormatNumber(ReadLeadingNumber(TrimSpaces(cell.text)), cell.numberFormat, decimalMask);
}
