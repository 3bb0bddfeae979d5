#pragma once
// The pictures of the tool buttons, drawn here: 101 new project, 102 save, 103 zoom, 104 select a
// range, 105 move the selection, 106 mirror it, 107 limit the height, 108 limit the width.
#include <QPixmap>
#include <cstdint>

// A 40 × 40 picture with a transparent ground (the button shows it at half size); a null pixmap
// for any other number.
QPixmap Werkzeug_Bild(int32_t nummer);
