#include "chronicle/view/entry_detail.h"

#include "chronicle/core/contemporaries.h"
#include "chronicle/view/subject_colours.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/program_start.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace chronicle {
namespace {

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// The text with every word that begins with a marked stem highlighted, escaped for HTML.
QString withMarkedWords(const std::string& text, const std::vector<std::string>& marked) {
    const QString plain = QString::fromStdString(text);
    if (marked.empty())
        return plain.toHtmlEscaped();
    QStringList stems;
    for (const std::string& stem : marked)
        stems << QRegularExpression::escape(QString::fromStdString(stem));
    const QRegularExpression words(
        QString("(?<![\\p{L}\\p{N}])(?:%1)[\\p{L}\\p{N}]*").arg(stems.join('|')),
        QRegularExpression::CaseInsensitiveOption);
    QString html;
    qsizetype done = 0;
    for (auto it = words.globalMatch(plain); it.hasNext();) {
        const auto match = it.next();
        html += plain.mid(done, match.capturedStart() - done).toHtmlEscaped();
        html +=
            "<span style=\"background:#ffe680\">" + match.captured().toHtmlEscaped() + "</span>";
        done = match.capturedEnd();
    }
    return html + plain.mid(done).toHtmlEscaped();
}

QString entryLink(const Chronicle& chronicle, std::size_t index) {
    return QString("<a href=\"entry:%1\">%2</a>")
        .arg(index)
        .arg(escaped(chronicle.entries[index].name));
}

QString subjectBadges(const Entry& entry) {
    QStringList badges;
    for (Subject subject : entry.subjects)
        badges << QString("<span style=\"color:white; background:%1\">&nbsp;%2&nbsp;</span>")
                      .arg(subjectColour(subject).name(), escaped(subjectName(subject)));
    return badges.join(" ");
}

QString relatedLines(const Chronicle& chronicle, std::size_t index) {
    const Entry& entry = chronicle.entries[index];
    QString html;
    if (!entry.by.empty())
        if (const auto author = entryNamed(chronicle, entry.by))
            html += QString("<p><b>%1</b> %2%3</p>")
                        .arg(entry.kind == EntryKind::work ? "By" : "Made by")
                        .arg(entryLink(chronicle, *author))
                        .arg(entry.posthumous ? " (published after the author's death)" : "");
    QStringList works;
    for (std::size_t i = 0; i < chronicle.entries.size(); ++i)
        if (chronicle.entries[i].by == entry.name)
            works << entryLink(chronicle, i);
    if (!works.isEmpty())
        html += "<p><b>See also:</b> " + works.join(", ") + "</p>";
    QStringList alive;
    for (std::size_t other : contemporariesOf(chronicle, index))
        alive << entryLink(chronicle, other);
    if (!alive.isEmpty())
        html += QString("<p><b>%1</b> %2</p>")
                    .arg(entry.kind == EntryKind::person ? "Lived at the same time:"
                                                         : "Living at the time:")
                    .arg(alive.join(", "));
    return html;
}

} // namespace

LessonStarter stagedLessonStarter() {
    return [](const std::string& program) {
        return platform::runDetached(platform::programFolder(), program + ".exe");
    };
}

std::string entryHtml(const Chronicle& chronicle, std::size_t index,
                      const std::vector<std::string>& marked) {
    const Entry& entry = chronicle.entries.at(index);
    const Era& era = chronicle.eras.at(entry.era);
    QString html = QString("<h2>%1</h2>").arg(escaped(entry.name));
    html += QString("<p><b>%1</b> &middot; %2 &middot; %3</p>")
                .arg(escaped(datesText(entry)), escaped(entry.place), escaped(era.title));
    if (entry.kind == EntryKind::person)
        html += QString("<p><i>Remembered as the one who %1.</i></p>").arg(escaped(entry.knownFor));
    html += "<p>" + subjectBadges(entry) + "</p>";
    html += "<p>" + withMarkedWords(entry.account, marked) + "</p>";
    html += relatedLines(chronicle, index);
    return html.toStdString();
}

EntryDetail::EntryDetail(const Chronicle& chronicle, LessonStarter starter, QWidget* parent)
    : QWidget(parent), chronicle_(chronicle), starter_(std::move(starter)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    text_ = new QTextBrowser(this);
    text_->setObjectName("entryText");
    text_->setOpenLinks(false);
    layout->addWidget(text_, 1);
    lessonRow_ = new QWidget(this);
    lessonButtons_ = new QHBoxLayout(lessonRow_);
    lessonButtons_->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lessonRow_);
    startMessage_ = new QLabel(this);
    startMessage_->setObjectName("startMessage");
    startMessage_->setWordWrap(true);
    layout->addWidget(startMessage_);
    connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() != "entry")
            return;
        bool ok = false;
        const auto index = url.path().toULongLong(&ok);
        if (ok && index < chronicle_.entries.size())
            emit entryLinkActivated(static_cast<std::size_t>(index));
    });
    show(std::nullopt);
}

void EntryDetail::show(std::optional<std::size_t> entry) {
    entry_ = entry;
    startMessage_->clear();
    if (entry)
        text_->setHtml(QString::fromStdString(entryHtml(chronicle_, *entry, marked_)));
    else
        text_->setHtml(tr("<h2>The history of mathematics</h2><p>Click an entry on the timeline, "
                          "or find one by name or by word, to read its story. Turn the mouse "
                          "wheel over the timeline to zoom and drag it to travel through the "
                          "centuries.</p><p>From an entry you can open the lesson program that "
                          "teaches its subject. The Quiz tab asks who, when and which came "
                          "first.</p>"));
    rebuildLessonButtons();
}

void EntryDetail::markWords(std::vector<std::string> words) {
    marked_ = std::move(words);
    if (entry_)
        text_->setHtml(QString::fromStdString(entryHtml(chronicle_, *entry_, marked_)));
}

void EntryDetail::showEra(std::size_t era) {
    entry_.reset();
    startMessage_->clear();
    const Era& chosen = chronicle_.eras.at(era);
    const auto count = std::count_if(chronicle_.entries.begin(), chronicle_.entries.end(),
                                     [era](const Entry& e) { return e.era == era; });
    text_->setHtml(tr("<h2>%1</h2><p><b>%2 to %3</b> &middot; %4 entries</p><p>%5</p>"
                      "<p><i>Click an entry on the timeline to read its story.</i></p>")
                       .arg(escaped(chosen.title))
                       .arg(escaped(yearText({chosen.from, false})))
                       .arg(escaped(yearText({chosen.to, false})))
                       .arg(count)
                       .arg(escaped(chosen.account)));
    rebuildLessonButtons();
}

void EntryDetail::rebuildLessonButtons() {
    while (QLayoutItem* item = lessonButtons_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!entry_)
        return;
    auto* heading = new QLabel(tr("Study it:"), lessonRow_);
    lessonButtons_->addWidget(heading);
    std::set<std::string> offered;
    for (Subject subject : chronicle_.entries[*entry_].subjects) {
        for (const LessonProgram& lesson : lessonProgramsFor(subject)) {
            if (!offered.insert(lesson.program).second)
                continue;
            auto* button = new QPushButton(QString::fromStdString(lesson.title), lessonRow_);
            button->setObjectName(QString::fromStdString("lesson_" + lesson.program));
            const QString title = QString::fromStdString(lesson.title);
            connect(button, &QPushButton::clicked, this,
                    [this, program = lesson.program, title] { startLesson(program, title); });
            lessonButtons_->addWidget(button);
        }
    }
    lessonButtons_->addStretch(1);
}

void EntryDetail::startLesson(const std::string& program, const QString& title) {
    if (starter_ && starter_(program))
        startMessage_->setText(tr("%1 is starting beside this window.").arg(title));
    else
        startMessage_->setText(tr("The lesson program %1 (%2) is not installed beside this "
                                  "program.")
                                   .arg(title, QString::fromStdString(program)));
}

} // namespace chronicle
