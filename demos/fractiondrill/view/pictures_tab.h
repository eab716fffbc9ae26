#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;
class QTextBrowser;

namespace fractiondrill {

class FractionPicture;

// A fraction as bars and circles, beside an equivalent one (numerator and denominator times
// k) and its lowest terms, with the reduction by Euclid's algorithm, the mixed number, the
// decimal and the percentage.
class PicturesTab : public QWidget {
    Q_OBJECT
  public:
    explicit PicturesTab(QWidget* parent = nullptr);

  private:
    void refresh();

    QSpinBox* numerator_;
    QSpinBox* denominator_;
    QSpinBox* factor_;
    FractionPicture* picture_;
    QTextBrowser* facts_;
};

} // namespace fractiondrill
