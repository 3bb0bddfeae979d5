#pragma once
// Where caption, picture and drop-down symbol go on the button face, from the measured caption, the
// picture size and the alignment properties. Divisions by two are truncated toward zero.
#include <QRect>
#include <cstdint>

class CaptionLayout {
public:
    struct Input {
        int width = 0;
        int height = 0;
        // The caption measured with word wrap in the caption area.
        int textWidth = 0;
        int textHeight = 0;
        // The picture as laid out (half its own size); 0 × 0 without a picture.
        bool hasPicture = false;
        int pictureWidth = 0;
        int pictureHeight = 0;
        // The caption is empty or only blanks.
        bool captionBlank = false;
        int32_t captionAlign = 1;
        int32_t pictureAlign = 1;
        bool dropDownSymbol = false;
        bool dropDownSeparator = false;
        int32_t style = 0;
    };

    // The width available to the caption before it wraps.
    static int CaptionAreaWidth(int width, int32_t pictureAlign, bool dropDown);
    static CaptionLayout Compute(const Input& input);

    QRect caption;
    QRect picture;
    QRect symbol;

private:
    static QRect PlacePicture(const Input& input, const QRect& caption);
};
