#include "core/ui/Anzeigeverbindung.h"

#include <cstdlib>
#include <string_view>
#include <thread>
#include <xcb/xcb.h>

namespace {

bool X_Anzeige_Verwendet()
{
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return display && *display && (!platform || !*platform || std::string_view(platform).starts_with("xcb"));
}

}

Anzeigeverbindung::Anzeigeverbindung(std::chrono::milliseconds grenze)
{
    if (!X_Anzeige_Verwendet()) return;
    const auto ende = std::chrono::steady_clock::now() + grenze;
    while (true) {
        xcb_connection_t* verbindung = xcb_connect(nullptr, nullptr);
        if (!xcb_connection_has_error(verbindung)) {
            verbindung_ = verbindung;
            return;
        }
        xcb_disconnect(verbindung);
        // A display that never answers is left to the toolkit, which says so.
        if (std::chrono::steady_clock::now() >= ende) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

Anzeigeverbindung::~Anzeigeverbindung()
{
    if (verbindung_) xcb_disconnect(verbindung_);
}
