// hilfe_pdf <pdf> <picture folder> <html>...: writes the user's guide. The program runs offscreen in
// a temporary program and settings folder; its windows are grabbed on the way through an evaluation,
// once in each language of the guide.
#include "Hilfesatz.h"
#include "Programmbilder.h"

#include "core/modCommon.h"
#include "core/ui/modStartup.h"
#include "support/RecordingSeam.h"
#include "support/TempEnvironment.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

// One session of the program, as a user starts and ends it, in a fresh program and settings folder.
bool Sitzung(const QString& ordner, int sprache, bool (Programmbilder::*schritte)())
{
    TempEnvironment umgebung;
    RecordingSeam seam;
    Main({.waitMs = 0});
    const QString daten = QString::fromStdString((umgebung.Root() / "messung").string());
    Programmbilder bilder(ordner, daten, sprache, seam);
    const bool gut = (bilder.*schritte)();
    gSchritt = 0;
    gGespeichert = true;
    Programm_Beenden();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return gut;
}

bool Bilder(const QString& ordner, int sprache)
{
    QDir().mkpath(ordner);
    return Sitzung(ordner, sprache, &Programmbilder::Auswertung) && Sitzung(ordner, sprache, &Programmbilder::Fenster);
}

}

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: hilfe_pdf <pdf> <picture folder> <html>...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString bilder = QString::fromLocal8Bit(argv[2]);
    if (!Bilder(bilder + "/de", 0) || !Bilder(bilder + "/en", 3)) return 1;
    QStringList html;
    for (int i = 3; i < argc; ++i) html << QString::fromLocal8Bit(argv[i]);
    return Hilfe_Setzen(html, bilder, QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
