// The watch over modal windows: a message box that nobody answers fails the running test with its
// title and text and is closed, so that the test goes on; a window the test answers, or attends to
// with a loop of its own for longer than the watch waits, fails nothing.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

int Unbeantwortete_Meldung()
{
    QMessageBox box(QMessageBox::Warning, "Unerwartet", "Niemand beantwortet diese Meldung.", QMessageBox::Ok);
    return box.exec();
}

}

TEST(Modalwache, UnansweredMessageFailsTheTestNamingItsTitleAndText)
{
    EXPECT_NONFATAL_FAILURE(Unbeantwortete_Meldung(), "\"Unerwartet\": Niemand beantwortet diese Meldung.");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the window was closed";
}

TEST(Modalwache, AnsweredOrAttendedWindowFailsNothing)
{
    // Answered at once.
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    EXPECT_EQ(Unbeantwortete_Meldung(), QDialog::Accepted);
    // A handler that waits in the window for longer than the watch gives an unattended one.
    bool beantwortet = false;
    QTimer::singleShot(0, [&beantwortet] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        QTest::qWait(4000);
        beantwortet = true;
        box->accept();
    });
    EXPECT_EQ(Unbeantwortete_Meldung(), QDialog::Accepted);
    EXPECT_TRUE(beantwortet);
}
