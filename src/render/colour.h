// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRgb>
#include <cstdint>

// Table colours are 0x00BBGGRR (red in the low byte); Qt's are 0xAARRGGBB. Every conversion
// between the two goes through these functions. Only the low 24 bits are a colour: the
// markers -1 and -2 are never passed here.
inline QRgb RgbFromBgr(int32_t bgr) {
    const auto value = uint32_t(bgr);
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline QColor ColourFromBgr(int32_t bgr) {
    return QColor(RgbFromBgr(bgr));
}

inline int32_t BgrFromRgb(QRgb rgb) {
    return int32_t(uint32_t(qRed(rgb)) | uint32_t(qGreen(rgb)) << 8 | uint32_t(qBlue(rgb)) << 16);
}

inline int32_t BgrFromColour(const QColor& colour) {
    return BgrFromRgb(colour.rgb());
}
