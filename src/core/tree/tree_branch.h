#pragma once

#include <string>
#include <vector>

#include "core/model/text.h"
#include "core/model/user_port.h"

// Whether the installed port shows the tree; every sender returns at once when it does not,
// so a port without a tree pays nothing for the branches.
inline bool TreeShown() {
    return Port().ShowsTree();
}

// The keys and values of one branch of the character tree, in the order they are shown.
struct TreeBranch {
    std::vector<std::string> keys;
    std::vector<std::string> values;

    void Add(std::string key, std::string value) {
        keys.push_back(std::move(key));
        values.push_back(std::move(value));
    }

    // Hands the branch to the tree under `name`.
    void Send(const std::string& name) const { Port().UpdateTreeBranch(name, keys, values); }
};
