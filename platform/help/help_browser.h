#pragma once

#include "platform/help/chm_archive.h"

#include <QTextBrowser>

#include <filesystem>

namespace platform {

// The page area of the help window. Every page, stylesheet and picture it shows is read
// out of one compiled help file; a topic that cannot be shown is replaced by a page that
// says why.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    // Opens `helpFile` and keeps it open while the browser lives.
    explicit HelpBrowser(const std::filesystem::path& helpFile, QWidget* parent = nullptr);

    const ChmArchive& archive() const { return archive_; }
    const QString& helpFileName() const { return helpFileName_; }

    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QUrl resolved(const QUrl& name) const;
    QVariant loadPage(const QUrl& url) const;
    QVariant loadStyleSheet(const QUrl& url) const;
    QVariant loadPicture(const QUrl& url) const;

    ChmArchive archive_;
    QString helpFileName_;
};

} // namespace platform
