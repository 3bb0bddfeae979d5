#pragma once
// The window shown while the program starts: the program's picture and a line telling what it is doing.
#include <QWidget>

class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();
    // Shows the text and draws it at once.
    void Doing(const QString& strText);
    QString DoingText() const;

    QLabel* lblDoing;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
