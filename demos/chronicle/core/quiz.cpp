#include "chronicle/core/quiz.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <stdexcept>

namespace chronicle {
namespace {

template <class T> void shuffle(std::vector<T>& items, kit::Random& random) {
    for (std::size_t i = items.size(); i > 1; --i) {
        const auto j =
            static_cast<std::size_t>(random.between(0, static_cast<std::int64_t>(i) - 1));
        std::swap(items[i - 1], items[j]);
    }
}

std::vector<std::size_t> entriesWhere(const Chronicle& chronicle,
                                      const std::function<bool(const Entry&)>& wanted) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < chronicle.entries.size(); ++i)
        if (wanted(chronicle.entries[i]))
            found.push_back(i);
    return found;
}

// The entries of `all` that may be asked about (all of them when no flags are given).
std::vector<std::size_t> askable(const std::vector<std::size_t>& all,
                                 const std::vector<bool>& asked) {
    if (asked.empty())
        return all;
    std::vector<std::size_t> kept;
    for (std::size_t index : all)
        if (index < asked.size() && asked[index])
            kept.push_back(index);
    return kept;
}

// The askable ones when there are any, else every one.
std::vector<std::size_t> askableOrAll(const std::vector<std::size_t>& all,
                                      const std::vector<bool>& asked) {
    auto kept = askable(all, asked);
    return kept.empty() ? all : kept;
}

std::size_t eraDistance(const Entry& a, const Entry& b) {
    return a.era > b.era ? a.era - b.era : b.era - a.era;
}

// Puts the right entry among the others in a random order and names each choice.
Question choiceQuestion(const Chronicle& chronicle, std::vector<std::size_t> shown,
                        std::size_t right, kit::Random& random) {
    shuffle(shown, random);
    Question question;
    question.choiceEntries = shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        question.choices.push_back(chronicle.entries[shown[i]].name);
        if (shown[i] == right)
            question.rightChoice = i;
    }
    question.answerEntry = right;
    return question;
}

Question whoQuestion(const Chronicle& chronicle, const std::vector<bool>& asked,
                     kit::Random& random) {
    const auto persons =
        entriesWhere(chronicle, [](const Entry& e) { return e.kind == EntryKind::person; });
    const std::size_t right = random.pick(askableOrAll(persons, asked));
    const Entry& person = chronicle.entries[right];
    std::vector<std::size_t> near, far;
    for (std::size_t other : persons)
        if (other != right)
            (eraDistance(chronicle.entries[other], person) <= 1 ? near : far).push_back(other);
    shuffle(near, random);
    shuffle(far, random);
    near.insert(near.end(), far.begin(), far.end());
    std::vector<std::size_t> shown{right};
    shown.insert(shown.end(), near.begin(), near.begin() + (choicesPerQuestion - 1));
    Question question = choiceQuestion(chronicle, shown, right, random);
    question.kind = QuestionKind::who;
    question.prompt = "Who " + person.knownFor + "?";
    return question;
}

bool centuryIsClear(const HistoricalYear& year) {
    return !year.approximate || (centuryOf(year.value - 10) == centuryOf(year.value) &&
                                 centuryOf(year.value + 10) == centuryOf(year.value));
}

std::optional<HistoricalYear> askedYear(const Entry& entry) {
    if (entry.born)
        return entry.born;
    return entry.flourished ? entry.flourished : entry.date;
}

std::string whenPrompt(const Entry& entry) {
    if (entry.born)
        return "In which century was " + entry.name + " born?";
    if (entry.flourished)
        return "In which century did " + entry.name + " flourish?";
    return "From which century does \u201c" + entry.name + "\u201d date?";
}

std::string centuryName(int century) {
    return centuryText(century > 0 ? (century - 1) * 100 + 1 : century * 100);
}

Question whenQuestion(const Chronicle& chronicle, const std::vector<bool>& asked,
                      kit::Random& random) {
    const auto clear = entriesWhere(chronicle, [](const Entry& e) {
        const auto year = askedYear(e);
        return year && centuryIsClear(*year);
    });
    Question question;
    question.kind = QuestionKind::when;
    question.answerEntry = random.pick(askableOrAll(clear, asked));
    const Entry& entry = chronicle.entries[question.answerEntry];
    const int right = centuryOf(askedYear(entry)->value);
    std::vector<int> centuries{right};
    std::vector<int> offsets{-3, -2, -1, 1, 2, 3};
    shuffle(offsets, random);
    // Counted without a gap: the 1st century is 0 and the 1st century BCE is -1.
    const int rightCount = right > 0 ? right - 1 : right;
    for (int offset : offsets) {
        const int count = rightCount + offset;
        const int other = count >= 0 ? count + 1 : count;
        // No century after the last of the history is offered.
        if (centuries.size() < choicesPerQuestion && other <= centuryOf(2000))
            centuries.push_back(other);
    }
    shuffle(centuries, random);
    for (std::size_t i = 0; i < centuries.size(); ++i) {
        question.choices.push_back(centuryName(centuries[i]));
        if (centuries[i] == right)
            question.rightChoice = i;
    }
    question.prompt = whenPrompt(entry);
    return question;
}

// The earliest of the shown entries, when it is clearly earlier than every other.
std::optional<std::size_t> clearlyEarliest(const Chronicle& chronicle,
                                           const std::vector<std::size_t>& shown) {
    std::vector<std::size_t> order = shown;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return placingYear(chronicle.entries[a]) < placingYear(chronicle.entries[b]);
    });
    const Entry& first = chronicle.entries[order[0]];
    const Entry& second = chronicle.entries[order[1]];
    const auto rough = [](const Entry& e) { return askedYear(e)->approximate; };
    const int margin = rough(first) || rough(second) ? 20 : 1;
    if (placingYear(second) - placingYear(first) < margin)
        return std::nullopt;
    return order[0];
}

std::optional<Question> earliestAmong(const Chronicle& chronicle,
                                      const std::vector<std::size_t>& pool, kit::Random& random) {
    if (pool.size() < choicesPerQuestion)
        return std::nullopt;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::vector<std::size_t> candidates = pool;
        shuffle(candidates, random);
        candidates.resize(choicesPerQuestion);
        if (const auto earliest = clearlyEarliest(chronicle, candidates))
            return choiceQuestion(chronicle, candidates, *earliest, random);
    }
    return std::nullopt;
}

Question whichFirstQuestion(const Chronicle& chronicle, const std::vector<bool>& asked,
                            kit::Random& random) {
    const bool byBirth = random.chance(0.5);
    const auto births = entriesWhere(chronicle, [](const Entry& e) { return e.born.has_value(); });
    const auto deeds =
        entriesWhere(chronicle, [](const Entry& e) { return e.kind != EntryKind::person; });
    // The asked entries of the chosen sort, then those of the other sort, then every entry.
    const std::vector<std::pair<bool, std::vector<std::size_t>>> pools{
        {byBirth, askable(byBirth ? births : deeds, asked)},
        {!byBirth, askable(byBirth ? deeds : births, asked)},
        {byBirth, byBirth ? births : deeds}};
    for (const auto& [persons, pool] : pools) {
        if (auto question = earliestAmong(chronicle, pool, random)) {
            question->kind = QuestionKind::whichFirst;
            question->prompt = persons ? "Who was born first?" : "Which came first?";
            return *question;
        }
    }
    throw std::runtime_error("no four entries with a clearly earliest one");
}

} // namespace

int centuryOf(int year) {
    return year < 0 ? -((-year - 1) / 100 + 1) : (year - 1) / 100 + 1;
}

Question makeQuestion(const Chronicle& chronicle, QuestionKind kind, kit::Seed seed,
                      const std::vector<bool>& asked) {
    kit::Random random(seed);
    switch (kind) {
    case QuestionKind::who:
        return whoQuestion(chronicle, asked, random);
    case QuestionKind::when:
        return whenQuestion(chronicle, asked, random);
    case QuestionKind::whichFirst:
        return whichFirstQuestion(chronicle, asked, random);
    }
    return whoQuestion(chronicle, asked, random);
}

Question makeQuestion(const Chronicle& chronicle, kit::Seed seed, const std::vector<bool>& asked) {
    kit::Random random(seed);
    const std::int64_t kind = random.between(0, 2);
    return makeQuestion(chronicle, static_cast<QuestionKind>(kind), random.next(), asked);
}

} // namespace chronicle
