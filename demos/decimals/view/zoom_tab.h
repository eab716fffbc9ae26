#pragma once

#include "decimals/core/root_approximation.h"

#include <gmpxx.h>

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace decimals {

class NumberLineView;

// Zooming into the number line by tens around a chosen number: each window is one of the ten
// tenths of the one before, so the windows are nested intervals whose left ends are the
// number's decimals; their least upper bound is the number itself.
class ZoomTab : public QWidget {
    Q_OBJECT
  public:
    static constexpr int deepestLevel = 14;

    explicit ZoomTab(QWidget* parent = nullptr);
    int level() const { return level_; }

  public slots:
    void zoomIn();
    void zoomOut();

  private:
    void chooseNumber();
    void refresh();

    QComboBox* number_;
    QLineEdit* custom_;
    QPushButton* inButton_;
    QPushButton* outButton_;
    NumberLineView* line_;
    QTextBrowser* chain_;
    int level_ = 0;
    std::optional<mpz_class> radicand_; // the number is √radicand ...
    mpq_class rational_;                // ... or this fraction
    QString name_;
};

} // namespace decimals
