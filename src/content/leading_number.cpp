// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/leading_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Where the number read so far would lie: the power of ten of its first significant digit.
// Only asked when the conversion said the value is out of range, to tell overflow from
// underflow.
long long DecimalMagnitude(const std::string& mantissa, long long exponent) {
    const size_t point = mantissa.find('.');
    const size_t integerDigits = point == std::string::npos ? mantissa.size() : point;
    const size_t firstSignificant = mantissa.find_first_not_of("0.");
    if (firstSignificant == std::string::npos) return std::numeric_limits<long long>::min();
    if (firstSignificant < integerDigits)
        return static_cast<long long>(integerDigits - firstSignificant) - 1 + exponent;
    return -static_cast<long long>(firstSignificant - integerDigits) + exponent;
}

// Up to 19 digits without exponent, the usual cell number: digits ÷ 10^decimals with both
// operands exact in long double, so the one rounding of the division gives the correctly
// rounded value, without the general conversion's cost.
bool ReadShortDecimal(const std::string& mantissa, bool noExponent, long double& value) {
    if (!noExponent) return false;
    uint64_t digits = 0;
    int count = 0;
    int decimals = -1;
    for (const char c : mantissa) {
        if (c == '.') {
            decimals = 0;
            continue;
        }
        if (++count > 19) return false;
        digits = digits * 10 + uint64_t(c - '0');
        if (decimals >= 0) ++decimals;
    }
    long double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    value = static_cast<long double>(digits) / scale;
    return true;
}

// A number in scientific form: sign, significant digits without trailing zeros, and the
// power of ten of the first digit.
struct ScientificDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

ScientificDigits SplitScientific(std::string_view text) {
    ScientificDigits form;
    const size_t e = text.find('e');
    form.negative = text[0] == '-';
    for (size_t i = form.negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.') form.digits.push_back(text[i]);
    while (form.digits.size() > 1 && form.digits.back() == '0')
        form.digits.pop_back();
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    form.exponent);
    return form;
}

// Positional for magnitudes from 1e-6 to below 1e21, exponent form beyond.
QString Positional(const ScientificDigits& form) {
    const std::string& digits = form.digits;
    const int exponent = form.exponent;
    // Appended piece by piece: "literal" + std::string&& makes GCC 12 at -O3 report a false
    // -Wrestrict overlap.
    std::string out = form.negative ? "-" : "";
    if (exponent >= 21 || exponent < -6) {
        out += digits[0];
        if (digits.size() > 1) out.append(".").append(digits, 1);
        out += exponent < 0 ? "e-" : "e+";
        out += std::to_string(std::abs(exponent));
    } else if (exponent < 0) {
        out.append("0.").append(size_t(-exponent - 1), '0').append(digits);
    } else if (size_t(exponent) + 1 >= digits.size()) {
        out.append(digits).append(size_t(exponent) + 1 - digits.size(), '0');
    } else {
        out.append(digits, 0, size_t(exponent) + 1)
            .append(".")
            .append(digits, size_t(exponent) + 1);
    }
    return QString::fromLatin1(out);
}

} // namespace

long double ReadLeadingNumber(const QString& text) {
    return ReadLeadingNumber(QStringView(text));
}

long double ReadLeadingNumber(QStringView text) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < size && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::string mantissa;
    bool anyDigit = false;
    for (; i < size && IsDigit(text[i]); ++i, anyDigit = true)
        mantissa.push_back(char(text[i].unicode()));
    if (i < size && text[i] == u'.') {
        mantissa.push_back('.');
        for (++i; i < size && IsDigit(text[i]); ++i, anyDigit = true)
            mantissa.push_back(char(text[i].unicode()));
    }
    if (!anyDigit) return 0;

    // The exponent counts only when at least one digit follows the letter and its sign.
    long long exponent = 0;
    std::string exponentText;
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < size && (text[j] == u'-' || text[j] == u'+')) {
            negativeExponent = text[j] == u'-';
            ++j;
        }
        if (j < size && IsDigit(text[j])) {
            for (; j < size && IsDigit(text[j]); ++j) {
                // Saturate: anything past a million decimal places is out of range anyway.
                if (exponent < 1000000) exponent = exponent * 10 + (text[j].unicode() - u'0');
            }
            if (negativeExponent) exponent = -exponent;
            exponentText.append("e").append(std::to_string(exponent));
        }
    }

    long double value = 0;
    if (!ReadShortDecimal(mantissa, exponentText.empty(), value)) {
        const std::string number = mantissa + exponentText;
        const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range) {
            value = DecimalMagnitude(mantissa, exponent) > 0
                        ? std::numeric_limits<long double>::max()
                        : 0.0L;
        } else if (result.ec != std::errc()) {
            value = 0;
        }
    }
    return negative ? -value : value;
}

int32_t NearestInt32(long double value) {
    if (std::isnan(value)) return 0;
    const long double rounded = std::round(value);
    if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rounded);
}

QString WriteNumber(long double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return QStringLiteral("0");
    // Whole numbers of up to 15 digits are the common case (counters, sums): write them
    // directly.
    if (std::fabs(value) < 1e15L && value == std::trunc(value))
        return QString::number(static_cast<long long>(value));

    // A value that is a double with a shortest form of at most 15 digits (a decimal series,
    // most results) has that form as its 15-digit rounding: no other 15-digit decimal lies
    // as close to a double. It is much cheaper to find than the general rounding.
    char buffer[64];
    const double asDouble = static_cast<double>(value);
    if (static_cast<long double>(asDouble) == value) {
        const auto shortest =
            std::to_chars(buffer, buffer + sizeof buffer, asDouble, std::chars_format::scientific);
        const ScientificDigits form = SplitScientific(std::string_view(buffer, shortest.ptr));
        if (form.digits.size() <= 15) return Positional(form);
    }
    // d.dddddddddddddde±x: the value rounded to 15 significant digits.
    const auto rounded =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    return Positional(SplitScientific(std::string_view(buffer, rounded.ptr)));
}
