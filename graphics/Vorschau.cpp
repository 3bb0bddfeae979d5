#include "graphics/Vorschau.h"

#include "core/Guarded.h"
#include "core/Runtime.h"
#include "core/clsError.h"
#include "core/ui/modUiGlobals.h"
#include "graphics/frmSmall.h"
#include "mainwindow/ui/frmMain.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// Names the windows: two opened in the same moment still get different names.
int32_t gVorschauZaehler = 0;
// The first window's top edge below the screen's top: 2500 twips.
constexpr int32_t kOben = 167;

template <class Body>
void MitModulMeldung(const char* procedure, Body body)
{
    try {
        body();
    } catch (const rt::RuntimeError& e) {
        clsError::ReportByMessage(ModuleKind::Module, "modCommon", procedure, e);
    } catch (const std::exception& e) {
        clsError::ReportByMessage(ModuleKind::Module, "modCommon", procedure, zelo::AsRuntimeError(e));
    }
}

// Each new window one window width further left of the screen's right edge than the last, but
// never beyond the screen.
void Platzieren(QWidget& fenster, size_t offene)
{
    const QScreen* screen = fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect frei = screen->availableGeometry();
    const QSize groesse = fenster.frameGeometry().size();
    const int32_t links = frei.right() + 1 - static_cast<int32_t>(offene + 1) * groesse.width();
    const int32_t oben = frei.top() + kOben;
    fenster.move(std::clamp(links, frei.left(), std::max(frei.left(), frei.right() + 1 - groesse.width())),
                 std::clamp(oben, frei.top(), std::max(frei.top(), frei.bottom() + 1 - groesse.height())));
}

}

frmSmall* NewPreviewWindow(int32_t kind)
{
    frmSmall* geoeffnet = nullptr;
    MitModulMeldung("NewPreviewWindow", [kind, &geoeffnet] {
        const std::string tag = std::to_string(++gVorschauZaehler);
        auto* fenster = new frmSmall(tag, gfrmMain.data());
        fenster->show();
        Platzieren(*fenster, colSmall.size());
        fenster->ShowPreview(kind);
        colSmall["#" + tag] = fenster;
        geoeffnet = fenster;
    });
    return geoeffnet;
}

void ClosePreviewWindow(const std::string& tag)
{
    MitModulMeldung("ClosePreviewWindow", [&tag] {
        if (colSmall.erase("#" + tag) == 0) rt::Raise(rt::errInvalidCall);
    });
}

void ClosePreviewWindows()
{
    // Closing takes a window out of the collection.
    const auto offen = colSmall;
    for (const auto& [schluessel, fenster] : offen)
        if (fenster) fenster->close();
}

void ShowWindowPreview()
{
    // A preview's drawing may compute and so set an index, which asks for this redraw again.
    static bool zeichnet = false;
    if (zeichnet) return;
    zeichnet = true;
    Guarded("modCommon", "ShowWindowPreview", [] {
        for (const auto& [schluessel, fenster] : colSmall)
            if (auto* vorschau = qobject_cast<frmSmall*>(fenster.data())) vorschau->Zeichne_Preview();
    });
    zeichnet = false;
}

frmSmall* PreviewWindow(const std::string& tag)
{
    const auto it = colSmall.find("#" + tag);
    return it == colSmall.end() ? nullptr : qobject_cast<frmSmall*>(it->second.data());
}
