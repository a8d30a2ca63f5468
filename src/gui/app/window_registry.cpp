#include "gui/app/window_registry.h"

wxFrame* VexlFrames[kRegistrySlots] = {};
FormMain* MasterFrame = nullptr;
int MasterWidth = 0;
int MasterHeight = 0;
