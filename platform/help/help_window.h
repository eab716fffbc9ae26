#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include <filesystem>

class QToolButton;

namespace platform {

class HelpBrowser;
class HelpContentsPanel;

// A window that shows the topics of one compiled help file: Back, Forward and Home buttons
// above, the contents and index on the left, the page on the right. A help file that is
// missing or unreadable, and a topic it does not hold, are reported on the page itself.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(const std::filesystem::path& helpFile, QWidget* parent = nullptr);

    // Shows a topic such as "introduction.html"; the first topic shown becomes Home.
    void showTopic(const QString& topic);
    void goHome();

    const std::filesystem::path& helpFile() const { return helpFile_; }
    bool helpFileIsOpen() const;

    QUrl currentSource() const;
    QString currentTitle() const;
    QString currentText() const;

    HelpBrowser* browser() const { return browser_; }
    HelpContentsPanel* contentsPanel() const { return contents_; }
    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }
    QToolButton* homeButton() const { return home_; }

  private:
    QWidget* makeButtonRow();
    QToolButton* makeButton(const QString& text, int standardIcon);
    void connectButtons();
    void showUrl(const QUrl& url);
    void updateTitle();

    std::filesystem::path helpFile_;
    HelpBrowser* browser_;
    HelpContentsPanel* contents_;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* home_ = nullptr;
    QUrl homeUrl_;
};

// The window title when the page has no title of its own.
inline const QString helpWindowTitle = QStringLiteral("Orvo the Tamlex Help");

} // namespace platform
