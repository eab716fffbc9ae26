#include "platform/help/help_viewer.h"

#include "platform/help/help_placement.h"
#include "platform/help/help_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

std::vector<QPointer<HelpWindow>>& openWindows() {
    static std::vector<QPointer<HelpWindow>> windows;
    return windows;
}

void forgetClosedWindows() {
    auto& windows = openWindows();
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [](const QPointer<HelpWindow>& window) {
                                     return window.isNull() || !window->isVisible();
                                 }),
                  windows.end());
}

std::filesystem::path absoluteHelpFile(const std::string& chmPath) {
    return QFileInfo(QString::fromStdString(chmPath)).absoluteFilePath().toStdString();
}

HelpWindow* windowShowing(const std::filesystem::path& helpFile) {
    for (const QPointer<HelpWindow>& window : openWindows()) {
        if (window->helpFile() == helpFile) {
            return window.data();
        }
    }
    return nullptr;
}

void closeAtQuit() {
    static QPointer<QCoreApplication> hookedApplication;
    if (hookedApplication != QCoreApplication::instance()) {
        hookedApplication = QCoreApplication::instance();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, &closeAllHelpWindows);
    }
}

// A window left open on a file that could not be read is replaced, so a help file that
// has appeared since is read anew.
HelpWindow* reusableWindow(const std::filesystem::path& helpFile) {
    HelpWindow* window = windowShowing(helpFile);
    if (window != nullptr && !window->helpFileIsOpen()) {
        window->close();
        forgetClosedWindows();
        return nullptr;
    }
    return window;
}

HelpWindow* openWindow(const std::filesystem::path& helpFile) {
    QWidget* caller = QApplication::activeWindow();
    auto* window = new HelpWindow(helpFile);
    window->setAttribute(Qt::WA_DeleteOnClose);
    placeBeside(window, caller);
    fitWhenFirstShown(window);
    openWindows().emplace_back(window);
    return window;
}

void bringToFront(HelpWindow* window) {
    auto& windows = openWindows();
    auto found = std::find(windows.begin(), windows.end(), window);
    if (found != windows.end()) {
        std::rotate(found, found + 1, windows.end());
    }
    // A help window the learner minimised comes back when help is asked for again.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void showHelpTopic(const std::string& chmPath, const std::string& topic) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    closeAtQuit();
    forgetClosedWindows();
    const std::filesystem::path helpFile = absoluteHelpFile(chmPath);
    HelpWindow* window = reusableWindow(helpFile);
    if (window == nullptr) {
        window = openWindow(helpFile);
    }
    window->showTopic(QString::fromStdString(topic));
    bringToFront(window);
}

void closeAllHelpWindows() {
    std::vector<QPointer<HelpWindow>> windows;
    windows.swap(openWindows());
    for (const QPointer<HelpWindow>& window : windows) {
        if (!window.isNull()) {
            window->close();
        }
    }
}

HelpWindow* lastOpenedHelpWindow() {
    forgetClosedWindows();
    return openWindows().empty() ? nullptr : openWindows().back().data();
}

} // namespace platform
