#include "engine/view/study_time_file.h"

#include "engine/core/study_time.h"

#include "platform/course/course_title.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace engine {
namespace {

std::string readFirstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "0"; // a fresh file holds "0"
    const QByteArray head = file.read(4096);
    return std::string(firstLine(std::string_view(head.constData(), head.size())));
}

// An exclusive lock on the folder that holds the file. The system releases it when its
// owner ends in any way, so a program that died never blocks the others and no lock file
// is ever left behind to be broken.
class FolderLock {
  public:
    explicit FolderLock(const std::string& file) {
        const auto folder = std::filesystem::path(file).parent_path();
        fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    ~FolderLock() {
        if (fd_ >= 0)
            ::close(fd_); // also releases the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Waits for a living owner up to `waitMilliseconds`.
    bool acquire(int waitMilliseconds) {
        if (fd_ < 0)
            return false; // no such folder: nothing can be written there
        QDeadlineTimer deadline(waitMilliseconds);
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR)
                return false;
            if (deadline.hasExpired())
                return false;
            QThread::msleep(1 + QRandomGenerator::global()->bounded(4));
        }
        return true;
    }

  private:
    int fd_ = -1;
};

} // namespace

std::string studyTimeFolder(const std::string& programFolder, bool programFolderWritable,
                            const std::string& userFolder) {
    return programFolderWritable || userFolder.empty() ? programFolder : userFolder;
}

std::string userStudyTimeFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return {};
    const QString folder =
        data + "/" +
        QString::fromUtf8(platform::coursePackage.data(), platform::coursePackage.size());
    return QDir().mkpath(folder) ? folder.toStdString() : std::string();
}

std::string studyTimeFilePath(const std::string& programFolder, const std::string& fileName) {
    const bool writable = ::access(programFolder.c_str(), W_OK) == 0;
    const std::string folder =
        studyTimeFolder(programFolder, writable, writable ? std::string() : userStudyTimeFolder());
    return (std::filesystem::path(folder) / fileName).string();
}

int readStudyTotal(const std::string& path) {
    return parseStudyTotal(readFirstLine(QString::fromStdString(path)));
}

std::optional<long long> addStudyMinutes(const std::string& path, int minutes,
                                         int lockWaitMilliseconds) {
    FolderLock lock(path);
    if (!lock.acquire(lockWaitMilliseconds))
        return std::nullopt;
    const QString file = QString::fromStdString(path);
    const long long total = static_cast<long long>(readStudyTotal(path)) + minutes;
    // Unbuffered, so that a short write (a full disk) shows in write()'s count: a buffered
    // QSaveFile can commit a cut file.
    QSaveFile out(file);
    const QByteArray text = QByteArray::fromStdString(formatStudyTotal(total));
    const bool written = out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         out.write(text) == text.size() && out.commit();
    return written ? std::optional<long long>(total) : std::nullopt;
}

} // namespace engine
