#pragma once

#include "lesson_program.h"

namespace lesson_tests {

// The checks of a lesson program's content against its expected Page table. Each one
// looks at one kind of fact on every Page and adds a fault for every Page that is wrong.

// The catalogue reader's and the table reader's own complaints.
void checkCatalogueReads(const LessonProgram& program, PageFaults& faults);
void checkTableReads(const LessonProgram& program, PageFaults& faults);

// The folder holds Pages 1..N once each, in order, and as many as the table.
void checkPageOrder(const LessonProgram& program, PageFaults& faults);

void checkLessonLayoutAndTutor(const LessonProgram& program, PageFaults& faults);
void checkTextLineCounts(const LessonProgram& program, PageFaults& faults);
void checkQuotedTextLines(const LessonProgram& program, PageFaults& faults);
void checkTutorSpeech(const LessonProgram& program, PageFaults& faults);

// Placements in drawing order; the slot only where the table gives one. Two different
// pictures in one slot are a fault: the slot holds the later one when the screen is shown.
void checkPictures(const LessonProgram& program, PageFaults& faults);
void checkPictureSources(const LessonProgram& program, PageFaults& faults);

void checkAnswerLetters(const LessonProgram& program, PageFaults& faults);
void checkFillIns(const LessonProgram& program, PageFaults& faults);
void checkDemonstrationPrograms(const LessonProgram& program, PageFaults& faults);

// The lines that get answer buttons are the question's choices, and the right answer has one.
void checkChoiceLines(const LessonProgram& program, PageFaults& faults);
void checkAnswerLetterButtons(const LessonProgram& program, PageFaults& faults);

// Every question is followed by a text Page with line 1 free for the verdict, which repeats
// the right choice.
void checkSolutionsFollowQuestions(const LessonProgram& program, PageFaults& faults);
void checkSolutionsShowTheRightChoice(const LessonProgram& program, PageFaults& faults);
// Where the table gives the solution indent: the solution repeats the right choice exactly,
// after that indent.
void checkSolutionsRepeatTheRightChoiceExactly(const LessonProgram& program, PageFaults& faults);

// program.txt and lessons.txt against the table's catalogue and lesson lines.
void checkProgramAndLessonTables(const LessonProgram& program, PageFaults& faults);
void checkTooltips(const LessonProgram& program, PageFaults& faults);

// A choice as the learner reads it: blanks before it and runs of blanks inside do not count.
std::string choiceAsRead(const std::string& line);

} // namespace lesson_tests
