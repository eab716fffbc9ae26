#pragma once

#include "solids/core/platonic.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

namespace solids {

class NetView;
class SolidView;

// The explore area: choose one of the five solids and turn it, show its dual inside it, mark
// the faces at one corner, see its net, the table of why there are only five, and type a
// symbol {p, q} to see what it makes. The facts beside it are counted on the mesh.
class SolidsExplore : public QWidget {
    Q_OBJECT
  public:
    explicit SolidsExplore(QWidget* parent = nullptr);

    Solid solid() const { return solid_; }
    void showSolid(Solid solid);
    SolidView* solidView() { return solidView_; }
    NetView* netView() { return netView_; }

  private:
    QWidget* makeChoiceRow();
    QWidget* makeSymbolRow();
    void readTypedSymbol();

    Solid solid_ = Solid::Cube;
    QComboBox* chooser_ = nullptr;
    QCheckBox* dual_ = nullptr;
    QCheckBox* corner_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    SolidView* solidView_ = nullptr;
    NetView* netView_ = nullptr;
    QTextBrowser* whyFive_ = nullptr;
    QLineEdit* symbolField_ = nullptr;
    QLabel* symbolVerdict_ = nullptr;
    QTextBrowser* facts_ = nullptr;
};

} // namespace solids
