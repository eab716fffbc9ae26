// The history window through its real widgets: a click on the timeline selects an entry and
// shows it, the wheel zooms about the pointer and dragging pans, the filters hide entries, the
// search finds them, an entry's lesson button starts its program, and the quiz scores choices
// and shows the answer's entry.
#include "chronicle/view/chronicle_resources.h"
#include "chronicle/view/chronicle_window.h"
#include "chronicle/view/quiz_pane.h"
#include "chronicle/view/timeline_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace chronicle;

namespace {

class ChronicleWindowTest : public ::testing::Test {
  protected:
    std::vector<std::string> started;
    bool programsPresent = true;
    std::unique_ptr<ChronicleWindow> window;

    void SetUp() override {
        window = std::make_unique<ChronicleWindow>(loadChronicle(), [this](const std::string& p) {
            started.push_back(p);
            return programsPresent;
        });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    std::size_t indexOf(const std::string& name) const {
        const auto index = entryNamed(window->chronicle(), name);
        EXPECT_TRUE(index.has_value()) << name;
        return index.value_or(0);
    }

    // Clicks the entry where the timeline draws it (the view is moved to it first).
    void clickOnTimeline(std::size_t entry) {
        TimelineView* timeline = window->timeline();
        timeline->centreOn(entry);
        const auto centre = timeline->markCentre(entry);
        ASSERT_TRUE(centre.has_value());
        ASSERT_TRUE(timeline->rect().contains(centre->toPoint()));
        ASSERT_FALSE(timeline->eraAt(*centre).has_value()) << "not under the era bands";
        QTest::mouseClick(timeline, Qt::LeftButton, {}, centre->toPoint());
    }

    void wheel(QWidget* widget, QPoint at, int delta) {
        QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    }
};

} // namespace

TEST_F(ChronicleWindowTest, AClickOnTheTimelineSelectsAndShowsTheEntry) {
    for (const char* name : {"Archimedes of Syracuse", "Plimpton 322", "Ars Conjectandi"}) {
        SCOPED_TRACE(name);
        const std::size_t entry = indexOf(name);
        clickOnTimeline(entry);
        EXPECT_EQ(window->timeline()->selected(), entry);
        EXPECT_EQ(window->detail()->shown(), entry);
        const QString page = window->detail()->text()->toPlainText();
        EXPECT_TRUE(page.contains(name));
        EXPECT_TRUE(page.contains(
            QString::fromStdString(window->chronicle().entries[entry].account.substr(0, 40))));
        ASSERT_NE(window->results()->currentItem(), nullptr);
        EXPECT_TRUE(window->results()->currentItem()->text().endsWith(name));
    }
}

TEST_F(ChronicleWindowTest, NoTwoEntriesOverlapAtAnyZoom) {
    TimelineView* timeline = window->timeline();
    const auto& entries = window->chronicle().entries;
    for (double zoom : {1.0, 3.0, 10.0, 40.0}) {
        SCOPED_TRACE(zoom);
        timeline->showAll();
        timeline->zoomBy(zoom, timeline->width() / 2.0);
        std::vector<std::pair<std::size_t, QRectF>> areas;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto area = timeline->markArea(i);
            ASSERT_TRUE(area.has_value()) << entries[i].name;
            areas.emplace_back(i, *area);
        }
        for (std::size_t a = 0; a < areas.size(); ++a)
            for (std::size_t b = a + 1; b < areas.size(); ++b)
                EXPECT_FALSE(areas[a].second.intersects(areas[b].second))
                    << entries[areas[a].first].name << " and " << entries[areas[b].first].name;
    }
}

TEST_F(ChronicleWindowTest, AClickOnEmptyTimelineSelectsNothing) {
    TimelineView* timeline = window->timeline();
    QTest::mouseClick(timeline, Qt::LeftButton, {}, QPoint(timeline->width() - 2, 10));
    EXPECT_FALSE(timeline->selected().has_value());
    EXPECT_FALSE(window->detail()->shown().has_value());
}

TEST_F(ChronicleWindowTest, TheWheelZoomsAboutThePointer) {
    TimelineView* timeline = window->timeline();
    const QPoint at(timeline->width() / 3, timeline->height() / 2);
    const double yearThere = timeline->yearAt(at.x());
    const double before = timeline->yearsPerPixel();
    wheel(timeline, at, 240);
    EXPECT_NEAR(timeline->yearsPerPixel(), before / (1.25 * 1.25), before * 1e-9);
    EXPECT_NEAR(timeline->yearAt(at.x()), yearThere, 1e-6);
    wheel(timeline, at, -120);
    EXPECT_NEAR(timeline->yearsPerPixel(), before / 1.25, before * 1e-9);
}

TEST_F(ChronicleWindowTest, TheKeyboardZoomsAndMovesTheTimeline) {
    TimelineView* timeline = window->timeline();
    const double before = timeline->yearsPerPixel();
    QTest::keyClick(timeline, Qt::Key_Plus);
    EXPECT_NEAR(timeline->yearsPerPixel(), before / 1.25, before * 1e-9);
    const double left = timeline->yearAt(0);
    QTest::keyClick(timeline, Qt::Key_Right);
    EXPECT_NEAR(timeline->yearAt(0) - left, timeline->width() / 8.0 * timeline->yearsPerPixel(),
                1e-6);
    QTest::keyClick(timeline, Qt::Key_Home);
    EXPECT_NEAR(timeline->yearsPerPixel(), before, before * 1e-9) << "Home shows everything again";
}

TEST_F(ChronicleWindowTest, DraggingPansWithoutSelecting) {
    TimelineView* timeline = window->timeline();
    const double leftBefore = timeline->yearAt(0);
    const QPoint from(300, 200), to(180, 200);
    QTest::mousePress(timeline, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), timeline->mapToGlobal(QPointF(to)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(timeline, &move);
    QTest::mouseRelease(timeline, Qt::LeftButton, {}, to);
    EXPECT_NEAR(timeline->yearAt(0) - leftBefore, 120 * timeline->yearsPerPixel(), 1e-6);
    EXPECT_FALSE(timeline->selected().has_value());
}

TEST_F(ChronicleWindowTest, UncheckingSubjectsHidesTheirEntries) {
    for (Subject subject : allSubjects())
        if (subject != Subject::statistics)
            window->subjectBox(subject)->setChecked(false);
    const Chronicle& history = window->chronicle();
    int shown = 0;
    for (std::size_t i = 0; i < history.entries.size(); ++i) {
        const auto& subjects = history.entries[i].subjects;
        const bool statistical =
            std::find(subjects.begin(), subjects.end(), Subject::statistics) != subjects.end();
        EXPECT_EQ(window->timeline()->isShown(i), statistical) << history.entries[i].name;
        EXPECT_EQ(window->timeline()->markCentre(i).has_value(), statistical);
        shown += statistical;
    }
    EXPECT_EQ(window->results()->count(), shown);
    EXPECT_GT(shown, 5);
    // Where a hidden entry would be, a click selects nothing hidden.
    const std::size_t euclid = indexOf("Euclid of Alexandria");
    EXPECT_FALSE(window->timeline()->isShown(euclid));
    QTest::mouseClick(window->timeline(), Qt::LeftButton, {}, QPoint(40, 50));
    if (const auto selected = window->timeline()->selected()) {
        EXPECT_TRUE(window->timeline()->isShown(*selected));
    }
}

TEST_F(ChronicleWindowTest, ChoosingAnEraShowsOnlyItsEntries) {
    window->eraChooser()->setCurrentIndex(2); // Greece and Alexandria
    const Chronicle& history = window->chronicle();
    for (std::size_t i = 0; i < history.entries.size(); ++i)
        EXPECT_EQ(window->timeline()->isShown(i), history.entries[i].era == 1);
    const QString story = window->detail()->text()->toPlainText();
    EXPECT_TRUE(story.contains("Greece and Alexandria"));
    EXPECT_TRUE(story.contains(QString::fromStdString(history.eras[1].account.substr(0, 50))));
    // The timeline fits the era: its first entry is in view near the left edge.
    const auto first = window->timeline()->markCentre(indexOf("Thales of Miletus"));
    ASSERT_TRUE(first.has_value());
    EXPECT_GE(first->x(), 0);
    EXPECT_LT(first->x(), window->timeline()->width());
}

TEST_F(ChronicleWindowTest, AClickOnAnEraBandChoosesThatEra) {
    const auto band = window->timeline()->eraBand(3); // medieval and Renaissance Europe
    ASSERT_TRUE(band.has_value());
    const QPointF inside(std::max(band->left(), 0.0) + 3, band->center().y());
    ASSERT_LT(inside.x(), band->right());
    QTest::mouseClick(window->timeline(), Qt::LeftButton, {}, inside.toPoint());
    EXPECT_EQ(window->eraChooser()->currentIndex(), 4);
    EXPECT_TRUE(window->detail()->text()->toPlainText().contains("Medieval and Renaissance"));
    EXPECT_FALSE(window->timeline()->selected().has_value());
}

TEST_F(ChronicleWindowTest, TheSearchFindsByNameAndByWord) {
    QTest::keyClicks(window->searchField(), "fibonacci");
    ASSERT_EQ(window->results()->count(), 1);
    EXPECT_TRUE(window->results()->item(0)->text().endsWith("Leonardo of Pisa (Fibonacci)"));
    window->searchField()->clear();
    window->searchMode()->setCurrentIndex(1);
    QTest::keyClicks(window->searchField(), "rabbits");
    ASSERT_EQ(window->results()->count(), 1);
    EXPECT_TRUE(window->results()->item(0)->text().endsWith("Liber Abaci"));
    const auto area = window->timeline()->markArea(indexOf("Liber Abaci"));
    ASSERT_TRUE(area.has_value());
    EXPECT_TRUE(QRectF(window->timeline()->rect()).contains(*area)) << "what is found is in view";
    window->results()->setCurrentRow(0);
    EXPECT_EQ(window->detail()->shown(), indexOf("Liber Abaci"));
    EXPECT_TRUE(window->detail()->text()->toHtml().contains(
        QRegularExpression("background-color:#ffe680;\">rabbits</span>")))
        << "the found word is highlighted";
    window->searchField()->clear();
    QTest::keyClicks(window->searchField(), "no such word anywhere");
    EXPECT_EQ(window->results()->count(), 0);
    EXPECT_TRUE(window->findChild<QLabel*>("entryCount")->text().startsWith("0 of"));
}

TEST_F(ChronicleWindowTest, AnEntrysLessonButtonsStartTheirProgramsWithoutWaiting) {
    clickOnTimeline(indexOf("Euclid of Alexandria"));
    const QString page = window->detail()->text()->toPlainText();
    EXPECT_TRUE(page.contains("Lived at the same time:"));
    EXPECT_TRUE(page.contains("Archimedes of Syracuse"));
    auto* shapes = window->findChild<QPushButton*>("lesson_shapes");
    auto* numbers = window->findChild<QPushButton*>("lesson_numbertheory");
    ASSERT_NE(shapes, nullptr);
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(window->findChild<QPushButton*>("lesson_chances"), nullptr);
    QTest::mouseClick(shapes, Qt::LeftButton);
    EXPECT_EQ(started, (std::vector<std::string>{"shapes"}));
    EXPECT_TRUE(window->findChild<QLabel*>("startMessage")->text().contains("starting"));

    programsPresent = false;
    clickOnTimeline(indexOf("Florence Nightingale"));
    auto* statistics = window->findChild<QPushButton*>("lesson_dataanalysis");
    ASSERT_NE(statistics, nullptr);
    QTest::mouseClick(statistics, Qt::LeftButton);
    EXPECT_EQ(started.back(), "dataanalysis");
    EXPECT_TRUE(window->findChild<QLabel*>("startMessage")->text().contains("not installed"));

    clickOnTimeline(indexOf("Omar Khayyam"));
    EXPECT_NE(window->findChild<QPushButton*>("lesson_ringsfields"), nullptr);
    EXPECT_NE(window->findChild<QPushButton*>("lesson_setsrelations"), nullptr);
}

TEST_F(ChronicleWindowTest, ALinkInAnEntryLeadsToTheAuthorEvenWhenFiltersHideIt) {
    const std::size_t elements = indexOf("Euclid's Elements");
    const std::size_t euclid = indexOf("Euclid of Alexandria");
    clickOnTimeline(elements);
    EXPECT_TRUE(window->detail()->text()->toHtml().contains(QString("entry:%1").arg(euclid)));
    window->searchField()->setText("Elements");
    EXPECT_FALSE(window->timeline()->isShown(euclid));
    emit window->detail()->text()->anchorClicked(QUrl(QString("entry:%1").arg(euclid)));
    EXPECT_EQ(window->detail()->shown(), euclid);
    EXPECT_TRUE(window->timeline()->isShown(euclid));
    EXPECT_TRUE(window->searchField()->text().isEmpty());
}

TEST_F(ChronicleWindowTest, TheQuizScoresTheFirstChoiceAndShowsTheAnswersEntry) {
    QuizPane* quiz = window->quiz();
    quiz->setSeed(11);
    const Question first = quiz->question();
    auto* right = quiz->findChild<QPushButton*>(QString("choice%1").arg(first.rightChoice));
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->text().toStdString(), first.choices[first.rightChoice]);
    QTest::mouseClick(right, Qt::LeftButton);
    EXPECT_EQ(quiz->score().correct(), 1);
    EXPECT_TRUE(quiz->findChild<QLabel*>("quizVerdict")->text().contains("Correct."));
    const QString shown = quiz->findChild<QTextBrowser*>("quizAnswerEntry")->toPlainText();
    EXPECT_TRUE(shown.contains(
        QString::fromStdString(window->chronicle().entries[first.answerEntry].name)));
    QTest::mouseClick(
        quiz->findChild<QPushButton*>(QString("choice%1").arg((first.rightChoice + 1) % 4)),
        Qt::LeftButton);
    EXPECT_EQ(quiz->score().attempted(), 1) << "only the first choice counts";

    QTest::mouseClick(quiz->findChild<QPushButton*>("quizNext"), Qt::LeftButton);
    const Question second = quiz->question();
    const std::size_t wrong = (second.rightChoice + 2) % 4;
    QTest::mouseClick(quiz->findChild<QPushButton*>(QString("choice%1").arg(wrong)),
                      Qt::LeftButton);
    EXPECT_EQ(quiz->score().correct(), 1);
    EXPECT_EQ(quiz->score().attempted(), 2);
    EXPECT_TRUE(quiz->findChild<QLabel*>("quizVerdict")->text().contains("Not quite"));
    EXPECT_TRUE(quiz->findChild<QLabel*>("quizScore")->text().contains("1 of 2"));

    QTest::mouseClick(quiz->findChild<QPushButton*>("quizShowOnTimeline"), Qt::LeftButton);
    EXPECT_EQ(window->detail()->shown(), second.answerEntry);
    EXPECT_EQ(window->timeline()->selected(), second.answerEntry);
}

TEST_F(ChronicleWindowTest, TheQuizCanAskOnlyAboutWhatTheTimelineShows) {
    window->eraChooser()->setCurrentIndex(7); // the eighteenth century
    const std::size_t era = 6;
    QuizPane* quiz = window->quiz();
    quiz->findChild<QCheckBox*>("quizFollowsTimeline")->setChecked(true);
    quiz->setSeed(500);
    for (int i = 0; i < 40; ++i) {
        const Question& q = quiz->question();
        EXPECT_EQ(window->chronicle().entries[q.answerEntry].era, era) << q.prompt;
        for (std::size_t shown : q.choiceEntries)
            if (q.kind == QuestionKind::whichFirst) {
                EXPECT_EQ(window->chronicle().entries[shown].era, era) << q.prompt;
            }
        QTest::mouseClick(quiz->findChild<QPushButton*>("quizNext"), Qt::LeftButton);
    }
    quiz->findChild<QCheckBox*>("quizFollowsTimeline")->setChecked(false);
    std::set<std::size_t> eras;
    for (int i = 0; i < 40; ++i) {
        eras.insert(window->chronicle().entries[quiz->question().answerEntry].era);
        QTest::mouseClick(quiz->findChild<QPushButton*>("quizNext"), Qt::LeftButton);
    }
    EXPECT_GT(eras.size(), 3u) << "without the tick every era is asked about";
}

TEST_F(ChronicleWindowTest, TheNumberKeysChooseInTheQuiz) {
    auto* tabs = window->findChild<QTabWidget*>("chronicleTabs");
    tabs->setCurrentIndex(1);
    QuizPane* quiz = window->quiz();
    quiz->setSeed(3);
    const std::size_t right = quiz->question().rightChoice;
    quiz->findChild<QPushButton*>("quizNext")->setFocus();
    QTest::keyClick(quiz->findChild<QPushButton*>("quizNext"),
                    static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(right)));
    EXPECT_EQ(quiz->score().attempted(), 1);
    EXPECT_EQ(quiz->score().correct(), 1);
}

TEST_F(ChronicleWindowTest, TheQuizKindChooserAsksThatKind) {
    auto* kinds = window->quiz()->findChild<QComboBox*>("quizKind");
    kinds->setCurrentIndex(3);
    EXPECT_EQ(window->quiz()->question().kind, QuestionKind::whichFirst);
    kinds->setCurrentIndex(1);
    EXPECT_EQ(window->quiz()->question().kind, QuestionKind::who);
}

TEST(ChronicleWindowFault, ADamagedHistorySaysWhichFileAndLine) {
    ReadOutcome damaged = readChronicle({{"greece.txt", "era: greece\ntitle: G\nfrom: 600 BCE\n"
                                                        "to: 500\naccount: A.\n\n"
                                                        "entry: Euclid\nkind: poet\n"}});
    ASSERT_TRUE(damaged.error.has_value());
    ChronicleWindow window(std::move(damaged), {});
    window.show();
    auto* message = window.findChild<QLabel*>("loadError");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->text().contains("greece.txt, line 8"));
    EXPECT_EQ(window.timeline(), nullptr);
}
