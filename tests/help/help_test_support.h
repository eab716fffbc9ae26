#pragma once

#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <string>

class QTextBrowser;

namespace help_test {

// The help file the build compiles into the installation folder.
std::filesystem::path compiledHelpFile();

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

// A folder of its own for files a test makes; removed with the object.
class ScratchFolder {
  public:
    std::filesystem::path file(const std::string& name) const;

  private:
    QTemporaryDir folder_;
};

// Clicks, with the mouse, the first link of the page whose target is `href`. False when
// the page shows no such link.
bool clickLink(QTextBrowser* browser, const QString& href);

// Lets windows closed with deleteLater actually go.
void deleteClosedWindows();

} // namespace help_test
