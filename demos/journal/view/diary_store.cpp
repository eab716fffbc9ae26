#include "journal/view/diary_store.h"

#include "engine/view/study_time_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace journal {
namespace {

constexpr int lockWaitMilliseconds = 20000;

} // namespace

DiaryStore::DiaryStore(QString path) : path_(std::move(path)) {}

QString DiaryStore::defaultPath() {
    const QString folder = QString::fromStdString(engine::userStudyTimeFolder());
    return (folder.isEmpty() ? QDir::homePath() : folder) + "/study-diary.txt";
}

QString DiaryStore::setAside(const QString& problem) const {
    QString aside = path_ + ".damaged";
    for (int k = 2; QFileInfo::exists(aside); ++k)
        aside = path_ + ".damaged-" + QString::number(k);
    if (!QFile::rename(path_, aside))
        return QObject::tr("The diary file %1 is damaged (%2) and could not be put aside.")
            .arg(path_, problem);
    return QObject::tr("The diary file was damaged (%1). It has been kept as %2; the diary goes "
                       "on with the entries of this window.")
        .arg(problem, aside);
}

DiaryResult DiaryStore::readUnderLock(Diary& onDisk) const {
    onDisk = {};
    QFile file(path_);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {
            false,
            QObject::tr("The diary file %1 cannot be read: %2.").arg(path_, file.errorString())};
    const QByteArray text = file.readAll();
    file.close();
    DiaryReading reading = readDiary(std::string_view(text.constData(), text.size()));
    if (reading.problem.empty()) {
        onDisk = std::move(reading.diary);
        lastSeen_ = text;
        return {};
    }
    const QString message = setAside(QString::fromStdString(reading.problem));
    return {!QFileInfo::exists(path_), message};
}

DiaryResult DiaryStore::load(Diary& diary) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QLockFile lock(path_ + ".lock");
    if (!lock.tryLock(lockWaitMilliseconds))
        return {false, QObject::tr("Another diary window holds the diary file; try again.")};
    return readUnderLock(diary);
}

DiaryResult DiaryStore::save(Diary& diary) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QLockFile lock(path_ + ".lock");
    if (!lock.tryLock(lockWaitMilliseconds))
        return {false, QObject::tr("Another diary window holds the diary file; nothing was "
                                   "saved. Try again.")};
    Diary onDisk;
    DiaryResult result = readUnderLock(onDisk);
    if (!result.ok)
        return result;
    Diary together = merged(onDisk, diary);
    const QByteArray text = QByteArray::fromStdString(formatDiary(together));
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return {
            false,
            QObject::tr("The diary could not be saved in %1: %2.").arg(path_, out.errorString())};
    lastSeen_ = text;
    diary = std::move(together);
    return result;
}

} // namespace journal
