#pragma once

#include <wx/icon.h>

// The toolkit's window icon, "sample": a six-sided die.
wxIcon SampleIcon();
