#pragma once
// The window tests' screenshots, for a person to look at, all in one folder of their own:
// <build>/screenshots, found from the test program's place, never from the working folder. A
// picture that cannot be written there (a user who may not write the build folder) is skipped
// with a note; it is no result of a test and fails none.
#include <QString>

class QImage;
class QWidget;

namespace foto {

// The file a picture called name goes to; name may begin with a sub-folder ("panels/fit.png").
QString Pfad(const QString& name);
void Ablegen(const QImage& bild, const QString& name);
// The widget as it is drawn now.
void Ablegen(QWidget& fenster, const QString& name);

}
