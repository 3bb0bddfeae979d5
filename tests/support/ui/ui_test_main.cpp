// Runs the ui tests inside the program's application object on the offscreen platform, under the
// watch over modal windows that no test answers.
#include "Modalwache.h"
#include "core/ui/Anwendung.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Anwendung app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    Modalwache wache;
    return RUN_ALL_TESTS();
}
