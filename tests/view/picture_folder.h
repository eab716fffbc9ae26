#pragma once

#include <QColor>
#include <QTemporaryDir>

#include <string>

// A program folder with plain single-colour pictures under the names the sample uses.
class PictureFolder {
  public:
    PictureFolder();
    std::string path() const { return dir_.path().toStdString(); }
    void addPicture(const QString& name, int width, int height, QColor colour);

    static inline const QColor tutorColour{200, 40, 40};
    static inline const QColor squareColour{40, 200, 40};
    static inline const QColor wideColour{250, 150, 0};

  private:
    QTemporaryDir dir_;
};
