#include "platform/help/help_message_page.h"

namespace platform {

namespace {

QString messagePage(const QString& heading, const QString& explanation) {
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h2>%1</h2><p>%2</p>"
                          "<p>Close this window and go on with the lesson; the lesson "
                          "program itself is not affected.</p></body></html>")
        .arg(heading.toHtmlEscaped(), explanation);
}

QString quoted(const QString& text) {
    return QStringLiteral("&quot;%1&quot;").arg(text.toHtmlEscaped());
}

} // namespace

QString helpFileProblemPage(const QString& helpFile, ChmOpenStatus status) {
    if (status == ChmOpenStatus::FileMissing) {
        return messagePage(QStringLiteral("Help file not found"),
                           QStringLiteral("The help file %1 could not be found. It belongs in "
                                          "the folder of the course programs.")
                               .arg(quoted(helpFile)));
    }
    return messagePage(QStringLiteral("Help file cannot be read"),
                       QStringLiteral("The file %1 is not a help file that can be read. It may "
                                      "be damaged; installing the course again replaces it.")
                           .arg(quoted(helpFile)));
}

QString topicProblemPage(const QString& helpFile, const QString& topic, ChmReadStatus status) {
    if (status == ChmReadStatus::Damaged) {
        return messagePage(QStringLiteral("Topic cannot be read"),
                           QStringLiteral("The topic %1 in the help file %2 is damaged and "
                                          "cannot be shown.")
                               .arg(quoted(topic), quoted(helpFile)));
    }
    return messagePage(
        QStringLiteral("Topic not found"),
        QStringLiteral("The help file %1 has no topic %2.").arg(quoted(helpFile), quoted(topic)));
}

} // namespace platform
