// The main window's keys: N new project, X and Y move the fold, I, G and T choose I(K) or G(r), F the
// automatic transform. They act wherever the focus is in the window, except in a text field.
#include "mainwindow/ui/frmMain.h"

#include "core/modCommon.h"
#include "core/ui/UiGuard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

namespace {

bool Texteingabe(const QWidget* w)
{
    if (!w) return false;
    if (const auto* liste = qobject_cast<const QComboBox*>(w)) return liste->isEditable();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

}

void frmMain::Tasten_Erstellen()
{
    for (const Qt::Key taste : {Qt::Key_N, Qt::Key_X, Qt::Key_Y, Qt::Key_I, Qt::Key_G, Qt::Key_T, Qt::Key_F}) {
        // A text field with the focus takes its letters first, so they never reach these.
        auto* kurzwahl = new QShortcut(QKeySequence(taste), this);
        kurzwahl->setAutoRepeat(false);
        connect(kurzwahl, &QShortcut::activated, this, [this, taste] { Form_KeyUp(taste); });
    }
}

void frmMain::Form_KeyUp(int32_t taste)
{
    if (Texteingabe(QApplication::focusWidget())) return;
    UiGuard("frmMain", "Form_KeyUp", [&] {
        const clsWerkzeuge vorher = Werkzeuge;
        const Werkzeugbefehl befehl = Werkzeuge.Form_KeyUp(taste, gSchritt);
        Werkzeuge_Anzeigen();
        Befehl_Ausfuehren(befehl, vorher);
    });
}
