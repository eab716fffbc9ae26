#pragma once

#include <QString>
#include <QVector>

namespace platform {

// One entry of a help contents (.hhc) or index (.hhk) file: the text shown, the topic it
// opens (empty for a heading without a page of its own) and how deeply it is nested (0 for
// the outermost list).
struct SitemapEntry {
    QString name;
    QString local;
    int depth = 0;
};

// Reads the entries of a contents or index file in their order. The files are HTML lists
// of <OBJECT type="text/sitemap"> elements with "Name" and "Local" parameters; anything
// else in them is skipped, and broken markup gives the entries found before it.
QVector<SitemapEntry> parseSitemap(const QString& sitemapHtml);

} // namespace platform
