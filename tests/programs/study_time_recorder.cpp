// study_time_recorder <program folder> <file name> <minutes>: records the minutes as a lesson
// program in that folder does when it closes, and prints the file it chose. Exits with 1 when
// the minutes could not be recorded.
#include "engine/view/study_time_file.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const std::string file = engine::studyTimeFilePath(argv[1], argv[2]);
    std::cout << file << std::flush;
    return engine::addStudyMinutes(file, std::atoi(argv[3])).has_value() ? 0 : 1;
}
