#include "engine/view/saved_place_commands.h"

#include "engine/core/saved_place.h"
#include "platform/qt/course_text.h"
#include "platform/qt/message_box.h"

#include <QFileDialog>

#include <fstream>
#include <sstream>

namespace engine {
namespace {

// "*.num|*.num" (description and pattern) as a Qt dialog filter.
QString qtFilter(const std::string& filter) {
    const auto bar = filter.find('|');
    const std::string description = filter.substr(0, bar);
    const std::string pattern = bar == std::string::npos ? filter : filter.substr(bar + 1);
    return QString::fromStdString(description + " (" + pattern + ")");
}

std::string chooseFile(QWidget* owner, const std::string& title, const std::string& filter,
                       bool saving) {
    const QString name =
        saving ? QFileDialog::getSaveFileName(owner, QString::fromStdString(title), QString(),
                                              qtFilter(filter), nullptr,
                                              QFileDialog::DontConfirmOverwrite)
               : QFileDialog::getOpenFileName(owner, QString::fromStdString(title), QString(),
                                              qtFilter(filter));
    return name.toStdString();
}

} // namespace

SavedPlaceDialogs SavedPlaceDialogs::platformDialogs() {
    SavedPlaceDialogs d;
    d.chooseSaveFile = [](QWidget* o, const std::string& t, const std::string& f) {
        return chooseFile(o, t, f, true);
    };
    d.chooseOpenFile = [](QWidget* o, const std::string& t, const std::string& f) {
        return chooseFile(o, t, f, false);
    };
    d.message = [](QWidget* o, const std::string& title, const std::string& text, bool info) {
        platform::showMessage(o, title, text,
                              info ? platform::MessageIcon::Information : platform::MessageIcon::None);
    };
    return d;
}

SavedPlaceCommands::SavedPlaceCommands(LessonEngine& engine, QWidget* owner,
                                       SavedPlaceDialogs dialogs)
    : engine_(engine), owner_(owner), dialogs_(std::move(dialogs)) {}

std::string SavedPlaceCommands::savingNotice() const {
    const std::string section =
        engine_.catalogue().settings.name == "numbertheory" ? "the Statistics section" : "the section";
    return "Your current place in the tutorial will be saved.\rThe next time you run Orvo the "
           "Tamlex, select " +
           section + ", select Load and the name of your file.";
}

void SavedPlaceCommands::save() {
    const auto& settings = engine_.catalogue().settings.savedPlace;
    if (settings.extension.empty())
        return; // this program only loads places
    dialogs_.message(owner_, savedPlaceTitle, savingNotice(), true);
    const std::string chosen = dialogs_.chooseSaveFile(owner_, "Save File...", settings.filter);
    if (chosen.empty())
        return;
    std::ofstream out(withExtension(chosen, settings.extension), std::ios::binary | std::ios::trunc);
    out << formatSavedPlace(engine_.state());
    out.close();
    if (!out)
        dialogs_.message(owner_, savedPlaceTitle, cannotWriteMessage, false);
}

void SavedPlaceCommands::load() {
    const auto& settings = engine_.catalogue().settings.savedPlace;
    engine_.state().lessonChosen = true;
    const std::string chosen =
        dialogs_.chooseOpenFile(owner_, "Select a Saved Probability Lesson File", settings.filter);
    if (chosen.empty())
        return;
    std::ifstream in(chosen, std::ios::binary);
    std::optional<SavedPlace> place;
    if (in) {
        std::ostringstream text;
        text << in.rdbuf();
        place = parseSavedPlace(text.str());
    }
    // A file that cannot be read, is garbled or names a place that does not exist leaves
    // the place as it was.
    const bool taken = place && engine_.restorePlace(place->page, place->lesson, place->stepButtonCount);
    if (!taken) {
        dialogs_.message(owner_, savedPlaceTitle, cannotReadMessage, false);
        if (engine_.state().currentPage >= 1)
            engine_.showCurrentPage();
    }
}

} // namespace engine
