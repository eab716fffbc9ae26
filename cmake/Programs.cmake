# The one list of every program the course has. The build stages each of them into the
# installation folder, and a test checks that every program name the menu or a Page
# starts is on this list.
set(COURSE_LESSON_PROGRAMS shapes chances numbertheory ringsfields numbersystems setsrelations vectorlessons
    fluxions)
set(COURSE_MENU_PROGRAMS menu)
set(COURSE_GAME_PROGRAMS doorgame)
set(COURSE_DEMONSTRATION_PROGRAMS
    planesurface linesketch rightangle threesides manysides sixsides gridpoints halfway
    shifting mirrorimage turning scaling solids divisors
    addmult fieldsplus equations graphs grids grids2
    counting signednumbers signednumbers2 fractiondrill decimals imaginaries
    collections mappings arrows
    continuity slopes areas)
# Companion programs that only the menu starts (continuity, slopes and areas are started by
# the calculus Pages as well, so they stand with the demonstrations above).
set(COURSE_COMPANION_PROGRAMS
    extras journal dataanalysis angles progressions chronicle)
