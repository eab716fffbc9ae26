// The examination window through its real widgets: a whole examination chosen, answered,
// marked and reviewed; the time running out; the history kept, drawn, and set aside when damaged.
#include "extras/core/exam_topics.h"
#include "extras/view/exam_panel.h"
#include "extras/view/extras_definition.h"
#include "extras/view/history_store.h"
#include "kit/view/demo_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QXYSeries>

#include <gtest/gtest.h>

#include <set>

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

class ExamWindow : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    QString history = folder.filePath("history.txt");
    std::unique_ptr<kit::DemoWindow> window;
    extras::ExamPanel* panel = nullptr;

    void open() {
        window = std::make_unique<kit::DemoWindow>(extras::demoDefinition(history));
        panel = window->findChild<extras::ExamPanel*>("examPanel");
        ASSERT_NE(panel, nullptr);
        window->show();
    }
    template <class T> T* child(const char* name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void start(int subtest, int questions, int minutes, kit::Seed seed) {
        child<QComboBox>("subtestChooser")->setCurrentIndex(subtest);
        auto* count = child<QSpinBox>("questionCount");
        count->selectAll();
        QTest::keyClicks(count, QString::number(questions));
        child<QSpinBox>("timeLimit")->setValue(minutes);
        panel->setNextSeed(seed);
        QTest::mouseClick(child<QPushButton>("startButton"), Qt::LeftButton);
    }
    int page() { return child<QStackedWidget>("examPages")->currentIndex(); }
    int chartPoints() {
        int points = 0;
        for (auto* series : child<QChartView>("scoreChart")->chart()->series())
            points += static_cast<int>(qobject_cast<QXYSeries*>(series)->count());
        return points;
    }
};

} // namespace

TEST_F(ExamWindow, AWholeExaminationIsSatMarkedAndReviewed) {
    open();
    start(1, 8, 30, 4242);
    ASSERT_EQ(page(), 1);
    ASSERT_EQ(panel->exam().questions.size(), 8u);
    EXPECT_EQ(panel->exam().subtest, 1);
    EXPECT_TRUE(child<QLabel>("clockLabel")->text().startsWith("Time left 30:00") ||
                child<QLabel>("clockLabel")->text().startsWith("Time left 29:"));
    auto* answer = child<QLineEdit>("examAnswer");
    int typedRight = 0;
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_TRUE(child<QLabel>("questionNumber")
                        ->text()
                        .startsWith(QString("Question %1 of 8").arg(k + 1)));
        const auto& exercise = panel->exam().questions[k].exercise;
        if (k % 2 == 0) {
            QTest::keyClicks(answer, QString::fromStdString(exercise.expectedAnswer));
            ++typedRight;
        } else if (k == 3) {
            QTest::keyClicks(answer, "no idea");
        }
        QTest::keyClick(answer, Qt::Key_Return);
    }
    EXPECT_TRUE(child<QListWidget>("questionList")->item(0)->text().startsWith(QChar(0x2713)));
    // Back to question 2 with the list: its answer is kept blank, so leave it.
    child<QListWidget>("questionList")->setCurrentRow(1);
    QTest::mouseClick(child<QPushButton>("finishButton"), Qt::LeftButton);
    ASSERT_EQ(page(), 2);
    EXPECT_EQ(panel->lastScore().correct, typedRight);
    EXPECT_TRUE(child<QLabel>("overallScore")->text().contains("4 of 8 right (50%)"));

    auto* table = child<QTableWidget>("topicReport");
    ASSERT_EQ(table->rowCount(), static_cast<int>(panel->lastScore().topics.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto& topic = panel->lastScore().topics[static_cast<std::size_t>(row)];
        EXPECT_EQ(table->item(row, 0)->text().toStdString(), extras::findTopic(topic.topic)->title);
        EXPECT_TRUE(table->item(row, 1)->text().startsWith(
            QString("%1 of %2").arg(topic.correct).arg(topic.total)));
        EXPECT_EQ(table->item(row, 2)->text().startsWith("Weak: study"), extras::isWeak(topic));
    }
    const QString review = child<QTextBrowser>("reviewView")->toPlainText();
    for (int k = 1; k <= 8; ++k)
        EXPECT_TRUE(review.contains(QString("%1. ").arg(k)));
    EXPECT_TRUE(review.contains("(no answer)"));
    EXPECT_FALSE(review.contains("Try again"));

    const auto reading = extras::readHistory(contents(history).toStdString());
    ASSERT_EQ(reading.attempts.size(), 1u);
    EXPECT_EQ(reading.attempts[0].subtest, 1);
    EXPECT_EQ(extras::attemptCorrect(reading.attempts[0]), 4);
    EXPECT_EQ(extras::attemptTotal(reading.attempts[0]), 8);
    EXPECT_EQ(chartPoints(), 1);

    QTest::mouseClick(child<QPushButton>("againButton"), Qt::LeftButton);
    EXPECT_EQ(page(), 0);
    start(2, 3, 5, 7);
    EXPECT_EQ(page(), 1);
    EXPECT_TRUE(child<QLineEdit>("examAnswer")->text().isEmpty());
    QTest::mouseClick(child<QPushButton>("finishButton"), Qt::LeftButton);
    EXPECT_EQ(panel->lastScore().correct, 0);
    EXPECT_EQ(chartPoints(), 2);
    EXPECT_TRUE(child<QLabel>("historyNote")->text().startsWith("2 past attempts"));
}

TEST_F(ExamWindow, TheWeakTopicsOfTheLastAttemptCanBeAskedAlone) {
    write(history, "practice-examination-history 1\n"
                   "2026-12-01T09:00:00 | 2 | plane-geometry 0/2 ; probability 2/2\n"
                   "2026-12-02T09:00:00 | 2 | plane-geometry 3/3 ; statistics 1/3 ; "
                   "probability 2/4\n"
                   "2026-12-03T09:00:00 | 1 | fractions 0/3\n");
    open();
    child<QCheckBox>("weakOnly")->setChecked(true);
    start(1, 6, 10, 21);
    ASSERT_EQ(panel->exam().questions.size(), 6u);
    std::set<std::string> asked;
    for (const auto& question : panel->exam().questions)
        asked.insert(question.topic);
    EXPECT_EQ(asked, (std::set<std::string>{"statistics", "probability"}));
}

TEST_F(ExamWindow, WhenTheTimeIsUpTheExaminationIsMarkedAsItStands) {
    open();
    start(0, 4, 1, 11);
    QTest::keyClicks(child<QLineEdit>("examAnswer"),
                     QString::fromStdString(panel->exam().questions[0].exercise.expectedAnswer));
    panel->timeIsUp();
    ASSERT_EQ(page(), 2);
    EXPECT_EQ(panel->lastScore().correct, 1);
    EXPECT_TRUE(child<QLabel>("overallScore")->text().contains("The time was up"));
}

TEST_F(ExamWindow, ADamagedHistoryIsReportedAndKeptAside) {
    const QByteArray damaged = "practice-examination-history 1\n2026-12-01T09:30:00 | 1 | numb";
    write(history, damaged);
    open();
    const QString note = child<QLabel>("historyNote")->text();
    EXPECT_TRUE(note.contains("damaged")) << note.toStdString();
    EXPECT_TRUE(note.contains("line 2"));
    EXPECT_EQ(contents(history + ".damaged"), damaged);
    EXPECT_FALSE(QFile::exists(history));
    start(0, 2, 5, 3);
    QTest::mouseClick(child<QPushButton>("finishButton"), Qt::LeftButton);
    EXPECT_EQ(extras::readHistory(contents(history).toStdString()).attempts.size(), 1u);
    EXPECT_EQ(contents(history + ".damaged"), damaged);
}

TEST(HistoryStore, EachDamagedFileGetsItsOwnPlaceAside) {
    QTemporaryDir folder;
    const QString path = folder.filePath("h.txt");
    extras::HistoryStore store(path);
    for (const QByteArray& bad : {QByteArray("first damage"), QByteArray("second damage")}) {
        write(path, bad);
        EXPECT_FALSE(store.load().warning.isEmpty());
    }
    EXPECT_EQ(contents(path + ".damaged"), "first damage");
    EXPECT_EQ(contents(path + ".damaged-2"), "second damage");
    const extras::Attempt attempt{"2026-12-08T10:00:00", 0, {{"fractions", 1, 1}}};
    EXPECT_TRUE(store.append(attempt).isEmpty());
    EXPECT_TRUE(store.append(attempt).isEmpty());
    EXPECT_EQ(store.load().attempts.size(), 2u);
    EXPECT_TRUE(store.load().warning.isEmpty());
}

TEST(HistoryStore, TwoWindowsFinishingOneAfterTheOtherKeepBothAttempts) {
    QTemporaryDir folder;
    const QString path = folder.filePath("h.txt");
    const extras::HistoryStore one(path), two(path);
    EXPECT_TRUE(one.append({"2026-12-08T10:00:00", 0, {{"fractions", 1, 2}}}).isEmpty());
    EXPECT_TRUE(two.append({"2026-12-08T10:00:01", 1, {{"statistics", 2, 2}}}).isEmpty());
    const auto attempts = one.load().attempts;
    ASSERT_EQ(attempts.size(), 2u);
    EXPECT_EQ(attempts[1].topics[0].topic, "statistics");
    EXPECT_FALSE(QFile::exists(path + ".lock"));
}

TEST(HistoryStore, AFileThatCannotBeReadIsNeverWrittenOver) {
    QTemporaryDir folder;
    const QString path = folder.filePath("h.txt");
    ASSERT_TRUE(QDir().mkpath(path)); // a folder where the file should be: it cannot be read
    extras::HistoryStore store(path);
    const QString failure = store.append({"2026-12-08T10:00:00", 0, {{"fractions", 1, 1}}});
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
}
