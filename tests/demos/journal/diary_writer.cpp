// diary_writer <diary file> <tag> <count>: adds <count> entries with ids "<tag>-<k>" one at a
// time, each saved through the diary store as a diary window saves it. Exits with 1 when a
// save failed.
#include "journal/view/diary_store.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const journal::DiaryStore store(QString::fromLocal8Bit(argv[1]));
    const std::string tag = argv[2];
    const int count = std::stoi(argv[3]);
    journal::Diary diary;
    for (int k = 0; k < count; ++k) {
        const std::string id = tag + "-" + std::to_string(k);
        diary.entries.emplace(id, journal::DiaryEntry{id, "2026-12-08", "Calculus", k, k, tag});
        const journal::DiaryResult result = store.save(diary);
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", result.message.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
