#include "core/ui/Anwendung.h"
#include "core/ui/QtUiSeam.h"
#include "core/ui/modStartup.h"

int main(int argc, char** argv)
{
    Anwendung app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QtUiSeam seam;
    zelo::SetUi(&seam);
    Main();
    const int code = QApplication::exec();
    zelo::SetUi(nullptr);
    return code;
}
