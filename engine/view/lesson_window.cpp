#include "engine/view/lesson_window.h"

#include "engine/core/window_layout.h"
#include "engine/view/background_control.h"
#include "engine/view/balloon_tooltip.h"
#include "engine/view/kept_face_button.h"
#include "engine/view/screen_renderer.h"
#include "platform/course/course_title.h"
#include "platform/qt/course_text.h"
#include "platform/qt/picture_button.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace engine {

LessonWindow::LessonWindow(const Catalogue& catalogue, QtPictureSlots& pictures)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      catalogue_(catalogue), pictures_(pictures), fonts_(catalogue.settings.fontFace),
      engine_(catalogue, *this) {
    setWindowTitle(platform::fromWindows1252(platform::courseTitle));
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
    buildPagingKeys();
    if (!catalogue_.settings.savedPlace.filter.empty()) {
        auto* load = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
        connect(load, &QShortcut::activated, this,
                [this] { sendCommand(LessonCommand::LoadPlace); });
        if (!catalogue_.settings.savedPlace.extension.empty()) {
            auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
            connect(save, &QShortcut::activated, this,
                    [this] { sendCommand(LessonCommand::SavePlace); });
        }
    }
}

// Page Down and Alt+Right press Next, Page Up and Alt+Left Previous. After a Page is drawn
// no control has the focus, so the keys belong to the window.
void LessonWindow::buildPagingKeys() {
    const std::pair<QKeyCombination, int> keys[] = {
        {QKeyCombination(Qt::Key_PageDown), layout::nextButton},
        {QKeyCombination(Qt::ALT, Qt::Key_Right), layout::nextButton},
        {QKeyCombination(Qt::Key_PageUp), layout::previousButton},
        {QKeyCombination(Qt::ALT, Qt::Key_Left), layout::previousButton},
    };
    for (const auto& [key, button] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int number = button;
        connect(shortcut, &QShortcut::activated, this, [this, number] { pressButton(number); });
    }
}

// A key does what a click on the button does, and nothing where the button is not shown
// or not enabled.
void LessonWindow::pressButton(int number) {
    auto* button = qobject_cast<QPushButton*>(control(number));
    if (button != nullptr && button->isVisible() && button->isEnabled())
        button->click();
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
// ones are hidden at once and deleted once the event has been handled. They all live on one
// layer over the client area, so hiding and deleting them is one step each.
void LessonWindow::destroyControls() {
    if (layer_) {
        layer_->hide();
        layer_->deleteLater();
        layer_ = nullptr;
    }
    controls_.clear();
    tooltips_.clear();
}

QWidget* LessonWindow::createControl(const Control& c) {
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::Background: {
        widget = new BackgroundControl(background_, layer_);
        break;
    }
    case ControlKind::PushButton: {
        auto* button = new KeptFaceButton(platform::fromWindows1252(c.caption), layer_);
        const int number = c.number;
        connect(button, &QPushButton::clicked, this,
                [this, number] { engine_.handleControl(number); });
        widget = button;
        break;
    }
    case ControlKind::PictureButton: {
        auto* button =
            new platform::PictureButton(c.number, pictures_.image(c.pictureSlot), layer_);
        connect(button, &platform::PictureButton::controlEvent, this,
                [this](int number) { engine_.handleControl(number); });
        widget = button;
        break;
    }
    case ControlKind::TextField: {
        auto* field = new QLineEdit(layer_);
        field->setFrame(true);
        // Enter in a fill-in field presses Done.
        connect(field, &QLineEdit::returnPressed, this,
                [this] { pressButton(layout::doneButton); });
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

// The new controls are built on a hidden layer and shown together, so the window lays out
// and repaints once for the whole set.
void LessonWindow::present(const Screen& screen) {
    destroyControls();
    background_ = renderBackground(screen, fonts_, pictures_);
    layer_ = new QWidget(client_);
    layer_->hide();
    layer_->setGeometry(0, 0, layout::clientWidth, layout::clientHeight);
    for (const auto& c : screen.controls)
        controls_[c.number] = createControl(c);
    if (QWidget* back = control(layout::backgroundControl))
        back->lower();
    layer_->show();
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
