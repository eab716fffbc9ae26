// render_pages <lesson folder> <picture folder> <output folder> [first [last]]
// Shows every Page of a lesson program offscreen, as a learner sees it (background, tutor,
// pictures, text and controls), and writes each to page-NNN.png for review.
#include "engine/catalogue/loaded_catalogue.h"
#include "engine/view/lesson_window.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 4) {
        std::cerr << "usage: render_pages <lesson folder> <picture folder> <output folder> [first "
                     "[last]]\n";
        return 2;
    }
    const auto loaded = engine::loadCatalogueFolder(argv[1]);
    for (const auto& error : loaded->errors)
        std::cerr << error << "\n";
    if (!loaded->errors.empty())
        return 1;
    const engine::Catalogue& catalogue = loaded->catalogue;
    engine::QtPictureSlots pictures(argv[2]);
    pictures.load(0, "prof.bmp");
    pictures.load(2, "backbutt.bmp");
    pictures.load(3, "forbutt.bmp");
    engine::LessonWindow window(catalogue, pictures);
    window.show();
    QDir().mkpath(argv[3]);
    const int first = argc > 4 ? std::atoi(argv[4]) : 1;
    const int last = argc > 5 ? std::atoi(argv[5]) : catalogue.pageCount();
    auto& lesson = window.engine();
    lesson.state().lessonChosen = true;
    lesson.state().stepButtonCount = 1;
    for (int page = std::max(1, first); page <= std::min(last, catalogue.pageCount()); ++page) {
        lesson.state().currentPage = page;
        lesson.showCurrentPage();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        char name[32];
        std::snprintf(name, sizeof name, "/page-%03d.png", page);
        window.grab().save(QString::fromLocal8Bit(argv[3]) + name);
    }
    std::cout << "rendered Pages " << first << " to " << last << " into " << argv[3] << "\n";
    return 0;
}
