// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/field_packing.h"
#include "model/windows1252.h"

#include <gtest/gtest.h>

TEST(FieldPacking, PiecesBecomeDecimalSlots) {
    const std::vector<int64_t> font = PackUnits(BytesToUnits("Times"), kFontNamePacking);
    EXPECT_EQ(font[0], 84105109101115LL);
    const std::vector<int64_t> text = PackUnits(Utf16ToUnits(QStringLiteral("Hoy")), kTextPacking);
    EXPECT_EQ(text[0], 720011100121LL);
    EXPECT_EQ(text[1], 0);

    // Seven units: slots 1 to 3 (3, 3 and 1 units).
    const auto seven = PackUnits(Utf16ToUnits(QStringLiteral("abcdefg")), kTextPacking);
    EXPECT_EQ(seven[0], 970009800099LL);
    EXPECT_EQ(seven[1], 1000010100102LL);
    EXPECT_EQ(seven[2], 103);
    EXPECT_EQ(seven[3], 0);

    // Forty units: slots 1 to 13 and 15; reserved slot 14 stays 0.
    const auto forty = PackUnits(Utf16ToUnits(QString(40, u'x')), kTextPacking);
    for (int slot = 1; slot <= 13; ++slot)
        EXPECT_EQ(forty[size_t(slot - 1)], 1200012000120LL);
    EXPECT_EQ(forty[13], 0);
    EXPECT_EQ(forty[14], 120);
    EXPECT_EQ(forty[15], 0);
}

TEST(FieldPacking, UnpackDropsZeroNegativeAndOversizedUnits) {
    EXPECT_EQ(UnitsToBytes(UnpackUnits({84105109101115LL}, kFontNamePacking)), QByteArray("Times"));
    EXPECT_EQ(UnitsToUtf16(UnpackUnits({720011100121LL}, kTextPacking)), QStringLiteral("Hoy"));

    std::vector<int64_t> slots(3, 0);
    slots[0] = -5;
    slots[1] = 65066;  // "065" "066"
    slots[2] = 999065; // 999 is no byte: dropped, 065 kept
    EXPECT_EQ(UnitsToBytes(UnpackUnits(slots, kOperationDescriptorPacking)), QByteArray("ABA"));

    // A 19-digit value: five-digit groups from the right, the oversized leading group dropped.
    std::vector<int64_t> big(12, 0);
    big[0] = 9223372036854775807LL; // groups 9223 37203 68547 75807; the last two are too big
    const auto units = UnpackUnits(big, kPasswordPacking);
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(units[0], 9223u);
    EXPECT_EQ(units[1], 37203u);
    // Reserved slot 6 is ignored even when a file fills it.
    std::vector<int64_t> reserved(12, 0);
    reserved[5] = 65;
    EXPECT_TRUE(UnpackUnits(reserved, kPasswordPacking).empty());
}

TEST(FieldPacking, ByteFieldEncodings) {
    EXPECT_EQ(DecodeByteField(QByteArray("Caf\xc3\xa9")), QStringLiteral(u"Café"));
    EXPECT_EQ(DecodeByteField(QByteArray("C:\\Im\xe1genes\\\x80.png")),
              QStringLiteral(u"C:\\Imágenes\\€.png"));
    EXPECT_EQ(EncodeWindows1252(QStringLiteral(u"Tamaño €")), QByteArray("Tama\xf1o \x80"));
    EXPECT_EQ(DecodeWindows1252(QByteArray("Tama\xf1o")), QStringLiteral(u"Tamaño"));
    // Cutting never splits a character: "é" is two bytes.
    EXPECT_EQ(EncodeByteField(QStringLiteral(u"abé"), 3), QByteArray("ab"));
    EXPECT_EQ(EncodeByteField(QStringLiteral(u"abé"), 4), QByteArray("ab\xc3\xa9"));
}
