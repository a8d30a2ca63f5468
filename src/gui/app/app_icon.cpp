#include "gui/app/app_icon.h"

#include <wx/bitmap.h>

namespace {
// 16 x 16, three colours: a white die with dark pips on a clear ground.
// clang-format off
const char* const kDieXpm[] = {
    "16 16 3 1",
    "  c None",
    ". c #202020",
    "o c #F4F0E6",
    "                ",
    " .............. ",
    " .oooooooooooo. ",
    " .o..oooooo..o. ",
    " .o..oooooo..o. ",
    " .oooooooooooo. ",
    " .oooooooooooo. ",
    " .ooooo..ooooo. ",
    " .ooooo..ooooo. ",
    " .oooooooooooo. ",
    " .oooooooooooo. ",
    " .o..oooooo..o. ",
    " .o..oooooo..o. ",
    " .oooooooooooo. ",
    " .............. ",
    "                ",
};
// clang-format on
} // namespace

wxIcon SampleIcon() {
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(kDieXpm));
    return icon;
}
