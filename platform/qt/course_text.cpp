#include "platform/qt/course_text.h"

#include "platform/text/windows1252.h"

namespace platform {

QString fromWindows1252(std::string_view text) {
    const std::string utf8 = windows1252ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toWindows1252(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        const QByteArray utf8 = QString(c).toUtf8();
        const auto byte = utf8ToWindows1252(std::string_view(utf8.constData(), utf8.size()));
        out += byte ? *byte : std::string("?");
    }
    return out;
}

QString messageBoxText(std::string_view text) {
    QString shown = fromWindows1252(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace platform
