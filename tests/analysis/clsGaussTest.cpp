// The Gauss peak list: one peak per position, removal, the count set apart from the list, and
// the reports of a set outside the list.
#include "analysis/clsGauss.h"

#include "support/RecordingSeam.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(GaussPeakListTest, KeepsOnePeakPerPosition)
{
    clsGauss gauss;
    gauss.Hinzufuegen(0.28f, 0.02f, 3.0f, 1, 0.5f);
    gauss.Hinzufuegen(0.28f, 0.05f, 9.0f, 0, 0.0f);
    gauss.Hinzufuegen(std::nextafter(0.28f, 1.0f), 0.01f, 1.0f, 0, 0.0f);
    ASSERT_EQ(gauss.Anzahl(), 2);
    EXPECT_EQ(gauss.W(1), 0.02f);
    EXPECT_EQ(gauss.A(1), 3.0f);
    EXPECT_EQ(gauss.X1(1), 0.0f);
    EXPECT_EQ(gauss.X2(1), 0.0f);
    EXPECT_FALSE(gauss.IsSchulter(1));
    EXPECT_EQ(gauss.x(2), std::nextafter(0.28f, 1.0f));

    gauss.Clear();
    EXPECT_EQ(gauss.Anzahl(), 0);
    EXPECT_EQ(gauss.x(1), 0.0f);
}

TEST(GaussPeakListTest, RemoveAndTheCountShortenTheList)
{
    clsGauss gauss;
    for (const float x : {1.0f, 2.0f, 3.0f, 4.0f}) gauss.Hinzufuegen(x, 0.0f, 0.0f, 0, 0.0f);
    EXPECT_TRUE(gauss.Remove(2));
    EXPECT_TRUE(gauss.Remove(7));
    ASSERT_EQ(gauss.Anzahl(), 3);
    EXPECT_EQ(gauss.x(2), 3.0f);

    // Setting the count leaves the records, but the next peak follows the counted ones.
    gauss.setAnzahl(1);
    EXPECT_EQ(gauss.x(2), 0.0f);
    gauss.Hinzufuegen(3.0f, 0.0f, 0.0f, 0, 0.0f);
    EXPECT_EQ(gauss.Anzahl(), 2);
    EXPECT_EQ(gauss.x(3), 0.0f);
}

TEST(GaussPeakListTest, ASetOutsideTheListIsReportedAndChangesNothing)
{
    RecordingSeam seam;
    clsGauss gauss;
    gauss.Hinzufuegen(1.0f, 0.5f, 2.0f, 0, 0.0f);
    gauss.setx(2, 5.0f);
    gauss.setW(0, 5.0f);
    gauss.setA(-1, 5.0f);
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(seam.messages[0].text, "Error 9 (Subscript out of range) in procedure x of Klassenmodul clsGauss");
    EXPECT_EQ(seam.messages[1].text, "Error 9 (Subscript out of range) in procedure W of Klassenmodul clsGauss");
    EXPECT_EQ(seam.messages[2].text, "Error 9 (Subscript out of range) in procedure a of Klassenmodul clsGauss");
    EXPECT_EQ(gauss.Anzahl(), 1);

    gauss.setA(1, 4.0f);
    EXPECT_EQ(gauss.A(1), 4.0f);
    EXPECT_EQ(seam.messages.size(), 3u);
}
