#include "platform/help/help_url.h"

namespace platform {

QUrl helpTopicUrl(const QString& topic) {
    QUrl root;
    root.setScheme(helpUrlScheme);
    root.setPath(QStringLiteral("/"));
    return root.resolved(QUrl(topic));
}

QString helpObjectPath(const QUrl& url) {
    if (url.scheme() != helpUrlScheme) {
        return {};
    }
    return url.path(QUrl::FullyDecoded);
}

} // namespace platform
