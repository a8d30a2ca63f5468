#include "core/player/auto_player_port.h"

#include <algorithm>

#include "core/advance/spell_book.h"
#include "core/dice/roll_exchange.h"
#include "core/model/text.h"
#include "core/wizard/skill_purchase_step.h"

namespace {

// The questions of the creation steps the player answers, by their texts.
constexpr const char* kOwnRollCaption = "Enter your own Dice Roll";
constexpr const char* kMoneyBpCaption = "How many BP do you want to spend?";
constexpr const char* kNameMessage = "Character Creation: Name your Character";
constexpr const char* kNewSkillQuestion = "Will This be a new ";
constexpr const char* kGuideQuestion = "Taking this quirk or flaw will force you";
constexpr const char* kFreeQuirkTitle = "Free Quirk or Flaw";

} // namespace

AutoPlayerError::AutoPlayerError(const std::string& step, const std::string& question)
    : std::runtime_error("the automatic player cannot go on at the step \"" + step +
                         "\": it was asked \"" + question + "\""),
      step_(step), question_(question) {}

AutoPlayerPort::AutoPlayerPort(std::function<int(int)> pick, std::function<std::string()> name)
    : pick_(std::move(pick)), name_(std::move(name)) {}

void AutoPlayerPort::EnterStep(const std::string& step) {
    step_ = step;
    questions_ = 0;
}

void AutoPlayerPort::Count(const std::string& question) {
    if (++questions_ > kMostQuestionsPerStep) {
        throw AutoPlayerError(step_, question + " (asked " + std::to_string(questions_) +
                                         " times without the step going on)");
    }
}

void AutoPlayerPort::Refuse(const std::string& question) const {
    throw AutoPlayerError(step_, question);
}

bool AutoPlayerPort::AskYesNo(const std::string& message, const std::string& caption) {
    Count(caption + ": " + message);
    if (caption == kAcceptCaption) {
        return true; // every roll is taken as it falls
    }
    if (Contains(message, kNewSkillQuestion)) {
        return false; // improves the form it holds rather than naming a new one
    }
    if (Contains(message, kGuideQuestion)) {
        return false; // stays free to take any class
    }
    if (message == kOpenSpellBookQuestion) {
        return true; // a caster leaves its creation with a spell book
    }
    Refuse(caption + ": " + message);
}

long AutoPlayerPort::AskNumber(const std::string& message, const std::string& prompt,
                               const std::string& caption, long value, long min, long max) {
    Count(caption + ": " + message);
    if (caption == kOwnRollCaption || message == kOwnRollCaption) {
        return value; // the roll as the dice made it, whatever the options say about typing
    }
    if (caption == kMoneyBpCaption) {
        return std::max(0L, min); // keeps its BP for skills
    }
    (void)prompt;
    (void)max;
    Refuse(caption + ": " + message);
}

std::optional<long> AutoPlayerPort::AskInteger(const std::string& message,
                                               const std::string& caption, long, long, long) {
    Refuse(caption + ": " + message);
}

std::optional<std::string> AutoPlayerPort::AskText(const std::string& message,
                                                   const std::string& caption, const std::string&) {
    Count(caption + ": " + message);
    if (message == kNameMessage) {
        return name_();
    }
    if (caption == kSkillStepTitle) {
        return std::string(); // names no new form of a skill: the purchase is declined
    }
    Refuse(caption + ": " + message);
}

std::optional<int> AutoPlayerPort::AskChoice(const std::string& message, const std::string& caption,
                                             const std::vector<std::string>& choices) {
    Count(caption + ": " + message);
    if (choices.empty()) {
        Refuse(caption + ": " + message + " (with nothing to choose from)");
    }
    if (caption == kSkillStepTitle || caption == kFreeQuirkTitle) {
        return pick_(static_cast<int>(choices.size()));
    }
    Refuse(caption + ": " + message);
}

void AutoPlayerPort::ShowMessage(const std::string& text, const std::string&) {
    last_message_ = text;
}
