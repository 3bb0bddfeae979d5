#include "images/modBitmap.h"

#include <gtest/gtest.h>

#include <array>

TEST(Bitmaproutinen, MapTheColourBytesAndKeepTheTopByte)
{
    const std::array<uint32_t, 2> quelle{0x80102030u, 0x00FF7F01u};
    std::array<uint32_t, 2> ziel{};
    const AsmBmpPara block{quelle.data(), 2, 1, ziel.data()};
    ASSERT_TRUE(asmInvert(block));
    EXPECT_EQ(ziel[0], 0x80EFDFCFu);
    ASSERT_TRUE(asmContrast(block, 0)) << "a = 0: every level to 127";
    EXPECT_EQ(ziel[1], 0x007F7F7Fu);
    ASSERT_TRUE(asmBrightness(block, 0)) << "from 0 by 255/256 per level";
    EXPECT_EQ(ziel[0], 0x800F1F2Fu);
    EXPECT_FALSE(asmBrightness(block, 256));
    ziel = {};
    ASSERT_TRUE(asmChangeHSL(block, -1, -1)) << "hue and lightness kept";
    EXPECT_EQ(ziel, quelle);
}
