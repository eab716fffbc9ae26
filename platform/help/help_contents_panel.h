#pragma once

#include "platform/help/help_sitemap.h"

#include <QTabWidget>
#include <QUrl>

class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform {

class ChmArchive;

// The left side of the help window: a "Contents" tab with the topic tree of the help
// file's contents list and an "Index" tab with its keywords and a field to look them up.
class HelpContentsPanel : public QTabWidget {
    Q_OBJECT

  public:
    explicit HelpContentsPanel(QWidget* parent = nullptr);

    // Fills both tabs from the contents ("/toc.hhc") and index ("/index.hhk") of the file.
    void fill(const ChmArchive& archive);
    bool isEmpty() const;

    QTreeWidget* contentsTree() const { return contents_; }
    QLineEdit* indexFilter() const { return indexFilter_; }
    QListWidget* indexList() const { return index_; }

  public slots:
    // Marks the contents entry of the page being shown, if it has one.
    void followPage(const QUrl& page);

  signals:
    void topicChosen(const QUrl& topic);

  private:
    void fillContents(const QVector<SitemapEntry>& entries);
    void fillIndex(const QVector<SitemapEntry>& entries);
    void filterIndex(const QString& text);
    void chooseTreeItem(QTreeWidgetItem* item);
    void chooseFirstIndexMatch();

    QTreeWidget* contents_;
    QLineEdit* indexFilter_;
    QListWidget* index_;
};

} // namespace platform
