#include "platform/qt/program_start.h"

#include "platform/qt/pending_input.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {
namespace {

QString platformFileName(const std::string& name) {
    QString file = QString::fromStdString(name);
#ifndef _WIN32
    if (file.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        file.chop(4);
#endif
    return file;
}

} // namespace

std::string executableFor(const std::string& folder, const std::string& name) {
    const QString file = platformFileName(name);
    if (file.isEmpty() || file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\')))
        return {};
    const QFileInfo info(QDir(QString::fromStdString(folder)), file);
    if (!info.isFile() || !info.isExecutable())
        return {};
    return info.absoluteFilePath().toStdString();
}

bool runAndWait(const std::string& folder, const std::string& name) {
    const std::string program = executableFor(folder, name);
    if (program.empty())
        return false;
    QDir::setCurrent(QString::fromStdString(folder));
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setWorkingDirectory(QString::fromStdString(folder));
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(-1))
        return false;
    process.waitForFinished(-1);
    // What the learner clicked or typed into the frozen windows is not carried out now.
    discardPendingInput();
    return true;
}

bool runDetached(const std::string& folder, const std::string& name) {
    const std::string program = executableFor(folder, name);
    if (program.empty())
        return false;
    return QProcess::startDetached(QString::fromStdString(program), {},
                                   QString::fromStdString(folder));
}

} // namespace platform
