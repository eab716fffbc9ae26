#include "platform/help/help_contents_panel.h"

#include "platform/help/chm_archive.h"
#include "platform/help/help_url.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace platform {

namespace {

constexpr int topicRole = Qt::UserRole;

QVector<SitemapEntry> sitemapOf(const ChmArchive& archive, const char* path) {
    const ChmObject file = archive.read(path);
    if (file.status != ChmReadStatus::Read) {
        return {};
    }
    const QByteArray bytes(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
    return parseSitemap(QString::fromLatin1(bytes));
}

QUrl topicOf(const SitemapEntry& entry) {
    return entry.local.isEmpty() ? QUrl() : helpTopicUrl(entry.local);
}

QUrl withoutAnchor(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment);
}

} // namespace

HelpContentsPanel::HelpContentsPanel(QWidget* parent)
    : QTabWidget(parent), contents_(new QTreeWidget), indexFilter_(new QLineEdit),
      index_(new QListWidget) {
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    addTab(contents_, tr("Contents"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexFilter_->setPlaceholderText(tr("Type a keyword"));
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index_);
    addTab(indexPage, tr("Index"));

    connect(contents_, &QTreeWidget::itemActivated, this, &HelpContentsPanel::chooseTreeItem);
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpContentsPanel::chooseTreeItem);
    connect(indexFilter_, &QLineEdit::textChanged, this, &HelpContentsPanel::filterIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this,
            &HelpContentsPanel::chooseFirstIndexMatch);
    connect(index_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit topicChosen(item->data(topicRole).toUrl()); });
    connect(index_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit topicChosen(item->data(topicRole).toUrl()); });
}

void HelpContentsPanel::fill(const ChmArchive& archive) {
    fillContents(sitemapOf(archive, "/toc.hhc"));
    fillIndex(sitemapOf(archive, "/index.hhk"));
}

bool HelpContentsPanel::isEmpty() const {
    return contents_->topLevelItemCount() == 0 && index_->count() == 0;
}

void HelpContentsPanel::fillContents(const QVector<SitemapEntry>& entries) {
    contents_->clear();
    QVector<QTreeWidgetItem*> parents; // parents[d] is the last item made at depth d
    for (const SitemapEntry& entry : entries) {
        const int depth = qMin(entry.depth, static_cast<int>(parents.size()));
        parents.resize(depth);
        auto* item =
            depth == 0 ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, entry.name);
        item->setData(0, topicRole, topicOf(entry));
        parents.append(item);
    }
    contents_->expandAll();
}

void HelpContentsPanel::fillIndex(const QVector<SitemapEntry>& entries) {
    index_->clear();
    for (const SitemapEntry& entry : entries) {
        if (entry.local.isEmpty()) {
            continue;
        }
        const QString indent(2 * entry.depth, QLatin1Char(' '));
        auto* item = new QListWidgetItem(indent + entry.name, index_);
        item->setData(topicRole, topicOf(entry));
    }
}

void HelpContentsPanel::filterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < index_->count(); ++row) {
        QListWidgetItem* item = index_->item(row);
        const bool matches = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!matches);
        if (matches && first == nullptr) {
            first = item;
        }
    }
    index_->setCurrentItem(first);
}

void HelpContentsPanel::chooseTreeItem(QTreeWidgetItem* item) {
    const QUrl topic = item->data(0, topicRole).toUrl();
    if (topic.isValid() && !topic.isEmpty()) {
        emit topicChosen(topic);
    }
}

void HelpContentsPanel::chooseFirstIndexMatch() {
    if (QListWidgetItem* item = index_->currentItem(); item != nullptr && !item->isHidden()) {
        emit topicChosen(item->data(topicRole).toUrl());
    }
}

void HelpContentsPanel::followPage(const QUrl& page) {
    const QUrl wanted = withoutAnchor(page);
    const QSignalBlocker blocker(contents_);
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
        if (withoutAnchor((*it)->data(0, topicRole).toUrl()) == wanted) {
            contents_->setCurrentItem(*it);
            return;
        }
    }
    contents_->clearSelection();
}

} // namespace platform
