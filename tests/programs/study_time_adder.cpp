// study_time_adder <file> <minutes> <times>: adds the minutes to a study-time file the given
// number of times, as that many closing lesson programs would. Exits with 1 when an update
// was given up.
#include "engine/view/study_time_file.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const int minutes = std::atoi(argv[2]);
    bool allCounted = true;
    for (int i = std::atoi(argv[3]); i > 0; --i)
        allCounted = engine::addStudyMinutes(argv[1], minutes).has_value() && allCounted;
    return allCounted ? 0 : 1;
}
