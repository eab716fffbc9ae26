#include "extras/view/extras_definition.h"

#include "extras/core/exam_builder.h"
#include "extras/core/exam_topics.h"
#include "extras/view/exam_panel.h"
#include "extras/view/question_bank_resource.h"

#include <memory>

namespace extras {
namespace {

// Single questions from the bank for one subtest, for practice without the clock.
kit::ExerciseKind bankKind(int subtest, std::shared_ptr<const std::vector<BankItem>> bank) {
    std::vector<const BankItem*> items;
    for (const BankItem& item : *bank) {
        const ExamTopic* topic = findTopic(item.topic);
        if (topic && topic->subtest == subtest)
            items.push_back(&item);
    }
    if (items.empty())
        return {}; // a bank without this subtest's items offers no practice for it
    const std::string_view title = subtestTitles[static_cast<std::size_t>(subtest)];
    return {"bank-" + std::to_string(subtest + 1),
            "A question of " + std::string(title.substr(0, title.find(':'))),
            [bank, items](kit::Seed seed) {
                kit::Random random(seed);
                return bankExercise(*random.pick(items));
            }};
}

} // namespace

kit::DemoDefinition demoDefinition(const QString& historyPath) {
    auto bank = std::make_shared<const std::vector<BankItem>>(builtInBank());
    const QString path = historyPath.isEmpty() ? HistoryStore::defaultPath() : historyPath;
    std::vector<kit::ExerciseKind> kinds;
    for (int subtest = 0; subtest < subtestCount; ++subtest) {
        kit::ExerciseKind kind = bankKind(subtest, bank);
        if (kind.generate)
            kinds.push_back(std::move(kind));
    }
    return {
        "extras",
        QObject::tr("Practice Examination"),
        "qrc:/lesson/lesson.html",
        [bank, path](QWidget* parent) -> QWidget* {
            return new ExamPanel(*bank, HistoryStore(path), parent);
        },
        std::move(kinds),
        QObject::tr("Timed practice examinations for the three subtests, with a report per "
                    "topic, a review of every question with its worked solution and the "
                    "history of your scores."),
    };
}

} // namespace extras
