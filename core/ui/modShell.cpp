#include "core/ui/modShell.h"

#include <QDesktopServices>
#include <QUrl>

void Datei_Oeffnen_Shell(const QString& path)
{
    const QUrl address(path);
    const bool isAddress = !address.scheme().isEmpty() && !path.startsWith('/');
    QDesktopServices::openUrl(isAddress ? address : QUrl::fromLocalFile(path));
}
