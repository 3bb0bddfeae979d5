#include "core/ui/modStartup.h"

#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "core/ui/Bildschirmwaechter.h"
#include "core/ui/QtTranslation.h"
#include "core/ui/Sprachtext.h"
#include "core/ui/frmRecord.h"
#include "core/ui/frmSplash.h"
#include "core/ui/modHilfe.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"
#include "mainwindow/modErgebnisse.h"
#include "mainwindow/modObjekte.h"
#include "mainwindow/ui/frmMain.h"
#include "materials/modElementDatabase.h"

#include <QApplication>
#include <QPointer>
#include <QThread>

namespace {

QPointer<frmSplash> splash;
bool ending = false;

}

void Splash_Text(const QString& text)
{
    if (!splash) {
        splash = new frmSplash();
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
    }
    splash->Doing(text);
}

void Main(const StartOptions& options)
{
    ending = false;
    Bildschirmwaechter::Installieren();
    splash = new frmSplash();
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    CreateCoreObjects();
    gLoader->Connect();
    SelectStoredLanguage();
    Qt_Sprache_Setzen();
    Splash_Text(Text(193));
    Zelo_Datei_Installieren(options.elementDatabase);
    Zelo_Datei_Sicherstellen(options.elementDatabase);
    // Where the database could not be written either, its message has told why already.
    Hilfe_Sicherstellen(kHilfeQuelle, !Zelo_Nur_Im_Speicher());
    CreateServiceObjects([] { gGrafik = std::make_unique<clsGrafik>(); });
    PrepareComputation();

    Splash_Text(Text(195));
    Zelo_Oeffnen(options.elementDatabase);

    Splash_Text(Text(196));
    gfrmMain = new frmMain();
    gfrmMain->setAttribute(Qt::WA_DeleteOnClose);
    gfrmMain->Form_Load();
    if (options.waitMs > 0) QThread::msleep(static_cast<unsigned long>(options.waitMs));

    gfrmRecord = new frmRecord(gfrmMain);
    gfrmRecord->show();
    gfrmRecord->hide();
    colSmall.clear();

    gfrmMain->setWindowTitle(QString("KPW - ZELO (DEMO) ") + QString::fromStdString(gLoader->Version_Kurz()));
    gGespeichert = true;
    gfrmMain->show();
    splash->close();
}

bool Programm_Beenden()
{
    if (ending) return true;
    ending = true;
    if (Ergebnisse_Ungesichert()) {
        // As before a new project: Abbrechen (or Escape) keeps the program and its results.
        const auto answer = zelo::Ui().MsgBox(gLanguage->Caption(191) + "\r\n" + gLanguage->Caption(192),
                                              zelo::MsgButtons::YesNoCancel, zelo::MsgIcon::Question,
                                              gLoader->ApplicationName());
        if (answer == zelo::MsgResult::Cancel) {
            ending = false;
            return false;
        }
        // A save that failed has said why; the program and its results stay, as after Abbrechen.
        if (answer == zelo::MsgResult::Yes && gfrmMain && !gfrmMain->Gespeichert_Setzen()) {
            ending = false;
            return false;
        }
    }
    if (gfrmMain) gfrmMain->Simulation_Stoppen();
    Objekte_Freigeben([] { gGrafik.reset(); });
    if (gfrmRecord) gfrmRecord->deleteLater();
    if (gfrmMain) {
        gfrmMain->hide();
        gfrmMain->deleteLater();
    }
    Restliche_Objekte_Freigeben();
    // Only a running event loop is ended; without one (tests) exit() would end every later loop.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
    return true;
}
