#include "core/ui/modHilfe.h"

#include "core/clsLoader.h"
#include "core/modCommon.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

void Hilfe_Sicherstellen(const QString& quelle)
{
    QFile leser(quelle);
    if (!gLoader || !leser.exists()) return;
    const QDateTime stand = QFileInfo(quelle).lastModified();
    const QString ordner = QString::fromStdString(gLoader->ApplicationPath());
    const QString ziel = ordner + "hilfe.pdf";
    const QFileInfo vorhanden(ziel);
    // Without a date of the carried guide only a missing copy is written.
    if (vorhanden.exists() && (!stand.isValid() || vorhanden.lastModified() >= stand)) return;
    if (!leser.open(QIODevice::ReadOnly) || !QDir().mkpath(ordner)) return;
    // Written beside the old copy and renamed over it, so a full disk never leaves half a guide.
    // A guide that cannot be written is not reported: help that is missing says nothing either.
    QSaveFile schreiber(ziel);
    if (!schreiber.open(QIODevice::WriteOnly)) return;
    if (schreiber.write(leser.readAll()) < 0 || !schreiber.commit()) return;
    if (stand.isValid()) {
        QFile kopie(ziel);
        if (kopie.open(QIODevice::ReadWrite)) kopie.setFileTime(stand, QFileDevice::FileModificationTime);
    }
}
