#pragma once
// While it lives, the model shows and logs nothing: messages and windows go to a stand-in (the
// silent one by default, which answers each question as nobody asked would), and no log line is
// written. The window and the log come back as they were when it ends.
#include "core/UiSeam.h"

class Stille_Ausgabe {
public:
    explicit Stille_Ausgabe(zelo::UiSeam* stellvertreter = nullptr);
    ~Stille_Ausgabe();
    Stille_Ausgabe(const Stille_Ausgabe&) = delete;
    Stille_Ausgabe& operator=(const Stille_Ausgabe&) = delete;

private:
    zelo::UiSeam& fenster_;
    bool protokoll_;
};
