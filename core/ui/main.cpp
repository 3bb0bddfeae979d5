#include "core/Rohrbruch.h"
#include "core/ui/Anwendung.h"
#include "core/ui/Anzeigeverbindung.h"
#include "core/ui/QtUiSeam.h"
#include "core/ui/modStartup.h"

#include <memory>

int main(int argc, char** argv)
{
    // Before the toolkit writes its first warning.
    Rohrbruch_Ueberstehen();
    // Held until the toolkit is connected to the display (see the class).
    auto anzeige = std::make_unique<Anzeigeverbindung>();
    Anwendung app(argc, argv);
    anzeige.reset();
    app.setQuitOnLastWindowClosed(false);
    QtUiSeam seam;
    zelo::SetUi(&seam);
    Main();
    const int code = QApplication::exec();
    zelo::SetUi(nullptr);
    return code;
}
