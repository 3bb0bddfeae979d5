#include "core/Rohrbruch.h"

#include <signal.h>

namespace {

void Nichts_Tun(int) {}

}

void Rohrbruch_Ueberstehen()
{
    struct sigaction action {};
    action.sa_handler = Nichts_Tun;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGPIPE, &action, nullptr);
}
