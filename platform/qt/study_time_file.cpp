#include "platform/qt/study_time_file.h"

#include "engine/core/study_time.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

#include <chrono>

namespace platform {
namespace {

constexpr int lockWaitMilliseconds = 10000;

std::string readFirstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "0"; // a fresh file holds "0"
    const QByteArray head = file.read(4096);
    return std::string(engine::firstLine(std::string_view(head.constData(), head.size())));
}

} // namespace

long long addStudyMinutes(const std::string& path, int minutes) {
    const QString file = QString::fromStdString(path);
    QLockFile lock(file + QStringLiteral(".lock"));
    lock.setStaleLockTime(0); // only a lock whose owner has died is broken
    const bool locked = lock.tryLock(lockWaitMilliseconds);
    const long long total =
        static_cast<long long>(engine::parseStudyTotal(readFirstLine(file))) + minutes;
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(QByteArray::fromStdString(engine::formatStudyTotal(total)));
        out.commit();
    }
    if (locked)
        lock.unlock();
    return total;
}

double monotonicMilliseconds() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace platform
