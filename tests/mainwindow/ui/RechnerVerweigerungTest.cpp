// The calculator never leaves a number on screen for input that has no value: the four results
// are empty and a message says why; and its rows show their whole text.
#include "mainwindow/ui/frmParser.h"

#include "core/clsLanguage.h"
#include "core/modCommon.h"
#include "support/ui/UiTestWorld.h"
#include "support/ui/Bildschirmfoto.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RechnerVerweigerungTest : public ::testing::Test, protected UiTestWorld {
protected:
    RechnerVerweigerungTest() { fenster.show(); }
    QStringList Ergebnisse() const
    {
        return {fenster.lblDez->text(), fenster.lblHex->text(), fenster.lblOct->text(), fenster.lblBin->text()};
    }
    // Types the text key by key, as a user does, and presses Enter when asked to.
    void Eingeben(const QString& text, bool enter)
    {
        fenster.txtFormel->clear();
        QTest::keyClicks(fenster.txtFormel, text);
        if (enter) QTest::keyClick(fenster.txtFormel, Qt::Key_Return);
    }
    // The label's text, wrapped as the label wraps it, lies inside the label and the window.
    void Passt(QLabel* label) const
    {
        SCOPED_TRACE(label->text().toStdString());
        const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect noetig = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000), flags, label->text());
        EXPECT_LE(noetig.width(), label->width());
        EXPECT_LE(noetig.height(), label->height());
        EXPECT_LE(label->geometry().right(), fenster.width());
        EXPECT_LE(label->geometry().bottom(), fenster.height());
    }
    frmParser fenster{nullptr};
    const QStringList leer{"", "", "", ""};
};

}

TEST_F(RechnerVerweigerungTest, RefusedInputEmptiesTheResultsAndSaysWhy)
{
    struct Fall {
        const char* eingabe;
        bool enter;
    };
    // Each is typed after a number was shown, so that a result left standing would show.
    const Fall faelle[] = {{"1e400", false}, {"1e309", false}, {"12x", false}, {"abc", false},
                           {"((2", true},    {"2)", true},     {"sin()", true}, {"sqrt(-1)", true},
                           {"1e300*1e300", true}, {"1+ln(0)", true}, {"hex(ln(0))", true}, {"foo(2)", true}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.eingabe);
        Eingeben("7", false);
        ASSERT_EQ(fenster.lblDez->text(), "7");
        Eingeben(fall.eingabe, fall.enter);
        EXPECT_EQ(Ergebnisse(), leer);
        EXPECT_TRUE(fenster.lblMeldung->text().startsWith(QString::fromStdString(gLanguage->Caption(525))))
            << fenster.lblMeldung->text().toStdString();
        EXPECT_TRUE(fenster.lblMeldung->isVisible());
        Passt(fenster.lblMeldung);
    }
    // A value again clears the message.
    Eingeben("2*3", true);
    EXPECT_EQ(Ergebnisse(), QStringList({"6", "06h", "6o", "0110b"}));
    EXPECT_TRUE(fenster.lblMeldung->text().isEmpty());

    // The message follows the language.
    Eingeben("abc", false);
    gLanguage->OpenLanguageEx(3);
    fenster.SpracheUmstellen();
    EXPECT_TRUE(fenster.lblMeldung->text().startsWith(QString::fromStdString(gLanguage->Caption(525))));
    EXPECT_EQ(gLanguage->Caption(525).substr(0, 2), "No");
    gLanguage->OpenLanguageEx(0);
}

TEST_F(RechnerVerweigerungTest, ALongBinaryNumberBreaksInsideTheWindow)
{
    for (const QString& zahl : {QString("255"), QString("4294967295"), QString("1099511627775")}) {
        Eingeben(zahl, false);
        QCoreApplication::processEvents();
        for (QLabel* label : {fenster.lblDez, fenster.lblHex, fenster.lblOct, fenster.lblBin}) Passt(label);
    }
    EXPECT_FALSE(fenster.lblBin->text().isEmpty());
    foto::Ablegen(fenster, "mainwindow/calculator_binary.png");
    Eingeben("1e400", false);
    foto::Ablegen(fenster, "mainwindow/calculator_refused.png");
}
