#include "extras/view/question_bank_resource.h"

#include <QFile>
#include <QtDebug>

namespace extras {

std::vector<BankItem> builtInBank() {
    QFile file(":/extras/question_bank.txt");
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("The question bank is missing from the program.");
        return {};
    }
    const QByteArray text = file.readAll();
    BankReading reading = readBank(std::string_view(text.constData(), text.size()));
    for (const std::string& problem : reading.problems)
        qWarning("question bank, %s", problem.c_str());
    return std::move(reading.items);
}

} // namespace extras
