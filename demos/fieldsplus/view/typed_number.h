#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace fieldsplus {

// A typed whole number for the explore tabs, between -10^9 and 10^9; the error names the
// field: "a: unexpected 'x' at 2".
std::optional<std::int64_t> readNumber(const QString& text, const char* name, QString& error);
// A typed modulus from 2 to 10^9.
std::optional<std::int64_t> readModulus(const QString& text, const char* name, QString& error);
// The error in the course's red.
QString errorHtml(const QString& message);

} // namespace fieldsplus
