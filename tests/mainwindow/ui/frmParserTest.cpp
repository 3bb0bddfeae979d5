#include "mainwindow/ui/frmParser.h"

#include "support/ui/UiTestWorld.h"
#include "support/ui/Bildschirmfoto.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CalculatorTest : public ::testing::Test, protected UiTestWorld {
protected:
    QStringList Ergebnisse() const
    {
        return {fenster.lblDez->text(), fenster.lblHex->text(), fenster.lblOct->text(), fenster.lblBin->text()};
    }
    void Eingeben(const QString& text)
    {
        fenster.txtFormel->clear();
        QTest::keyClicks(fenster.txtFormel, text);
    }
    frmParser fenster{nullptr};
    const QStringList nichts{"---", "---", "---", "---"};
};

}

TEST_F(CalculatorTest, NumbersConvertAsTypedAndFormulasOnEnter)
{
    EXPECT_EQ(Ergebnisse(), nichts) << "empty box";
    Eingeben("255");
    EXPECT_EQ(Ergebnisse(), QStringList({"255", "FFh", "377o", "1111 1111b"}));
    Eingeben("-5");
    EXPECT_EQ(Ergebnisse(), nichts) << "a leading minus makes a formula";
    QTest::keyClick(fenster.txtFormel, Qt::Key_Return);
    EXPECT_EQ(fenster.lblDez->text(), "-5");
    Eingeben("2*3");
    EXPECT_EQ(Ergebnisse(), nichts);
    QTest::keyClick(fenster.txtFormel, Qt::Key_Return);
    EXPECT_EQ(Ergebnisse(), QStringList({"6", "06h", "6o", "0110b"}));
}

TEST_F(CalculatorTest, TheBoxKeepsEqualMarginsWhenResized)
{
    fenster.show();
    for (const int breite : {500, 260}) {
        fenster.resize(breite, 220);
        QCoreApplication::processEvents();
        EXPECT_EQ(fenster.width() - fenster.txtFormel->geometry().right() - 1, fenster.txtFormel->x());
    }
    Eingeben("2*3");
    QTest::keyClick(fenster.txtFormel, Qt::Key_Return);
    // The window has no texts of the language table: one picture serves both languages.
    fenster.resize(340, fenster.height());
    foto::Ablegen(fenster, "mainwindow/calculator.png");
}
