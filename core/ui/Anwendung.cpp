#include "core/ui/Anwendung.h"

#include "core/Vektorregister.h"

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis)
{
    const bool angenommen = QApplication::notify(empfaenger, ereignis);
    Obere_Vektorhaelften_Leeren();
    return angenommen;
}
