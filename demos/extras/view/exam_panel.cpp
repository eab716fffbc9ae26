#include "extras/view/exam_panel.h"

#include "extras/core/exam_topics.h"
#include "extras/view/score_chart.h"
#include "kit/view/course_colours.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/program_start.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace extras {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString topicTitle(const std::string& id) {
    const ExamTopic* topic = findTopic(id);
    return topic ? text(topic->title) : text(id);
}

QString clockText(qint64 milliseconds) {
    const qint64 seconds = std::max<qint64>(0, (milliseconds + 999) / 1000);
    return QObject::tr("Time left %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}

} // namespace

ExamPanel::ExamPanel(std::vector<BankItem> bank, HistoryStore store, QWidget* parent)
    : QWidget(parent), bank_(std::move(bank)), store_(std::move(store)) {
    setObjectName("examPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName("examPages");
    pages_->addWidget(makeSetupPage());
    pages_->addWidget(makeSittingPage());
    pages_->addWidget(makeReportPage());
    layout->addWidget(pages_);
    ticker_ = new QTimer(this);
    ticker_->setInterval(1000);
    connect(ticker_, &QTimer::timeout, this, &ExamPanel::tick);
    reloadHistory();
}

QWidget* ExamPanel::makeSetupPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* intro = new QLabel(tr("Choose a subtest, how many questions and how much time. The "
                                "questions mix the course's demonstrations with fixed "
                                "multiple-choice items; the report at the end names what to "
                                "study next."),
                             page);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout();
    subtestChooser_ = new QComboBox(page);
    subtestChooser_->setObjectName("subtestChooser");
    for (std::string_view title : subtestTitles)
        subtestChooser_->addItem(QString::fromUtf8(title.data(), static_cast<int>(title.size())));
    questionCount_ = new QSpinBox(page);
    questionCount_->setObjectName("questionCount");
    questionCount_->setRange(fewestQuestions, mostQuestions);
    questionCount_->setValue(10);
    minutes_ = new QSpinBox(page);
    minutes_->setObjectName("timeLimit");
    minutes_->setRange(1, 240);
    minutes_->setValue(20);
    minutes_->setSuffix(tr(" minutes"));
    form->addRow(tr("&Subtest:"), subtestChooser_);
    form->addRow(tr("&Questions:"), questionCount_);
    form->addRow(tr("&Time limit:"), minutes_);
    layout->addLayout(form);
    weakOnly_ = new QCheckBox(tr("Only the topics that were weak in my last attempt at this "
                                 "subtest"),
                              page);
    weakOnly_->setObjectName("weakOnly");
    layout->addWidget(weakOnly_);
    auto* start = new QPushButton(tr("Start the examination"), page);
    start->setObjectName("startButton");
    connect(start, &QPushButton::clicked, this, &ExamPanel::startExam);
    layout->addWidget(start);
    historyNote_ = new QLabel(page);
    historyNote_->setObjectName("historyNote");
    historyNote_->setWordWrap(true);
    layout->addWidget(historyNote_);
    chart_ = makeScoreChartView(page);
    layout->addWidget(chart_, 1);
    return page;
}

QWidget* ExamPanel::makeSittingPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout();
    questionNumber_ = new QLabel(page);
    questionNumber_->setObjectName("questionNumber");
    clock_ = new QLabel(page);
    clock_->setObjectName("clockLabel");
    clock_->setStyleSheet("QLabel { font-weight: bold; }");
    top->addWidget(questionNumber_, 1);
    top->addWidget(clock_);
    layout->addLayout(top);
    auto* buttons = new QHBoxLayout();
    previous_ = new QPushButton(tr("< Previous"), page);
    previous_->setObjectName("previousButton");
    next_ = new QPushButton(tr("Next >"), page);
    next_->setObjectName("nextButton");
    auto* finish = new QPushButton(tr("Finish and mark"), page);
    finish->setObjectName("finishButton");
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addStretch(1);
    buttons->addWidget(finish);
    layout->addLayout(buttons);
    prompt_ = new QLabel(page);
    prompt_->setObjectName("examPrompt");
    prompt_->setWordWrap(true);
    prompt_->setTextFormat(Qt::RichText);
    prompt_->setStyleSheet("QLabel { font-size: 15px; padding: 8px; background: white; }");
    layout->addWidget(prompt_);
    answer_ = new QLineEdit(page);
    answer_->setObjectName("examAnswer");
    answer_->setPlaceholderText(tr("your answer (Enter: next question)"));
    layout->addWidget(answer_);
    hint_ = new QLabel(page);
    hint_->setObjectName("examHint");
    layout->addWidget(hint_);
    layout->addWidget(new QLabel(tr("All questions (a tick: answered; click to go there):"), page));
    overview_ = new QListWidget(page);
    overview_->setObjectName("questionList");
    layout->addWidget(overview_, 1);
    connect(previous_, &QPushButton::clicked, this, [this] { showQuestion(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showQuestion(current_ + 1); });
    connect(answer_, &QLineEdit::returnPressed, this, [this] {
        if (current_ + 1 < static_cast<int>(exam_.questions.size()))
            showQuestion(current_ + 1);
        else
            keepAnswer();
    });
    connect(overview_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showQuestion(overview_->row(item)); });
    connect(finish, &QPushButton::clicked, this, &ExamPanel::finishExam);
    return page;
}

void ExamPanel::fillOverview() {
    overview_->clear();
    for (std::size_t k = 0; k < exam_.questions.size(); ++k)
        overview_->addItem(tr("%1  %2 %3")
                               .arg(answers_[k].empty() ? QString("   ") : QString(QChar(0x2713)))
                               .arg(k + 1)
                               .arg(topicTitle(exam_.questions[k].topic)));
    overview_->setCurrentRow(current_);
}

QWidget* ExamPanel::makeReportPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    overall_ = new QLabel(page);
    overall_->setObjectName("overallScore");
    overall_->setWordWrap(true);
    layout->addWidget(overall_);
    topicTable_ = new QTableWidget(0, 3, page);
    topicTable_->setObjectName("topicReport");
    topicTable_->setHorizontalHeaderLabels({tr("Topic"), tr("Right"), tr("What to study")});
    topicTable_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    topicTable_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    topicTable_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    topicTable_->setWordWrap(true);
    topicTable_->setTextElideMode(Qt::ElideNone);
    // Wrapped advice needs the rows to grow whenever the columns are laid out anew.
    connect(topicTable_->horizontalHeader(), &QHeaderView::sectionResized, topicTable_,
            &QTableWidget::resizeRowsToContents);
    topicTable_->verticalHeader()->hide();
    topicTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(topicTable_, 1);
    auto* openNote =
        new QLabel(tr("Double-click a topic to open the program that teaches it."), page);
    layout->addWidget(openNote);
    connect(topicTable_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { openStudyProgram(row); });
    review_ = new QTextBrowser(page);
    review_->setObjectName("reviewView");
    layout->addWidget(review_, 2);
    auto* again = new QPushButton(tr("Back to the choice of subtest"), page);
    again->setObjectName("againButton");
    connect(again, &QPushButton::clicked, this, [this] { pages_->setCurrentIndex(0); });
    layout->addWidget(again);
    return page;
}

void ExamPanel::openStudyProgram(int row) {
    if (row < 0 || row >= static_cast<int>(score_.topics.size()))
        return;
    const ExamTopic* topic = findTopic(score_.topics[static_cast<std::size_t>(row)].topic);
    if (topic && !platform::runDetached(platform::programFolder(), topic->studyProgram))
        historyNote_->setText(
            tr("The program %1 is not in this installation.").arg(text(topic->studyProgram)));
}

std::vector<std::string> ExamPanel::weakTopicsOfLastAttempt(int subtest) const {
    std::vector<std::string> weak;
    for (auto attempt = history_.rbegin(); attempt != history_.rend(); ++attempt)
        if (attempt->subtest == subtest) {
            for (const TopicScore& topic : attempt->topics)
                if (isWeak(topic))
                    weak.push_back(topic.topic);
            break;
        }
    return weak;
}

void ExamPanel::startExam() {
    const kit::Seed seed = nextSeed_ ? *nextSeed_ : QRandomGenerator::global()->generate64();
    nextSeed_.reset();
    const int subtest = subtestChooser_->currentIndex();
    std::vector<std::string> topics;
    if (weakOnly_->isChecked()) {
        topics = weakTopicsOfLastAttempt(subtest);
        historyNote_->setText(topics.empty() ? tr("No weak topic in your last attempt at this "
                                                  "subtest: every topic is asked.")
                                             : QString());
    }
    exam_ = buildExam({subtest, questionCount_->value(), seed, topics}, bank_);
    answers_.assign(exam_.questions.size(), std::string());
    score_ = {};
    current_ = -1; // nothing typed yet belongs to the new examination
    answer_->clear();
    deadline_ = QDeadlineTimer(std::chrono::minutes(minutes_->value()));
    pages_->setCurrentIndex(1);
    ticker_->start();
    tick();
    showQuestion(0);
}

void ExamPanel::keepAnswer() {
    if (current_ < 0 || current_ >= static_cast<int>(answers_.size()))
        return;
    answers_[static_cast<std::size_t>(current_)] = answer_->text().trimmed().toStdString();
    fillOverview();
}

void ExamPanel::showQuestion(int index) {
    if (index < 0 || index >= static_cast<int>(exam_.questions.size()))
        return;
    keepAnswer();
    current_ = index;
    const ExamQuestion& question = exam_.questions[static_cast<std::size_t>(index)];
    questionNumber_->setText(tr("Question %1 of %2 %3 %4")
                                 .arg(index + 1)
                                 .arg(exam_.questions.size())
                                 .arg(QChar(0x00b7))
                                 .arg(topicTitle(question.topic)));
    prompt_->setText(text(question.exercise.prompt));
    hint_->setText(tr("Answer: %1").arg(text(question.exercise.answerHint)));
    answer_->setText(text(answers_[static_cast<std::size_t>(index)]));
    answer_->setFocus();
    overview_->setCurrentRow(index);
    previous_->setEnabled(index > 0);
    next_->setEnabled(index + 1 < static_cast<int>(exam_.questions.size()));
}

void ExamPanel::tick() {
    const qint64 left = deadline_.remainingTime();
    clock_->setText(clockText(left));
    // The last minute shows in the colour of a wrong answer, as a warning.
    clock_->setStyleSheet(QString("QLabel { font-weight: bold; color: %1; }")
                              .arg(left < 60000 ? kit::wrongColour().name() : QString("black")));
    if (deadline_.hasExpired())
        timeIsUp();
}

void ExamPanel::timeIsUp() {
    if (pages_->currentIndex() != 1)
        return;
    keepAnswer();
    ticker_->stop();
    showReport(true);
}

void ExamPanel::finishExam() {
    if (pages_->currentIndex() != 1)
        return;
    keepAnswer();
    ticker_->stop();
    showReport(false);
}

void ExamPanel::showReport(bool timeRanOut) {
    score_ = scoreExam(exam_, answers_);
    overall_->setText(tr("<b>%1 of %2 right (%3).</b> %4")
                          .arg(score_.correct)
                          .arg(score_.total)
                          .arg(text(percentText(score_.correct, score_.total)))
                          .arg(timeRanOut ? tr("The time was up; unanswered questions count "
                                               "as wrong.")
                                          : QString()));
    fillTopicTable();
    review_->setHtml(reviewHtml());
    recordAttempt();
    pages_->setCurrentIndex(2);
}

void ExamPanel::fillTopicTable() {
    topicTable_->setRowCount(static_cast<int>(score_.topics.size()));
    for (int row = 0; row < static_cast<int>(score_.topics.size()); ++row) {
        const TopicScore& topic = score_.topics[static_cast<std::size_t>(row)];
        const ExamTopic* about = findTopic(topic.topic);
        const QString study = isWeak(topic) && about
                                  ? tr("Weak: study %1").arg(text(about->studyAdvice))
                                  : tr("Good");
        const QStringList cells{topicTitle(topic.topic),
                                tr("%1 of %2 (%3)")
                                    .arg(topic.correct)
                                    .arg(topic.total)
                                    .arg(text(percentText(topic.correct, topic.total))),
                                study};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setForeground(isWeak(topic) ? kit::wrongColour() : kit::rightColour());
            topicTable_->setItem(row, column, item);
        }
    }
    topicTable_->resizeRowsToContents();
}

QString ExamPanel::reviewHtml() const {
    QString html = tr("<h3>Review of every question</h3>");
    for (std::size_t k = 0; k < exam_.questions.size(); ++k) {
        const ExamQuestion& question = exam_.questions[k];
        const kit::Verdict& verdict = score_.verdicts[k];
        // The demonstrations' messages invite another try, which the examination does not give.
        const QString message = text(verdict.message).section(" Try again", 0, 0);
        const QString given =
            answers_[k].empty() ? tr("(no answer)") : text(answers_[k]).toHtmlEscaped();
        html +=
            tr("<p><b>%1. %2</b> &mdash; %3</p><p>%4</p>")
                .arg(k + 1)
                .arg(topicTitle(question.topic),
                     QString("<span style=\"color:%1\">%2</span>")
                         .arg((verdict.correct ? kit::rightColour() : kit::wrongColour()).name(),
                              verdict.correct ? tr("right") : tr("wrong")),
                     text(question.exercise.prompt));
        html += tr("<p>Your answer: %1. %2<br>The answer: <b>%3</b></p><ol>")
                    .arg(given, message.toHtmlEscaped(), text(question.exercise.expectedAnswer));
        for (const std::string& step : question.exercise.solutionSteps)
            html += "<li>" + text(step) + "</li>";
        html += "</ol><hr>";
    }
    return html;
}

void ExamPanel::recordAttempt() {
    Attempt attempt{QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toStdString(),
                    exam_.subtest, score_.topics};
    QString warning;
    const QString failure = store_.append(attempt, &warning);
    reloadHistory();
    if (!failure.isEmpty())
        historyNote_->setText(failure);
    else if (!warning.isEmpty())
        historyNote_->setText(warning);
}

void ExamPanel::reloadHistory() {
    HistoryLoad loaded = store_.load();
    history_ = std::move(loaded.attempts);
    historyNote_->setText(!loaded.warning.isEmpty()
                              ? loaded.warning
                              : (history_.size() == 1
                                     ? tr("1 past attempt kept in %1.")
                                     : tr("%1 past attempts kept in %2.").arg(history_.size()))
                                    .arg(store_.path()));
    showScoresOverTime(chart_, history_);
}

} // namespace extras
