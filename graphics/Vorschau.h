#pragma once
// The collection of open preview windows (colSmall): opening, closing and redrawing them all.
#include <cstdint>
#include <string>

class frmSmall;

// Opens a preview window showing kind (G(r) when the kind has no preview), left of the ones open;
// nullptr when it could not be opened (reported).
frmSmall* NewPreviewWindow(int32_t kind);
// Takes the window named tag out of the collection.
void ClosePreviewWindow(const std::string& tag);
// Closes every open preview window.
void ClosePreviewWindows();
// Redraws every open preview window.
void ShowWindowPreview();
// The open preview window named tag; nullptr when there is none.
frmSmall* PreviewWindow(const std::string& tag);
