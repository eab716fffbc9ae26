#include "platform/qt/course_text.h"

#include "platform/text/windows1252.h"

namespace platform {

// Every Windows-1252 character is one UTF-16 unit, so the text converts byte by byte.
QString fromWindows1252(std::string_view text) {
    QString shown(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* out = shown.data();
    for (const char byte : text)
        *out++ =
            QChar(static_cast<char16_t>(windows1252CodePoint(static_cast<unsigned char>(byte))));
    return shown;
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
