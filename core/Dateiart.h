#pragma once
// "Dateiart" is German for the kind of file.
// What a path names, found without opening it: opening a named pipe for reading waits until
// something writes into it, a device such as /dev/zero never ends, and a folder holds no data, so
// that a reader must know before it opens the path.
#include <string>

enum class Dateiart { Keine, Gewoehnlich, Andere };

// Nothing (or nothing that can be looked at), a plain file, or anything else (a folder, a device, a
// named pipe, a socket); a symbolic link counts as what it points to.
Dateiart Dateiart_Von(const std::string& pfad);
