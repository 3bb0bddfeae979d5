#include "core/ui/modShell.h"

#include <QDesktopServices>
#include <QUrl>

void Datei_Oeffnen_Shell(const QString& path)
{
    // A web or mail address carries its scheme; anything else is a file.
    const QUrl address(path);
    QDesktopServices::openUrl(address.scheme().isEmpty() ? QUrl::fromLocalFile(path) : address);
}
