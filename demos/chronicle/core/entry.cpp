#include "chronicle/core/entry.h"

namespace chronicle {

std::string kindName(EntryKind kind) {
    switch (kind) {
    case EntryKind::person:
        return "person";
    case EntryKind::work:
        return "work";
    case EntryKind::discovery:
        return "discovery";
    }
    return {};
}

int placingYear(const Entry& entry) {
    if (entry.born)
        return entry.born->value;
    if (entry.flourished)
        return entry.flourished->value;
    return entry.date ? entry.date->value : 0;
}

int endingYear(const Entry& entry) {
    return entry.died ? entry.died->value : placingYear(entry);
}

std::string datesText(const Entry& entry) {
    if (entry.born && entry.died)
        return yearText(*entry.born) + " \u2013 " + yearText(*entry.died);
    if (entry.flourished)
        return "fl. " + yearText(*entry.flourished);
    return entry.date ? yearText(*entry.date) : std::string{};
}

std::optional<std::size_t> entryNamed(const Chronicle& chronicle, const std::string& name) {
    for (std::size_t i = 0; i < chronicle.entries.size(); ++i)
        if (chronicle.entries[i].name == name)
            return i;
    return std::nullopt;
}

} // namespace chronicle
