#include "chronicle/view/chronicle_resources.h"

#include <QDir>
#include <QFile>

namespace chronicle {

ReadOutcome loadChronicle(const QString& folder) {
    const QDir dir(folder);
    std::vector<SourceText> files;
    for (const QString& name : dir.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return {{}, ReadError{name.toStdString(), 0, "the file cannot be opened"}};
        files.push_back({name.toStdString(), file.readAll().toStdString()});
    }
    if (files.empty())
        return {{}, ReadError{folder.toStdString(), 0, "no entries files were found"}};
    return readChronicle(files);
}

} // namespace chronicle
