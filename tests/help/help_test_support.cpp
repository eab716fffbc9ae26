#include "help_test_support.h"

#include <QCoreApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <fstream>
#include <iterator>

namespace help_test {

std::filesystem::path compiledHelpFile() {
    return COURSE_HELP_FILE;
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path ScratchFolder::file(const std::string& name) const {
    return std::filesystem::path(folder_.path().toStdString()) / name;
}

namespace {

// The document position where the first link to `href` begins, or -1.
int linkPosition(const QTextDocument* document, const QString& href) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isAnchor() && format.anchorHref() == href) {
                return fragment.fragment().position();
            }
        }
    }
    return -1;
}

} // namespace

bool clickLink(QTextBrowser* browser, const QString& href) {
    const int position = linkPosition(browser->document(), href);
    if (position < 0) {
        return false;
    }
    QTextCursor cursor(browser->document());
    cursor.setPosition(position + 1);
    browser->setTextCursor(cursor);
    browser->ensureCursorVisible();
    const QRect afterFirstLetter = browser->cursorRect(cursor);
    cursor.setPosition(position);
    const QRect beforeFirstLetter = browser->cursorRect(cursor);
    // The middle of the link's first letter.
    const QPoint point((beforeFirstLetter.x() + afterFirstLetter.x()) / 2,
                       beforeFirstLetter.center().y());
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    return true;
}

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace help_test
