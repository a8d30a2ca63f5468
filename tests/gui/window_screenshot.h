#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/window.h>

// Saves a picture of the window for a person to look at (build/screenshots/).
inline void SaveWindowScreenshot(wxWindow* window, const char* name) {
    for (int i = 0; i < 5; ++i) {
        wxTheApp->Yield(true);
        window->Update();
    }
    const auto dir = std::filesystem::path(FRAYMARK_BUILD_DIR) / "screenshots";
    std::filesystem::create_directories(dir);
    const wxRect r = window->GetScreenRect();
    const std::string command = "import -window root -crop " + std::to_string(r.width) + "x" +
                                std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
                                std::to_string(r.y) + " '" + (dir / name).string() +
                                "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << "screenshot " << name;
}
