#include "extras/view/history_store.h"

#include "engine/view/study_time_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace extras {

HistoryStore::HistoryStore(QString path) : path_(std::move(path)) {}

QString HistoryStore::defaultPath() {
    const QString folder = QString::fromStdString(engine::userStudyTimeFolder());
    return (folder.isEmpty() ? QDir::homePath() : folder) + "/practice-examinations.txt";
}

HistoryLoad HistoryStore::load() const {
    QFile file(path_);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{},
                QObject::tr("The history of past attempts (%1) cannot be read: %2.")
                    .arg(path_, file.errorString())};
    const QByteArray text = file.readAll();
    file.close();
    HistoryReading reading = readHistory(std::string_view(text.constData(), text.size()));
    if (reading.problem.empty())
        return {std::move(reading.attempts), {}};
    return {{}, setAside(QString::fromStdString(reading.problem))};
}

QString HistoryStore::setAside(const QString& problem) const {
    QString aside = path_ + ".damaged";
    for (int k = 2; QFileInfo::exists(aside); ++k)
        aside = path_ + ".damaged-" + QString::number(k);
    if (!QFile::rename(path_, aside))
        return QObject::tr("The history of past attempts (%1) is damaged (%2) and could not be "
                           "put aside; it is left as it is.")
            .arg(path_, problem);
    return QObject::tr("The history of past attempts was damaged (%1). It has been kept as %2 "
                       "and a new history begins.")
        .arg(problem, aside);
}

QString HistoryStore::append(const Attempt& attempt, QString* warning) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // Two examination windows finishing at once each add their attempt in turn.
    QLockFile lock(path_ + ".lock");
    if (!lock.tryLock(20000))
        return QObject::tr("The attempt was not saved: another examination window holds the "
                           "history.");
    HistoryLoad loaded = load();
    if (warning)
        *warning = loaded.warning;
    if (!loaded.warning.isEmpty() && QFileInfo::exists(path_))
        return QObject::tr("The attempt was not saved: %1").arg(loaded.warning);
    loaded.attempts.push_back(attempt);
    QSaveFile out(path_);
    const QByteArray text = QByteArray::fromStdString(formatHistory(loaded.attempts));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return QObject::tr("The attempt could not be saved in %1: %2.")
            .arg(path_, out.errorString());
    return {};
}

} // namespace extras
