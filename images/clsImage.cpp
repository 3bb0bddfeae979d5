#include "images/clsImage.h"

#include "core/UiSeam.h"
#include "core/clsError.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"
#include "images/TiffKopf.h"

#include <FreeImage.h>

#include <algorithm>
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

// The library reports why a file failed through this hook; the load's message repeats it.
std::string& Bibliotheksmeldung()
{
    static std::string meldung;
    return meldung;
}

void Meldung_Merken(FREE_IMAGE_FORMAT, const char* text) { Bibliotheksmeldung() = text ? text : ""; }

void Melden(const char* prozedur, int32_t nummer, const std::string& text)
{
    if (gError) gError->ErrorMsg(kModul, prozedur, false, nummer, text);
}

// Releases source when the conversion made a new bitmap; keeps it when the conversion failed.
FIBITMAP* Ersetzen(FIBITMAP* quelle, FIBITMAP* neu)
{
    if (!neu) return quelle;
    if (neu != quelle) FreeImage_Unload(quelle);
    return neu;
}

// The size of the first picture of a GIF file from its image descriptor; false when there is none.
bool Gif_Groesse(const std::string& datei, int64_t& breite, int64_t& hoehe)
{
    std::ifstream ein(datei, std::ios::binary);
    uint8_t kopf[13]{};
    if (!ein.read(reinterpret_cast<char*>(kopf), sizeof kopf) || kopf[0] != 'G' || kopf[1] != 'I' || kopf[2] != 'F')
        return false;
    if (kopf[10] & 0x80) ein.seekg(3 << ((kopf[10] & 7) + 1), std::ios::cur);
    // Extensions (0x21, a label, then blocks led by their length) come before the first picture (0x2C).
    int marke = ein.get();
    while (marke == 0x21) {
        ein.get();
        for (int laenge = ein.get(); laenge > 0; laenge = ein.get()) ein.seekg(laenge, std::ios::cur);
        if (!ein) return false;
        marke = ein.get();
    }
    if (marke != 0x2C) return false;
    uint8_t bild[8]{};
    if (!ein.read(reinterpret_cast<char*>(bild), sizeof bild)) return false;
    breite = bild[4] | bild[5] << 8;
    hoehe = bild[6] | bild[7] << 8;
    return true;
}

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

}

clsImage::clsImage(bool bibliothek) : bibliothek_(bibliothek) {}

clsImage::~clsImage() { UnloadPic(); }

void clsImage::UnloadPic()
{
    if (dib_) FreeImage_Unload(dib_);
    dib_ = nullptr;
}

int32_t clsImage::LoadPic(const std::string& datei, Ersatzlader* ersatz)
{
    UnloadPic();
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

bool clsImage::Pruefen(const std::string& datei)
{
    if (datei.find_first_not_of(' ') == std::string::npos) {
        Melden("LoadImage", kFehlendeEingabe, "Eingabeparameter fehlen.");
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec)) {
        Melden("LoadImage", kDateiFehlt, "Datei existiert nicht.");
        return false;
    }
    return true;
}

bool clsImage::Groesse_Erlaubt(int64_t breite, int64_t hoehe, int64_t bits)
{
    // A deep pixel (16 bits per channel, floating point) may take no more memory than 24 bits would.
    if (breite > 0 && hoehe > 0 && breite <= kMaxSeite && hoehe <= kMaxSeite &&
        breite * hoehe * std::max<int64_t>(bits, 24) <= kMaxPixel * 24)
        return true;
    Melden("LoadPic", kZuGross,
           "Bild zu groß oder leer: " + std::to_string(breite) + " x " + std::to_string(hoehe) + " Pixel.");
    return false;
}

// The header alone tells the size, so that a huge picture is refused before it is decoded.
bool clsImage::Kopf_Pruefen(int32_t format, const std::string& datei)
{
    const auto fif = static_cast<FREE_IMAGE_FORMAT>(format);
    int64_t b = 0;
    int64_t h = 0;
    if (fif == FIF_GIF) {
        if (!Gif_Groesse(datei, b, h)) {
            Melden("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. Die Datei enthält kein Bild.");
            return false;
        }
        return Groesse_Erlaubt(b, h);
    }
    if (fif == FIF_TIFF && !Tiff_Pruefen(datei)) return false;
    Bibliotheksmeldung().clear();
    FIBITMAP* kopf = FreeImage_Load(fif, datei.c_str(), FIF_LOAD_NOPIXELS);
    if (!kopf) {
        Melden("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. " + Bibliotheksmeldung());
        return false;
    }
    b = FreeImage_GetWidth(kopf);
    h = FreeImage_GetHeight(kopf);
    const int64_t bits = FreeImage_GetBPP(kopf);
    const FREE_IMAGE_TYPE typ = FreeImage_GetImageType(kopf);
    FreeImage_Unload(kopf);
    if (!Wandelbar(typ)) {
        Melden("LoadPic", kNichtLesbar, Sprachtext(471));
        return false;
    }
    return Groesse_Erlaubt(b, h, bits);
}

// The library's TIFF decoder takes a whole strip or tile at once, as large as the header says.
bool clsImage::Tiff_Pruefen(const std::string& datei)
{
    const std::optional<TiffKopf> kopf = Tiff_Kopf_Lesen(datei);
    if (!kopf) {
        Melden("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. " + Sprachtext(476));
        return false;
    }
    if (kopf->Gekachelt() && (kopf->kachelBreite <= 0 || kopf->kachelHoehe <= 0)) {
        Melden("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. " + Sprachtext(476));
        return false;
    }
    if (!Groesse_Erlaubt(kopf->breite, kopf->hoehe, kopf->bitsJeProbe * kopf->probenJePixel)) return false;
    if (kopf->Pufferbytes() > std::max(kopf->Bildbytes(), kPufferFreibetrag)) {
        Melden("LoadPic", kZuGross, "Bild kann nicht gelesen werden. " + Sprachtext(477));
        return false;
    }
    return true;
}

bool clsImage::Bildkopf_Pruefen(const std::string& datei)
{
    static const bool hook = (FreeImage_SetOutputMessage(Meldung_Merken), true);
    (void)hook;
    const FREE_IMAGE_FORMAT format = Bildformat(datei);
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) {
        Melden("LoadPic", kFormatUnbekannt, "Unbekanntes Bildformat.");
        return false;
    }
    return Kopf_Pruefen(format, datei);
}

bool clsImage::Bibliothek_Laden(const std::string& datei)
{
    if (!Bildkopf_Pruefen(datei)) return false;
    const FREE_IMAGE_FORMAT format = Bildformat(datei);
    Bibliotheksmeldung().clear();
    dib_ = FreeImage_Load(format, datei.c_str(), 0);
    if (!dib_) {
        Melden("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. " + Bibliotheksmeldung());
        return false;
    }
    if (!Groesse_Erlaubt(FreeImage_GetWidth(dib_), FreeImage_GetHeight(dib_))) return false;
    if (!Ist24Bit(dib_)) dib_ = Ersetzen(dib_, FreeImage_ConvertTo24Bits(dib_));
    // Every pixel read and the radial average rely on three bytes per pixel.
    if (!Ist24Bit(dib_)) {
        Melden("LoadPic", kNichtLesbar, "Bild kann nicht in 24 Bit je Pixel gewandelt werden.");
        return false;
    }
    breite_ = static_cast<int32_t>(FreeImage_GetWidth(dib_));
    hoehe_ = static_cast<int32_t>(FreeImage_GetHeight(dib_));
    bpp_ = static_cast<int32_t>(FreeImage_GetBPP(dib_));
    return true;
}

bool clsImage::Ersatz_Laden(const std::string& datei, Ersatzlader* ersatz)
{
    std::string fehler = "Kein Bildlader verfügbar.";
    int32_t b = 0;
    int32_t h = 0;
    if (!ersatz || !ersatz->Laden(datei, lader_, b, h, fehler)) {
        Melden("LoadPic", kNichtLesbar, "Bild kann nicht gelesen werden. " + fehler);
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
    if (!dib_ || !Ist24Bit(dib_)) return {};
    return {FreeImage_GetBits(dib_), breite_, hoehe_, static_cast<int32_t>(FreeImage_GetPitch(dib_))};
}

int32_t clsImage::Image_GetPixelColor(int32_t x, int32_t Y) const
{
    if (!bibliothek_) return 0;
    if (!dib_ || x < 0 || Y < 0 || x >= breite_ || Y >= hoehe_) return -1;
    RGBQUAD farbe{};
    if (!FreeImage_GetPixelColor(dib_, static_cast<unsigned>(x), static_cast<unsigned>(hoehe_ - 1 - Y), &farbe))
        return -1;
    return static_cast<int32_t>(farbe.rgbBlue | (farbe.rgbGreen << 8) | (farbe.rgbRed << 16) |
                                (static_cast<uint32_t>(farbe.rgbReserved) << 24));
}

int32_t clsImage::Image_GetPixelColorRGB(int32_t x, int32_t Y, uint8_t& R, uint8_t& G, uint8_t& B) const
{
    RGBQUAD farbe{};
    if (!dib_ || x < 0 || Y < 0 || !FreeImage_GetPixelColor(dib_, static_cast<unsigned>(x), static_cast<unsigned>(Y), &farbe))
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

bool clsImage::Image_ToGrey()
{
    if (!dib_) {
        Nur_Mit_Bibliothek();
        return false;
    }
    dib_ = Ersetzen(dib_, FreeImage_ConvertTo4Bits(dib_));
    dib_ = Ersetzen(dib_, FreeImage_ConvertTo24Bits(dib_));
    return Ist24Bit(dib_);
}

bool clsImage::Image_Invert()
{
    if (!dib_) {
        Nur_Mit_Bibliothek();
        return false;
    }
    if (FreeImage_Invert(dib_)) return true;
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
