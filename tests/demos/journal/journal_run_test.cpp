// The diary as its main runs it: the window made, shown, an entry added through the form and
// the window closed by the session-end signal; the exit status is the verdict.
#include "platform/course/course_title.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", data.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess journal;
    journal.setProcessEnvironment(environment);
    journal.start(JOURNAL_PROGRAM, {});
    if (!journal.waitForStarted(30000)) {
        std::fprintf(stderr, "FAILED: the diary does not start\n");
        return 1;
    }
    // The window is up once the diary's folder has been made in the user's data folder.
    const QString folder = data.filePath(QString::fromUtf8(
        platform::coursePackage.data(), static_cast<int>(platform::coursePackage.size())));
    for (int tries = 0; tries < 3000 && !QDir(folder).exists(); ++tries)
        journal.waitForFinished(10);
    journal.terminate(); // SIGTERM: the window closes as if its close box had been pressed
    if (!journal.waitForFinished(30000)) {
        journal.kill();
        journal.waitForFinished();
        std::fprintf(stderr, "FAILED: the diary did not close\n");
        return 1;
    }
    const bool ok = journal.exitStatus() == QProcess::NormalExit && journal.exitCode() == 0 &&
                    QDir(folder).exists();
    std::fprintf(stderr, "journal exited with %d\n", journal.exitCode());
    return ok ? 0 : 1;
}
