#pragma once
// Measures how long the window thread is held: a 10 ms timer on it notes the longest time between
// two of its ticks while the event loop runs. For reports, never for a pass or fail.
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
    // Runs the window's event loop for ms milliseconds, the timer ticking.
    void Laufen_Lassen(int ms)
    {
        if (!takt_.isActive()) {
            seit_.start();
            takt_.start();
        }
        QEventLoop schleife;
        QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
        schleife.exec();
    }
    // The longest time between two ticks, or from the start to the first, in milliseconds.
    qint64 Laengste() const { return laengste_; }

private:
    QTimer takt_;
    QElapsedTimer seit_;
    qint64 laengste_ = 0;
};
