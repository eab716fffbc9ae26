#include "collections/core/set_family.h"

namespace collections {
namespace {

const std::string unionSign = " \u222a ";
const std::string intersectionSign = " \u2229 ";

// The elements common to the sets whose bits are in `choice`.
long intersectionSize(const SetFamily& family, unsigned choice) {
    long count = 0;
    for (long element : family.universe) {
        const auto region = static_cast<unsigned>(regionOf(family, element));
        if ((region & choice) == choice)
            ++count;
    }
    return count;
}

std::string namesJoined(unsigned choice, const std::string& sign) {
    std::string text;
    for (int set = 0; set < largestSetCount; ++set)
        if (choice & (1u << set))
            text += (text.empty() ? "" : sign) + setName(set);
    return text;
}

int bitCount(unsigned choice) {
    int count = 0;
    for (; choice; choice &= choice - 1)
        ++count;
    return count;
}

// The non-empty choices of sets, singles first, then pairs, then the triple.
std::vector<unsigned> choicesBySize(int setCount) {
    std::vector<unsigned> choices;
    for (int size = 1; size <= setCount; ++size)
        for (unsigned choice = 1; choice < (1u << setCount); ++choice)
            if (bitCount(choice) == size)
                choices.push_back(choice);
    return choices;
}

} // namespace

int regionOf(const SetFamily& family, long element) {
    int region = 0;
    for (std::size_t set = 0; set < family.sets.size(); ++set)
        if (family.sets[set].count(element))
            region |= 1 << set;
    return region;
}

Elements elementsIn(const SetFamily& family, RegionMask regions) {
    Elements result;
    for (long element : family.universe)
        if (regions & (1u << regionOf(family, element)))
            result.insert(element);
    return result;
}

Elements outsideUniverse(const SetFamily& family) {
    Elements outside;
    for (const Elements& set : family.sets)
        for (long element : set)
            if (!family.universe.count(element))
                outside.insert(element);
    return outside;
}

long inclusionExclusionCount(const SetFamily& family) {
    long total = 0;
    for (unsigned choice : choicesBySize(static_cast<int>(family.sets.size())))
        total += (bitCount(choice) % 2 ? 1 : -1) * intersectionSize(family, choice);
    return total;
}

std::string inclusionExclusionText(const SetFamily& family) {
    const int setCount = static_cast<int>(family.sets.size());
    std::string formula;
    std::string numbers;
    for (unsigned choice : choicesBySize(setCount)) {
        const bool plus = bitCount(choice) % 2 == 1;
        const std::string sign = formula.empty() ? "" : (plus ? " + " : " \u2212 ");
        formula += sign + "|" + namesJoined(choice, intersectionSign) + "|";
        numbers += sign + std::to_string(intersectionSize(family, choice));
    }
    const unsigned all = (1u << setCount) - 1u;
    return "|" + namesJoined(all, unionSign) + "| = " + formula + " = " + numbers + " = " +
           std::to_string(inclusionExclusionCount(family));
}

} // namespace collections
