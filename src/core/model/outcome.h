#pragma once

#include <string>
#include <utility>

// What a player's action in a creation window came to: done, or refused with the reason the
// window shows the player. A refused action leaves the record as it was.
class Outcome {
public:
    static Outcome Done() { return Outcome(); }
    static Outcome Refused(std::string why) { return Outcome(std::move(why)); }

    bool done() const { return refusal_.empty(); }
    explicit operator bool() const { return done(); }
    // Why the action was refused; empty when it was done.
    const std::string& refusal() const { return refusal_; }

private:
    Outcome() = default;
    explicit Outcome(std::string why) : refusal_(std::move(why)) {}
    std::string refusal_;
};
