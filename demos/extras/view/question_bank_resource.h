#pragma once

#include "extras/core/bank_item.h"

namespace extras {

// The course's fixed multiple-choice questions, read from the copy built into the program
// (content/demos/extras/question_bank.txt). Problems in it are reported on the error output.
std::vector<BankItem> builtInBank();

} // namespace extras
