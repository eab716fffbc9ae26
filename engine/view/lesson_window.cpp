#include "engine/view/lesson_window.h"

#include "engine/core/window_layout.h"
#include "engine/view/balloon_tooltip.h"
#include "engine/view/screen_renderer.h"
#include "platform/qt/course_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace engine {

namespace {
const char* const lessonWindowTitle = "Orvo the Tamlex Vuvudu Rodezav Iruv";
}

LessonWindow::LessonWindow(const Catalogue& catalogue, QtPictureSlots& pictures)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      catalogue_(catalogue), pictures_(pictures), fonts_(catalogue.settings.fontFace),
      engine_(catalogue, *this) {
    setWindowTitle(QString::fromLatin1(lessonWindowTitle));
    setFixedSize(layout::clientWidth, layout::clientHeight);
    move(0, 0);
    // Tooltips appear whenever the mouse rests over a control, also in an inactive window.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    buildMenu();
    // The menu bar takes its height from the 796 x 560 client area; the rest of the
    // background picture is cut off at the bottom.
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, layout::clientWidth, menuHeight);
    client_ = new QWidget(this);
    client_->setGeometry(0, menuHeight, layout::clientWidth, layout::clientHeight - menuHeight);
    client_->setFocusPolicy(Qt::StrongFocus);
}

void LessonWindow::buildMenu() {
    menuBar_ = new QMenuBar(this);
    QMenu* help = menuBar_->addMenu(QStringLiteral("Help"));
    connect(help->addAction(QStringLiteral("Help...    F1")), &QAction::triggered, this,
            [this] { sendCommand(LessonCommand::Help); });
    connect(help->addAction(QStringLiteral("About...")), &QAction::triggered, this,
            [this] { sendCommand(LessonCommand::About); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { sendCommand(LessonCommand::Help); });
    if (!catalogue_.settings.savedPlace.filter.empty()) {
        auto* load = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
        connect(load, &QShortcut::activated, this, [this] { sendCommand(LessonCommand::LoadPlace); });
        if (!catalogue_.settings.savedPlace.extension.empty()) {
            auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
            connect(save, &QShortcut::activated, this,
                    [this] { sendCommand(LessonCommand::SavePlace); });
        }
    }
}

void LessonWindow::sendCommand(LessonCommand command) {
    if (onCommand)
        onCommand(command);
}

QWidget* LessonWindow::control(int number) const {
    const auto it = controls_.find(number);
    return it == controls_.end() ? nullptr : it->second;
}

BalloonTooltip* LessonWindow::tooltipOf(int number) const {
    const auto it = tooltips_.find(number);
    return it == tooltips_.end() ? nullptr : it->second;
}

void LessonWindow::runDemonstration(const std::string& program) {
    if (demonstrationRunner)
        demonstrationRunner(program);
}

// Controls are replaced while one of them may still be delivering its click, so the old
// ones are hidden at once and deleted once the event has been handled.
void LessonWindow::destroyControls() {
    for (auto& [number, widget] : controls_) {
        widget->hide();
        widget->deleteLater();
    }
    controls_.clear();
    tooltips_.clear();
}

QWidget* LessonWindow::createControl(const Control& c) {
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::Background: {
        auto* label = new QLabel(client_);
        label->setPixmap(QPixmap::fromImage(background_));
        widget = label;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::PictureButton: {
        auto* button = new QPushButton(platform::fromWindows1252(c.caption), client_);
        if (c.kind == ControlKind::PictureButton) {
            const QImage& face = pictures_.image(c.pictureSlot);
            button->setIcon(QIcon(QPixmap::fromImage(face)));
            button->setIconSize(face.size());
        }
        const int number = c.number;
        connect(button, &QPushButton::clicked, this, [this, number] { engine_.handleControl(number); });
        widget = button;
        break;
    }
    case ControlKind::TextField: {
        auto* field = new QLineEdit(client_);
        field->setFrame(true);
        widget = field;
        break;
    }
    }
    widget->setGeometry(c.rect.x, c.rect.y, c.rect.width, c.rect.height);
    if (c.font)
        widget->setFont(fonts_.font(*c.font));
    widget->setEnabled(c.enabled);
    widget->setVisible(c.visible);
    if (!c.tooltip.empty())
        tooltips_[c.number] = new BalloonTooltip(widget, platform::fromWindows1252(c.tooltip));
    return widget;
}

void LessonWindow::present(const Screen& screen) {
    destroyControls();
    background_ = renderBackground(screen, fonts_, pictures_);
    for (const auto& c : screen.controls)
        controls_[c.number] = createControl(c);
    if (QWidget* back = control(layout::backgroundControl))
        back->lower();
    // No control keeps the keyboard focus.
    client_->setFocus(Qt::OtherFocusReason);
    ++presents_;
}

void LessonWindow::activate() {
    raise();
    activateWindow();
}

std::string LessonWindow::fieldText(int number) const {
    const auto* field = qobject_cast<const QLineEdit*>(control(number));
    return field ? platform::toWindows1252(field->text()) : std::string();
}

void LessonWindow::closeEvent(QCloseEvent* event) {
    if (onClose)
        onClose();
    event->accept();
    QApplication::quit();
}

} // namespace engine
