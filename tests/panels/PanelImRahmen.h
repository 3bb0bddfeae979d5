#pragma once
// A generated evaluation up to G(r) with a step panel in a frame of the main window's panel size,
// and the panel's pictures written to <build>/panels/ for a look.
#include "graphics/AuswertungFixture.h"

#include "core/clsLanguage.h"

#include <QFrame>

template <class Panel>
class PanelImRahmen : public AuswertungFixture {
protected:
    void SetUp() override
    {
        AuswertungFixture::SetUp();
        rahmen.setFrameShape(QFrame::Box);
        // The panel frame of a main window 1012 pixels wide.
        rahmen.resize(900, 129);
        panel = new Panel(&rahmen);
        panel->setGeometry(rahmen.contentsRect().adjusted(4, 4, -4, -4));
        rahmen.show();
    }

    // The frame with the panel in German and English as <build>/panels/name_de.png and _en.png.
    template <class Umstellen>
    void Bilder(const QString& name, Umstellen sprache)
    {
        const QString ordner = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../panels");
        QDir().mkpath(ordner);
        for (const auto& [offset, endung] : {std::pair{0, "_de"}, {3, "_en"}}) {
            gLanguage->OpenLanguageEx(offset);
            sprache();
            ASSERT_TRUE(rahmen.grab().save(ordner + "/" + name + endung + ".png"));
        }
        gLanguage->OpenLanguageEx(0);
        sprache();
    }

    QFrame rahmen;
    Panel* panel = nullptr;
};
