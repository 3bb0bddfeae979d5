#pragma once
// "Anzeigeverbindung" is German for display connection.
// An X server resets itself when its last client has gone (a program was ended and nothing else is
// connected), and a connection made during that moment fails; the toolkit then ends the program at
// once with an abort. So the start waits until the display takes a connection, for up to a limit,
// and keeps that connection open while the toolkit makes its own: with a client connected, the
// server does not reset in between. Only where the toolkit will use the X display (DISPLAY set,
// QT_QPA_PLATFORM empty or xcb).
#include <chrono>

struct xcb_connection_t;

class Anzeigeverbindung {
public:
    explicit Anzeigeverbindung(std::chrono::milliseconds grenze = std::chrono::seconds(3));
    ~Anzeigeverbindung();
    Anzeigeverbindung(const Anzeigeverbindung&) = delete;
    Anzeigeverbindung& operator=(const Anzeigeverbindung&) = delete;

    // True while a connection to the display is held.
    bool Gehalten() const { return verbindung_ != nullptr; }

private:
    xcb_connection_t* verbindung_ = nullptr;
};
