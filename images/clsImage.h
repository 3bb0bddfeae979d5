#pragma once
// One loaded picture of the diffraction-image panel: loads a TIFF, BMP, JPEG, PNG or GIF file
// through the image library (24 bits per pixel) or, when the library is off, through one of the
// window system's loaders that only display it; knows its size and depth, reads packed pixel
// colours, turns them into grey levels, reduces the picture to 16 grey levels or inverts it. The
// bitmap is released by UnloadPic, the next load or the destructor, and lives on while a holder
// (the display) keeps it.
//
// A picture costs at most four bytes a pixel (and a fixed allowance) while it is read: a file whose
// decoding would take more, or whose pixel data end before the picture does, is refused.
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct FIBITMAP;

// The loader kinds: the window system's picture loader, the TIFF loader, the image library.
enum Ladeart : int32_t { Lader_VB = 0, Lader_GDIPlus = 1, Lader_FreeImage = 2 };

// The window system's loaders used when the image library is off; the ui installs them. They keep
// the picture for display only: such a picture has no pixels for the model.
class Ersatzlader {
public:
    virtual ~Ersatzlader() = default;
    // Loads datei with loader kind lader (Lader_VB or Lader_GDIPlus) and gives its size; false when
    // the file cannot be shown, with the reason in fehler.
    virtual bool Laden(const std::string& datei, int32_t lader, int32_t& breite, int32_t& hoehe,
                       std::string& fehler) = 0;
};

// Read-only view of a 24-bit picture: blue, green, red bytes per pixel, rows stored bottom-up.
struct Bildzeilen {
    const uint8_t* bits = nullptr;
    int32_t breite = 0;
    int32_t hoehe = 0;
    int32_t pitch = 0;
    // Row y counted from the top.
    const uint8_t* Zeile(int32_t y) const { return bits + static_cast<size_t>(hoehe - 1 - y) * static_cast<size_t>(pitch); }
};

// The grey level of the three colour bytes of a packed colour, low byte first (p), then q, then s:
// 0.3·p + 0.59·q + 0.11·s rounded half to even.
inline double Grauwert_Ungerundet(int32_t p, int32_t q, int32_t s) { return 0.59 * q + 0.3 * p + 0.11 * s; }
inline int32_t Grauwert(int32_t p, int32_t q, int32_t s)
{
    return static_cast<int32_t>(std::nearbyint(Grauwert_Ungerundet(p, q, s)));
}

class clsImage {
public:
    // A side longer than this, or more pixels than kMaxPixel (fewer for pixels deeper than 24 bits),
    // is refused: such a file is hostile or cannot be shown.
    static constexpr int32_t kMaxSeite = 32767;
    static constexpr int64_t kMaxPixel = int64_t{1} << 27;

    // bibliothek: whether the image library is used (gLoader's flag at start-up).
    explicit clsImage(bool bibliothek);
    ~clsImage();
    clsImage(const clsImage&) = delete;
    clsImage& operator=(const clsImage&) = delete;

    // Loads datei; returns the loader kind that showed it. A file that cannot be loaded is told in a
    // message with the reason and the file, kept in gError (silently), and leaves no picture (width
    // and height 0); the result is then 0.
    int32_t LoadPic(const std::string& datei, Ersatzlader* ersatz = nullptr);
    // LoadPic in two steps, for a load on a worker thread: Lesen touches no global and keeps the
    // failure; Fehler_Melden tells it as LoadPic does (false when there is none).
    int32_t Lesen(const std::string& datei, Ersatzlader* ersatz = nullptr);
    bool Fehler_Melden();
    void UnloadPic();

    int32_t Lader() const { return lader_; }
    int32_t Image_Width() const { return breite_; }
    int32_t Image_Height() const { return hoehe_; }
    int32_t Image_BPP() const { return bpp_; }
    // The checks made before a picture is decoded: a format the program opens, a header the
    // library reads, a size within the limits, 8 bits per colour channel (or 16, which convert),
    // and for TIFF strips or tiles no larger than the picture. False after telling the refusal.
    bool Bildkopf_Pruefen(const std::string& datei);
    // Whether pixels can be read (a library bitmap is held).
    bool HatPixel() const { return dib_ != nullptr; }
    // The pixels of the library bitmap; empty without one.
    Bildzeilen Zeilen() const;
    // Keeps the memory of Zeilen() as long as it is kept, also beyond this picture's own life.
    std::shared_ptr<const void> Pixelhalter() const { return dib_; }

    // Packed colour of pixel (x, Y), row 0 at the top: blue in bits 0-7, green 8-15, red 16-23;
    // -1 outside the picture or without a bitmap; 0 without the image library.
    int32_t Image_GetPixelColor(int32_t x, int32_t Y) const;
    // Red, green and blue of pixel (x, Y) in the library's bottom-up row order; 1 read, -1 failed.
    int32_t Image_GetPixelColorRGB(int32_t x, int32_t Y, uint8_t& R, uint8_t& G, uint8_t& B) const;
    // The grey level of a packed colour; keeps the sign of c, so Grey(-1) = 0.
    static int32_t Grey(int32_t c);
    // Reduces the picture to 16 grey levels (0, 17, ... 255); false with a message without a bitmap.
    bool Image_ToGrey();
    // Inverts the picture's colours; false with a message without a bitmap or when it fails.
    bool Image_Invert();
    // The library bitmap's bytes, one vector per stored row (bottom-up, pitch bytes each).
    void Image_GetDIBS(std::vector<std::vector<uint8_t>>& feld) const;

private:
    // A failure of a load: the message is its text and, in the language shown when it is reported,
    // the text numbered sprachtext (0 none), then on a line of its own the file it refused.
    struct Ladefehler {
        const char* prozedur = "";
        int32_t nummer = 0;
        std::string text;
        int32_t sprachtext = 0;
        std::string datei;
    };

    bool Pruefen(const std::string& datei);
    bool Bibliothek_Laden(const std::string& datei);
    bool Streifen_Laden(const std::string& datei);
    void Groesse_Uebernehmen();
    bool Ersatz_Laden(const std::string& datei, Ersatzlader* ersatz);
    bool Kopf_Erlaubt(const std::string& datei);
    bool Kopf_Pruefen(int32_t format, const std::string& datei);
    bool Tiff_Pruefen(const std::string& datei);
    // Whether a picture of that size and depth may be loaded; keeps the failure when not.
    bool Groesse_Erlaubt(int64_t breite, int64_t hoehe, int64_t bits = 24);
    // Whether decoding a picture of that size, at bits a pixel, with zusatz bytes held by the
    // decoder besides, and making it 24 bits a pixel stays within four bytes a pixel and the
    // allowance; keeps the failure when not.
    bool Speicher_Erlaubt(int64_t breite, int64_t hoehe, int64_t bits, double zusatz);
    // Keeps the first failure of a load of datei_.
    void Merken(const char* prozedur, int32_t nummer, std::string text, int32_t sprachtext = 0);
    void Abgeschnitten();
    void Nur_Mit_Bibliothek() const;

    bool bibliothek_;
    int32_t lader_ = Lader_VB;
    int32_t breite_ = 0;
    int32_t hoehe_ = 0;
    int32_t bpp_ = 0;
    // Shared with the display, which may keep the pixels after this picture is gone.
    std::shared_ptr<FIBITMAP> dib_;
    std::optional<Ladefehler> fehler_;
    // The file of the load under way, which every refusal names.
    std::string datei_;
    // The header found a TIFF picture that is read strip by strip, not by the library.
    bool streifenweise_ = false;
};

// Loads datei through the image library, reads its pixels once and releases it again: whether it
// loaded. A file that cannot be loaded is told as by LoadPic, never thrown.
bool Bilddatei_Pruefen(const std::string& datei);
