#include "constructionkit/view/construction_demo.h"

#include "constructionkit/core/construction.h"
#include "constructionkit/core/construction_exercises.h"
#include "constructionkit/view/construction_player.h"

#include <QFile>
#include <QLabel>

namespace constructions {
namespace {

kit::Parsed<Construction> readResource(const QString& name) {
    QFile file(":/construction/" + name + ".construction");
    if (!file.open(QIODevice::ReadOnly))
        return kit::ParseError{"the construction file of " + name.toStdString() + " is missing", 0};
    const QByteArray bytes = file.read(1 << 20);
    return parseConstruction(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Said in the practice pane too when the file cannot be read: nothing can be asked then.
kit::ExerciseKind unreadableKind(const std::string& fault) {
    return {"unreadable", "No exercises", [fault](kit::Seed) {
                kit::Exercise e;
                e.kind = "unreadable";
                e.prompt = "The construction cannot be read, so there are no exercises.";
                e.answerHint = "nothing can be checked";
                e.expectedAnswer = "-";
                e.check = [fault](std::string_view) { return kit::Verdict{false, fault}; };
                e.solutionSteps = {fault, "Reinstall the program."};
                return e;
            }};
}

} // namespace

kit::DemoDefinition constructionDemo(const QString& name) {
    kit::DemoDefinition def;
    def.programName = name;
    def.lessonResource = "qrc:/lesson/lesson.html";
    auto parsed = readResource(name);
    if (!parsed.ok()) {
        const std::string fault = "The construction file cannot be read: " + parsed.error().message;
        def.title = "Straight Edge and Compass";
        def.makeExplore = [fault](QWidget* parent) {
            auto* label = new QLabel(QString::fromStdString(fault), parent);
            label->setWordWrap(true);
            return label;
        };
        def.exerciseKinds = {unreadableKind(fault)};
        def.aboutText = QString::fromStdString(fault);
        return def;
    }
    auto construction = std::make_shared<const Construction>(std::move(parsed.value()));
    def.title = QString::fromStdString(construction->title) + " with Straight Edge and Compass";
    def.makeExplore = [construction](QWidget* parent) {
        return new ConstructionPlayer(construction, parent);
    };
    def.exerciseKinds = constructionExerciseKinds(construction);
    def.aboutText = QString::fromStdString(construction->title) +
                    " plays the construction step by step with the compass and the straight edge "
                    "and the reason of every step, lets you drag the given points while the "
                    "construction follows, lets you carry it out yourself with every step "
                    "checked, and sets exercises with worked solutions.";
    return def;
}

} // namespace constructions
