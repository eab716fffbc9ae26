#include "picture_folder.h"

#include <QImage>

PictureFolder::PictureFolder() {
    addPicture("prof.bmp", 100, 140, tutorColour);
    addPicture("backbutt.bmp", 24, 22, Qt::darkGray);
    addPicture("forbutt.bmp", 24, 22, Qt::darkGray);
    addPicture("square.bmp", 60, 60, squareColour);
    addPicture("wide.bmp", 30, 10, wideColour);
}

void PictureFolder::addPicture(const QString& name, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.save(dir_.filePath(name), "BMP");
}
