// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/colour_text.h"

#include "content/colour_order.h"

QString ColourText(int32_t bgr) {
    const uint32_t rgb = SwapRedAndBlue(uint32_t(bgr) & 0xFFFFFF);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

std::optional<int32_t> ColourFromText(QStringView text) {
    if (text.size() != 7 || !text.startsWith(u'#')) return std::nullopt;
    for (const QChar c : text.sliced(1))
        if (!c.isDigit() && !(c.toLower() >= u'a' && c.toLower() <= u'f')) return std::nullopt;
    return int32_t(SwapRedAndBlue(text.sliced(1).toUInt(nullptr, 16)));
}
