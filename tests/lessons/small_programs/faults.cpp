#include "faults.h"

#include "platform/text/windows1252.h"

namespace small_programs {

void Faults::add(int page, const std::string& message) {
    messages_.push_back(program_ + ", Page " + std::to_string(page) + ": " + message);
}

void Faults::add(const std::string& message) {
    messages_.push_back(program_ + ": " + message);
}

std::string Faults::report() const {
    std::string out = std::to_string(messages_.size()) + " fault(s):";
    for (const auto& m : messages_)
        out += "\n  " + platform::windows1252ToUtf8(m);
    return out;
}

std::string shown(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace small_programs
