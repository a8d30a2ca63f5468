// Entry point of the toolkit program.
#include "gui/app/cx_application.h"

wxIMPLEMENT_APP(cxApplication);
