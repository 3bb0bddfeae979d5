#pragma once
// Measures how long the window thread is held: a 10 ms timer on it notes the longest time between
// two of its ticks while the event loop runs.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

class Pausenmesser {
public:
    Pausenmesser()
    {
        takt_.setInterval(10);
        takt_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&takt_, &QTimer::timeout, [this] {
            laengste_ = std::max(laengste_, seit_.restart());
        });
    }
    // Runs the window's event loop for ms milliseconds, or until fertig holds, the timer ticking.
    template <class Bedingung>
    void Laufen_Lassen(int ms, Bedingung fertig)
    {
        if (!takt_.isActive()) {
            seit_.start();
            takt_.start();
        }
        QEventLoop schleife;
        QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
        QTimer nachsehen;
        QObject::connect(&nachsehen, &QTimer::timeout, &schleife, [&] {
            if (fertig()) schleife.quit();
        });
        nachsehen.start(5);
        schleife.exec();
    }
    void Laufen_Lassen(int ms)
    {
        Laufen_Lassen(ms, [] { return false; });
    }
    // Starts the measurement anew.
    void Zuruecksetzen()
    {
        laengste_ = 0;
        if (seit_.isValid()) seit_.restart();
    }
    // The longest time between two ticks, or from the start to the first, in milliseconds.
    qint64 Laengste() const { return laengste_; }

private:
    QTimer takt_;
    QElapsedTimer seit_;
    qint64 laengste_ = 0;
};
