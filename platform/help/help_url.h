#pragma once

#include <QString>
#include <QUrl>

namespace platform {

// Pages inside the help file are addressed as "chm:/introduction.html", so that relative
// links between topics ("geometry.html", "pictures/triangle.png") resolve inside the file.
inline const QString helpUrlScheme = QStringLiteral("chm");

// A topic name as the programs give it ("introduction.html", also with a leading slash or
// an "#anchor") as a help address.
QUrl helpTopicUrl(const QString& topic);

// The archive path ("/introduction.html") of a help address, without its anchor; empty for
// an address that does not point into the help file.
QString helpObjectPath(const QUrl& url);

} // namespace platform
