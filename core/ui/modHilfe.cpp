#include "core/ui/modHilfe.h"

#include "core/AtomicFile.h"
#include "core/Dateiart.h"
#include "core/Fehlergrund.h"
#include "core/UiSeam.h"
#include "core/clsLanguage.h"
#include "core/clsLoader.h"
#include "core/modCommon.h"

#include <QFile>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

// Whether the file at pfad holds exactly inhalt; a folder or a named pipe is never opened for it.
bool Gleicher_Inhalt(const std::string& pfad, std::string_view inhalt)
{
    std::error_code ec;
    if (Dateiart_Von(pfad) != Dateiart::Gewoehnlich || std::filesystem::file_size(pfad, ec) != inhalt.size() || ec)
        return false;
    std::ifstream datei(pfad, std::ios::binary);
    return datei && std::equal(inhalt.begin(), inhalt.end(), std::istreambuf_iterator<char>(datei),
                               std::istreambuf_iterator<char>());
}

}

void Hilfe_Sicherstellen(const QString& quelle, bool melden)
{
    QFile leser(quelle);
    if (!gLoader || !leser.exists() || !leser.open(QIODevice::ReadOnly)) return;
    const QByteArray gelesen = leser.readAll();
    const std::string_view guide(gelesen.constData(), static_cast<size_t>(gelesen.size()));
    const std::string ziel = gLoader->ApplicationPath() + "hilfe.pdf";
    if (Gleicher_Inhalt(ziel, guide)) return;
    // Through a temporary file renamed over the old copy only when all of it is on the disk: a
    // full disk leaves the old copy, or none, never part of the guide.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(ziel).parent_path(), ec);
    const int fehler = ec ? ec.value() : AtomicFile::WriteWhole(ziel, guide);
    if (fehler != 0 && melden && gLanguage)
        zelo::Ui().MsgBox(gLanguage->Caption(581) + "\r\n" + ziel + " (" + Fehlergrund(fehler) + ")",
                          zelo::MsgButtons::OK, zelo::MsgIcon::Exclamation, gLoader->ApplicationName());
}
