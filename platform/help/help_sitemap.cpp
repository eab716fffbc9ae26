#include "platform/help/help_sitemap.h"

#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace platform {

namespace {

const QRegularExpression& tagPattern() {
    static const QRegularExpression pattern(R"re(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)re",
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// One attribute's value, quoted either way or bare. Made once per attribute name: a contents
// file has hundreds of parameters, and compiling the pattern for each cost more than reading.
QRegularExpression attributePattern(const char* name) {
    return QRegularExpression(QStringLiteral(R"re(\b%1\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re")
                                  .arg(QLatin1String(name)),
                              QRegularExpression::CaseInsensitiveOption);
}

QString attribute(const QString& attributes, const QRegularExpression& pattern) {
    const QRegularExpressionMatch match = pattern.match(attributes);
    if (!match.hasMatch()) {
        return {};
    }
    for (int group = 1; group <= 3; ++group) {
        if (match.capturedStart(group) >= 0) {
            return match.captured(group);
        }
    }
    return {};
}

// Parameter values are HTML attribute text: "&amp;" stands for "&" and so on.
QString decodeEntities(const QString& text) {
    if (!text.contains(QLatin1Char('&'))) {
        return text;
    }
    return QTextDocumentFragment::fromHtml(text).toPlainText();
}

class SitemapReader {
  public:
    void take(const QRegularExpressionMatch& tag) {
        const bool closing = !tag.captured(1).isEmpty();
        const QString element = tag.captured(2).toLower();
        if (element == QLatin1String("ul")) {
            depth_ = closing ? qMax(0, depth_ - 1) : depth_ + 1;
        } else if (element == QLatin1String("object")) {
            closing ? finishEntry() : startEntry(tag.captured(3));
        } else if (!closing && inEntry_) {
            takeParameter(tag.captured(3));
        }
    }

    QVector<SitemapEntry> entries() const { return entries_; }

  private:
    void startEntry(const QString& attributes) {
        static const QRegularExpression type = attributePattern("type");
        inEntry_ = attribute(attributes, type)
                       .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
        current_ = SitemapEntry{{}, {}, qMax(0, depth_ - 1)};
    }

    void takeParameter(const QString& attributes) {
        static const QRegularExpression namePattern = attributePattern("name");
        static const QRegularExpression valuePattern = attributePattern("value");
        const QString name = attribute(attributes, namePattern).toLower();
        const QString value = decodeEntities(attribute(attributes, valuePattern));
        if (name == QLatin1String("name") && current_.name.isEmpty()) {
            current_.name = value;
        } else if (name == QLatin1String("local") && current_.local.isEmpty()) {
            current_.local = value;
        }
    }

    void finishEntry() {
        if (inEntry_ && !current_.name.isEmpty()) {
            entries_.append(current_);
        }
        inEntry_ = false;
    }

    QVector<SitemapEntry> entries_;
    SitemapEntry current_;
    int depth_ = 0;
    bool inEntry_ = false;
};

} // namespace

QVector<SitemapEntry> parseSitemap(const QString& sitemapHtml) {
    SitemapReader reader;
    auto tags = tagPattern().globalMatch(sitemapHtml);
    while (tags.hasNext()) {
        reader.take(tags.next());
    }
    return reader.entries();
}

} // namespace platform
