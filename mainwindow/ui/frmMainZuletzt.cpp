// The main window's recent-files submenu.
#include "mainwindow/ui/frmMain.h"

#include "core/clsCommon.h"
#include "core/clsError.h"
#include "core/clsOptions.h"
#include "core/modCommon.h"
#include "core/ui/UiGuard.h"

#include <QFileInfo>
#include <QMenu>

void frmMain::Zuletzt_Menue_Erstellen()
{
    mnuZuletzt = mnuDatei->addMenu(QString());
    // A project started since the menu was built has entered its file: rebuild on every opening.
    connect(mnuDatei, &QMenu::aboutToShow, this,
            GuardedSlot("frmMain", "mnuDatei_Click", [this] { Zuletzt_Menue_Aufbauen(); }));
    Zuletzt_Menue_Aufbauen();
}

void frmMain::Zuletzt_Menue_Aufbauen()
{
    mnuZuletzt->clear();
    mnuLast.clear();
    // Every filled slot is listed, also behind an empty one; a file that is gone (moved, deleted, or a
    // name that never was a file) is not offered.
    for (int32_t slot = 1; slot <= 10; ++slot) {
        const QString datei = QString::fromStdString(gOptions->MRU(slot));
        if (datei.isEmpty() || !QFileInfo(datei).isFile()) continue;
        QAction* eintrag = mnuZuletzt->addAction(datei);
        connect(eintrag, &QAction::triggered, this,
                GuardedSlot("frmMain", "mnuLast_Click", [this, datei] { mnuLast_Click(datei); }));
        mnuLast.push_back(eintrag);
    }
    mnuZuletzt->setEnabled(!mnuLast.empty());
}

void frmMain::mnuLast_Click(const QString& datei)
{
    if (!Ergebnisse_Verwerfen_Bestaetigt()) return;
    Fehler_Reset();
    gError->Error();
    const clsCommon offen = *gCommon;
    gCommon->Set_Dateiname(datei.toStdString());
    Gewaehlte_Datei_Oeffnen(offen);
}
