// picture_renderer <in.svg> <out.jpg|out.bmp|out.png>
// picture_renderer --icon <size> <in.svg> <out.png>
//
// Renders one SVG source of the course into the picture file the programs read, or into a
// square icon with a transparent background for the desktop. Any
// fault exits non-zero with a message naming the file, so the build stops on it.

#include "tools/picture_renderer/picture_output.h"
#include "tools/picture_renderer/svg_picture.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "picture_renderer: %s\n", qPrintable(message));
    return 1;
}

// Qt wants a private runtime folder and complains on every run when a build machine has
// none; a temporary one keeps the build output quiet.
void provideRuntimeFolder(std::optional<QTemporaryDir>& folder) {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    folder.emplace();
    if (folder->isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
}

} // namespace

int main(int argc, char** argv) {
    // The build machine has no display; fonts and painting work all the same.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<QTemporaryDir> runtimeFolder;
    provideRuntimeFolder(runtimeFolder);
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const bool icon = arguments.size() == 5 && arguments[1] == "--icon";
    if (arguments.size() != 3 && !icon)
        return fail(QStringLiteral("usage: picture_renderer [--icon <size>] <in.svg> <out>"));
    const QString source = arguments[arguments.size() - 2];
    const QString output = arguments[arguments.size() - 1];
    const auto rendered =
        icon ? tools::renderSvgIcon(source, arguments[2].toInt()) : tools::renderSvgPicture(source);
    if (const auto* problem = std::get_if<QString>(&rendered))
        return fail(*problem);
    const tools::PictureWriting writing = tools::writePicture(std::get<QImage>(rendered), output);
    if (writing.problem)
        return fail(*writing.problem);
    if (!writing.note.isEmpty()) // shown in the build log
        std::printf("picture_renderer: %s\n", qPrintable(writing.note));
    return 0;
}
