// What the fourteen looks show: hover and pressed changes, the pressed shift of the caption, the
// disabled caption colour, the regions and the pictures.
#include "widgets/ButtonColors.h"
#include "widgets/ButtonFaceRendering.h"
#include "widgets/looks/LookThemed.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

using namespace ButtonFaceRendering;
using ButtonColors::Rgb;

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

TEST(ButtonWindowsXPLook, Look13WithoutThemeShowsTheFaceOfLook2)
{
    const auto face = [](int32_t style, Showing showing) {
        Stage stage(style, QSize(W, H));
        stage.button->setBackColor(Rgb(0xECEBE7));
        Show(*stage.button, showing);
        return stage.button->Face().copy();
    };
    for (const Showing showing : kAllShowings) EXPECT_EQ(face(2, showing), face(13, showing)) << Name(showing).toStdString();
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
    EXPECT_EQ(aero.button->Face(), Render(3, Showing::Pressed));

    Stage classic(0, QSize(W, H));
    classic.button->setMode(fxbutton::ModeCheck);
    classic.button->setValue(true);
    EXPECT_NE(classic.button->Face(), Render(0, Showing::Pressed));  // sunken, not framed black
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

