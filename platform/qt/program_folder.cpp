#include "platform/qt/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

std::string programFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

void enterProgramFolder() {
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}

} // namespace platform
