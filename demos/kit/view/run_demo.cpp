#include "kit/view/run_demo.h"

#include "kit/view/course_colours.h"
#include "kit/view/demo_window.h"
#include "platform/qt/course_style.h"
#include "platform/qt/first_frame_probe.h"
#include "platform/qt/termination_signals.h"

#include <QApplication>
#include <QPalette>

namespace kit {

void applyCourseLook(QApplication& app) {
    platform::useCourseStyle(app, "Fusion");
    QPalette palette;
    palette.setColor(QPalette::Window, panelColour());
    palette.setColor(QPalette::Button, panelColour());
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, bubbleColour());
    palette.setColor(QPalette::ToolTipBase, bubbleColour());
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Highlight, pageColour());
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, pageColour());
    app.setPalette(palette);
}

int runDemo(int argc, char** argv, DemoDefinition def) {
    QApplication app(argc, argv);
    app.setApplicationName(def.programName);
    applyCourseLook(app);
    platform::installFirstFrameProbe();
    DemoWindow window(std::move(def));
    platform::closeOnTerminationSignals(&window);
    window.show();
    const int status = app.exec();
    return status;
}

} // namespace kit
