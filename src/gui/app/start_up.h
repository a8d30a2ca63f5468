#pragma once

class FormMain;

// The start-up sequence: creation stage 0, the game data lists, an empty window registry, the
// display size, and the main window shown. Returns the main window.
FormMain* StartToolkit();
