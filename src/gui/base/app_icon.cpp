#include "gui/base/app_icon.h"

#include <cstddef>

#include <wx/bitmap.h>
#include <wx/image.h>

// The toolkit's icon rendered at 48 pixels from packaging/org.fraymark.Toolkit.svg at build
// time (cmake/desktop_gui.cmake), the same drawing the desktop shows in its menus.
extern const unsigned char kWindowIcon48Png[];
extern const std::size_t kWindowIcon48Png_size;

wxIcon SampleIcon() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxImage::AddHandler(new wxPNGHandler);
    }
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap::NewFromPNGData(kWindowIcon48Png, kWindowIcon48Png_size));
    return icon;
}
