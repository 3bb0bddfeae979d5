#include "UiTestWorld.h"

#include "core/ui/modUiGlobals.h"
#include "graphics/clsGrafik.h"

UiTestWorld::UiTestWorld()
    : TestWorld([] { gGrafik = std::make_unique<clsGrafik>(); }, [] { gGrafik.reset(); })
{
}
