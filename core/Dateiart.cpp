#include "core/Dateiart.h"

#include <filesystem>
#include <system_error>

Dateiart Dateiart_Von(const std::string& pfad)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(pfad, ec);
    if (ec || !std::filesystem::exists(status)) return Dateiart::Keine;
    return std::filesystem::is_regular_file(status) ? Dateiart::Gewoehnlich : Dateiart::Andere;
}
