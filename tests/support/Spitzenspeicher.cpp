#include "support/Spitzenspeicher.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A line "VmRSS:  1234 kB" of the process's status, in bytes.
int64_t Statuswert(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind(name + ":", 0) == 0) return std::stoll(zeile.substr(name.size() + 1)) * 1024;
    return -1;
}

}

Spitzenspeicher Spitzenspeicher_Messen(const std::function<bool()>& arbeit)
{
    int rohr[2];
    if (pipe(rohr) != 0) return {};
    std::fflush(nullptr);
    const pid_t kind = fork();
    if (kind == 0) {
        close(rohr[0]);
        // The peak (VmHWM) of a forked process starts at what it holds at the fork.
        const int64_t vorher = Statuswert("VmRSS");
        const bool ergebnis = arbeit();
        const int64_t spitze = Statuswert("VmHWM");
        const int64_t werte[2] = {ergebnis ? 1 : 0, vorher < 0 || spitze < 0 ? -1 : spitze - vorher};
        const ssize_t geschrieben = write(rohr[1], werte, sizeof werte);
        _exit(geschrieben == static_cast<ssize_t>(sizeof werte) ? 0 : 1);
    }
    close(rohr[1]);
    Spitzenspeicher messung;
    int64_t werte[2] = {};
    const bool gelesen = kind > 0 && read(rohr[0], werte, sizeof werte) == static_cast<ssize_t>(sizeof werte);
    close(rohr[0]);
    int status = 0;
    if (kind > 0) waitpid(kind, &status, 0);
    messung.gelaufen = gelesen && WIFEXITED(status) && WEXITSTATUS(status) == 0 && werte[1] >= 0;
    messung.ergebnis = werte[0] == 1;
    messung.zuwachsBytes = werte[1];
    return messung;
}
