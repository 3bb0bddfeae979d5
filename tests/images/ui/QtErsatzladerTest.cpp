#include "images/ui/QtErsatzlader.h"

#include "support/TestBilder.h"
#include "support/ui/UiTestWorld.h"

#include <gtest/gtest.h>

TEST(QtErsatzlader, WithoutTheLibraryTiffAndJpegLoadThroughTheWindowSystem)
{
    UiTestWorld world;
    Bild_Schreiben(world.env.Root() / "a.tif", 30, 20, [](int32_t x, int32_t) { return Grau(8u * x); });
    Bild_Schreiben(world.env.Root() / "a.jpg", 30, 20, [](int32_t x, int32_t) { return Grau(8u * x); });
    QtErsatzlader lader;
    clsImage bild(false);
    EXPECT_EQ(bild.LoadPic((world.env.Root() / "a.tif").string(), &lader), Lader_GDIPlus);
    EXPECT_EQ(lader.Bild().size(), QSize(30, 20));
    EXPECT_EQ(qGray(lader.Bild().pixel(10, 5)), 80);
    EXPECT_EQ(bild.LoadPic((world.env.Root() / "a.jpg").string(), &lader), Lader_VB);
    EXPECT_EQ(bild.Image_Width(), 30);
    EXPECT_EQ(bild.Image_Height(), 20);
}
