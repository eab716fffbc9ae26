#include "kit/view/input_error_label.h"

#include "kit/view/course_colours.h"

#include <QLabel>

namespace kit {

void setUpInputError(QLabel& label) {
    label.setStyleSheet(QString("color: %1").arg(wrongColour().name()));
    label.setWordWrap(true);
    label.hide();
}

} // namespace kit
