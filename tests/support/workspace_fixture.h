#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// Gives each test a fresh temporary workspace and a program in its start-of-run state.
class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Whole content of a file in the workspace ("" when absent).
    std::string ReadFile(const std::string& relative) const;
    void WriteFile(const std::string& relative, const std::string& content) const;

    std::filesystem::path workspace;
};
