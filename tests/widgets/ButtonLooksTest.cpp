// The faces of the fourteen looks: frame colours at the edges, the glow and ramp rows, the pressed
// shift of the caption, the disabled caption colour and the picture effects.
#include "widgets/ButtonColors.h"
#include "widgets/ButtonFaceRendering.h"
#include "widgets/PicturePainter.h"
#include "widgets/looks/LookThemed.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ButtonFaceRendering;
using ButtonColors::Rgb;
using ButtonColors::ShiftColor;

namespace {

constexpr int W = 96;
constexpr int H = 26;

QColor At(const QImage& face, int x, int y)
{
    return QColor(face.pixel(x, y));
}

// The caption's pixels inside the frames.
QRect CaptionBox(const QImage& face, const QColor& colour, int tolerance)
{
    return PixelsNear(face.copy(3, 3, face.width() - 6, face.height() - 6), colour, tolerance);
}

}

TEST(ButtonClassicLooks, Look0RaisesAndFramesBlackWhenPressed)
{
    const QImage normal = Render(0, Showing::Normal);
    EXPECT_EQ(At(normal, 0, 0), ButtonColors::Light3D());
    EXPECT_EQ(At(normal, 1, 1), ButtonColors::Highlight3D());
    EXPECT_EQ(At(normal, W - 1, H - 1), ButtonColors::DarkShadow3D());
    EXPECT_EQ(At(normal, W - 2, H - 2), ButtonColors::Shadow3D());

    const QImage pressed = Render(0, Showing::Pressed);
    EXPECT_EQ(At(pressed, 0, H / 2), QColor(Qt::black));
    EXPECT_EQ(At(pressed, W - 1, H / 2), QColor(Qt::black));
    EXPECT_EQ(At(pressed, 1, H / 2), Rgb(0xACA899));
}

TEST(ButtonClassicLooks, FlatLooksSinkGreyAtTopLeftWhiteAtBottomRight)
{
    for (int32_t style : {1, 12}) {
        const QImage pressed = Render(style, Showing::Pressed);
        EXPECT_EQ(At(pressed, 0, H / 2), ButtonColors::GrayText()) << style;
        EXPECT_EQ(At(pressed, W / 2, 0), ButtonColors::GrayText()) << style;
        EXPECT_EQ(At(pressed, W - 1, H / 2), QColor(Qt::white)) << style;
        EXPECT_EQ(At(pressed, W / 2, H - 1), QColor(Qt::white)) << style;
    }
}

TEST(ButtonClassicLooks, HoverLooksStayFlatUntilTheMouseComes)
{
    const QColor face = ButtonColors::ButtonFace();
    for (int32_t style : {11, 12}) {
        EXPECT_EQ(At(Render(style, Showing::Normal), 0, 0), face) << style;
        EXPECT_NE(At(Render(style, Showing::Hover), 0, 0), face) << style;
    }
    EXPECT_EQ(At(Render(11, Showing::Hover), W - 1, H - 1), ButtonColors::DarkShadow3D());
    EXPECT_EQ(At(Render(12, Showing::Hover), W - 1, H - 1), ButtonColors::Shadow3D());
}

TEST(ButtonVistaAeroLook, FramesPerState)
{
    const QColor back = Rgb(0xE3E3E3);  // scheme 2
    const QImage normal = Render(3, Showing::Normal);
    EXPECT_EQ(At(normal, W / 2, 0), Rgb(0x707070));
    EXPECT_EQ(At(normal, W / 2, 1), QColor(Qt::white));
    EXPECT_EQ(At(normal, 1, 1), Rgb(0x5F96BE));

    EXPECT_EQ(At(Render(3, Showing::Hover), W / 2, 0), Rgb(0x3275A7));
    const QImage pressed = Render(3, Showing::Pressed);
    EXPECT_EQ(At(pressed, W / 2, 0), Rgb(0x1D415C));
    EXPECT_EQ(At(pressed, W / 2, 1), Rgb(0x719CB3));

    const QImage disabled = Render(3, Showing::Disabled);
    EXPECT_EQ(At(disabled, W / 2, 0), ShiftColor(back, -0.25f));
    EXPECT_EQ(At(disabled, W / 2, 1), ShiftColor(back, 0.25f));
    EXPECT_EQ(At(disabled, 1, 1), ShiftColor(back, -0.03f));
}

TEST(ButtonVistaAeroLook, HotUpperRampCoversHalfTheHeightRoundedToEven)
{
    // H = 23: the upper ramp covers rows 1 to 12 (11.5 rounds to 12); the lower one starts at
    // row 12. Column 8 lies between the side shading and the caption.
    const QImage hot = Render(3, Showing::Hover, QSize(W, 23));
    EXPECT_EQ(At(hot, 8, 2), Rgb(0xE4F7FF));
    EXPECT_EQ(At(hot, 8, 11), Rgb(0xDBF4FF));  // step 10 of 11, truncated
    EXPECT_EQ(At(hot, 8, 12), Rgb(0xC1E9FF));
}

TEST(ButtonWindowsXPLook, BlueFrameAndOrangeGlow)
{
    const QImage normal = Render(2, Showing::Normal);
    EXPECT_EQ(At(normal, W / 2, 0), Rgb(0x003C74));
    EXPECT_EQ(At(normal, 1, 1), ShiftColor(Rgb(0x003C74), 0.30f));
    const QImage hot = Render(2, Showing::Hover);
    EXPECT_EQ(At(hot, W / 2, 1), Rgb(0xFFF0CF));
    EXPECT_EQ(At(hot, W / 2, 2), Rgb(0xFDD889));
    EXPECT_EQ(At(hot, W / 2, H - 2), Rgb(0xE59700));
    EXPECT_EQ(At(hot, 1, H / 2), Rgb(0xF9BD49));

    Stage green(2, QSize(W, H));
    green.button->setColorScheme(1);
    EXPECT_EQ(At(green.button->Face(), W / 2, 0), Rgb(0x376206));
}

TEST(ButtonWindowsXPLook, Look13WithoutThemeShowsTheFaceOfLook2)
{
    for (const Showing showing : kAllShowings) {
        Stage xp(2, QSize(W, H));
        Stage themed(13, QSize(W, H));
        xp.button->setBackColor(Rgb(0xECEBE7));
        themed.button->setBackColor(Rgb(0xECEBE7));
        Show(*xp.button, showing);
        Show(*themed.button, showing);
        EXPECT_EQ(xp.button->Face(), themed.button->Face()) << Name(showing).toStdString();
    }
}

TEST(ButtonThemedLook, PaintsThePlatformBevelOnTheButtonFaceAndTheCaption)
{
    // Only native platform styles count as a theme; the offscreen platform has none.
    EXPECT_FALSE(LookThemed::IsThemeActive(QApplication::style()));

    QWidget widget;
    widget.resize(W, H);
    QImage surface(W, H, QImage::Format_RGB32);
    surface.fill(Qt::magenta);
    ButtonCanvas canvas(surface);
    ButtonProperties properties;
    ButtonDrawState state;
    bool captionDrawn = false, regionSet = false;
    ButtonLookContext context{canvas, properties, state, [&] { captionDrawn = true; }, [&] { regionSet = true; },
                              &widget};
    LookThemed().Paint(context);
    EXPECT_TRUE(captionDrawn);
    EXPECT_TRUE(regionSet);
    EXPECT_TRUE(PixelsNear(surface, Qt::magenta, 0).isEmpty());
    // A bevel, not a plain fill: the frame along the top differs from the face colour.
    EXPECT_NE(At(surface, W / 2, 0), ButtonColors::ButtonFace());
}

TEST(ButtonGradientLooks, FrameColoursOfTheOtherLooks)
{
    EXPECT_EQ(At(Render(4, Showing::Hover), W / 2, 0), Rgb(0x316AC5));
    EXPECT_EQ(At(Render(4, Showing::Hover), 8, H / 2), ShiftColor(Rgb(0xC1D2EE), 0.03f));
    EXPECT_EQ(At(Render(5, Showing::Hover), W / 2, 0), Rgb(0x000080));
    EXPECT_EQ(At(Render(5, Showing::Pressed), W / 2, H - 1), Rgb(0x000080));
    EXPECT_EQ(At(Render(6, Showing::Hover), W / 2, 0), Rgb(0xCECEC3));
    EXPECT_EQ(At(Render(6, Showing::Pressed), W / 2, 0), Rgb(0x9D9D92));
    EXPECT_EQ(At(Render(7, Showing::Normal), 0, H / 2), ButtonColors::ButtonFace());
    EXPECT_EQ(At(Render(7, Showing::Hover), 0, H / 2), Rgb(0x619ECA));
    EXPECT_EQ(At(Render(8, Showing::Normal), 0, H / 2), ShiftColor(Rgb(0xADD1FF), -0.34f));
    // The lower ramp starts at H / 2.7 = 9.6, row 10.
    EXPECT_EQ(At(Render(8, Showing::Hover), 8, 10), Rgb(0xFFD767));
    const QColor gel = Rgb(0xADD1FF);
    const QImage gelNormal = Render(10, Showing::Normal);
    EXPECT_EQ(At(gelNormal, W / 2, 0), ShiftColor(gel, -0.33f));
    EXPECT_EQ(At(gelNormal, 1, 1), ShiftColor(gel, -0.36f));
    // The row between the gloss and the body keeps the fill colour.
    EXPECT_EQ(At(Render(10, Showing::Disabled), W / 2, 5), gel);
}

TEST(ButtonGradientLooks, Look9ShowsNoHoverChange)
{
    EXPECT_EQ(Render(9, Showing::Hover), Render(9, Showing::Normal));
    EXPECT_NE(Render(9, Showing::Pressed), Render(9, Showing::Normal));
}

TEST(ButtonGradientLooks, Look6SwitchesTheCaptionColourItself)
{
    Stage stage(6, QSize(W, H));
    Show(*stage.button, Showing::Pressed);
    EXPECT_EQ(stage.button->ForeColor(), QColor(Qt::white));
    stage.button->setEnabled(false);
    EXPECT_EQ(stage.button->ForeColor(), ButtonColors::ButtonText());
}

TEST(ButtonCaption, SinksOnePixelWhenPressedInLook0ButNotInLook3)
{
    const QColor text = ButtonColors::ButtonText();
    const QRect normal0 = CaptionBox(Render(0, Showing::Normal), text, 90);
    const QRect pressed0 = CaptionBox(Render(0, Showing::Pressed), text, 90);
    ASSERT_FALSE(normal0.isEmpty());
    EXPECT_EQ(pressed0, normal0.translated(1, 1));

    const QRect normal3 = CaptionBox(Render(3, Showing::Normal), text, 90);
    EXPECT_EQ(CaptionBox(Render(3, Showing::Pressed), text, 90), normal3);
}

TEST(ButtonCaption, DisabledCaptionIsGrey)
{
    for (int32_t style = 0; style <= 13; ++style) {
        const QImage disabled = Render(style, Showing::Disabled);
        EXPECT_FALSE(CaptionBox(disabled, ButtonColors::GrayText(), 4).isEmpty()) << style;
        EXPECT_TRUE(PixelsNear(disabled, ButtonColors::ButtonText(), 30).isEmpty()) << style;
    }
}

TEST(ButtonOnState, CheckButtonThatIsOnShowsPressedExceptInLooks0And6)
{
    Stage aero(3, QSize(W, H));
    aero.button->setMode(fxbutton::ModeCheck);
    aero.button->setValue(true);
    EXPECT_EQ(At(aero.button->Face(), W / 2, 0), Rgb(0x1D415C));

    Stage classic(0, QSize(W, H));
    classic.button->setMode(fxbutton::ModeCheck);
    classic.button->setValue(true);
    EXPECT_EQ(At(classic.button->Face(), 0, H / 2), ButtonColors::Shadow3D());  // sunken, not black
}

TEST(ButtonRegions, RoundedLooksCutTheirCorners)
{
    Stage aero(3, QSize(W, H));
    EXPECT_FALSE(aero.button->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(aero.button->mask().contains(QPoint(1, 0)));
    Stage gel(10, QSize(W, H));
    EXPECT_FALSE(gel.button->mask().contains(QPoint(1, 0)));
    Stage classic(0, QSize(W, H));
    EXPECT_TRUE(classic.button->mask().contains(QPoint(0, 0)));
}

TEST(ButtonRegions, StyleBeyond13PaintsOnlyTheBackColour)
{
    Stage stage(14, QSize(W, H));
    const QImage face = stage.button->Face();
    const QColor back = stage.button->BackColor();
    EXPECT_EQ(PixelsNear(face, back, 0), face.rect());
}

class ButtonPictures : public ::testing::Test {
protected:
    // A 32 × 32 picture laid out at 16 × 16: red with a mask-coloured border of 4 pixels.
    static QPixmap Picture()
    {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(QColor(0xE0, 0xE0, 0xE0));
        QPainter(&image).fillRect(4, 4, 24, 24, QColor(200, 0, 0));
        return QPixmap::fromImage(image);
    }

    QImage FaceWith(const std::function<void(fxbutton&)>& setUp)
    {
        Stage stage(1, QSize(W, H), " ");
        stage.button->setPictureAlign(0);
        setUp(*stage.button);
        return stage.button->Face().copy();
    }

    // Centred 16 × 16 picture of a blank caption; its painted centre.
    static QColor Centre(const QImage& face) { return At(face, W / 2, H / 2); }
};

TEST_F(ButtonPictures, HalfSizeCentredWithMaskColourLeftOut)
{
    const QImage face = FaceWith([](fxbutton& b) { b.setPictureNormal(Picture()); });
    EXPECT_EQ(PixelsNear(face, QColor(200, 0, 0), 0), QRect(W / 2 - 8 + 2, H / 2 - 8 + 2, 12, 12));
    EXPECT_TRUE(PixelsNear(face, QColor(0xE0, 0xE0, 0xE0), 0).isEmpty());

    const QImage unmasked = FaceWith([](fxbutton& b) {
        b.setPictureNormal(Picture());
        b.setUseMaskColor(false);
    });
    EXPECT_EQ(PixelsNear(unmasked, QColor(0xE0, 0xE0, 0xE0), 0), QRect(W / 2 - 8, H / 2 - 8, 16, 16));
}

TEST_F(ButtonPictures, OpacityZeroLeavesTheFaceAndFullOpacityPaintsUnblended)
{
    const QImage bare = FaceWith([](fxbutton&) {});
    const QImage hidden = FaceWith([](fxbutton& b) {
        b.setPictureNormal(Picture());
        b.setPictureOpacity(0);
    });
    EXPECT_EQ(hidden, bare);
    EXPECT_EQ(Centre(FaceWith([](fxbutton& b) { b.setPictureNormal(Picture()); })), QColor(200, 0, 0));
}

TEST_F(ButtonPictures, DisabledGreyModePaintsGreyAtThreeQuartersOpacity)
{
    const QColor face = ButtonColors::ButtonFace();
    const QImage image = FaceWith([](fxbutton& b) {
        b.setPictureNormal(Picture());
        b.setPictureOpacity(200);
        b.setDisabledPictureMode(1);
        b.setEnabled(false);
    });
    const int grey = 60;  // 0.3 × 200
    const auto blend = [&](int surface) { return (grey * 150 + surface * 105) / 256; };
    EXPECT_EQ(Centre(image), QColor(blend(face.red()), blend(face.green()), blend(face.blue())));
}

TEST_F(ButtonPictures, FirstPictureGivenAlwaysBecomesTheNormalOne)
{
    Stage stage(1, QSize(W, H), " ");
    stage.button->setPictureHot(Picture());
    EXPECT_FALSE(stage.button->PictureNormal().isNull());
    EXPECT_TRUE(stage.button->PictureHot().isNull());
    stage.button->setPictureDown(Picture());
    EXPECT_FALSE(stage.button->PictureDown().isNull());
    // Clearing the normal picture clears the others too.
    stage.button->setPictureNormal(QPixmap());
    EXPECT_TRUE(stage.button->PictureDown().isNull());
}

TEST_F(ButtonPictures, HoverEffectLightensThroughTheLightTable)
{
    Stage stage(1, QSize(W, H), " ");
    stage.button->setPictureAlign(0);
    stage.button->setPictureNormal(Picture());
    stage.button->setPictureEffectOnOver(PicturePainter::Lighter);
    Show(*stage.button, Showing::Hover);
    EXPECT_EQ(Centre(stage.button->Face()), QColor(PicturePainter::LightTable()[200], 0, 0));
}
