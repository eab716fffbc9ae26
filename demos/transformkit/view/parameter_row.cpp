#include "transformkit/view/parameter_row.h"

#include "kit/core/number_input.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

namespace transformkit {
namespace {

// The mirrors offered, in the order of the chooser.
enum Mirror { XAxis, YAxis, Diagonal, AntiDiagonal, Vertical, Horizontal, General, ThroughMN };

QString exactText(double value) {
    return QString::fromStdString(numberText(mpq_class(value)));
}

} // namespace

ParameterRow::ParameterRow(TransformKind kind, const QString& prefix, QWidget* parent)
    : QWidget(parent), kind_(kind), prefix_(prefix) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    switch (kind) {
    case TransformKind::Translation:
        buildTranslation();
        break;
    case TransformKind::Reflection:
        buildReflection();
        break;
    case TransformKind::Rotation:
        buildRotation();
        break;
    case TransformKind::Dilation:
        buildDilation();
        break;
    }
    layout->addStretch(1);
}

QLineEdit* ParameterRow::addField(const QString& name, const QString& label, const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setObjectName(fullName(name));
    field->setMaximumWidth(64);
    auto* caption = new QLabel(label, this);
    caption->setObjectName(fullName(name) + "Caption");
    caption->setBuddy(field);
    layout()->addWidget(caption);
    layout()->addWidget(field);
    connect(field, &QLineEdit::textChanged, this, &ParameterRow::changed);
    return field;
}

void ParameterRow::buildTranslation() {
    addField("vectorA", tr("vector ( a ="), prefix_.isEmpty() ? "3" : "-1");
    addField("vectorB", tr(", b ="), prefix_.isEmpty() ? "2" : "-4");
    layout()->addWidget(new QLabel(")", this));
}

void ParameterRow::buildReflection() {
    mirrorChoice_ = new QComboBox(this);
    mirrorChoice_->setObjectName(fullName("mirrorChoice"));
    mirrorChoice_->addItems({tr("the x-axis"), tr("the y-axis"), tr("y = x"), tr("y = \u2212x"),
                             tr("x = h"), tr("y = k"), tr("a\u00b7x + b\u00b7y = c"),
                             tr("the line through M and N")});
    auto* caption = new QLabel(tr("mirror:"), this);
    caption->setBuddy(mirrorChoice_);
    layout()->addWidget(caption);
    layout()->addWidget(mirrorChoice_);
    addField("mirrorH", tr("h ="), "2");
    addField("mirrorA", tr("a ="), "1");
    addField("mirrorB", tr("b ="), "2");
    addField("mirrorC", tr("c ="), "4");
    mirrorChoice_->setCurrentIndex(prefix_.isEmpty() ? Diagonal : XAxis);
    connect(mirrorChoice_, &QComboBox::currentIndexChanged, this, [this] {
        showMirrorFields();
        emit changed();
    });
    showMirrorFields();
}

void ParameterRow::showMirrorFields() {
    const int mirror = mirrorChoice_->currentIndex();
    const bool oneValue = mirror == Vertical || mirror == Horizontal;
    for (const QString name : {"mirrorH", "mirrorA", "mirrorB", "mirrorC"}) {
        const bool shown = name == "mirrorH" ? oneValue : mirror == General;
        findChild<QLineEdit*>(fullName(name))->setVisible(shown);
        findChild<QLabel*>(fullName(name) + "Caption")->setVisible(shown);
    }
    findChild<QLabel*>(fullName("mirrorH") + "Caption")
        ->setText(mirror == Horizontal ? tr("k =") : tr("h ="));
}

void ParameterRow::buildRotation() {
    addField("centreX", tr("centre ("), prefix_.isEmpty() ? "0" : "2");
    addField("centreY", tr(","), "0");
    layout()->addWidget(new QLabel(")", this));
    QLineEdit* angle = addField("angle", tr("angle \u00b0 ="), "90");
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(fullName("angleSlider"));
    slider_->setRange(-24, 24); // steps of 15°
    slider_->setValue(6);
    slider_->setMinimumWidth(90);
    slider_->setToolTip(tr("Drag to turn in steps of 15\u00b0"));
    layout()->addWidget(slider_);
    connect(slider_, &QSlider::valueChanged, this,
            [angle](int steps) { angle->setText(QString::number(steps * 15)); });
}

void ParameterRow::buildDilation() {
    addField("centreX", tr("centre ("), "0");
    addField("centreY", tr(","), "0");
    layout()->addWidget(new QLabel(")", this));
    QLineEdit* factor = addField("factor", tr("factor k ="), prefix_.isEmpty() ? "2" : "-1/2");
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(fullName("factorSlider"));
    slider_->setRange(-12, 12); // quarters
    slider_->setValue(prefix_.isEmpty() ? 8 : -2);
    slider_->setMinimumWidth(90);
    slider_->setToolTip(tr("Drag to change k in steps of 1/4"));
    layout()->addWidget(slider_);
    connect(slider_, &QSlider::valueChanged, this, [factor](int quarters) {
        factor->setText(QString::fromStdString(numberText(mpq_class(quarters, 4))));
    });
}

QString ParameterRow::fullName(const QString& name) const {
    return prefix_.isEmpty() ? name : prefix_ + name.left(1).toUpper() + name.mid(1);
}

void ParameterRow::setField(const QString& name, const QString& text) {
    if (auto* field = findChild<QLineEdit*>(fullName(name)))
        field->setText(text);
}

std::optional<mpq_class> ParameterRow::read(const QString& name, const QString& label,
                                            double limit) const {
    const auto* field = findChild<QLineEdit*>(fullName(name));
    const auto value = kit::parseRational(field->text().toStdString());
    if (!value.ok()) {
        error_ = label + ": " + QString::fromStdString(value.error().message);
        return std::nullopt;
    }
    if (abs(value.value()) > limit) {
        error_ = tr("%1: keep it between \u2212%2 and %2").arg(label).arg(limit);
        return std::nullopt;
    }
    return value.value();
}

std::optional<Transformation> ParameterRow::readReflection() const {
    switch (mirrorChoice_->currentIndex()) {
    case XAxis:
        return Transformation::reflection({0, 1, 0});
    case YAxis:
        return Transformation::reflection({1, 0, 0});
    case Diagonal:
        return Transformation::reflection({1, -1, 0});
    case AntiDiagonal:
        return Transformation::reflection({1, 1, 0});
    case Vertical:
    case Horizontal: {
        const bool vertical = mirrorChoice_->currentIndex() == Vertical;
        const auto value = read("mirrorH", vertical ? "h" : "k", 100);
        if (!value)
            return std::nullopt;
        return Transformation::reflection(vertical ? Line{1, 0, *value} : Line{0, 1, *value});
    }
    case General: {
        const auto a = read("mirrorA", "a", 100), b = read("mirrorB", "b", 100),
                   c = read("mirrorC", "c", 100);
        if (!a || !b || !c)
            return std::nullopt;
        if (*a == 0 && *b == 0) {
            error_ = tr("a and b cannot both be 0: then a\u00b7x + b\u00b7y = c is not a line");
            return std::nullopt;
        }
        return Transformation::reflection({*a, *b, *c});
    }
    default:
        if (m_ == n_) {
            error_ = tr("M and N are the same point: drag them apart to make a line");
            return std::nullopt;
        }
        return Transformation::reflection(lineThrough(m_, n_));
    }
}

std::optional<Transformation> ParameterRow::transformation() const {
    error_.clear();
    switch (kind_) {
    case TransformKind::Translation: {
        const auto a = read("vectorA", "a", 100), b = read("vectorB", "b", 100);
        if (!a || !b)
            return std::nullopt;
        return Transformation::translation({*a, *b});
    }
    case TransformKind::Reflection:
        return readReflection();
    case TransformKind::Rotation: {
        const auto x = read("centreX", "centre x", 100), y = read("centreY", "centre y", 100);
        const auto angle = read("angle", "angle", 720);
        if (!x || !y || !angle)
            return std::nullopt;
        return Transformation::rotation({*x, *y}, *angle);
    }
    case TransformKind::Dilation: {
        const auto x = read("centreX", "centre x", 100), y = read("centreY", "centre y", 100);
        const auto k = read("factor", "k", 20);
        if (!x || !y || !k)
            return std::nullopt;
        if (*k == 0) {
            error_ = tr("k = 0 squeezes every point onto the centre; a dilation needs k \u2260 0");
            return std::nullopt;
        }
        return Transformation::dilation({*x, *y}, *k);
    }
    }
    return std::nullopt;
}

std::optional<QPointF> ParameterRow::handle() const {
    const auto t = transformation();
    if (!t)
        return std::nullopt;
    switch (kind_) {
    case TransformKind::Translation:
        return QPointF(t->vector().x.get_d(), t->vector().y.get_d());
    case TransformKind::Rotation:
    case TransformKind::Dilation:
        return QPointF(t->centre().x.get_d(), t->centre().y.get_d());
    case TransformKind::Reflection:
        break;
    }
    return std::nullopt;
}

void ParameterRow::setHandle(QPointF p) {
    if (kind_ == TransformKind::Translation) {
        setField("vectorA", exactText(p.x()));
        setField("vectorB", exactText(p.y()));
    } else if (kind_ != TransformKind::Reflection) {
        setField("centreX", exactText(p.x()));
        setField("centreY", exactText(p.y()));
    }
}

bool ParameterRow::usesMirrorPoints() const {
    return mirrorChoice_ && mirrorChoice_->currentIndex() == ThroughMN;
}

void ParameterRow::setMirrorPoints(const ExactPoint& m, const ExactPoint& n) {
    m_ = m;
    n_ = n;
    if (usesMirrorPoints())
        emit changed();
}

} // namespace transformkit
