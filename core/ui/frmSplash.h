#pragma once
// The window shown while the program starts, with a line telling what it is doing.
#include <QWidget>

class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();
    void Doing(const QString& text);
    QString DoingText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lblDoing_;
};
