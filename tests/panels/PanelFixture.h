#pragma once
// The generated evaluation with the panel frame of the main window: a framed box as wide as the
// diagrams, with the panel placed inside as the window places it, and its pictures for a look.
#include "graphics/AuswertungFixture.h"

#include "core/clsLanguage.h"
#include "support/ui/Bildschirmfoto.h"

#include <QFrame>

class PanelFixture : public AuswertungFixture {
protected:
    // Fills the frame's inside less the window's margin, as the main window does.
    void Einsetzen(QWidget& panel)
    {
        rahmen.setFrameShape(QFrame::Box);
        rahmen.resize(888, 129);
        panel.setParent(&rahmen);
        panel.setGeometry(rahmen.contentsRect().adjusted(4, 4, -4, -4));
        panel.show();
        rahmen.show();
    }
    // The frame in German and English as the screenshots panels/name_de.png and _en.png; sprache()
    // redraws the panel in the language just chosen.
    template <class Umstellen>
    void Bilder(const QString& name, Umstellen sprache)
    {
        for (const auto& [offset, endung] : {std::pair{0, "_de"}, {3, "_en"}}) {
            gLanguage->OpenLanguageEx(offset);
            sprache();
            foto::Ablegen(rahmen, "panels/" + name + endung + ".png");
        }
        gLanguage->OpenLanguageEx(0);
        sprache();
    }

    QFrame rahmen;
};
