#include "widgets/ButtonLook.h"

#include "core/Runtime.h"
#include "widgets/looks/LookGel.h"
#include "widgets/looks/LookStandard.h"
#include "widgets/looks/LookStil4.h"
#include "widgets/looks/LookStil5.h"
#include "widgets/looks/LookStil6.h"
#include "widgets/looks/LookStil8.h"
#include "widgets/looks/LookStil9.h"
#include "widgets/looks/LookThemed.h"
#include "widgets/looks/LookVistaAero.h"
#include "widgets/looks/LookVistaToolbar.h"
#include "widgets/looks/LookWindowsXP.h"

const ButtonLook* ButtonLook::ForStyle(int32_t style, bool themed)
{
    static const LookStandard standard;
    static const LookWindowsXP windowsXP;
    static const LookVistaAero vistaAero;
    static const LookStil4 stil4;
    static const LookStil5 stil5;
    static const LookStil6 stil6;
    static const LookVistaToolbar vistaToolbar;
    static const LookStil8 stil8;
    static const LookStil9 stil9;
    static const LookGel gel;
    static const LookThemed themedLook;

    switch (style) {
    case 0: case 1: case 11: case 12: return &standard;
    case 2: return &windowsXP;
    case 3: return &vistaAero;
    case 4: return &stil4;
    case 5: return &stil5;
    case 6: return &stil6;
    case 7: return &vistaToolbar;
    case 8: return &stil8;
    case 9: return &stil9;
    case 10: return &gel;
    case 13: return themed ? static_cast<const ButtonLook*>(&themedLook) : &windowsXP;
    default: return nullptr;
    }
}

int ButtonLook::Nearest(double value)
{
    return rt::CLng(value);
}
