#include "images/TiffKopf.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <vector>

namespace {

// More strips or tiles than a picture of the largest size can have (one row each, one plane per sample).
constexpr uint64_t kMaxAbschnitte = uint64_t{32767} * 8;
// Offsets and lengths beyond any file are cut here, so that their sums stay exact.
constexpr uint64_t kGrenze = uint64_t{1} << 61;

// A TIFF file read in its own byte order: classic (4-byte offsets) or BigTIFF (8-byte offsets).
class TiffLeser {
public:
    explicit TiffLeser(const std::string& datei) : ein_(datei, std::ios::binary) {}

    bool Kopf(uint64_t& ersteDirectory)
    {
        uint8_t b[4]{};
        if (!Lesen(b, 4)) return false;
        if (b[0] == 'I' && b[1] == 'I') motorola_ = false;
        else if (b[0] == 'M' && b[1] == 'M') motorola_ = true;
        else return false;
        const uint64_t kennung = Zahl(b + 2, 2);
        if (kennung == 43) {
            gross_ = true;
            uint8_t rest[12]{};
            if (!Lesen(rest, 12) || Zahl(rest, 2) != 8) return false;
            ersteDirectory = Zahl(rest + 4, 8);
            return true;
        }
        if (kennung != 42) return false;
        uint8_t offset[4]{};
        if (!Lesen(offset, 4)) return false;
        ersteDirectory = Zahl(offset, 4);
        return true;
    }

    bool Directory(uint64_t offset, TiffKopf& kopf)
    {
        ein_.seekg(static_cast<std::streamoff>(offset));
        uint8_t anzahlBytes[8]{};
        if (!Lesen(anzahlBytes, gross_ ? 8 : 2)) return false;
        const uint64_t anzahl = Zahl(anzahlBytes, gross_ ? 8 : 2);
        // A real first directory has a few dozen entries; the library refuses more than 4096 itself.
        if (anzahl == 0 || anzahl > 4096) return false;
        const int eintrag = gross_ ? 20 : 12;
        Liste offsets;
        Liste laengen;
        for (uint64_t i = 0; i < anzahl; ++i) {
            uint8_t e[20]{};
            if (!Lesen(e, eintrag)) return false;
            const uint64_t tag = Zahl(e, 2);
            const uint64_t typ = Zahl(e + 2, 2);
            const uint64_t wert = Erster_Wert(e, typ);
            // Sizes are LONG at most, sample counts and depths SHORT.
            const auto lang = static_cast<int64_t>(std::min<uint64_t>(wert, 0xFFFFFFFFu));
            const auto kurz = static_cast<int64_t>(std::min<uint64_t>(wert, 0xFFFFu));
            switch (tag) {
            case 256: kopf.breite = lang; break;
            case 257: kopf.hoehe = lang; break;
            case 258: kopf.bitsJeProbe = static_cast<int64_t>(std::min<uint64_t>(Wert_Ausserhalb(e, typ, wert), 0xFFFFu)); break;
            case 259: kopf.kompression = kurz; break;
            case 262: kopf.photometrie = kurz; break;
            case 273: case 324: offsets = Liste_Merken(e, typ); break;
            case 279: case 325: laengen = Liste_Merken(e, typ); break;
            case 277: kopf.probenJePixel = kurz; break;
            case 278: kopf.zeilenJeStreifen = lang; break;
            case 284: kopf.planar = kurz; break;
            case 339: kopf.probenFormat = static_cast<int64_t>(std::min<uint64_t>(Wert_Ausserhalb(e, typ, wert), 0xFFFFu)); break;
            case 322: kopf.kachelBreite = lang; break;
            case 323: kopf.kachelHoehe = lang; break;
            default: break;
            }
        }
        Datenende_Lesen(offsets, laengen, kopf);
        return true;
    }

private:
    // A list of values in an entry: its type, its count and the entry's value field as it stands.
    struct Liste {
        uint64_t typ = 0;
        uint64_t anzahl = 0;
        uint8_t feld[8]{};
    };

    Liste Liste_Merken(const uint8_t* e, uint64_t typ) const
    {
        Liste liste;
        liste.typ = typ;
        liste.anzahl = Zahl(e + 4, gross_ ? 8 : 4);
        std::copy_n(e + (gross_ ? 12 : 8), gross_ ? 8 : 4, liste.feld);
        return liste;
    }

    // The strips' or tiles' offsets and lengths: how many there are and where the last of their
    // bytes ends. A list longer than any picture needs is read only that far.
    void Datenende_Lesen(const Liste& offsets, const Liste& laengen, TiffKopf& kopf)
    {
        kopf.abschnitte = static_cast<int64_t>(std::min<uint64_t>(offsets.anzahl, kMaxAbschnitte));
        const uint64_t anzahl = std::min({offsets.anzahl, laengen.anzahl, kMaxAbschnitte});
        std::vector<uint64_t> orte;
        std::vector<uint64_t> groessen;
        if (anzahl == 0 || !Werte_Lesen(offsets, anzahl, orte) || !Werte_Lesen(laengen, anzahl, groessen)) return;
        uint64_t ende = 0;
        for (uint64_t i = 0; i < anzahl; ++i) {
            orte[i] = std::min(orte[i], kGrenze);
            groessen[i] = std::min(groessen[i], kGrenze);
            ende = std::max(ende, orte[i] + groessen[i]);
        }
        kopf.datenEnde = static_cast<int64_t>(ende);
        kopf.orte = std::move(orte);
        kopf.laengen = std::move(groessen);
    }

    // The first anzahl values of a list, held in the entry itself when they fit there, else at the
    // entry's offset.
    bool Werte_Lesen(const Liste& liste, uint64_t anzahl, std::vector<uint64_t>& werte)
    {
        const int groesse = Groesse(liste.typ);
        const int feldBytes = gross_ ? 8 : 4;
        if (groesse == 0) return false;
        std::vector<uint8_t> bytes(anzahl * static_cast<uint64_t>(groesse));
        if (liste.anzahl <= static_cast<uint64_t>(feldBytes / groesse)) {
            std::copy_n(liste.feld, bytes.size(), bytes.begin());
        } else {
            ein_.clear();
            ein_.seekg(static_cast<std::streamoff>(std::min(Zahl(liste.feld, feldBytes), kGrenze)));
            if (!ein_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) return false;
        }
        werte.resize(anzahl);
        for (uint64_t i = 0; i < anzahl; ++i) werte[i] = Zahl(bytes.data() + i * static_cast<uint64_t>(groesse), groesse);
        return true;
    }

    bool Lesen(uint8_t* ziel, int anzahl)
    {
        return static_cast<bool>(ein_.read(reinterpret_cast<char*>(ziel), anzahl));
    }

    uint64_t Zahl(const uint8_t* b, int bytes) const
    {
        uint64_t wert = 0;
        for (int i = 0; i < bytes; ++i) {
            const uint64_t byte = b[motorola_ ? i : bytes - 1 - i];
            wert = (wert << 8) | byte;
        }
        return wert;
    }

    static int Groesse(uint64_t typ)
    {
        switch (typ) {
        case 1: case 2: case 6: case 7: return 1;  // bytes
        case 3: case 8: return 2;                  // SHORT
        case 4: case 9: case 13: return 4;         // LONG
        case 16: case 17: case 18: return 8;       // LONG8
        default: return 0;
        }
    }

    // The entry's first value when it is held in the entry itself, else its offset.
    uint64_t Erster_Wert(const uint8_t* e, uint64_t typ) const
    {
        const int groesse = std::max(Groesse(typ), 1);
        return Zahl(e + (gross_ ? 12 : 8), std::min(groesse, gross_ ? 8 : 4));
    }

    // The first value of a list that may lie outside the entry (bits per sample of each sample).
    uint64_t Wert_Ausserhalb(const uint8_t* e, uint64_t typ, uint64_t wert)
    {
        const uint64_t anzahl = Zahl(e + 4, gross_ ? 8 : 4);
        const int groesse = Groesse(typ);
        if (groesse == 0 || anzahl * static_cast<uint64_t>(groesse) <= (gross_ ? 8u : 4u)) return wert;
        const std::streampos zurueck = ein_.tellg();
        ein_.seekg(static_cast<std::streamoff>(Zahl(e + (gross_ ? 12 : 8), gross_ ? 8 : 4)));
        uint8_t b[8]{};
        const bool gelesen = Lesen(b, groesse);
        ein_.clear();
        ein_.seekg(zurueck);
        return gelesen ? Zahl(b, groesse) : 0;
    }

    std::ifstream ein_;
    bool motorola_ = false;
    bool gross_ = false;
};

}

double TiffKopf::Bildbytes() const
{
    return static_cast<double>(breite) * static_cast<double>(hoehe) * static_cast<double>(probenJePixel) *
           static_cast<double>(bitsJeProbe) / 8.0;
}

double TiffKopf::Pufferbytes() const
{
    const double proben = planar == 2 ? 1.0 : static_cast<double>(probenJePixel);
    const double bits = static_cast<double>(bitsJeProbe) * proben;
    if (Gekachelt())
        return static_cast<double>(kachelBreite) * static_cast<double>(kachelHoehe) * bits / 8.0;
    // The decoder never takes more rows than the picture has.
    const int64_t zeilen = zeilenJeStreifen > 0 ? std::min(zeilenJeStreifen, hoehe) : hoehe;
    return static_cast<double>(zeilen) * static_cast<double>(breite) * bits / 8.0;
}

double TiffKopf::Noetige_Abschnitte() const
{
    const double ebenen = planar == 2 ? static_cast<double>(probenJePixel) : 1.0;
    if (Gekachelt()) {
        if (kachelBreite <= 0 || kachelHoehe <= 0) return 0.0;
        return std::ceil(static_cast<double>(breite) / static_cast<double>(kachelBreite)) *
               std::ceil(static_cast<double>(hoehe) / static_cast<double>(kachelHoehe)) * ebenen;
    }
    const int64_t zeilen = zeilenJeStreifen > 0 ? std::min(zeilenJeStreifen, hoehe) : hoehe;
    if (zeilen <= 0) return 0.0;
    return std::ceil(static_cast<double>(hoehe) / static_cast<double>(zeilen)) * ebenen;
}

bool TiffKopf::Ueber_RGBA() const { return photometrie > 3 || kompression == 6; }

std::optional<TiffKopf> Tiff_Kopf_Lesen(const std::string& datei)
{
    TiffLeser leser(datei);
    uint64_t erste = 0;
    TiffKopf kopf;
    if (!leser.Kopf(erste) || !leser.Directory(erste, kopf)) return std::nullopt;
    return kopf;
}
