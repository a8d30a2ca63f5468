#pragma once

#include <string>

#include <gtest/gtest.h>

#include "core/data/quirk_flaw.h"
#include "step_fixture.h"

constexpr char kTable6A[] = "Player's Handbook 6A";
constexpr char kTable6B[] = "Player's Handbook 6B: Flaws, Minor (Physical)";
constexpr char kTable6C[] = "Player's Handbook 6C: Flaws, Minor (Physical)";
constexpr char kTable6E[] = "Player's Handbook 6E: Flaws, Major (Physical)";
constexpr char kTable6F[] = "Player's Handbook 6F: Quirks, Minor (Mental)";
constexpr char kTable6G[] = "Player's Handbook 6G: Quirks, Major (Mental)";
constexpr char kTable6H[] = "Player's Handbook 6H: Quirks, Minor (Personality)";

// The quirk steps' tests: a human male with no BP (see StepTest).
class QuirkStepTest : public StepTest {
protected:
    // The index of the entry named `name`.
    static int Entry(const std::string& name) {
        for (int i = 1; i < kQuirkFlawSlots; ++i) {
            if (name == quirkflaw[i].name) {
                return i;
            }
        }
        ADD_FAILURE() << "no entry " << name;
        return 0;
    }
};
