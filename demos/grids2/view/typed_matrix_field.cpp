#include "grids2/view/typed_matrix_field.h"

#include "kit/view/course_colours.h"
#include "kit/view/lesson_style.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>

namespace grids2 {

QPlainTextEdit* makeMatrixField(const char* name, const QString& text, QWidget* parent) {
    auto* field = new QPlainTextEdit(text, parent);
    field->setObjectName(name);
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field->setTabChangesFocus(true);
    field->setFixedHeight(field->fontMetrics().lineSpacing() * 4 + 14);
    return field;
}

QLabel* makeMessageLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setStyleSheet(QString("color: %1;").arg(kit::wrongColour().name()));
    return label;
}

QTextBrowser* makeResultView(const char* name, QWidget* parent) {
    auto* view = new QTextBrowser(parent);
    view->setObjectName(name);
    view->document()->setDefaultStyleSheet(kit::lessonStyleSheet());
    return view;
}

} // namespace grids2
