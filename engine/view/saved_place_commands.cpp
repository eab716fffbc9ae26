#include "engine/view/saved_place_commands.h"

#include "engine/core/saved_place.h"
#include "platform/qt/course_text.h"
#include "platform/qt/message_box.h"

#include <QFile>
#include <QFileDialog>
#include <QSaveFile>

namespace engine {
namespace {

// A saved place is four short lines; reading stops here whatever the file is.
constexpr qint64 savedPlaceReadLimit = 4096;

// Replaces the file atomically: a failed write leaves the old saved place as it was.
bool writeWhole(const std::string& path, const std::string& text) {
    // Unbuffered, so that a short write (a full disk) shows in write()'s count: a buffered
    // QSaveFile can commit a cut file.
    QSaveFile out(QString::fromStdString(path));
    const QByteArray bytes = QByteArray::fromStdString(text);
    return out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           out.write(bytes) == bytes.size() && out.commit();
}

std::optional<std::string> readHead(const std::string& path) {
    QFile in(QString::fromStdString(path));
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    return in.read(savedPlaceReadLimit).toStdString();
}

// "*.num|*.num" (description and pattern) as a Qt dialog filter.
QString qtFilter(const std::string& filter) {
    const auto bar = filter.find('|');
    const std::string description = filter.substr(0, bar);
    const std::string pattern = bar == std::string::npos ? filter : filter.substr(bar + 1);
    return QString::fromStdString(description + " (" + pattern + ")");
}

std::string chooseFile(QWidget* owner, const std::string& title, const std::string& filter,
                       bool saving) {
    const QString name = saving ? QFileDialog::getSaveFileName(owner, QString::fromStdString(title),
                                                               QString(), qtFilter(filter), nullptr,
                                                               QFileDialog::DontConfirmOverwrite)
                                : QFileDialog::getOpenFileName(owner, QString::fromStdString(title),
                                                               QString(), qtFilter(filter));
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
                              info ? platform::MessageIcon::Information
                                   : platform::MessageIcon::None);
    };
    return d;
}

SavedPlaceCommands::SavedPlaceCommands(LessonEngine& engine, QWidget* owner,
                                       SavedPlaceDialogs dialogs)
    : engine_(engine), owner_(owner), dialogs_(std::move(dialogs)) {}

std::string SavedPlaceCommands::savingNotice() const {
    const std::string& section = engine_.catalogue().settings.savedPlace.section;
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
    if (!writeWhole(withExtension(chosen, settings.extension), formatSavedPlace(engine_.state())))
        dialogs_.message(owner_, savedPlaceTitle, cannotWriteMessage, false);
}

void SavedPlaceCommands::load() {
    const auto& settings = engine_.catalogue().settings.savedPlace;
    engine_.state().lessonChosen = true;
    const std::string chosen =
        dialogs_.chooseOpenFile(owner_, "Select a Saved Probability Lesson File", settings.filter);
    if (chosen.empty())
        return;
    const auto text = readHead(chosen);
    const std::optional<SavedPlace> place = text ? parseSavedPlace(*text) : std::nullopt;
    // A file that cannot be read, is garbled or names a place that does not exist leaves
    // the place as it was.
    const bool taken =
        place && engine_.restorePlace(place->page, place->lesson, place->stepButtonCount);
    if (!taken) {
        dialogs_.message(owner_, savedPlaceTitle, cannotReadMessage, false);
        if (engine_.state().currentPage >= 1)
            engine_.showCurrentPage();
    }
}

} // namespace engine
