// The colour operations, the gradient ramp, the access key of a caption and the caption layout of
// the owner-drawn button.
#include "widgets/ButtonAccessKey.h"
#include "widgets/ButtonCanvas.h"
#include "widgets/ButtonColors.h"
#include "widgets/CaptionLayout.h"

#include <gtest/gtest.h>

using ButtonColors::Rgb;

namespace {

QString Hex(const QColor& colour)
{
    return colour.name().toUpper();
}

}

TEST(ButtonColourOperations, ShiftAndBlendRoundHalvesToEvenAndClamp)
{
    EXPECT_EQ(Hex(ButtonColors::ShiftColor(Rgb(0xF0F0F0), 0.1f)), "#FFFFFF");
    EXPECT_EQ(Hex(ButtonColors::ShiftColor(Rgb(0x0A0A0A), -0.1f)), "#000000");
    EXPECT_EQ(Hex(ButtonColors::ShiftColor(Rgb(0xD4D4D4), 0.06f)), "#E3E3E3");
    EXPECT_EQ(Hex(ButtonColors::BlendColors(Rgb(0x010203), Rgb(0x020304))), "#020204");
}

TEST(ButtonCanvasGradient, RampEndsAtBothColoursAndTruncatesSteps)
{
    QImage surface(3, 5, QImage::Format_RGB32);
    ButtonCanvas canvas(surface);
    canvas.DrawGradient(0, 0, 3, 5, Rgb(0x000000), Rgb(0x0A0A0A), ButtonCanvas::Direction::TopToBottom);
    EXPECT_EQ(canvas.Pixel(1, 0), Rgb(0x000000));
    EXPECT_EQ(canvas.Pixel(1, 1), Rgb(0x020202));  // 10 × 1 / 4 = 2.5 cut to 2
    EXPECT_EQ(canvas.Pixel(1, 4), Rgb(0x0A0A0A));
}

TEST(ButtonCanvasGradient, OnePixelWideRampIsTheTruncatedHalvesOfBothEndsAndEmptyPaintsNothing)
{
    QImage surface(4, 4, QImage::Format_RGB32);
    surface.fill(Qt::black);
    ButtonCanvas canvas(surface);
    canvas.DrawGradient(1, 0, 1, 4, Rgb(0x030507), Rgb(0x0B0D0F), ButtonCanvas::Direction::LeftToRight);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(canvas.Pixel(1, y), Rgb(0x06080A));  // 1 + 5, 2 + 6, 3 + 7 per channel
    EXPECT_EQ(canvas.Pixel(2, 0), QColor(Qt::black));
    // Empty rectangles paint nothing.
    canvas.DrawGradient(0, 0, 0, 4, Qt::white, Qt::white, ButtonCanvas::Direction::TopToBottom);
    canvas.DrawGradient(0, 0, 4, -1, Qt::white, Qt::white, ButtonCanvas::Direction::TopToBottom);
    EXPECT_EQ(canvas.Pixel(0, 0), QColor(Qt::black));
}

TEST(ButtonAccessKeys, DerivedFromTheCaption)
{
    EXPECT_EQ(ButtonAccessKey::FromCaption("&Datei"), QChar('d'));
    EXPECT_EQ(ButtonAccessKey::FromCaption("A&&B"), std::nullopt);
    EXPECT_EQ(ButtonAccessKey::FromCaption("A&&B&C"), QChar('c'));
    EXPECT_EQ(ButtonAccessKey::FromCaption("Ende&"), std::nullopt);
    // Only the first pair is skipped.
    EXPECT_EQ(ButtonAccessKey::FromCaption("A&&B&&C&D"), std::nullopt);
}

TEST(ButtonCaptionLayout, BlankCaptionCentresThePicture)
{
    CaptionLayout::Input in{.width = 80, .height = 24, .hasPicture = true, .pictureWidth = 16, .pictureHeight = 16,
                            .captionBlank = true, .pictureAlign = 0};
    EXPECT_EQ(CaptionLayout::Compute(in).picture, QRect(32, 4, 16, 16));
    in.captionBlank = false;
    EXPECT_EQ(CaptionLayout::Compute(in).picture.x(), 3);
}

TEST(ButtonCaptionLayout, DropDownSymbolSitsAtTheRightEdge)
{
    const CaptionLayout::Input in{.width = 100, .height = 23, .dropDownSymbol = true};
    // 23 / 2 - 7 = 4.5 and 23 / 2 + 8 = 19.5 go to the even neighbours 4 and 20.
    EXPECT_EQ(CaptionLayout::Compute(in).symbol, QRect(85, 4, 15, 16));
}
