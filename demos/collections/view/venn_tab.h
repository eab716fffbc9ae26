#pragma once

#include "collections/core/set_family.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QSpinBox;
class QTextBrowser;

namespace collections {

class VennDiagram;

// The universe and two or three sets typed as rosters, and a set expression typed in either
// spelling: its region is shaded at once, every element is written in its region, and below
// stand the elements of the expression, the cardinalities with inclusion–exclusion and both of
// De Morgan's laws checked on these sets.
class VennTab : public QWidget {
    Q_OBJECT
  public:
    explicit VennTab(QWidget* parent = nullptr);
    void setSets(const QString& universe, const QString& a, const QString& b, const QString& c);
    void setExpression(const QString& expression);
    void setSetCount(int count);

    VennDiagram* diagram() const { return diagram_; }
    QString resultText() const;
    QString detailsText() const;

  private:
    void recompute();
    bool readSets(QString& problem);
    QString deMorganHtml() const;

    QSpinBox* setCount_ = nullptr;
    QLineEdit* universe_ = nullptr;
    QLineEdit* sets_[3] = {nullptr, nullptr, nullptr};
    QLineEdit* expression_ = nullptr;
    VennDiagram* diagram_ = nullptr;
    QLabel* result_ = nullptr;
    QTextBrowser* details_ = nullptr;
    SetFamily family_;
};

} // namespace collections
