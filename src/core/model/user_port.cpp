#include "core/model/user_port.h"

#include <iostream>

namespace {

class HeadlessPort final : public WindowlessPort {
public:
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    long AskNumber(const std::string&, const std::string&, const std::string&, long value, long,
                   long) override {
        return value;
    }
    std::optional<long> AskInteger(const std::string&, const std::string&, long value, long,
                                   long) override {
        return value;
    }
    std::optional<std::string> AskText(const std::string&, const std::string&,
                                       const std::string& value) override {
        return value;
    }
    std::optional<int> AskChoice(const std::string&, const std::string&,
                                 const std::vector<std::string>& choices) override {
        if (choices.empty()) {
            return std::nullopt;
        }
        return 0;
    }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        std::cerr << caption << ": " << text << '\n';
    }
};

HeadlessPort headless_port;
UserPort* installed_port = &headless_port;

} // namespace

UserPort& Port() {
    return *installed_port;
}

UserPort* InstallUserPort(UserPort* port) {
    UserPort* previous = installed_port;
    installed_port = port ? port : &headless_port;
    return previous;
}
