#pragma once

#include <wx/icon.h>

// The toolkit's window icon, "sample": a character sheet and a six-sided die, the drawing
// the desktop shows for the toolkit.
wxIcon SampleIcon();
