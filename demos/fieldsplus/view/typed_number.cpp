#include "fieldsplus/view/typed_number.h"

#include "fieldsplus/core/modular_inverse.h"
#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"

namespace fieldsplus {

std::optional<std::int64_t> readNumber(const QString& text, const char* name, QString& error) {
    const auto parsed = kit::parseInteger(text.toStdString());
    if (!parsed.ok()) {
        error = QString("%1: %2").arg(name, QString::fromStdString(parsed.error().message));
        return std::nullopt;
    }
    if (abs(parsed.value()) > largestModulus) {
        error = QString("%1: numbers beyond 10^9 are too large for this demonstration").arg(name);
        return std::nullopt;
    }
    return parsed.value().get_si();
}

std::optional<std::int64_t> readModulus(const QString& text, const char* name, QString& error) {
    const auto value = readNumber(text, name, error);
    if (value && *value < 2) {
        error = QString("%1: the modulus must be at least 2").arg(name);
        return std::nullopt;
    }
    return value;
}

QString errorHtml(const QString& message) {
    return QString("<span style=\"color:%1\">%2</span>")
        .arg(kit::wrongColour().name(), message.toHtmlEscaped());
}

} // namespace fieldsplus
