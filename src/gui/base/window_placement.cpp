#include "gui/base/window_placement.h"

#include <algorithm>

#include <wx/display.h>

namespace {

constexpr int kGap = 10;

} // namespace

wxPoint PlaceBeside(const wxRect& other, const wxSize& size) {
    const int display = wxDisplay::GetFromPoint(other.GetTopLeft());
    const wxRect area =
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    wxPoint place(other.GetRight() + 1 + kGap, other.y);
    if (place.x + size.x > area.GetRight() + 1) {
        place.x = other.x - kGap - size.x;
    }
    if (place.x < area.x) {
        place = wxPoint(other.x, other.GetBottom() + 1 + kGap);
    }
    place.x = std::clamp(place.x, area.x, std::max(area.x, area.GetRight() + 1 - size.x));
    place.y = std::clamp(place.y, area.y, std::max(area.y, area.GetBottom() + 1 - size.y));
    return place;
}
