#include "kit/view/demo_window.h"

#include "kit/view/course_colours.h"
#include "kit/view/lesson_style.h"
#include "kit/view/practice_panel.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kit {

namespace {

constexpr int windowMinimumWidth = 960;
constexpr int windowMinimumHeight = 620;

QString lessonHtml(const QString& resource) {
    QString path = resource;
    if (path.startsWith("qrc:"))
        path = path.mid(3);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

DemoWindow::DemoWindow(DemoDefinition def, QWidget* parent)
    : QMainWindow(parent), def_(std::move(def)) {
    setObjectName(def_.programName);
    setWindowTitle(def_.title);
    makeMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(makeTitleBand());

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setObjectName("demoSplitter");
    splitter->setChildrenCollapsible(false);
    explore_ = def_.makeExplore ? def_.makeExplore(central) : new QWidget(central);
    explore_->setObjectName(explore_->objectName().isEmpty() ? "explore" : explore_->objectName());
    practice_ = new PracticePanel(def_.exerciseKinds, central);
    splitter->addWidget(framed(tr("Lesson"), makeLessonPane()));
    splitter->addWidget(framed(tr("Explore"), explore_));
    splitter->addWidget(framed(tr("Practice"), practice_));
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 4);
    splitter->setStretchFactor(2, 3);
    splitter->setSizes({380, 520, 360});
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    setMinimumSize(windowMinimumWidth, windowMinimumHeight);
    QSize size(1280, 800);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size.expandedTo(minimumSize()));
}

QWidget* DemoWindow::makeTitleBand() {
    auto* band = new QLabel(def_.title, this);
    band->setObjectName("titleBand");
    band->setStyleSheet(QString("QLabel { background: %1; color: white; font-size: 18px; "
                                "font-weight: bold; padding: 6px 10px; }")
                            .arg(pageColour().name()));
    return band;
}

QWidget* DemoWindow::makeLessonPane() {
    lesson_ = new QTextBrowser(this);
    lesson_->setObjectName("lessonPane");
    lesson_->setOpenExternalLinks(false);
    lesson_->setOpenLinks(true);
    lesson_->document()->setDefaultStyleSheet(lessonStyleSheet());
    lesson_->setSearchPaths({":/lesson"});
    QPalette palette = lesson_->palette();
    palette.setColor(QPalette::Base, bubbleColour());
    lesson_->setPalette(palette);
    const QString html = lessonHtml(def_.lessonResource);
    if (html.isEmpty())
        lesson_->setHtml(tr("<p>The lesson text of this program is missing.</p>"));
    else
        lesson_->setSource(QUrl(def_.lessonResource));
    return lesson_;
}

QWidget* DemoWindow::framed(const QString& heading, QWidget* content) {
    auto* frame = new QWidget(this);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* label = new QLabel(QString("<b>%1</b>").arg(heading), frame);
    label->setStyleSheet(QString("QLabel { color: %1; }").arg(pageColour().name()));
    layout->addWidget(label);
    layout->addWidget(content, 1);
    content->setParent(frame);
    return frame;
}

void DemoWindow::makeMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* quit = file->addAction(tr("E&xit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* view = menuBar()->addMenu(tr("&Go"));
    view->addAction(tr("&Lesson"), QKeySequence(Qt::CTRL | Qt::Key_1), this,
                    [this] { lesson_->setFocus(Qt::ShortcutFocusReason); });
    view->addAction(tr("&Explore"), QKeySequence(Qt::CTRL | Qt::Key_2), this, [this] {
        // The explore area itself may not take focus: give it to its first control that does.
        QWidget* target = explore_;
        if (explore_->focusPolicy() == Qt::NoFocus)
            for (auto* child : explore_->findChildren<QWidget*>())
                if (child->focusPolicy() != Qt::NoFocus && child->isVisibleTo(explore_)) {
                    target = child;
                    break;
                }
        target->setFocus(Qt::ShortcutFocusReason);
    });
    view->addAction(tr("&Practice"), QKeySequence(Qt::CTRL | Qt::Key_3), this, [this] {
        if (auto* field = practice_->findChild<QWidget*>("answerField"))
            field->setFocus(Qt::ShortcutFocusReason);
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Keyboard..."), this, &DemoWindow::showKeys);
    QAction* about =
        help->addAction(tr("&About %1...").arg(def_.title), this, &DemoWindow::showAbout);
    about->setObjectName("aboutAction");
}

void DemoWindow::showAbout() {
    QMessageBox::about(
        this, tr("About %1").arg(def_.title),
        QString("<h3>%1</h3><p>%2</p><p><i>%3</i></p>")
            .arg(def_.title.toHtmlEscaped(), def_.aboutText,
                 tr("A demonstration program of the course (%1).").arg(def_.programName)));
}

void DemoWindow::showKeys() {
    QMessageBox::information(
        this, tr("Keyboard"),
        tr("<p><b>Ctrl+1</b>, <b>Ctrl+2</b>, <b>Ctrl+3</b>: go to the lesson, explore and "
           "practice panes. <b>Tab</b> moves between controls.</p>"
           "<p>In the practice pane: <b>Enter</b> checks the answer, <b>Alt+S</b> shows the "
           "next step of the solution, <b>Alt+N</b> gives the next exercise, <b>Alt+K</b> "
           "chooses the kind of exercise.</p>"
           "<p>On a drawing: <b>Space</b> selects the next point, the <b>arrows</b> move it, "
           "<b>Shift+arrows</b> move the view, <b>+</b> and <b>-</b> zoom, <b>Home</b> shows "
           "the first view again.</p><p><b>Ctrl+Q</b> closes the program.</p>"));
}

} // namespace kit
