#include "support/ui/Bildschirmfoto.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <utility>

QString foto::Pfad(const QString& name)
{
    // The test programs lie in <build>/tests.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../screenshots/" + name);
}

void foto::Ablegen(const QImage& bild, const QString& name)
{
    const QString pfad = Pfad(name);
    if (QDir().mkpath(QFileInfo(pfad).absolutePath()) && bild.save(pfad)) return;
    // Once a run: where one cannot be written, as a rule none can.
    static bool gesagt = false;
    if (!std::exchange(gesagt, true))
        std::fprintf(stderr, "[ no shots ] %s cannot be written: screenshots are skipped\n", qPrintable(pfad));
}

void foto::Ablegen(QWidget& fenster, const QString& name) { Ablegen(fenster.grab().toImage(), name); }
