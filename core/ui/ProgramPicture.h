#pragma once
// The program's picture, shown by the splash window and the about window.
#include <QPixmap>

QPixmap ProgramPicture();
