#include "cli/command_line.h"

#include <iostream>
#include <map>
#include <memory>
#include <sstream>

#include <CLI/CLI.hpp>

namespace {

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : separator) + part;
    }
    return text;
}

// What the verb's own form, each sub-verb and the closing note do, a paragraph each.
std::string VerbHelpText(const VerbSpec& verb) {
    std::vector<std::string> parts;
    if (verb.help) {
        parts.emplace_back(verb.help);
    }
    for (const VerbSpec& sub : verb.sub_verbs) {
        parts.push_back(VerbHelpText(sub));
    }
    if (verb.note) {
        parts.emplace_back(verb.note);
    }
    return Joined(parts, "\n");
}

bool IsLongOption(const std::string& word) {
    return word.size() > 2 && word.compare(0, 2, "--") == 0;
}

// "fraymark VERB --help": the verb's forms and what they do, then the options CLI11 lists;
// "fraymark --help": the overview of every verb.
class VerbHelp : public CLI::Formatter {
public:
    std::string overview;
    std::map<const CLI::App*, std::string> usages;

    std::string make_help(const CLI::App* app, std::string,
                          CLI::AppFormatMode mode) const override {
        if (app->get_parent() == nullptr) {
            return overview;
        }
        return "Usage: " + usages.at(app) + "\n\n" + app->get_description() + "\n" +
               make_groups(app, mode);
    }
};

// One verb or sub-verb as CLI11 knows it.
struct ParsedVerb {
    const VerbSpec* spec;
    std::string path;             // "character show", as messages name it
    CLI::Option* words = nullptr; // the positional words, when the verb takes any
};

class CommandLine {
public:
    CommandLine(const std::vector<VerbSpec>& verbs, const std::string& overview)
        : help_(std::make_shared<VerbHelp>()) {
        help_->overview = overview;
        app_.formatter(help_);
        app_.allow_extras();
        app_.require_subcommand(0, 1);
        for (const VerbSpec& verb : verbs) {
            Add(app_, nullptr, verb, verb.name);
        }
    }

    int Run(int argc, char** argv) {
        try {
            app_.parse(argc, argv);
        } catch (const CLI::CallForHelp&) {
            std::cout << app_.help();
            return kExitOk;
        } catch (const CLI::ParseError& error) {
            const std::vector<CLI::App*> chain = Chain();
            return UsageFailure((chain.empty() ? "" : verbs_.at(chain.back()).path + ": ") +
                                error.what());
        }
        if (!app_.remaining().empty()) {
            return UsageFailure("unknown verb '" + app_.remaining().front() +
                                "' (fraymark --help lists them)");
        }
        const std::vector<CLI::App*> chain = Chain();
        if (chain.empty()) {
            std::cerr << help_->overview;
            return kExitUsage;
        }
        CliArgs args;
        if (!Collect(chain, args)) {
            return kExitUsage;
        }
        const ParsedVerb& verb = verbs_.at(chain.back());
        if (verb.spec->run) {
            return verb.spec->run(args);
        }
        const VerbSpec& spec = *verb.spec;
        if (args.positional.empty() || !spec.kind) {
            return UsageFailure(verb.path + ": " + spec.when_missing);
        }
        return UsageFailure(verb.path + ": unknown " + spec.kind + " '" + args.positional.front() +
                            "' (" + spec.choices + ")");
    }

private:
    void Add(CLI::App& parent, const VerbSpec* parent_spec, const VerbSpec& spec,
             const std::string& path) {
        CLI::App* app = parent.add_subcommand(spec.name, VerbHelpText(spec));
        app->allow_extras();
        // One sub-verb at most, so that a later word naming a verb stays a word.
        app->require_subcommand(0, 1);
        // A sub-verb reads the options its verb declares for it (`crit severity --clock T`).
        app->fallthrough(parent_spec && !parent_spec->options.empty());
        help_->usages[app] = VerbUsage(spec);
        for (const OptionSpec& option : spec.options) {
            const std::string name = std::string("--") + option.name;
            if (!option.value) {
                app->add_flag(name, option.help);
                continue;
            }
            // A missing value is reported by Collect, in the verb's own words.
            app->add_option(name, option.help)
                ->type_name(option.value)
                ->expected(0, 1)
                ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        }
        ParsedVerb& parsed = verbs_[app];
        parsed = {&spec, path};
        if (spec.words) {
            parsed.words = app->add_option("words", spec.words)
                               ->type_name("")
                               ->expected(0, -1)
                               ->allow_extra_args();
        }
        for (const VerbSpec& sub : spec.sub_verbs) {
            Add(*app, &spec, sub, path + " " + sub.name);
        }
    }

    // The verb given and its sub-verb, when one is.
    std::vector<CLI::App*> Chain() const {
        std::vector<CLI::App*> chain;
        for (const CLI::App* app = &app_; !app->get_subcommands().empty();) {
            chain.push_back(app->get_subcommands().front());
            app = chain.back();
        }
        return chain;
    }

    // The options given to the verbs of `chain` and the last one's positional words; false
    // after a usage message for an unknown option, a missing value or a word too many.
    bool Collect(const std::vector<CLI::App*>& chain, CliArgs& args) const {
        for (const CLI::App* app : chain) {
            for (const std::string& word : app->remaining()) {
                if (IsLongOption(word)) {
                    UsageFailure(verbs_.at(app).path + ": unknown option " + word);
                    return false;
                }
            }
        }
        for (const CLI::App* app : chain) {
            const ParsedVerb& verb = verbs_.at(app);
            for (const CLI::Option* option : app->get_options()) {
                if (option == app->get_help_ptr() || option == verb.words || option->count() == 0) {
                    continue;
                }
                const std::string name = option->get_single_name();
                if (option->get_type_size_max() == 0) {
                    args.options[name] = "";
                } else if (option->results().back().empty()) {
                    UsageFailure(verb.path + ": option --" + name + " needs a value");
                    return false;
                } else {
                    args.options[name] = option->results().back();
                }
            }
            std::vector<std::string> words = app->remaining();
            if (verb.words) {
                words.insert(words.begin(), verb.words->results().begin(),
                             verb.words->results().end());
            }
            const bool last = app == chain.back();
            // A word a sub-verb does not take may have fallen through to its verb.
            if (!words.empty() && (!last || (!verb.words && verb.spec->run))) {
                UsageFailure(verbs_.at(chain.back()).path + ": unexpected argument '" +
                             words.front() + "'");
                return false;
            }
            args.positional = words;
        }
        return true;
    }

    CLI::App app_{"", "fraymark"};
    std::shared_ptr<VerbHelp> help_;
    std::map<const CLI::App*, ParsedVerb> verbs_;
};

} // namespace

std::string VerbUsage(const VerbSpec& verb) {
    std::vector<std::string> forms;
    if (verb.usage) {
        forms.emplace_back(verb.usage);
    }
    for (const VerbSpec& sub : verb.sub_verbs) {
        forms.push_back(VerbUsage(sub));
    }
    return Joined(forms, " | ");
}

int RunCommandLine(const std::vector<VerbSpec>& verbs, int argc, char** argv,
                   void (*overview)(std::ostream&)) {
    std::ostringstream text;
    overview(text);
    return CommandLine(verbs, text.str()).Run(argc, argv);
}
