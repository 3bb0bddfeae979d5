#pragma once
// The program's application object: after every event it has delivered (a redraw among them), the
// window thread goes on computing with the wide vector registers cleared (see Vektorregister).
#include <QApplication>

class Anwendung : public QApplication {
public:
    Anwendung(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* empfaenger, QEvent* ereignis) override;
};
