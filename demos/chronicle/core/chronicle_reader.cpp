#include "chronicle/core/chronicle_reader.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

namespace chronicle {
namespace {

struct Field {
    std::string key, value;
    int line = 0;
};

struct Record {
    std::vector<Field> fields;
    int firstLine = 0;
};

std::string trimmed(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string quoted(const std::string& text) {
    return "\u2018" + text + "\u2019";
}

struct Fault {
    int line;
    std::string message;
};

bool isFieldKey(const std::string& key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return std::islower(static_cast<unsigned char>(c)) || c == '-';
    });
}

// Splits the text into records; the account field takes every later line of its record.
std::vector<Record> splitRecords(const std::string& text) {
    std::vector<Record> records;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    bool inRecord = false, inAccount = false;
    while (std::getline(lines, line)) {
        ++number;
        const std::string content = trimmed(line);
        if (content.empty()) {
            inRecord = inAccount = false;
            continue;
        }
        if (content.front() == '#')
            continue;
        if (!inRecord) {
            records.push_back({{}, number});
            inRecord = true;
        }
        auto& fields = records.back().fields;
        if (inAccount) {
            fields.back().value += " " + content;
            continue;
        }
        const std::size_t colon = content.find(':');
        Field field{colon == std::string::npos ? std::string{} : content.substr(0, colon),
                    colon == std::string::npos ? content : trimmed(content.substr(colon + 1)),
                    number};
        inAccount = field.key == "account";
        fields.push_back(std::move(field));
    }
    return records;
}

class RecordFields {
  public:
    RecordFields(const Record& record, std::set<std::string> allowed) {
        for (const Field& field : record.fields) {
            if (!isFieldKey(field.key))
                throw Fault{field.line,
                            "expected \u2018field: value\u2019, found " + quoted(field.value)};
            if (!allowed.count(field.key))
                throw Fault{field.line, "unknown field " + quoted(field.key)};
            if (!byKey_.emplace(field.key, field).second)
                throw Fault{field.line, "the field " + quoted(field.key) + " is given twice"};
            if (field.value.empty())
                throw Fault{field.line, "the field " + quoted(field.key) + " is empty"};
        }
        firstLine_ = record.firstLine;
    }

    const Field* find(const std::string& key) const {
        const auto it = byKey_.find(key);
        return it == byKey_.end() ? nullptr : &it->second;
    }
    const Field& need(const std::string& key, const std::string& what) const {
        if (const Field* field = find(key))
            return *field;
        throw Fault{firstLine_, what + " has no " + quoted(key) + " field"};
    }
    std::optional<HistoricalYear> year(const std::string& key) const {
        const Field* field = find(key);
        if (!field)
            return std::nullopt;
        const auto year = parseYear(field->value);
        if (!year)
            throw Fault{field->line, quoted(key) +
                                         " is not a year such as \u20181687\u2019 or "
                                         "\u2018c. 300 BCE\u2019: " +
                                         quoted(field->value)};
        return year;
    }
    int line() const { return firstLine_; }

  private:
    std::map<std::string, Field> byKey_;
    int firstLine_ = 0;
};

Era readEra(const Record& record) {
    const RecordFields fields(record, {"era", "title", "from", "to", "account"});
    Era era{fields.need("era", "The era").value, fields.need("title", "The era").value, 0, 0,
            fields.need("account", "The era").value};
    const auto from = fields.year("from");
    const auto to = fields.year("to");
    if (!from || !to)
        throw Fault{record.firstLine, "the era needs \u2018from\u2019 and \u2018to\u2019 years"};
    era.from = from->value;
    era.to = to->value;
    if (era.from >= era.to)
        throw Fault{fields.need("to", "The era").line, "the era ends before it begins"};
    return era;
}

EntryKind kindOf(const Field& field) {
    for (EntryKind kind : {EntryKind::person, EntryKind::work, EntryKind::discovery})
        if (kindName(kind) == field.value)
            return kind;
    throw Fault{field.line,
                "the kind must be person, work or discovery, not " + quoted(field.value)};
}

std::vector<Subject> subjectsOf(const Field& field) {
    std::vector<Subject> subjects;
    std::istringstream names(field.value);
    std::string name;
    while (std::getline(names, name, ',')) {
        const auto subject = subjectNamed(trimmed(name));
        if (!subject)
            throw Fault{field.line, quoted(trimmed(name)) +
                                        " is not a subject (algebra, number theory, geometry, "
                                        "probability, statistics, calculus)"};
        if (std::find(subjects.begin(), subjects.end(), *subject) != subjects.end())
            throw Fault{field.line, quoted(trimmed(name)) + " is named twice"};
        subjects.push_back(*subject);
    }
    return subjects;
}

void readPersonDates(const RecordFields& fields, Entry& entry) {
    entry.born = fields.year("born");
    entry.died = fields.year("died");
    entry.flourished = fields.year("flourished");
    if (entry.born.has_value() != entry.died.has_value())
        throw Fault{fields.line(), "a person needs both \u2018born\u2019 and \u2018died\u2019"};
    if (entry.born.has_value() == entry.flourished.has_value())
        throw Fault{fields.line(), "a person has \u2018born\u2019 and \u2018died\u2019, or "
                                   "\u2018flourished\u2019, not both or neither"};
    for (const char* key : {"date", "by", "posthumous"})
        if (const Field* field = fields.find(key))
            throw Fault{field->line, "a person has no " + quoted(key)};
    entry.knownFor = fields.need("known-for", "A person").value;
}

void readWorkDates(const RecordFields& fields, Entry& entry) {
    for (const char* key : {"born", "died", "flourished", "known-for"})
        if (const Field* field = fields.find(key))
            throw Fault{field->line, "a " + kindName(entry.kind) + " has no " + quoted(key)};
    fields.need("date", "A " + kindName(entry.kind));
    entry.date = fields.year("date");
    if (const Field* by = fields.find("by"))
        entry.by = by->value;
    if (const Field* posthumous = fields.find("posthumous")) {
        if (posthumous->value != "yes")
            throw Fault{posthumous->line, "\u2018posthumous\u2019 can only be \u2018yes\u2019"};
        if (entry.by.empty())
            throw Fault{posthumous->line, "a posthumous work needs \u2018by\u2019"};
        entry.posthumous = true;
    }
}

Entry readEntry(const Record& record) {
    const RecordFields fields(record, {"entry", "kind", "born", "died", "flourished", "date", "by",
                                       "posthumous", "place", "subjects", "known-for", "account"});
    Entry entry;
    entry.name = fields.need("entry", "The entry").value;
    entry.kind = kindOf(fields.need("kind", "The entry"));
    if (entry.kind == EntryKind::person)
        readPersonDates(fields, entry);
    else
        readWorkDates(fields, entry);
    entry.place = fields.need("place", "The entry").value;
    entry.subjects = subjectsOf(fields.need("subjects", "The entry"));
    entry.account = fields.need("account", "The entry").value;
    return entry;
}

void readFile(const SourceText& source, Chronicle& chronicle) {
    bool eraGiven = false;
    for (const Record& record : splitRecords(source.text)) {
        const std::string& first = record.fields.front().key;
        if (first == "era") {
            chronicle.eras.push_back(readEra(record));
            eraGiven = true;
        } else if (first == "entry") {
            if (!eraGiven)
                throw Fault{record.firstLine, "an entry comes before the file's era record"};
            Entry entry = readEntry(record);
            entry.era = chronicle.eras.size() - 1;
            entry.source = {source.file, record.firstLine};
            chronicle.entries.push_back(std::move(entry));
        } else {
            throw Fault{record.firstLine,
                        "a record begins with \u2018era:\u2019 or \u2018entry:\u2019"};
        }
    }
}

std::optional<ReadError> checkNames(const Chronicle& chronicle) {
    std::set<std::string> names;
    for (const Entry& entry : chronicle.entries)
        if (!names.insert(entry.name).second)
            return ReadError{entry.source.file, entry.source.line,
                             "the entry " + quoted(entry.name) + " is given twice"};
    for (const Entry& entry : chronicle.entries) {
        if (entry.by.empty())
            continue;
        const auto author = entryNamed(chronicle, entry.by);
        if (!author || chronicle.entries[*author].kind != EntryKind::person)
            return ReadError{entry.source.file, entry.source.line,
                             quoted(entry.by) + " is not a person of the history"};
    }
    return std::nullopt;
}

} // namespace

std::string ReadError::text() const {
    return file + ", line " + std::to_string(line) + ": " + message;
}

ReadOutcome readChronicle(const std::vector<SourceText>& files) {
    ReadOutcome outcome;
    for (const SourceText& source : files) {
        try {
            readFile(source, outcome.chronicle);
        } catch (const Fault& fault) {
            return {{}, ReadError{source.file, fault.line, fault.message}};
        }
    }
    if (auto error = checkNames(outcome.chronicle))
        return {{}, std::move(error)};
    return outcome;
}

} // namespace chronicle
