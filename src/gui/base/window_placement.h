#pragma once

#include <wx/gdicmn.h>

// Where a window that opens beside another goes so that both can be seen: to the right of
// the other window's rectangle, or to its left when the display has no room on the right,
// or below it when neither side has room; never off the display's work area.
wxPoint PlaceBeside(const wxRect& other, const wxSize& size);
