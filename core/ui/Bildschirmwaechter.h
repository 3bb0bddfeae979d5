#pragma once
// Keeps every window of the program on the screen when it opens: a window that would reach past
// an edge of the screen's usable area is moved back inside it (a window larger than the area keeps
// its top left corner, and so its title bar, on the screen).
#include <QObject>

class Bildschirmwaechter : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application from now on; installs itself once.
    static void Installieren();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
