#include "images/MFreeImage.h"

#include <FreeImage.h>

std::string FI_GetVersionString()
{
    const char* version = FreeImage_GetVersion();
    return version && *version ? version : "n/a";
}
