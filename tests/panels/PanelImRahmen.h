#pragma once
// A generated evaluation up to G(r) with a step panel made in the frame of the main window's panels.
#include "PanelFixture.h"

template <class Panel>
class PanelImRahmen : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        panel = new Panel(&rahmen);
        Einsetzen(*panel);
    }

    Panel* panel = nullptr;
};
