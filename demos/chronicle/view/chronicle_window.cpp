#include "chronicle/view/chronicle_window.h"

#include "chronicle/view/quiz_pane.h"
#include "chronicle/view/subject_colours.h"
#include "chronicle/view/timeline_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace chronicle {

QString sourcesNote() {
    return QObject::tr(
        "The dates and facts rest on the standard general histories of mathematics (Carl Boyer "
        "and Uta Merzbach, A History of Mathematics; Victor Katz, A History of Mathematics: An "
        "Introduction; Howard Eves, An Introduction to the History of Mathematics), on the "
        "MacTutor History of Mathematics biographies of the University of St Andrews, and on the "
        "standard histories of probability and statistics (Anders Hald; Stephen Stigler, The "
        "History of Statistics). Where a date is known only roughly it is marked c. (about); the "
        "accounts are written for this course.");
}

ChronicleWindow::ChronicleWindow(ReadOutcome entries, LessonStarter starter, QWidget* parent)
    : QMainWindow(parent), chronicle_(std::move(entries.chronicle)), starter_(std::move(starter)) {
    setWindowTitle(tr("History of Mathematics"));
    makeMenus();
    if (entries.error) {
        auto* message =
            new QLabel(tr("<h2>The history could not be read</h2><p>%1</p>")
                           .arg(QString::fromStdString(entries.error->text()).toHtmlEscaped()),
                       this);
        message->setObjectName("loadError");
        message->setWordWrap(true);
        message->setMargin(20);
        setCentralWidget(message);
        resize(640, 300);
        return;
    }
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(makeFilterBar());
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName("chronicleTabs");
    tabs_->addTab(makeTimelineTab(), tr("&Timeline"));
    quiz_ = new QuizPane(chronicle_, tabs_);
    tabs_->addTab(quiz_, tr("&Quiz"));
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    connect(quiz_, &QuizPane::entryWanted, this, [this](std::size_t entry) {
        tabs_->setCurrentIndex(0);
        selectEntry(entry);
    });
    applyFilter();
    resize(1240, 820);
}

QWidget* ChronicleWindow::makeFilterBar() {
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("&Find:"), bar));
    search_ = new QLineEdit(bar);
    search_->setObjectName("searchField");
    search_->setPlaceholderText(tr("a name, or words such as \"prime\""));
    search_->setMaxLength(80);
    search_->setClearButtonEnabled(true);
    qobject_cast<QLabel*>(layout->itemAt(0)->widget())->setBuddy(search_);
    layout->addWidget(search_, 1);
    mode_ = new QComboBox(bar);
    mode_->setObjectName("searchMode");
    mode_->addItems({tr("by name"), tr("by word")});
    layout->addWidget(mode_);
    era_ = new QComboBox(bar);
    era_->setObjectName("eraChooser");
    era_->addItem(tr("All eras"));
    for (const Era& era : chronicle_.eras)
        era_->addItem(QString::fromStdString(era.title));
    layout->addWidget(era_);
    for (Subject subject : allSubjects()) {
        auto* box = new QCheckBox(QString::fromStdString(subjectName(subject)), bar);
        box->setObjectName(QString::fromStdString("subject_" + subjectName(subject)));
        box->setChecked(true);
        QPalette colours = box->palette();
        colours.setColor(QPalette::WindowText, subjectColour(subject));
        box->setPalette(colours);
        QFont bold = box->font();
        bold.setBold(true);
        box->setFont(bold);
        connect(box, &QCheckBox::toggled, this, &ChronicleWindow::applyFilter);
        subjectBoxes_[subject] = box;
        layout->addWidget(box);
    }
    connect(search_, &QLineEdit::textChanged, this, &ChronicleWindow::applyFilter);
    connect(mode_, &QComboBox::currentIndexChanged, this, &ChronicleWindow::applyFilter);
    connect(era_, &QComboBox::currentIndexChanged, this, [this](int index) {
        applyFilter();
        timeline_->showAll();
        if (index > 0) {
            timeline_->select(std::nullopt);
            detail_->showEra(static_cast<std::size_t>(index - 1));
        }
    });
    return bar;
}

QWidget* ChronicleWindow::makeTimelineTab() {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("timelineSplitter");
    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    timeline_ = new TimelineView(chronicle_, left);
    leftLayout->addWidget(timeline_, 3);
    auto* controls = new QHBoxLayout;
    count_ = new QLabel(left);
    count_->setObjectName("entryCount");
    controls->addWidget(count_, 1);
    auto* zoomIn = new QPushButton(tr("Zoom &in"), left);
    auto* zoomOut = new QPushButton(tr("Zoom &out"), left);
    auto* fit = new QPushButton(tr("Show &all"), left);
    fit->setObjectName("showAll");
    controls->addWidget(zoomIn);
    controls->addWidget(zoomOut);
    controls->addWidget(fit);
    leftLayout->addLayout(controls);
    results_ = new QListWidget(left);
    results_->setObjectName("resultList");
    leftLayout->addWidget(results_, 1);
    detail_ = new EntryDetail(chronicle_, starter_, splitter);
    splitter->addWidget(left);
    splitter->addWidget(detail_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({740, 480});

    connect(zoomIn, &QPushButton::clicked, this,
            [this] { timeline_->zoomBy(1.5, timeline_->width() / 2.0); });
    connect(zoomOut, &QPushButton::clicked, this,
            [this] { timeline_->zoomBy(1 / 1.5, timeline_->width() / 2.0); });
    connect(fit, &QPushButton::clicked, timeline_, &TimelineView::showAll);
    connect(timeline_, &TimelineView::entryClicked, this, &ChronicleWindow::selectEntry);
    connect(timeline_, &TimelineView::eraClicked, this,
            [this](std::size_t era) { era_->setCurrentIndex(static_cast<int>(era) + 1); });
    connect(detail_, &EntryDetail::entryLinkActivated, this, &ChronicleWindow::selectEntry);
    connect(results_, &QListWidget::currentRowChanged, this, [this](int current) {
        if (QListWidgetItem* item = results_->item(current))
            selectEntry(item->data(Qt::UserRole).value<std::size_t>());
    });
    return splitter;
}

void ChronicleWindow::makeMenus() {
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About this history"), this, &ChronicleWindow::showAbout);
}

void ChronicleWindow::showAbout() {
    QMessageBox::about(this, tr("About the History of Mathematics"),
                       tr("<p>The History of Mathematics tells the story of the subjects of "
                          "this course, from the clay tablets of Babylon to the twentieth "
                          "century, in %1 entries, and asks quiz questions about them.</p><p>%2"
                          "</p>")
                           .arg(chronicle_.entries.size())
                           .arg(sourcesNote()));
}

void ChronicleWindow::applyFilter() {
    filter_.search = search_->text().toStdString();
    filter_.mode = mode_->currentIndex() == 1 ? SearchMode::byWord : SearchMode::byName;
    filter_.era =
        era_->currentIndex() > 0
            ? std::optional<std::size_t>(static_cast<std::size_t>(era_->currentIndex() - 1))
            : std::nullopt;
    filter_.subjects.clear();
    for (const auto& [subject, box] : subjectBoxes_)
        if (box->isChecked())
            filter_.subjects.insert(subject);
    std::vector<bool> shown(chronicle_.entries.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = filter_.admits(chronicle_.entries[i]);
    timeline_->setShown(shown);
    detail_->markWords(filter_.mode == SearchMode::byWord ? wordsOf(filter_.search)
                                                          : std::vector<std::string>{});
    if (quiz_)
        quiz_->setShownEntries(shown);
    if (timeline_->selected() && !shown[*timeline_->selected()])
        timeline_->select(std::nullopt);
    fillResults();
}

void ChronicleWindow::fillResults() {
    const QSignalBlocker quiet(results_);
    results_->clear();
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < chronicle_.entries.size(); ++i)
        if (timeline_->isShown(i))
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return placingYear(chronicle_.entries[a]) < placingYear(chronicle_.entries[b]);
    });
    for (std::size_t index : order) {
        const Entry& entry = chronicle_.entries[index];
        auto* item = new QListWidgetItem(
            QString::fromStdString(datesText(entry) + "   " + entry.name), results_);
        item->setData(Qt::UserRole, QVariant::fromValue(index));
        if (timeline_->selected() == index)
            results_->setCurrentItem(item);
    }
    count_->setText(tr("%1 of %2 entries shown").arg(order.size()).arg(chronicle_.entries.size()));
}

void ChronicleWindow::selectEntry(std::size_t entry) {
    if (entry >= chronicle_.entries.size())
        return;
    if (!timeline_->isShown(entry)) {
        // An entry reached by a link or from the quiz is shown even when the filters hid it.
        search_->clear();
        era_->setCurrentIndex(0);
        for (auto& [subject, box] : subjectBoxes_)
            box->setChecked(true);
    }
    timeline_->select(entry);
    timeline_->centreOn(entry);
    detail_->show(entry);
    const QSignalBlocker quiet(results_);
    for (int row = 0; row < results_->count(); ++row)
        if (results_->item(row)->data(Qt::UserRole).value<std::size_t>() == entry)
            results_->setCurrentRow(row);
}

} // namespace chronicle
