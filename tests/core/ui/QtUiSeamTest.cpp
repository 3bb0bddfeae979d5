#include "core/ui/QtUiSeam.h"

#include "core/clsCommon.h"
#include "core/modCommon.h"
#include "support/ui/Bildschirmfoto.h"
#include "support/ui/Hauptfensterbedienung.h"
#include "support/ui/UiTestWorld.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

TEST(QtNameFiltersTest, ProjectFilterBecomesQtFilters)
{
    UiTestWorld world;
    const clsCommon common;
    const QStringList filters = QtNameFilters(ParseFilterText(common.Filter()));
    ASSERT_EQ(filters.size(), 9);
    EXPECT_EQ(filters[1], "Beugung PHDS (*.dat;*.elb) (*.dat *.elb)");
    EXPECT_EQ(filters[8], "Alle Dateien (*.*) (*)") << "all files, with or without a dot";
}

TEST(QtUiSeamTest, AMessageTallerAndWiderThanTheScreenStaysOnItWithItsOKButton)
{
    UiTestWorld world;
    // A server's version field of line breaks quoted in a message (some 14,000 pixels of lines),
    // and a word wider than any screen.
    std::string text = "Die Versionsdatei vom Server kann nicht ausgewertet werden.\r\nZELO: \"";
    for (int i = 0; i < 830; ++i) text += "2.33.0001\r\n";
    text += std::string(3000, 'x') + "\"";
    QRect fenster, bildschirm, ok;
    QString gelesen;
    bool rollt = false;
    bedienung::Wenn_Modal<QMessageBox>([&](QMessageBox& box) {
        fenster = box.frameGeometry();
        bildschirm = box.screen()->availableGeometry();
        QAbstractButton* knopf = box.button(QMessageBox::Ok);
        ok = QRect(knopf->mapTo(&box, QPoint(0, 0)), knopf->size());
        gelesen = box.text();
        const auto* anzeige = box.findChild<QPlainTextEdit*>("Meldungstext");
        rollt = anzeige && anzeige->isVisible() && anzeige->toPlainText() == QString(box.text()).replace("\r\n", "\n");
        foto::Ablegen(box, "core/meldung_lang.png");
        QTest::mouseClick(knopf, Qt::LeftButton);
    });
    QtUiSeam seam;
    EXPECT_EQ(seam.MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, "KPW ZELO"), zelo::MsgResult::OK);
    EXPECT_TRUE(bildschirm.contains(fenster)) << "window " << fenster.width() << " x " << fenster.height() << " at "
                                              << fenster.x() << ", " << fenster.y() << " on a screen of "
                                              << bildschirm.width() << " x " << bildschirm.height();
    EXPECT_TRUE(QRect(QPoint(0, 0), fenster.size()).contains(ok)) << "the OK button lies within the window";
    EXPECT_TRUE(rollt) << "the whole text scrolls in the box";
    EXPECT_EQ(gelesen.toStdString(), text) << "the message keeps its text";

    // A short message keeps the toolkit's own label.
    bool eigenes = false;
    bedienung::Wenn_Modal<QMessageBox>([&](QMessageBox& box) {
        eigenes = box.findChild<QPlainTextEdit*>("Meldungstext") == nullptr;
        QTest::keyClick(&box, Qt::Key_Return);
    });
    seam.MsgBox("Bitte experimentelle Dichte bestimmen!", zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, "ZELO - RDF");
    EXPECT_TRUE(eigenes);
}
