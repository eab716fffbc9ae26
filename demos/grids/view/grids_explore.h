#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextBrowser;

namespace grids {

// The explore area: A and B typed with one row per line (or rows separated by ;), a scalar k,
// an operation, and the result with its working, recomputed on every keystroke.
class GridsExplore : public QWidget {
    Q_OBJECT
  public:
    explicit GridsExplore(QWidget* parent = nullptr);

  private slots:
    void recompute();

  private:
    QWidget* makeInputs();
    QPlainTextEdit* makeMatrixField(const char* name, const QString& text);
    void showResult();

    QPlainTextEdit* fieldA_;
    QPlainTextEdit* fieldB_;
    QLineEdit* fieldK_;
    QLabel* messageA_;
    QLabel* messageB_;
    QLabel* messageK_;
    QComboBox* operation_;
    QTextBrowser* result_;
};

} // namespace grids
