#pragma once

#include <vector>

#include <wx/gdicmn.h>

#include "core/wizard/creation_flow.h"

class wxFrame;

// The one way a creation window opens: the flow's table says which window, with what title, in
// which registry slot and where; the window's class and size are the toolkit's, kept here.

// Opens `opening` (after a window that stood at `opener`, for windows that take its place).
wxFrame* OpenCreationStep(const StepOpening& opening, const wxRect& opener = {});

// Opens the windows a step's way out leads to, in the table's order.
void OpenCreationSteps(const std::vector<StepOpening>& openings, const wxRect& opener);

// The skills, shop or advance window on the character in hand, as the tree and the menu open
// it: brought to the front when it is open already.
void RaiseOrOpenCreationStep(StepId step);
