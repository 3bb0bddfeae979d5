#pragma once
// The window tests' watch over modal windows: a modal window that stays open while nobody attends
// to it (the event loop only waits for events, no handler of the test is at work in it) fails the
// running test at once with the window's title and text, and is closed, so that the test goes on
// to its end instead of waiting for the suite's time limit. A test answers the modal windows it
// expects (Wenn_Modal and the like) within a few milliseconds; the watch waits a few seconds.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <string>

class Modalwache : public QObject {
public:
    Modalwache();
    // What the test's failure names: the window's title and its text (a message box's text, else
    // the texts of its labels).
    static std::string Beschreibung(const QWidget& fenster);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Pruefen();

    QTimer takt_;
    QPointer<QWidget> fenster_;
    // The loop level at which the window waits for an answer: its own loop, one deeper than where
    // it was shown; a loop deeper still is a test's handler at work in it.
    int ebene_ = 0;
    int gezeigtAuf_ = 0;
    // The event loop waited for the next event since the last look.
    bool gewartet_ = false;
    QElapsedTimer unbeachtet_;
};
