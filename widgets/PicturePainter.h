#pragma once
// Paints a button picture onto the face pixel by pixel: mask colour, opacity, lighter or darker
// effect, grey, silhouette and the per-pixel alpha of pictures that carry one.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>

class PicturePainter {
public:
    enum Effect : int32_t { None = 0, Lighter = 1, Darker = 2 };

    struct Rendering {
        uint8_t opacity = 255;
        int32_t effect = None;
        bool grey = false;
        // Pixels of this colour keep the face; none paints every pixel.
        std::optional<QRgb> maskColor;
    };

    explicit PicturePainter(QImage& surface);

    // Paints the picture scaled to the target; a silhouette colour paints only its shape in that colour.
    void Draw(const QPixmap& picture, const QRect& target, const Rendering& rendering,
              std::optional<QColor> silhouette = std::nullopt);

    // The light and dark tables of the hover and press effects.
    static const std::array<uint8_t, 256>& LightTable();
    static const std::array<uint8_t, 256>& DarkTable();

private:
    QImage& surface_;
};
