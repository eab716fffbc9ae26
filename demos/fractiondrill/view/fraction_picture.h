#pragma once

#include <gmpxx.h>

#include <QWidget>

#include <vector>

namespace fractiondrill {

// Fractions drawn as bars cut into equal parts with the numerator's parts coloured, and as
// circles cut into equal sectors; an improper fraction takes several wholes. One row per
// fraction, with its written form at the left.
class FractionPicture : public QWidget {
    Q_OBJECT
  public:
    static constexpr long largestDrawnDenominator = 60;
    static constexpr int largestDrawnWholes = 4;

    explicit FractionPicture(QWidget* parent = nullptr);

    struct Row {
        mpz_class numerator; // as written (6/8 is drawn in eighths, not quarters)
        mpz_class denominator;
        QString label;
    };
    void setRows(std::vector<Row> rows);

    QSize sizeHint() const override { return {520, 90 * static_cast<int>(rows_.size() + 1)}; }
    QSize minimumSizeHint() const override { return {300, 120}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    void paintRow(QPainter& painter, const Row& row, QRectF area) const;

    std::vector<Row> rows_;
};

} // namespace fractiondrill
