#include "page_faults.h"

#include "platform/text/windows1252.h"

namespace lesson_tests {

void PageFaults::add(int page, const std::string& message) {
    messages_.push_back(program_ + ", Page " + std::to_string(page) + ": " + message);
}

void PageFaults::add(const std::string& message) {
    messages_.push_back(program_ + ": " + message);
}

void PageFaults::addAsIs(const std::string& message) {
    messages_.push_back(message);
}

void PageFaults::addMissing(const std::vector<int>& pages) {
    std::string ranges;
    for (std::size_t i = 0; i < pages.size();) {
        std::size_t j = i;
        while (j + 1 < pages.size() && pages[j + 1] == pages[j] + 1)
            ++j;
        ranges += (ranges.empty() ? "" : ", ") + std::to_string(pages[i]) +
                  (j > i ? "-" + std::to_string(pages[j]) : "");
        i = j + 1;
    }
    if (!ranges.empty())
        messages_.push_back(program_ + ", Pages " + ranges + ": missing from lessons/" + program_);
}

std::string PageFaults::report() const {
    std::string out = std::to_string(messages_.size()) + " fault(s):";
    for (const auto& m : messages_)
        out += "\n  " + platform::windows1252ToUtf8(m);
    return out;
}

std::string shown(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace lesson_tests
