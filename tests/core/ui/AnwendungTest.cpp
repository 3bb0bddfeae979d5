// The program's application object delivers every event as Qt does and tells whether it was taken,
// though it clears the wide vector registers after each.
#include "core/ui/Anwendung.h"

#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

namespace {

class Empfaenger : public QObject {
public:
    bool annehmen = false;
    int erhalten = 0;
    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User) return QObject::event(e);
        ++erhalten;
        return annehmen;
    }
};

}

TEST(Anwendung, DeliversEveryEventAndTellsWhetherItWasTaken)
{
    ASSERT_NE(dynamic_cast<Anwendung*>(QCoreApplication::instance()), nullptr) << "the tests run in the program's object";
    Empfaenger empfaenger;
    for (const bool annehmen : {true, false}) {
        empfaenger.annehmen = annehmen;
        QEvent ereignis(QEvent::User);
        EXPECT_EQ(QCoreApplication::sendEvent(&empfaenger, &ereignis), annehmen);
    }
    EXPECT_EQ(empfaenger.erhalten, 2);
}
