#include "chronicle/core/entry_filter.h"

#include <algorithm>
#include <cctype>

namespace chronicle {
namespace {

std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Bytes of UTF-8 letters beyond ASCII count as letters, so "Viète" stays one word.
bool isWordByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return std::isalnum(byte) || byte >= 0x80;
}

bool nameContains(const Entry& entry, const std::string& search) {
    return lowered(entry.name).find(lowered(search)) != std::string::npos;
}

bool hasEveryWord(const Entry& entry, const std::string& search) {
    const auto words =
        wordsOf(entry.name + " " + entry.place + " " + entry.knownFor + " " + entry.account);
    for (const std::string& wanted : wordsOf(search)) {
        const bool found = std::any_of(words.begin(), words.end(), [&](const std::string& word) {
            return word.compare(0, wanted.size(), wanted) == 0;
        });
        if (!found)
            return false;
    }
    return true;
}

} // namespace

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (isWordByte(c)) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool EntryFilter::admits(const Entry& entry) const {
    const bool ofSubject = std::any_of(entry.subjects.begin(), entry.subjects.end(),
                                       [&](Subject s) { return subjects.count(s) > 0; });
    if (!ofSubject || (era && entry.era != *era))
        return false;
    if (search.find_first_not_of(" \t") == std::string::npos)
        return true;
    return mode == SearchMode::byName ? nameContains(entry, search) : hasEveryWord(entry, search);
}

} // namespace chronicle
