#include "journal/view/run_journal.h"

int main(int argc, char** argv) {
    return journal::runJournal(argc, argv);
}
