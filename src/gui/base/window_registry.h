#pragma once

class wxFrame;
class wxWindow;
class FormMain;

// The registry of open windows: each kind of window has a fixed slot; a null slot means the
// window is not open.
constexpr int kRegistrySlots = 20;

enum RegistrySlot : int {
    kSlotDiceLog = 0,
    kSlotTree = 1,
    kSlotOptions = 2,
    kSlotStep3 = 3,
    kSlotStep6 = 4,
    kSlotStep7 = 5,
    kSlotStep7Again = 6,
    kSlotStep8 = 8,
    kSlotStep10 = 9,
    kSlotSkills = 10,
    kSlotAlignment = 11,
    kSlotAdvance = 12,
    kSlotLevelThiefSkills = 13,
    kSlotSpellBook = 14,
    kSlotEquipment = 18,
};

extern wxFrame* VexlFrames[kRegistrySlots];
extern FormMain* MasterFrame;
extern int MasterWidth;
extern int MasterHeight; // the display height less 25 pixels

// Empties every registry slot that holds `window` (a window that closes).
void ForgetWindow(const wxFrame* window);

// The main window as the parent of the windows it opens, for code below the main window's own
// layer (the application's top window, which start-up makes it).
wxWindow* MainWindow();
