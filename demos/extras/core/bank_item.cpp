#include "extras/core/bank_item.h"

#include <algorithm>
#include <set>

namespace extras {
namespace {

constexpr std::size_t fewestChoices = 2;
constexpr std::size_t mostChoices = 5;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

struct ItemUnderway {
    BankItem item;
    int firstLine = 0;
    std::string answerLetter;
    bool started = false;
};

std::string where(int line) {
    return "line " + std::to_string(line) + ": ";
}

// The reason the item cannot be used, or "" when it is whole.
std::string whatIsMissing(ItemUnderway& underway) {
    BankItem& item = underway.item;
    if (item.id.empty())
        return "the item has no id";
    if (item.topic.empty())
        return "item " + item.id + " has no topic";
    if (item.question.empty())
        return "item " + item.id + " has no question";
    if (item.choices.size() < fewestChoices || item.choices.size() > mostChoices)
        return "item " + item.id + " has " + std::to_string(item.choices.size()) +
               " choices; it needs 2 to 5";
    if (underway.answerLetter.size() != 1)
        return "item " + item.id + " needs one answer letter";
    const int index = underway.answerLetter[0] - 'A';
    if (index < 0 || index >= static_cast<int>(item.choices.size()))
        return "item " + item.id + ": the answer letter " + underway.answerLetter +
               " names no choice";
    item.answer = index;
    if (item.solution.empty())
        return "item " + item.id + " has no worked solution";
    return {};
}

class BankReader {
  public:
    BankReading read(std::string_view text) {
        int lineNumber = 0;
        std::size_t at = 0;
        while (at <= text.size()) {
            const auto end = std::min(text.find('\n', at), text.size());
            readLine(trimmed(text.substr(at, end - at)), ++lineNumber);
            at = end + 1;
        }
        finishItem();
        return std::move(reading_);
    }

  private:
    void readLine(std::string_view line, int lineNumber) {
        if (line.empty()) {
            finishItem();
            return;
        }
        if (line.front() == '#')
            return;
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            reading_.problems.push_back(where(lineNumber) + "expected \"key: value\"");
            return;
        }
        if (!underway_.started) {
            underway_ = ItemUnderway{};
            underway_.started = true;
            underway_.firstLine = lineNumber;
        }
        store(trimmed(line.substr(0, colon)), std::string(trimmed(line.substr(colon + 1))),
              lineNumber);
    }

    void store(std::string_view key, std::string value, int lineNumber) {
        BankItem& item = underway_.item;
        if (key == "id")
            item.id = std::move(value);
        else if (key == "topic")
            item.topic = std::move(value);
        else if (key == "question")
            item.question = std::move(value);
        else if (key == "choice")
            item.choices.push_back(std::move(value));
        else if (key == "answer")
            underway_.answerLetter = std::move(value);
        else if (key == "solution")
            item.solution.push_back(std::move(value));
        else
            reading_.problems.push_back(where(lineNumber) + "unknown key \"" + std::string(key) +
                                        "\"");
    }

    void finishItem() {
        if (!underway_.started)
            return;
        underway_.started = false;
        const std::string missing = whatIsMissing(underway_);
        if (!missing.empty()) {
            reading_.problems.push_back(where(underway_.firstLine) + missing);
            return;
        }
        if (!ids_.insert(underway_.item.id).second) {
            reading_.problems.push_back(where(underway_.firstLine) + "the id " + underway_.item.id +
                                        " is used twice");
            return;
        }
        reading_.items.push_back(std::move(underway_.item));
    }

    BankReading reading_;
    ItemUnderway underway_;
    std::set<std::string> ids_;
};

} // namespace

BankReading readBank(std::string_view text) {
    return BankReader().read(text);
}

std::string choiceLetter(int index) {
    return std::string(1, static_cast<char>('A' + index));
}

} // namespace extras
