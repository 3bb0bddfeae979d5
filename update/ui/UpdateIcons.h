#pragma once
// The update window's result pictures: 109 no newer version, 110 a newer version is available.
#include <QPixmap>

QPixmap UpdateIcon(int id);
