#include "images/clsImage.h"

#include "core/Dateiart.h"
#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "images/Bildumfang.h"
#include "images/TiffKopf.h"
#include "images/TiffStreifen.h"

#include <FreeImage.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

constexpr const char* kModul = "clsImage";
constexpr int32_t kFehlendeEingabe = 99990;
constexpr int32_t kDateiFehlt = 99991;
constexpr int32_t kFormatUnbekannt = 99992;
constexpr int32_t kNichtLesbar = 99993;
constexpr int32_t kZuGross = 99994;
// The message that a file's pixel data end before its picture does.
constexpr int32_t kTextAbgeschnitten = 547;
constexpr int32_t kTextKeineDatei = 675;

// What decoding may take beside four bytes a pixel: the library's own buffers and the file's
// reading, within the allowance of 64 MB that any picture has.
constexpr double kSpeicherFreibetrag = 48.0 * 1024 * 1024;

// The library reports why a file failed through this hook, on the thread that loads; the load's
// message repeats it. The decoders say so when a file ends before its picture does: libjpeg with
// its warning of a premature end, the library's TIFF reader with its warning of incomplete data.
struct Bibliotheksmeldung {
    std::string text;
    bool abgeschnitten = false;
};

Bibliotheksmeldung& Meldung()
{
    thread_local Bibliotheksmeldung meldung;
    return meldung;
}

void Meldung_Merken(FREE_IMAGE_FORMAT, const char* text)
{
    Meldung().text = text ? text : "";
    const std::string& t = Meldung().text;
    if (t.find("Premature end of JPEG file") != std::string::npos || t.find("Image may be incomplete") != std::string::npos)
        Meldung().abgeschnitten = true;
}

void Meldung_Loeschen() { Meldung() = {}; }

// The picture formats the program opens. The library knows many more, but several of its rarer
// decoders (Targa, camera raw among them) read and write outside their buffers on damaged files.
constexpr FREE_IMAGE_FORMAT kBildformate[] = {FIF_TIFF, FIF_BMP, FIF_JPEG, FIF_PNG, FIF_GIF};

// The format by the file name's extension, else by the content; FIF_UNKNOWN for any other format.
FREE_IMAGE_FORMAT Bildformat(const std::string& datei)
{
    const FREE_IMAGE_FORMAT nachName = FreeImage_GetFIFFromFilename(datei.c_str());
    for (FREE_IMAGE_FORMAT format : kBildformate)
        if (nachName == FIF_UNKNOWN ? FreeImage_Validate(format, datei.c_str()) : nachName == format) return format;
    return FIF_UNKNOWN;
}

// The library's kinds of picture that become 24 bits per pixel: 1 to 32 bits per pixel and 16 bits
// per colour channel. Grey levels of 16 bits and floating-point pictures have no such conversion.
bool Wandelbar(FREE_IMAGE_TYPE typ) { return typ == FIT_BITMAP || typ == FIT_RGB16 || typ == FIT_RGBA16; }

// A strip or tile buffer larger than the picture (and than a small allowance) is memory the file
// asks for and never fills.
constexpr double kPufferFreibetrag = 16.0 * 1024 * 1024;

std::string Sprachtext(int32_t nummer) { return gLanguage ? gLanguage->Caption(nummer) : std::string(); }

bool Ist24Bit(FIBITMAP* dib) { return FreeImage_GetImageType(dib) == FIT_BITMAP && FreeImage_GetBPP(dib) == 24; }

// Bytes of a library bitmap: rows padded to four bytes.
double Bitmapbytes(int64_t breite, int64_t hoehe, int64_t bits)
{
    return std::floor((static_cast<double>(breite) * static_cast<double>(bits) + 31.0) / 32.0) * 4.0 *
           static_cast<double>(hoehe);
}

// Whether decoding a picture of that size at bits a pixel, with zusatz bytes held by the decoder
// besides, and making it 24 bits a pixel stays within four bytes a pixel and the allowance.
bool Speicher_Reicht(int64_t breite, int64_t hoehe, int64_t bits, double zusatz)
{
    const double bild = Bitmapbytes(breite, hoehe, bits);
    // A shallower picture is converted into a new one; a deeper one in its own memory.
    const double wandeln = bits < 24 ? bild + Bitmapbytes(breite, hoehe, 24) : bild;
    const double spitze = std::max(bild + zusatz, wandeln);
    return spitze <= 4.0 * static_cast<double>(breite) * static_cast<double>(hoehe) + kSpeicherFreibetrag;
}

std::shared_ptr<FIBITMAP> Besitz(FIBITMAP* dib)
{
    return std::shared_ptr<FIBITMAP>(dib, [](FIBITMAP* d) { FreeImage_Unload(d); });
}

// A picture deeper than 24 bits made 24 bits a pixel in its own memory: row by row from the start
// of the buffer, the three colour bytes of each pixel move forward (of 16-bit channels the high
// byte, as the library's conversion takes it), which never overtakes a byte still to be read. A
// header for 24-bit rows then describes that memory; the source keeps it and goes with the header.
std::shared_ptr<FIBITMAP> Verdichten(FIBITMAP* quelle)
{
    const FREE_IMAGE_TYPE typ = FreeImage_GetImageType(quelle);
    const unsigned breite = FreeImage_GetWidth(quelle);
    const unsigned hoehe = FreeImage_GetHeight(quelle);
    const size_t tiefe = FreeImage_GetBPP(quelle) / 8;
    const size_t quellzeile = FreeImage_GetPitch(quelle);
    const size_t zielzeile = (static_cast<size_t>(breite) * 3 + 3) / 4 * 4;
    BYTE* bits = FreeImage_GetBits(quelle);
    const bool sechzehn = typ != FIT_BITMAP;
    for (size_t y = 0; y < hoehe; ++y) {
        const BYTE* von = bits + y * quellzeile;
        BYTE* nach = bits + y * zielzeile;
        for (size_t x = 0; x < breite; ++x) {
            const BYTE* p = von + x * tiefe;
            BYTE blau = p[FI_RGBA_BLUE];
            BYTE gruen = p[FI_RGBA_GREEN];
            BYTE rot = p[FI_RGBA_RED];
            if (sechzehn) {
                uint16_t kanal[3];
                std::memcpy(kanal, p, sizeof kanal);
                rot = static_cast<BYTE>(kanal[0] >> 8);
                gruen = static_cast<BYTE>(kanal[1] >> 8);
                blau = static_cast<BYTE>(kanal[2] >> 8);
            }
            nach[3 * x + FI_RGBA_BLUE] = blau;
            nach[3 * x + FI_RGBA_GREEN] = gruen;
            nach[3 * x + FI_RGBA_RED] = rot;
        }
    }
    FIBITMAP* ansicht =
        FreeImage_ConvertFromRawBitsEx(FALSE, bits, FIT_BITMAP, static_cast<int>(breite), static_cast<int>(hoehe),
                                       static_cast<int>(zielzeile), 24, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK,
                                       FI_RGBA_BLUE_MASK, FALSE);
    if (!ansicht) {
        FreeImage_Unload(quelle);
        return nullptr;
    }
    return std::shared_ptr<FIBITMAP>(ansicht, [quelle](FIBITMAP* d) {
        FreeImage_Unload(d);
        FreeImage_Unload(quelle);
    });
}

}

clsImage::clsImage(bool bibliothek) : bibliothek_(bibliothek) {}

clsImage::~clsImage() = default;

void clsImage::UnloadPic() { dib_.reset(); }

int32_t clsImage::LoadPic(const std::string& datei, Ersatzlader* ersatz)
{
    const int32_t lader = Lesen(datei, ersatz);
    Fehler_Melden();
    return lader;
}

int32_t clsImage::Lesen(const std::string& datei, Ersatzlader* ersatz)
{
    UnloadPic();
    fehler_.reset();
    datei_ = datei;
    breite_ = hoehe_ = bpp_ = 0;
    lader_ = Lader_VB;
    if (bibliothek_ && *FreeImage_GetVersion()) {
        lader_ = Lader_FreeImage;
    } else {
        const auto punkt = datei.rfind('.');
        const std::string endung = punkt == std::string::npos ? "" : datei.substr(punkt);
        if (!endung.empty() && std::string(".tif.tiff").find(endung) != std::string::npos) lader_ = Lader_GDIPlus;
    }
    if (!Pruefen(datei)) return 0;
    const bool geladen = lader_ == Lader_FreeImage ? Bibliothek_Laden(datei) : Ersatz_Laden(datei, ersatz);
    if (!geladen) {
        UnloadPic();
        breite_ = hoehe_ = bpp_ = 0;
        return 0;
    }
    return lader_;
}

bool clsImage::Fehler_Melden()
{
    if (!fehler_) return false;
    const Ladefehler fehler = *fehler_;
    fehler_.reset();
    std::string text = fehler.text + (fehler.sprachtext ? Sprachtext(fehler.sprachtext) : "");
    text.erase(text.find_last_not_of(' ') + 1);
    if (fehler.datei.find_first_not_of(' ') != std::string::npos) text += "\r\n" + fehler.datei;
    // A picture refused is no fault of the program: the user reads the reason and the file in a
    // plain message, as for any other file refused; gError keeps it for the caller.
    if (gError) gError->ErrorMsg(kModul, fehler.prozedur, true, fehler.nummer, text);
    zelo::Ui().MsgBox(text, zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation,
                      gLoader ? gLoader->ApplicationName() : clsLoader::kApplicationName);
    return true;
}

void clsImage::Merken(const char* prozedur, int32_t nummer, std::string text, int32_t sprachtext)
{
    if (!fehler_) fehler_ = Ladefehler{prozedur, nummer, std::move(text), sprachtext, datei_};
}

void clsImage::Abgeschnitten() { Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. ", kTextAbgeschnitten); }

bool clsImage::Pruefen(const std::string& datei)
{
    if (datei.find_first_not_of(' ') == std::string::npos) {
        Merken("LoadImage", kFehlendeEingabe, "Eingabeparameter fehlen.");
        return false;
    }
    switch (Dateiart_Von(datei)) {
    case Dateiart::Gewoehnlich: return true;
    case Dateiart::Keine: Merken("LoadImage", kDateiFehlt, "Datei existiert nicht."); return false;
    case Dateiart::Andere: Merken("LoadImage", kNichtLesbar, "", kTextKeineDatei); return false;
    }
    return false;
}

bool clsImage::Groesse_Erlaubt(int64_t breite, int64_t hoehe, int64_t bits)
{
    // A deep pixel (16 bits per channel, floating point) may take no more memory than 24 bits would.
    if (breite > 0 && hoehe > 0 && breite <= kMaxSeite && hoehe <= kMaxSeite &&
        breite * hoehe * std::max<int64_t>(bits, 24) <= kMaxPixel * 24)
        return true;
    Merken("LoadPic", kZuGross, "Bild zu groß oder leer: " + std::to_string(breite) + " x " + std::to_string(hoehe) + " Pixel.");
    return false;
}

bool clsImage::Speicher_Erlaubt(int64_t breite, int64_t hoehe, int64_t bits, double zusatz)
{
    if (Speicher_Reicht(breite, hoehe, bits, zusatz)) return true;
    Merken("LoadPic", kZuGross,
           "Bild zu groß oder leer: " + std::to_string(breite) + " x " + std::to_string(hoehe) + " Pixel, " +
               std::to_string(bits) + " Bit je Pixel.");
    return false;
}

// The header alone tells the size, so that a huge picture is refused before it is decoded; the
// file's length tells whether it holds the picture's pixels at all.
bool clsImage::Kopf_Pruefen(int32_t format, const std::string& datei)
{
    const auto fif = static_cast<FREE_IMAGE_FORMAT>(format);
    const Bildumfang umfang = Bildumfang_Lesen(format, datei);
    int64_t b = umfang.breite;
    int64_t h = umfang.hoehe;
    int64_t bits = umfang.bits;
    if (fif == FIF_GIF && b == 0) {
        Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. Die Datei enthält kein Bild.");
        return false;
    }
    if (fif == FIF_TIFF && !Tiff_Pruefen(datei)) return false;
    if (b == 0) {
        Meldung_Loeschen();
        FIBITMAP* kopf = FreeImage_Load(fif, datei.c_str(), FIF_LOAD_NOPIXELS);
        if (!kopf) {
            Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. " + Meldung().text);
            return false;
        }
        b = FreeImage_GetWidth(kopf);
        h = FreeImage_GetHeight(kopf);
        bits = FreeImage_GetBPP(kopf);
        const FREE_IMAGE_TYPE typ = FreeImage_GetImageType(kopf);
        FreeImage_Unload(kopf);
        if (!Wandelbar(typ)) {
            Merken("LoadPic", kNichtLesbar, "", 471);
            return false;
        }
    }
    if (!Groesse_Erlaubt(b, h, bits)) return false;
    if (umfang.zuKurz) {
        Abgeschnitten();
        return false;
    }
    // A TIFF picture the library would decode through too large a strip is read strip by strip.
    streifenweise_ = false;
    if (fif == FIF_TIFF && !Speicher_Reicht(b, h, bits, umfang.zusatzbytes)) {
        const std::optional<TiffKopf> kopf = Tiff_Kopf_Lesen(datei);
        streifenweise_ = kopf && Tiff_Streifen_Lesbar(*kopf);
        if (streifenweise_) return true;
    }
    return Speicher_Erlaubt(b, h, bits, umfang.zusatzbytes);
}

// The library's TIFF decoder takes a whole strip or tile at once, as large as the header says.
bool clsImage::Tiff_Pruefen(const std::string& datei)
{
    const std::optional<TiffKopf> kopf = Tiff_Kopf_Lesen(datei);
    if (!kopf) {
        Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. ", 476);
        return false;
    }
    if (kopf->Gekachelt() && (kopf->kachelBreite <= 0 || kopf->kachelHoehe <= 0)) {
        Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. ", 476);
        return false;
    }
    // The library copies separate planes, and pixels of several samples, a whole byte per sample and
    // stops the program on samples of fewer bits.
    if ((kopf->planar == 2 || kopf->probenJePixel > 1) && kopf->bitsJeProbe % 8 != 0) {
        Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. ", 476);
        return false;
    }
    if (!Groesse_Erlaubt(kopf->breite, kopf->hoehe, kopf->bitsJeProbe * kopf->probenJePixel)) return false;
    if (kopf->Pufferbytes() > std::max(kopf->Bildbytes(), kPufferFreibetrag)) {
        Merken("LoadPic", kZuGross, "Bild kann nicht gelesen werden. ", 477);
        return false;
    }
    return true;
}

bool clsImage::Kopf_Erlaubt(const std::string& datei)
{
    static const bool hook = (FreeImage_SetOutputMessage(Meldung_Merken), true);
    (void)hook;
    const FREE_IMAGE_FORMAT format = Bildformat(datei);
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        Merken("LoadPic", kFormatUnbekannt, "Unbekanntes Bildformat.");
        return false;
    }
    return Kopf_Pruefen(format, datei);
}

bool clsImage::Bildkopf_Pruefen(const std::string& datei)
{
    fehler_.reset();
    datei_ = datei;
    if (Kopf_Erlaubt(datei)) return true;
    Fehler_Melden();
    return false;
}

bool clsImage::Bibliothek_Laden(const std::string& datei)
{
    if (!Kopf_Erlaubt(datei)) return false;
    if (streifenweise_) return Streifen_Laden(datei);
    const FREE_IMAGE_FORMAT format = Bildformat(datei);
    Meldung_Loeschen();
    FIBITMAP* dib = FreeImage_Load(format, datei.c_str(), 0);
    if (!dib) {
        Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. " + Meldung().text);
        return false;
    }
    if (Meldung().abgeschnitten) {
        FreeImage_Unload(dib);
        Abgeschnitten();
        return false;
    }
    if (!Groesse_Erlaubt(FreeImage_GetWidth(dib), FreeImage_GetHeight(dib))) {
        FreeImage_Unload(dib);
        return false;
    }
    const FREE_IMAGE_TYPE typ = FreeImage_GetImageType(dib);
    const unsigned bits = FreeImage_GetBPP(dib);
    if (typ == FIT_BITMAP && bits == 24) {
        dib_ = Besitz(dib);
    } else if ((typ == FIT_BITMAP && bits == 32) || typ == FIT_RGB16 || typ == FIT_RGBA16) {
        dib_ = Verdichten(dib);
    } else {
        FIBITMAP* neu = typ == FIT_BITMAP ? FreeImage_ConvertTo24Bits(dib) : nullptr;
        FreeImage_Unload(dib);
        if (neu) dib_ = Besitz(neu);
    }
    // Every pixel read and the radial average rely on three bytes per pixel.
    if (!dib_ || !Ist24Bit(dib_.get())) {
        Merken("LoadPic", kNichtLesbar, "Bild kann nicht in 24 Bit je Pixel gewandelt werden.");
        return false;
    }
    Groesse_Uebernehmen();
    return true;
}

bool clsImage::Streifen_Laden(const std::string& datei)
{
    const std::optional<TiffKopf> kopf = Tiff_Kopf_Lesen(datei);
    bool abgeschnitten = false;
    FIBITMAP* dib = kopf ? Tiff_Streifen_Laden(datei, *kopf, abgeschnitten) : nullptr;
    if (abgeschnitten) {
        Abgeschnitten();
        return false;
    }
    if (!dib) {
        Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. ", 476);
        return false;
    }
    dib_ = Besitz(dib);
    Groesse_Uebernehmen();
    return true;
}

void clsImage::Groesse_Uebernehmen()
{
    breite_ = static_cast<int32_t>(FreeImage_GetWidth(dib_.get()));
    hoehe_ = static_cast<int32_t>(FreeImage_GetHeight(dib_.get()));
    bpp_ = static_cast<int32_t>(FreeImage_GetBPP(dib_.get()));
}

bool clsImage::Ersatz_Laden(const std::string& datei, Ersatzlader* ersatz)
{
    std::string fehler = "Kein Bildlader verfügbar.";
    int32_t b = 0;
    int32_t h = 0;
    if (!ersatz || !ersatz->Laden(datei, lader_, b, h, fehler)) {
        Merken("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. " + fehler);
        return false;
    }
    if (!Groesse_Erlaubt(b, h)) return false;
    breite_ = b;
    hoehe_ = h;
    bpp_ = 0;
    return true;
}

Bildzeilen clsImage::Zeilen() const
{
    if (!dib_ || !Ist24Bit(dib_.get())) return {};
    return {FreeImage_GetBits(dib_.get()), breite_, hoehe_, static_cast<int32_t>(FreeImage_GetPitch(dib_.get()))};
}

int32_t clsImage::Image_GetPixelColor(int32_t x, int32_t Y) const
{
    if (!bibliothek_) return 0;
    if (!dib_ || x < 0 || Y < 0 || x >= breite_ || Y >= hoehe_) return -1;
    RGBQUAD farbe{};
    if (!FreeImage_GetPixelColor(dib_.get(), static_cast<unsigned>(x), static_cast<unsigned>(hoehe_ - 1 - Y), &farbe))
        return -1;
    return static_cast<int32_t>(farbe.rgbBlue | (farbe.rgbGreen << 8) | (farbe.rgbRed << 16) |
                                (static_cast<uint32_t>(farbe.rgbReserved) << 24));
}

int32_t clsImage::Image_GetPixelColorRGB(int32_t x, int32_t Y, uint8_t& R, uint8_t& G, uint8_t& B) const
{
    RGBQUAD farbe{};
    if (!dib_ || x < 0 || Y < 0 ||
        !FreeImage_GetPixelColor(dib_.get(), static_cast<unsigned>(x), static_cast<unsigned>(Y), &farbe))
        return -1;
    R = farbe.rgbRed;
    G = farbe.rgbGreen;
    B = farbe.rgbBlue;
    return 1;
}

int32_t clsImage::Grey(int32_t c)
{
    // Division truncates toward zero and % keeps the sign of c, as the packed colour's arithmetic asks.
    return Grauwert(c % 256, (c / 256) % 256, c / 256 / 256);
}

void clsImage::Nur_Mit_Bibliothek() const
{
    zelo::Ui().MsgBox("Nur mit FreeImage.dll - Unterstützung.", zelo::MsgButtons::OK, zelo::MsgIcon::Information,
                      gLoader ? gLoader->ApplicationName() : std::string());
}

// Through 16 grey levels and back to 24 bits, the way back written into the picture's own memory:
// the display shares it, and a second picture of the whole size is not needed.
bool clsImage::Image_ToGrey()
{
    if (!dib_) {
        Nur_Mit_Bibliothek();
        return false;
    }
    FIBITMAP* grau = FreeImage_ConvertTo4Bits(dib_.get());
    if (!grau) return Ist24Bit(dib_.get());
    const RGBQUAD* palette = FreeImage_GetPalette(grau);
    for (int32_t y = 0; y < hoehe_; ++y) {
        const BYTE* von = FreeImage_GetScanLine(grau, y);
        BYTE* nach = FreeImage_GetScanLine(dib_.get(), y);
        for (int32_t x = 0; x < breite_; ++x) {
            // Two pixels a byte, the left one in the high half.
            const BYTE index = x % 2 == 0 ? von[x / 2] >> 4 : von[x / 2] & 0x0F;
            nach[3 * x + FI_RGBA_BLUE] = palette[index].rgbBlue;
            nach[3 * x + FI_RGBA_GREEN] = palette[index].rgbGreen;
            nach[3 * x + FI_RGBA_RED] = palette[index].rgbRed;
        }
    }
    FreeImage_Unload(grau);
    return true;
}

bool clsImage::Image_Invert()
{
    if (!dib_) {
        Nur_Mit_Bibliothek();
        return false;
    }
    if (FreeImage_Invert(dib_.get())) return true;
    zelo::Ui().MsgBox("Fehler beim invertieren!", zelo::MsgButtons::OK, zelo::MsgIcon::None,
                      gLoader ? gLoader->ApplicationName() : std::string());
    return false;
}

void clsImage::Image_GetDIBS(std::vector<std::vector<uint8_t>>& feld) const
{
    feld.clear();
    if (!dib_) return;
    const Bildzeilen z = Zeilen();
    for (int32_t zeile = 0; zeile < z.hoehe; ++zeile) {
        const uint8_t* anfang = z.bits + static_cast<size_t>(zeile) * static_cast<size_t>(z.pitch);
        feld.emplace_back(anfang, anfang + z.pitch);
    }
}

bool Bilddatei_Pruefen(const std::string& datei)
{
    clsImage bild(true);
    if (bild.LoadPic(datei) != Lader_FreeImage) return false;
    const Bildzeilen z = bild.Zeilen();
    int64_t summe = 0;
    for (int32_t y = 0; y < z.hoehe; ++y) {
        const uint8_t* zeile = z.Zeile(y);
        for (int32_t x = 0; x < z.breite; ++x) summe += zeile[3 * x];
    }
    return summe >= 0;
}
