#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/scripted_port.h"

// A scripted port that keeps every branch the senders hand to the tree, and the prefilled
// value of every text question.
class TreeRecorder : public ScriptedPort {
public:
    struct Branch {
        std::string name;
        std::vector<std::string> keys, values;
    };

    void UpdateTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                          const std::vector<std::string>& values) override {
        sent.push_back({branch, keys, values});
    }

    std::optional<std::string> AskText(const std::string& message, const std::string& caption,
                                       const std::string& value) override {
        prefilled.push_back(value);
        return ScriptedPort::AskText(message, caption, value);
    }

    // Every branch sent, in order: "== name" then one "key = value" line per entry.
    std::string Dump() const {
        std::string text;
        for (const Branch& branch : sent) {
            text += "== " + branch.name + '\n';
            for (std::size_t i = 0; i < branch.keys.size(); ++i) {
                text += branch.keys[i] + " = " +
                        (i < branch.values.size() ? branch.values[i] : "(no value)") + '\n';
            }
        }
        return text;
    }

    std::vector<Branch> sent;
    std::vector<std::string> prefilled;
};
