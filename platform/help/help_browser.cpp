#include "platform/help/help_browser.h"

#include "platform/help/help_message_page.h"
#include "platform/help/help_url.h"

#include <QImage>
#include <QStringDecoder>
#include <QTextDocument>

namespace platform {

namespace {

QByteArray bytesOf(const ChmObject& object) {
    return QByteArray(object.bytes.data(), static_cast<qsizetype>(object.bytes.size()));
}

QString decodePage(const QByteArray& bytes) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid()) {
        decoder = QStringDecoder(QStringDecoder::Utf8);
    }
    return decoder(bytes);
}

} // namespace

HelpBrowser::HelpBrowser(const std::filesystem::path& helpFile, QWidget* parent)
    : QTextBrowser(parent), archive_(helpFile),
      helpFileName_(QString::fromStdString(helpFile.string())) {
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = resolved(name);
    switch (type) {
    case QTextDocument::HtmlResource:
        return loadPage(url);
    case QTextDocument::StyleSheetResource:
        return loadStyleSheet(url);
    case QTextDocument::ImageResource:
        return loadPicture(url);
    default:
        return {};
    }
}

QUrl HelpBrowser::resolved(const QUrl& name) const {
    if (!name.isRelative()) {
        return name;
    }
    const QUrl base = source().isEmpty() ? helpTopicUrl(QString()) : source();
    return base.resolved(name);
}

QVariant HelpBrowser::loadPage(const QUrl& url) const {
    if (!archive_.isOpen()) {
        return helpFileProblemPage(helpFileName_, archive_.openStatus());
    }
    const QString path = helpObjectPath(url);
    const ChmObject page = path.isEmpty() ? ChmObject{ChmReadStatus::ObjectMissing, {}}
                                          : archive_.read(path.toStdString());
    if (page.status != ChmReadStatus::Read) {
        const QString topic = path.isEmpty() ? url.toString() : path.mid(1);
        return topicProblemPage(helpFileName_, topic, page.status);
    }
    return decodePage(bytesOf(page));
}

QVariant HelpBrowser::loadStyleSheet(const QUrl& url) const {
    const QString path = helpObjectPath(url);
    if (path.isEmpty()) {
        return {};
    }
    const ChmObject sheet = archive_.read(path.toStdString());
    if (sheet.status != ChmReadStatus::Read) {
        return {};
    }
    return QString::fromUtf8(bytesOf(sheet));
}

QVariant HelpBrowser::loadPicture(const QUrl& url) const {
    const QString path = helpObjectPath(url);
    if (path.isEmpty()) {
        return {};
    }
    const ChmObject picture = archive_.read(path.toStdString());
    if (picture.status != ChmReadStatus::Read) {
        return {};
    }
    QImage image;
    if (!image.loadFromData(bytesOf(picture))) {
        return {};
    }
    return image;
}

} // namespace platform
