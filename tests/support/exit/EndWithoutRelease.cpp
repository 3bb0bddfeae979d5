// A host that ends without releasing the globals: their destructors then run at the program's exit
// in whatever order the run time chooses, so none of them may reach another global. Meaningful under
// AddressSanitizer; a clean exit is the test.
#include "core/modCommon.h"
#include "mainwindow/modObjekte.h"
#include "curves/clsFileHandler.h"
#include "support/TempEnvironment.h"

int main()
{
    TempEnvironment env;
    CreateCoreObjects();
    CreateServiceObjects({});
    PrepareComputation();
    // A file still open at the exit makes the file handler's destructor close it.
    if (!gFileHandler->OpenFile((env.Root() / "open.bin").string(), clsFileHandler::kBinary)) return 1;
    gFileHandler->WriteLong(1);
    return 0;
}
