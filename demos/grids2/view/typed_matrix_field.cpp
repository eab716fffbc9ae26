#include "grids2/view/typed_matrix_field.h"

#include "matrixkit/core/matrix_input.h"

#include "kit/view/course_colours.h"
#include "kit/view/lesson_style.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <exception>

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

void layOutMatrixTab(QWidget* tab, QLabel* label, QPlainTextEdit* field, QLabel* message,
                     QTextBrowser* view) {
    label->setBuddy(field);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(message);
    layout->addWidget(view, 1);
}

void showTypedMatrix(const QPlainTextEdit& field, QLabel& message, QTextBrowser& view,
                     const std::function<QString(const matrixkit::Matrix&)>& refusal,
                     const std::function<std::string(const matrixkit::Matrix&)>& page) {
    try {
        const auto typed = matrixkit::parseMatrix(field.toPlainText().toStdString());
        if (!typed.ok()) {
            message.setText(QString::fromStdString(typed.error().message));
            view.setHtml(QLabel::tr("<p>Correct the matrix as the message in red says.</p>"));
            return;
        }
        const QString fault = refusal(typed.value());
        if (!fault.isEmpty()) {
            message.setText(fault);
            return;
        }
        message.clear();
        view.setHtml(QString::fromStdString(page(typed.value())));
    } catch (const std::exception& error) {
        message.setText(QString::fromUtf8(error.what()));
    }
}

} // namespace grids2
