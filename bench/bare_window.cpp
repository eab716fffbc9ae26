// The start-up benchmark's yardstick: a Qt Widgets program with one plain top-level window
// of the lesson window's size and nothing in it. With --text the window shows one line of
// text, so the program also loads the system's font database, as every course program must.
#include "platform/qt/first_frame_probe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    platform::installFirstFrameProbe();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(796, 560);
    window.move(0, 0);
    if (argc > 1 && QString::fromLatin1(argv[1]) == QLatin1String("--text"))
        (new QLabel(QStringLiteral("Lesson"), &window))->move(9, 5);
    window.show();
    return QApplication::exec();
}
