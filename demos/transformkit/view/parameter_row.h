#pragma once

#include "transformkit/core/transformation.h"

#include <QPointF>
#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace transformkit {

// The typed parameters of one transformation of a given kind: the vector of a translation,
// the mirror of a reflection (an axis, y = ±x, x = h, y = k, a·x + b·y = c or the line through
// two dragged points M and N), the centre and angle of a rotation, the centre and factor of a
// dilation. Field names start with the prefix ("" or "second"), e.g. "angle", "secondAngle".
class ParameterRow : public QWidget {
    Q_OBJECT
  public:
    ParameterRow(TransformKind kind, const QString& prefix, QWidget* parent = nullptr);

    // What the fields describe, or nullopt when a value cannot be read (see error()).
    std::optional<Transformation> transformation() const;
    QString error() const { return error_; }

    // The point of this row that is dragged on the canvas (the vector's head, the centre).
    std::optional<QPointF> handle() const;
    void setHandle(QPointF p);
    // Whether the mirror is the line through the dragged points M and N.
    bool usesMirrorPoints() const;
    void setMirrorPoints(const ExactPoint& m, const ExactPoint& n);
    // Fills the fields as if typed: for tests and for the starting values of the second row.
    void setField(const QString& name, const QString& text);

  signals:
    void changed();

  private:
    QString fullName(const QString& name) const;
    QLineEdit* addField(const QString& name, const QString& label, const QString& text);
    void buildTranslation();
    void buildReflection();
    void buildRotation();
    void buildDilation();
    void showMirrorFields();
    std::optional<mpq_class> read(const QString& name, const QString& label, double limit) const;
    std::optional<Transformation> readReflection() const;

    TransformKind kind_;
    QString prefix_;
    QComboBox* mirrorChoice_ = nullptr;
    QSlider* slider_ = nullptr;
    ExactPoint m_{-2, -3};
    ExactPoint n_{3, 1};
    mutable QString error_;
};

} // namespace transformkit
