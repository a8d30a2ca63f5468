#include "support/workspace_fixture.h"

#include <fstream>
#include <random>
#include <sstream>

#include "core/app/clear_all.h"
#include "core/dice/dice.h"
#include "core/model/program_state.h"
#include "core/model/workspace.h"

void WorkspaceTest::SetUp() {
    std::random_device seed;
    workspace = std::filesystem::temp_directory_path() /
                ("fraymark-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(workspace);
    SetWorkspaceRoot(workspace);
    ResetProgramForTests();
}

void WorkspaceTest::TearDown() {
    EXPECT_EQ(QueuedDieFacesLeft(), 0) << "the test queued die faces that were never rolled";
    ClearQueuedDieFaces();
    ResetProgramForTests();
    SetWorkspaceRoot({});
    std::error_code ec;
    std::filesystem::permissions(workspace, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(workspace, ec);
}

std::string WorkspaceTest::ReadFile(const std::string& relative) const {
    std::ifstream in(workspace / relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WorkspaceTest::WriteFile(const std::string& relative, const std::string& content) const {
    const auto path = workspace / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
}
