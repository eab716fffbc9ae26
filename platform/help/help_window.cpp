#include "platform/help/help_window.h"

#include "platform/help/help_browser.h"
#include "platform/help/help_contents_panel.h"
#include "platform/help/help_url.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace platform {

namespace {

constexpr int windowWidth = 880;
constexpr int windowHeight = 600;
constexpr int contentsWidth = 240;

} // namespace

HelpWindow::HelpWindow(const std::filesystem::path& helpFile, QWidget* parent)
    : QWidget(parent), helpFile_(helpFile), browser_(new HelpBrowser(helpFile)),
      contents_(new HelpContentsPanel) {
    setWindowTitle(helpWindowTitle);
    resize(windowWidth, windowHeight);

    contents_->fill(browser_->archive());
    contents_->setVisible(!contents_->isEmpty());

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({contentsWidth, windowWidth - contentsWidth});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(makeButtonRow());
    layout->addWidget(splitter, 1);

    connectButtons();
}

QWidget* HelpWindow::makeButtonRow() {
    back_ = makeButton(tr("Back"), QStyle::SP_ArrowBack);
    forward_ = makeButton(tr("Forward"), QStyle::SP_ArrowForward);
    home_ = makeButton(tr("Home"), QStyle::SP_DirHomeIcon);
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(back_);
    layout->addWidget(forward_);
    layout->addWidget(home_);
    layout->addStretch(1);
    return row;
}

QToolButton* HelpWindow::makeButton(const QString& text, int standardIcon) {
    auto* button = new QToolButton;
    button->setText(text);
    button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(standardIcon)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

void HelpWindow::connectButtons() {
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, this, &HelpWindow::goHome);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, contents_, &HelpContentsPanel::followPage);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
    connect(contents_, &HelpContentsPanel::topicChosen, this, &HelpWindow::showUrl);
}

void HelpWindow::showTopic(const QString& topic) {
    const QUrl url = helpTopicUrl(topic);
    if (homeUrl_.isEmpty()) {
        homeUrl_ = url;
    }
    showUrl(url);
}

void HelpWindow::goHome() {
    if (!homeUrl_.isEmpty()) {
        showUrl(homeUrl_);
    }
}

void HelpWindow::showUrl(const QUrl& url) {
    if (url == browser_->source()) {
        browser_->reload();
    } else {
        browser_->setSource(url, QTextDocument::HtmlResource);
    }
}

bool HelpWindow::helpFileIsOpen() const {
    return browser_->archive().isOpen();
}

QUrl HelpWindow::currentSource() const {
    return browser_->source();
}

QString HelpWindow::currentTitle() const {
    return browser_->documentTitle();
}

QString HelpWindow::currentText() const {
    return browser_->toPlainText();
}

void HelpWindow::updateTitle() {
    const QString title = currentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? helpWindowTitle : title);
}

} // namespace platform
