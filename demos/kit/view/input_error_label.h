#pragma once

class QLabel;

namespace kit {

// Makes `label` the place that says what is wrong with typed input: written in the colour of a
// wrong answer, wrapped to the width it is given, and hidden until there is a fault to name.
void setUpInputError(QLabel& label);

} // namespace kit
