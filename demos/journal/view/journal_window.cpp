#include "journal/view/journal_window.h"

#include "journal/core/diary_csv.h"
#include "journal/core/diary_dates.h"
#include "journal/core/duration_text.h"
#include "journal/core/study_subjects.h"
#include "journal/view/study_time_chart.h"
#include "kit/view/course_colours.h"
#include "kit/view/lesson_style.h"

#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QUuid>
#include <QVBoxLayout>

namespace journal {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString duration(long long minutes) {
    return text(hoursAndMinutes(minutes));
}

std::chrono::sys_days today() {
    const QDate now = QDate::currentDate();
    return std::chrono::sys_days{std::chrono::year_month_day{
        std::chrono::year{now.year()}, std::chrono::month{static_cast<unsigned>(now.month())},
        std::chrono::day{static_cast<unsigned>(now.day())}}};
}

QTableWidgetItem* cell(const QString& value) {
    return new QTableWidgetItem(value);
}

} // namespace

JournalWindow::JournalWindow(std::string programFolder, QString diaryPath, QWidget* parent)
    : QMainWindow(parent), programFolder_(std::move(programFolder)), store_(std::move(diaryPath)) {
    setObjectName("journal");
    setWindowTitle(tr("My Study Diary"));
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Export as CSV..."), this, &JournalWindow::chooseExportFile);
    file->addAction(tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* band = new QLabel(tr("My Study Diary"), central);
    band->setObjectName("titleBand");
    band->setStyleSheet(QString("QLabel { background: %1; color: white; font-size: 18px; "
                                "font-weight: bold; padding: 6px 10px; }")
                            .arg(kit::pageColour().name()));
    layout->addWidget(band);
    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(makeHelpPane());
    tabs_ = new QTabWidget(splitter);
    tabs_->setObjectName("journalTabs");
    tabs_->addTab(makeStudyTimePage(), tr("Study time"));
    tabs_->addTab(makeDiaryPage(), tr("Diary"));
    splitter->addWidget(tabs_);
    splitter->setSizes({360, 820});
    layout->addWidget(splitter, 1);
    status_ = new QLabel(central);
    status_->setObjectName("diaryStatus");
    status_->setWordWrap(true);
    layout->addWidget(status_);
    setCentralWidget(central);
    setMinimumSize(900, 600);
    QSize size(1240, 800);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size.expandedTo(minimumSize()));

    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &JournalWindow::reloadFromDisk);
    // A closing lesson program replaces its study-time file, another diary the diary file:
    // either shows as a change of the folder.
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        refreshStudyTimes();
        reloadFromDisk();
    });
    refreshStudyTimes();
    const DiaryResult loaded = store_.load(diary_);
    report(loaded.message);
    showDiary();
    watchTheFile();
}

QWidget* JournalWindow::makeHelpPane() {
    auto* help = new QTextBrowser(this);
    help->setObjectName("helpPane");
    help->document()->setDefaultStyleSheet(kit::lessonStyleSheet());
    help->setSearchPaths({":/lesson"});
    QPalette palette = help->palette();
    palette.setColor(QPalette::Base, kit::bubbleColour());
    help->setPalette(palette);
    help->setSource(QUrl("qrc:/lesson/lesson.html"));
    return help;
}

QWidget* JournalWindow::makeStudyTimePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* intro = new QLabel(tr("The time the lesson programs have counted while you studied "
                                "with them, per subject."),
                             page);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    totalsTable_ = new QTableWidget(0, 4, page);
    totalsTable_->setObjectName("studyTotals");
    totalsTable_->setHorizontalHeaderLabels(
        {tr("Subject"), tr("Time"), tr("Done in the diary"), tr("Counted by")});
    totalsTable_->horizontalHeader()->setStretchLastSection(true);
    totalsTable_->verticalHeader()->hide();
    totalsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totalsTable_->setMaximumHeight(190);
    layout->addWidget(totalsTable_);
    auto* row = new QHBoxLayout();
    totalLabel_ = new QLabel(page);
    totalLabel_->setObjectName("totalLabel");
    auto* refresh = new QPushButton(tr("Read again"), page);
    refresh->setObjectName("refreshButton");
    connect(refresh, &QPushButton::clicked, this, &JournalWindow::refreshStudyTimes);
    row->addWidget(totalLabel_, 1);
    row->addWidget(refresh);
    layout->addLayout(row);
    chart_ = makeStudyTimeChartView(page);
    layout->addWidget(chart_, 1);
    return page;
}

QWidget* JournalWindow::makeEntryForm(QWidget* parent) {
    auto* form = new QWidget(parent);
    auto* layout = new QGridLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    entryDate_ = new QDateEdit(QDate::currentDate(), form);
    entryDate_->setObjectName("entryDate");
    entryDate_->setCalendarPopup(true);
    entryDate_->setDisplayFormat("yyyy-MM-dd");
    entrySubject_ = new QComboBox(form);
    entrySubject_->setObjectName("entrySubject");
    for (const StudySubject& subject : studySubjects)
        entrySubject_->addItem(
            QString::fromUtf8(subject.title.data(), static_cast<int>(subject.title.size())));
    entrySubject_->addItem(
        QString::fromUtf8(otherSubject.data(), static_cast<int>(otherSubject.size())));
    planned_ = new QSpinBox(form);
    planned_->setObjectName("plannedMinutes");
    done_ = new QSpinBox(form);
    done_->setObjectName("doneMinutes");
    for (QSpinBox* box : {planned_, done_}) {
        box->setRange(0, mostMinutes);
        box->setSingleStep(15);
        box->setSuffix(tr(" min"));
    }
    planned_->setValue(60);
    note_ = new QLineEdit(form);
    note_->setObjectName("entryNote");
    note_->setMaxLength(static_cast<int>(longestNote));
    note_->setPlaceholderText(tr("what you studied, what to repeat"));
    auto* add = new QPushButton(tr("Add to the diary"), form);
    add->setObjectName("addButton");
    connect(add, &QPushButton::clicked, this, &JournalWindow::addEntry);
    connect(note_, &QLineEdit::returnPressed, this, &JournalWindow::addEntry);
    layout->addWidget(new QLabel(tr("Date"), form), 0, 0);
    layout->addWidget(new QLabel(tr("Subject"), form), 0, 1);
    layout->addWidget(new QLabel(tr("Planned"), form), 0, 2);
    layout->addWidget(new QLabel(tr("Done"), form), 0, 3);
    layout->addWidget(entryDate_, 1, 0);
    layout->addWidget(entrySubject_, 1, 1);
    layout->addWidget(planned_, 1, 2);
    layout->addWidget(done_, 1, 3);
    layout->addWidget(new QLabel(tr("Note"), form), 2, 0);
    layout->addWidget(note_, 2, 1, 1, 2);
    layout->addWidget(add, 2, 3);
    return form;
}

QWidget* JournalWindow::makeGoalRow(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    goal_ = new QSpinBox(row);
    goal_->setObjectName("weeklyGoal");
    goal_->setRange(0, mostMinutes);
    goal_->setSingleStep(30);
    goal_->setSuffix(tr(" min a week"));
    connect(goal_, &QSpinBox::editingFinished, this, &JournalWindow::setWeeklyGoal);
    goalProgress_ = new QProgressBar(row);
    goalProgress_->setObjectName("goalProgress");
    goalProgress_->setRange(0, 100);
    goalLabel_ = new QLabel(row);
    goalLabel_->setObjectName("goalLabel");
    layout->addWidget(new QLabel(tr("Weekly goal:"), row));
    layout->addWidget(goal_);
    layout->addWidget(goalProgress_, 1);
    return row;
}

QWidget* JournalWindow::makeDiaryPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(makeEntryForm(page));
    entryTable_ = new QTableWidget(0, 5, page);
    entryTable_->setObjectName("entryTable");
    entryTable_->setHorizontalHeaderLabels(
        {tr("Date"), tr("Subject"), tr("Planned"), tr("Done"), tr("Note")});
    entryTable_->horizontalHeader()->setStretchLastSection(true);
    entryTable_->verticalHeader()->hide();
    entryTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    entryTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entryTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(entryTable_, 1);
    auto* buttons = new QHBoxLayout();
    auto* remove = new QPushButton(tr("Delete the chosen entry"), page);
    remove->setObjectName("deleteButton");
    connect(remove, &QPushButton::clicked, this, &JournalWindow::deleteSelectedEntry);
    auto* exportButton = new QPushButton(tr("Export as CSV..."), page);
    exportButton->setObjectName("exportButton");
    connect(exportButton, &QPushButton::clicked, this, &JournalWindow::chooseExportFile);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    layout->addLayout(buttons);
    layout->addWidget(makeGoalRow(page));
    layout->addWidget(goalLabel_);
    return page;
}

void JournalWindow::refreshStudyTimes() {
    totals_ = readStudyTotals(programFolder_);
    totalsTable_->setRowCount(static_cast<int>(totals_.size()));
    for (int row = 0; row < static_cast<int>(totals_.size()); ++row) {
        const SubjectTotal& total = totals_[static_cast<std::size_t>(row)];
        const auto& subject = studySubjects[static_cast<std::size_t>(row)];
        totalsTable_->setItem(row, 0, cell(text(total.title)));
        totalsTable_->setItem(row, 1, cell(duration(total.minutes)));
        totalsTable_->setItem(
            row, 3,
            cell(QString::fromUtf8(subject.lessonPrograms.data(),
                                   static_cast<int>(subject.lessonPrograms.size()))));
        totalsTable_->item(row, 3)->setToolTip(text(total.path));
    }
    showDiaryMinutes();
    totalLabel_->setText(tr("<b>Total: %1</b>").arg(duration(totalMinutes(totals_))));
    showStudyTimes(chart_, totals_);
}

void JournalWindow::addEntry() {
    DiaryEntry entry{QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(),
                     entryDate_->date().toString("yyyy-MM-dd").toStdString(),
                     entrySubject_->currentText().toStdString(),
                     planned_->value(),
                     done_->value(),
                     note_->text().toStdString()};
    const std::string problem = entryProblem(entry);
    if (!problem.empty()) {
        report(tr("The entry was not added: %1.").arg(text(problem)));
        return;
    }
    diary_.entries.emplace(entry.id, entry);
    note_->clear();
    saveChanges();
}

void JournalWindow::deleteSelectedEntry() {
    const int row = entryTable_->currentRow();
    if (row < 0 || !entryTable_->item(row, 0)) {
        report(tr("Choose the entry to delete in the list first."));
        return;
    }
    const std::string id = entryTable_->item(row, 0)->data(Qt::UserRole).toString().toStdString();
    diary_.entries.erase(id);
    diary_.deleted.insert(id);
    saveChanges();
}

void JournalWindow::setWeeklyGoal() {
    if (goal_->value() == diary_.goal.minutes)
        return;
    diary_.goal = {goal_->value(), QDateTime::currentMSecsSinceEpoch()};
    saveChanges();
}

void JournalWindow::saveChanges() {
    const DiaryResult result = store_.save(diary_);
    report(result.ok && result.message.isEmpty() ? tr("Saved.") : result.message);
    showDiary();
    watchTheFile();
}

void JournalWindow::reloadFromDisk() {
    watchTheFile();
    QFile file(store_.path());
    if (file.open(QIODevice::ReadOnly) && file.readAll() == store_.lastSeen())
        return; // this window's own save, or nothing new
    Diary onDisk;
    const DiaryResult result = store_.load(onDisk);
    if (!result.ok || !result.message.isEmpty()) {
        report(result.message);
        return;
    }
    const Diary together = merged(onDisk, diary_);
    if (together == diary_)
        return;
    diary_ = together;
    report(tr("Another diary window has saved; its entries are shown here too."));
    showDiary();
}

void JournalWindow::showDiaryMinutes() {
    for (int row = 0; row < totalsTable_->rowCount(); ++row) {
        const auto& title = studySubjects[static_cast<std::size_t>(row)].title;
        totalsTable_->setItem(row, 2, cell(duration(minutesDoneIn(diary_, title))));
    }
    totalsTable_->resizeColumnsToContents();
}

void JournalWindow::showDiary() {
    std::vector<const DiaryEntry*> entries;
    for (const auto& [id, entry] : diary_.entries)
        entries.push_back(&entry);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const DiaryEntry* a, const DiaryEntry* b) { return a->date > b->date; });
    entryTable_->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
        const DiaryEntry& entry = *entries[static_cast<std::size_t>(row)];
        entryTable_->setItem(row, 0, cell(text(entry.date)));
        entryTable_->item(row, 0)->setData(Qt::UserRole, text(entry.id));
        entryTable_->setItem(row, 1, cell(text(entry.subject)));
        entryTable_->setItem(row, 2, cell(duration(entry.plannedMinutes)));
        entryTable_->setItem(row, 3, cell(duration(entry.doneMinutes)));
        entryTable_->setItem(row, 4, cell(text(entry.note)));
    }
    entryTable_->resizeColumnsToContents();
    entryTable_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    showDiaryMinutes();
    showGoal();
}

void JournalWindow::showGoal() {
    const auto monday = mondayOf(today());
    const long long done = minutesDoneInWeek(diary_, monday);
    const int percent = goalPercent(done, diary_.goal.minutes);
    goal_->blockSignals(true);
    goal_->setValue(diary_.goal.minutes);
    goal_->blockSignals(false);
    goalProgress_->setValue(diary_.goal.minutes == 0 ? 0 : percent);
    goalProgress_->setFormat(diary_.goal.minutes == 0 ? tr("no goal set") : tr("%p%"));
    const QString week =
        tr("This week (%1 to %2)")
            .arg(text(formatDate(monday)), text(formatDate(monday + std::chrono::days{6})));
    goalLabel_->setText(
        diary_.goal.minutes == 0
            ? tr("%1: %2 done. Set a weekly goal to see your progress.").arg(week, duration(done))
            : tr("%1: %2 done of %3 (%4%).")
                  .arg(week, duration(done), duration(diary_.goal.minutes))
                  .arg(percent));
}

bool JournalWindow::exportCsv(const QString& path) {
    QSaveFile out(path);
    const QByteArray csv = QByteArray::fromStdString(diaryCsv(diary_));
    if (!out.open(QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.commit()) {
        report(tr("The diary could not be exported to %1: %2.").arg(path, out.errorString()));
        return false;
    }
    report(tr("%n entry(ies) exported to %1.", nullptr, static_cast<int>(diary_.entries.size()))
               .arg(path));
    return true;
}

void JournalWindow::chooseExportFile() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the diary"),
                                                      "study-diary.csv", tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportCsv(path);
}

void JournalWindow::report(const QString& message) {
    status_->setText(message);
}

void JournalWindow::watchTheFile() {
    QStringList folders{QFileInfo(store_.path()).absolutePath()};
    for (const SubjectTotal& total : totals_)
        folders << QFileInfo(text(total.path)).absolutePath();
    folders.removeDuplicates();
    for (const QString& folder : folders)
        if (QFileInfo(folder).isDir() && !watcher_->directories().contains(folder))
            watcher_->addPath(folder);
    if (QFileInfo::exists(store_.path()) && !watcher_->files().contains(store_.path()))
        watcher_->addPath(store_.path());
}

} // namespace journal
