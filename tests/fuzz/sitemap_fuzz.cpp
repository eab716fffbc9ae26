// Bytes as a help contents (.hhc) or index (.hhk) file, read as the contents panel reads
// them (Latin-1). Every entry has a name and a depth that is never negative, and no entry
// is nested deeper than the lists opened before it.
#include "platform/help/help_sitemap.h"
#include "tests/fuzz/fuzz_scratch.h"

#include <QRegularExpression>
#include <QString>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::ensureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString html =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto entries = platform::parseSitemap(html);
    // Every list the parser opens starts with "<" and "ul" (blanks between them allowed).
    static const QRegularExpression listStart(QStringLiteral("<\\s*ul"),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto lists = html.count(listStart);
    for (const auto& entry : entries) {
        if (entry.name.isEmpty())
            fuzz::fail("an entry without a name");
        if (entry.depth < 0 || entry.depth > lists)
            fuzz::fail("an entry nested deeper than its lists");
    }
    return 0;
}
