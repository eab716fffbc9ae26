#include "solids/view/solids_explore.h"

#include "solids/core/corner_angles.h"
#include "solids/core/net.h"
#include "solids/core/solid_facts.h"
#include "solids/view/net_view.h"
#include "solids/view/solid_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace solids {

namespace {

QColor colourOf(Solid solid) {
    switch (solid) {
    case Solid::Tetrahedron:
        return {230, 120, 60};
    case Solid::Cube:
        return {70, 130, 200};
    case Solid::Octahedron:
        return {90, 170, 90};
    case Solid::Dodecahedron:
        return {200, 80, 120};
    case Solid::Icosahedron:
        return {150, 110, 200};
    }
    return Qt::gray;
}

QString capitalised(const std::string& name) {
    QString text = QString::fromStdString(name);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

SolidsExplore::SolidsExplore(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeChoiceRow());

    tabs_ = new QTabWidget;
    tabs_->setObjectName("solidTabs");
    solidView_ = new SolidView;
    solidView_->setObjectName("solidView");
    netView_ = new NetView;
    netView_->setObjectName("netView");
    whyFive_ = new QTextBrowser;
    whyFive_->setObjectName("whyFive");
    tabs_->addTab(solidView_, tr("Turn it"));
    tabs_->addTab(netView_, tr("Net"));
    tabs_->addTab(whyFive_, tr("Why only five"));

    facts_ = new QTextBrowser;
    facts_->setObjectName("solidFacts");
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(tabs_);
    split->addWidget(facts_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
    layout->addWidget(makeSymbolRow());

    connect(dual_, &QCheckBox::toggled, solidView_, &SolidView::setDualShown);
    connect(dual_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            tabs_->setCurrentWidget(solidView_);
    });
    connect(corner_, &QCheckBox::toggled, solidView_, &SolidView::setCornerMarked);
    connect(corner_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            tabs_->setCurrentWidget(solidView_);
    });
    connect(chooser_, &QComboBox::currentIndexChanged, this,
            [this](int index) { showSolid(allSolids[static_cast<std::size_t>(index)]); });
    connect(symbolField_, &QLineEdit::textChanged, this, &SolidsExplore::readTypedSymbol);
    showSolid(Solid::Cube);
}

QWidget* SolidsExplore::makeChoiceRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    chooser_ = new QComboBox;
    chooser_->setObjectName("solidChooser");
    for (Solid solid : allSolids) {
        const Schlafli s = schlafliOf(solid);
        chooser_->addItem(QString("%1 {%2, %3}").arg(capitalised(nameOf(solid))).arg(s.p).arg(s.q));
    }
    chooser_->setCurrentIndex(1);
    auto* label = new QLabel(tr("S&olid:"));
    label->setBuddy(chooser_);
    dual_ = new QCheckBox(tr("Show the &dual inside"));
    dual_->setObjectName("showDual");
    corner_ = new QCheckBox(tr("&Mark the faces at a corner"));
    corner_->setObjectName("markCorner");
    layout->addWidget(label);
    layout->addWidget(chooser_);
    layout->addWidget(dual_);
    layout->addWidget(corner_);
    layout->addStretch();
    return row;
}

QWidget* SolidsExplore::makeSymbolRow() {
    auto* row = new QWidget;
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* line = new QHBoxLayout;
    symbolField_ = new QLineEdit;
    symbolField_->setObjectName("symbolField");
    symbolField_->setPlaceholderText(tr("p, q  such as  5, 3"));
    symbolField_->setMaxLength(60);
    auto* label = new QLabel(tr("&Try a symbol {p, q}:"));
    label->setBuddy(symbolField_);
    line->addWidget(label);
    line->addWidget(symbolField_, 1);
    layout->addLayout(line);
    symbolVerdict_ = new QLabel(tr("Type p (sides of a face) and q (faces at a corner)."));
    symbolVerdict_->setObjectName("symbolVerdict");
    symbolVerdict_->setWordWrap(true);
    symbolVerdict_->setTextFormat(Qt::RichText);
    layout->addWidget(symbolVerdict_);
    return row;
}

void SolidsExplore::showSolid(Solid solid) {
    solid_ = solid;
    const int index = static_cast<int>(solid);
    if (chooser_->currentIndex() != index)
        chooser_->setCurrentIndex(index); // comes back here through the signal
    const Mesh mesh = meshOf(solid);
    solidView_->setSolid(mesh, dualOf(mesh), colourOf(solid), colourOf(dualOf(solid)));
    netView_->setNet(unfold(mesh), colourOf(solid));
    facts_->setHtml(QString::fromStdString(factsHtml(solid)));
    whyFive_->setHtml(QString::fromStdString(whyFiveHtml(schlafliOf(solid))));
}

void SolidsExplore::readTypedSymbol() {
    const QString text = symbolField_->text();
    if (text.trimmed().isEmpty()) {
        symbolVerdict_->setText(tr("Type p (sides of a face) and q (faces at a corner)."));
        return;
    }
    const TypedSymbol typed = readSymbol(text.toStdString());
    if (!typed.symbol) {
        symbolVerdict_->setText("<span style='color:#aa1e1e'>" +
                                QString::fromStdString(typed.error).toHtmlEscaped() + "</span>");
        return;
    }
    symbolVerdict_->setText(QString::fromStdString(symbolVerdictHtml(*typed.symbol)));
    if (const auto solid = solidWith(*typed.symbol))
        showSolid(*solid);
    else
        tabs_->setCurrentWidget(whyFive_);
    whyFive_->setHtml(QString::fromStdString(whyFiveHtml(*typed.symbol)));
}

} // namespace solids
