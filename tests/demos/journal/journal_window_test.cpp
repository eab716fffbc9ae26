// The diary through its real widgets and its files: the study totals read as the lesson
// programs write and read them, entries added, deleted and exported, the weekly goal, a
// damaged diary kept aside, two windows and two processes writing at once.
#include "engine/view/study_time_file.h"
#include "journal/core/diary_csv.h"
#include "journal/view/diary_store.h"
#include "journal/view/journal_window.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <set>

using namespace journal;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Diary diaryIn(const QString& path) {
    return readDiary(contents(path).toStdString()).diary;
}

class DiaryWindow : public ::testing::Test {
  protected:
    QTemporaryDir programs; // stands for the installation folder, which can be written here
    QTemporaryDir data;
    QString diaryFile = data.filePath("study-diary.txt");

    std::unique_ptr<JournalWindow> open() {
        auto window = std::make_unique<JournalWindow>(programs.path().toStdString(), diaryFile);
        window->show();
        return window;
    }
    template <class T> static T* child(JournalWindow& window, const char* name) {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void addThroughTheForm(JournalWindow& window, QDate date, int subject, int planned,
                                  int done, const QString& note) {
        child<QDateEdit>(window, "entryDate")->setDate(date);
        child<QComboBox>(window, "entrySubject")->setCurrentIndex(subject);
        child<QSpinBox>(window, "plannedMinutes")->setValue(planned);
        auto* doneBox = child<QSpinBox>(window, "doneMinutes");
        doneBox->selectAll();
        QTest::keyClicks(doneBox, QString::number(done));
        QTest::keyClicks(child<QLineEdit>(window, "entryNote"), note);
        QTest::mouseClick(child<QPushButton>(window, "addButton"), Qt::LeftButton);
    }
};

} // namespace

TEST_F(DiaryWindow, TotalsAreReadAsTheLessonProgramsWriteAndCountThem) {
    const std::string folder = programs.path().toStdString();
    // The lesson programs' own writer adds runs to geometry and calculus.
    for (int minutes : {30, 45, 20})
        ASSERT_TRUE(engine::addStudyMinutes(engine::studyTimeFilePath(folder, "geo.ti"), minutes));
    ASSERT_TRUE(engine::addStudyMinutes(engine::studyTimeFilePath(folder, "calculus.ti"), 61));
    // Garbled files, counted by the rule of the lesson programs: blanks, a sign, digits.
    write(programs.filePath("algebra.ti"), "  42\r\nmore lines 1000");
    write(programs.filePath("number.ti"), "-5 minutes");
    write(programs.filePath("pro.ti"), "abc");
    auto window = open();
    const std::vector<int> expected{95, 0, -5, 42, 61};
    const std::vector<QString> shown{"1 h 35 min", "0 min", "-5 min", "42 min", "1 h 01 min"};
    ASSERT_EQ(window->totals().size(), 5u);
    auto* table = child<QTableWidget>(*window, "studyTotals");
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(window->totals()[k].minutes, expected[k]) << window->totals()[k].fileName;
        EXPECT_EQ(table->item(static_cast<int>(k), 1)->text(), shown[k]);
    }
    EXPECT_EQ(child<QLabel>(*window, "totalLabel")->text(), "<b>Total: 3 h 13 min</b>");
    auto* chart = child<QChartView>(*window, "studyChart")->chart();
    auto* bars = qobject_cast<QBarSeries*>(chart->series().at(0));
    ASSERT_NE(bars, nullptr);
    EXPECT_DOUBLE_EQ(bars->barSets().at(0)->at(0), 95 / 60.0);
    EXPECT_DOUBLE_EQ(bars->barSets().at(0)->at(2), -5 / 60.0);

    // A closing lesson program adds 5 minutes; Read again shows the new total and the
    // engine's next addition starts from the same number the diary shows.
    ASSERT_TRUE(engine::addStudyMinutes(engine::studyTimeFilePath(folder, "pro.ti"), 5));
    QTest::mouseClick(child<QPushButton>(*window, "refreshButton"), Qt::LeftButton);
    EXPECT_EQ(window->totals()[1].minutes, 5);
    EXPECT_EQ(*engine::addStudyMinutes(engine::studyTimeFilePath(folder, "algebra.ti"), 1),
              window->totals()[3].minutes + 1);
}

TEST_F(DiaryWindow, EntriesAreAddedDeletedExportedAndTheGoalShowsProgress) {
    auto window = open();
    const QDate today = QDate::currentDate();
    addThroughTheForm(*window, today, 4, 60, 45, "limits, squeeze theorem");
    addThroughTheForm(*window, today.addDays(-today.dayOfWeek() + 1), 0, 30, 30, "areas");
    addThroughTheForm(*window, today.addDays(-today.dayOfWeek()), 1, 30, 999, "last week");
    ASSERT_EQ(diaryIn(diaryFile).entries.size(), 3u);
    EXPECT_EQ(child<QTableWidget>(*window, "entryTable")->rowCount(), 3);
    EXPECT_EQ(child<QLabel>(*window, "diaryStatus")->text(), "Saved.");
    auto* totals = child<QTableWidget>(*window, "studyTotals");
    EXPECT_EQ(totals->item(0, 2)->text(), "30 min");      // Geometry
    EXPECT_EQ(totals->item(1, 2)->text(), "16 h 39 min"); // Probability: 999 minutes
    EXPECT_EQ(totals->item(4, 2)->text(), "45 min");      // Calculus

    auto* goal = child<QSpinBox>(*window, "weeklyGoal");
    goal->selectAll();
    QTest::keyClicks(goal, "300");
    QTest::keyClick(goal, Qt::Key_Return);
    EXPECT_EQ(diaryIn(diaryFile).goal.minutes, 300);
    EXPECT_EQ(child<QProgressBar>(*window, "goalProgress")->value(), 25); // 75 of 300
    EXPECT_TRUE(child<QLabel>(*window, "goalLabel")->text().contains("1 h 15 min done of 5 h"));

    auto* table = child<QTableWidget>(*window, "entryTable");
    int lastWeekRow = -1;
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 4)->text() == "last week")
            lastWeekRow = row;
    ASSERT_GE(lastWeekRow, 0);
    table->selectRow(lastWeekRow);
    QTest::mouseClick(child<QPushButton>(*window, "deleteButton"), Qt::LeftButton);
    const Diary saved = diaryIn(diaryFile);
    EXPECT_EQ(saved.entries.size(), 2u);
    EXPECT_EQ(saved.deleted.size(), 1u);

    const QString csv = data.filePath("export.csv");
    EXPECT_TRUE(window->exportCsv(csv));
    EXPECT_EQ(contents(csv).toStdString(), diaryCsv(saved));
    EXPECT_TRUE(contents(csv).contains("limits, squeeze theorem"));

    QTest::keyClicks(child<QLineEdit>(*window, "entryNote"), QString(2100, 'n'));
    EXPECT_EQ(child<QLineEdit>(*window, "entryNote")->text().size(), 2000); // the longest note
}

TEST_F(DiaryWindow, ADamagedDiaryIsReportedKeptAsideAndNeverOverwritten) {
    const QByteArray damaged = "study-diary 1\ngoal\t60\t1\nentry\tcut-here";
    write(diaryFile, damaged);
    auto window = open();
    const QString status = child<QLabel>(*window, "diaryStatus")->text();
    EXPECT_TRUE(status.contains("damaged")) << status.toStdString();
    EXPECT_TRUE(status.contains("line 3"));
    EXPECT_EQ(contents(diaryFile + ".damaged"), damaged);
    addThroughTheForm(*window, QDate::currentDate(), 2, 20, 20, "primes");
    EXPECT_EQ(diaryIn(diaryFile).entries.size(), 1u);
    EXPECT_EQ(contents(diaryFile + ".damaged"), damaged);
}

TEST_F(DiaryWindow, TwoWindowsKeepEachOthersEntriesAndShowThem) {
    auto first = open();
    auto second = open();
    addThroughTheForm(*first, QDate::currentDate(), 0, 10, 10, "from the first");
    addThroughTheForm(*second, QDate::currentDate(), 1, 10, 10, "from the second");
    EXPECT_EQ(diaryIn(diaryFile).entries.size(), 2u);
    first->reloadFromDisk(); // what its watcher does when the file is replaced
    EXPECT_EQ(first->diary().entries.size(), 2u);
    EXPECT_TRUE(child<QLabel>(*first, "diaryStatus")->text().contains("Another diary window"));
    EXPECT_EQ(child<QTableWidget>(*first, "entryTable")->rowCount(), 2);
}

TEST_F(DiaryWindow, AWindowNoticesByItselfWhenAnotherHasSaved) {
    auto first = open();
    auto second = open();
    addThroughTheForm(*first, QDate::currentDate(), 3, 25, 25, "rings");
    // The second window is told by the file system; events are handled until it has been
    // (a bound on the wait, not a measure of speed).
    for (int rounds = 0; rounds < 1000 && second->diary().entries.empty(); ++rounds)
        QTest::qWait(10);
    EXPECT_EQ(second->diary().entries.size(), 1u);
    EXPECT_EQ(child<QTableWidget>(*second, "entryTable")->rowCount(), 1);
}

TEST_F(DiaryWindow, ALessonProgramClosingShowsInTheTotalsByItself) {
    auto window = open();
    ASSERT_TRUE(engine::addStudyMinutes(
        engine::studyTimeFilePath(programs.path().toStdString(), "geo.ti"), 75));
    for (int rounds = 0; rounds < 1000 && window->totals()[0].minutes == 0; ++rounds)
        QTest::qWait(10);
    EXPECT_EQ(window->totals()[0].minutes, 75);
}

TEST(DiaryStore, AFileThatCannotBeReadIsNeverWrittenOver) {
    QTemporaryDir data;
    const QString path = data.filePath("study-diary.txt");
    ASSERT_TRUE(QDir().mkpath(path)); // a folder where the file should be: it cannot be read
    const DiaryStore store(path);
    Diary diary;
    diary.entries.emplace("a", DiaryEntry{"a", "2026-12-08", "Algebra", 10, 10, ""});
    const DiaryResult result = store.save(diary);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("cannot be read")) << result.message.toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(DiaryStore, AWriterKilledMidWayLeavesAWholeFileAndNoLockInTheWay) {
    QTemporaryDir data;
    const QString file = data.filePath("study-diary.txt");
    QProcess writer;
    writer.start(DIARY_WRITER, {file, "killed", "100000"});
    ASSERT_TRUE(writer.waitForStarted());
    for (int rounds = 0; rounds < 3000 && diaryIn(file).entries.size() < 20; ++rounds)
        QTest::qWait(10);
    writer.kill(); // SIGKILL: no chance to tidy up, perhaps while it holds the lock
    writer.waitForFinished();
    const auto left = readDiary(contents(file).toStdString());
    EXPECT_TRUE(left.problem.empty()) << left.problem;
    EXPECT_GE(left.diary.entries.size(), 20u);
    Diary mine;
    mine.entries.emplace("after", DiaryEntry{"after", "2026-12-08", "Other", 5, 5, "after"});
    const DiaryResult result = DiaryStore(file).save(mine);
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(diaryIn(file).entries.size(), left.diary.entries.size() + 1);
}

TEST(DiaryStore, TwoProcessesAddingAtOnceKeepEveryEntry) {
    QTemporaryDir data;
    const QString file = data.filePath("study-diary.txt");
    constexpr int perProcess = 40;
    QProcess one, two;
    one.start(DIARY_WRITER, {file, "one", QString::number(perProcess)});
    two.start(DIARY_WRITER, {file, "two", QString::number(perProcess)});
    ASSERT_TRUE(one.waitForFinished(120000));
    ASSERT_TRUE(two.waitForFinished(120000));
    EXPECT_EQ(one.exitCode(), 0) << one.readAllStandardError().toStdString();
    EXPECT_EQ(two.exitCode(), 0) << two.readAllStandardError().toStdString();
    const auto reading = readDiary(contents(file).toStdString());
    ASSERT_TRUE(reading.problem.empty()) << reading.problem;
    std::set<std::string> ids;
    for (const auto& [id, entry] : reading.diary.entries)
        ids.insert(id);
    EXPECT_EQ(ids.size(), 2u * perProcess);
    for (int k = 0; k < perProcess; ++k) {
        EXPECT_TRUE(ids.count("one-" + std::to_string(k))) << k;
        EXPECT_TRUE(ids.count("two-" + std::to_string(k))) << k;
    }
}
