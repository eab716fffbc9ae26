# The programs a Page may start, as the catalogue compiler checks them.
function(_startable_programs out)
    set(names ${COURSE_DEMONSTRATION_PROGRAMS} ${COURSE_GAME_PROGRAMS} ${ARGN})
    string(REPLACE ";" "," names "${names}")
    set(${out} "${names}" PARENT_SCOPE)
endfunction()

# add_lesson_program(<name>): a lesson program is the lesson engine plus the catalogue in
# lessons/<name>/, compiled into the program and staged into the installation folder.
function(add_lesson_program name)
    set(folder "${CMAKE_SOURCE_DIR}/lessons/${name}")
    file(GLOB catalogue_files CONFIGURE_DEPENDS "${folder}/*.txt")
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/${name}_catalogue.cpp")
    _startable_programs(programs)
    add_custom_command(OUTPUT "${generated}"
        COMMAND catalogue_compiler "${folder}" "${generated}" "${programs}"
        DEPENDS catalogue_compiler ${catalogue_files} "${CMAKE_SOURCE_DIR}/cmake/Programs.cmake"
        COMMENT "Compiling the ${name} lesson catalogue"
        VERBATIM)
    add_executable(${name} "${folder}/main.cpp" "${generated}")
    target_link_libraries(${name} PRIVATE course_lesson_program)
    course_target_options(${name})
    stage_program(${name})
endfunction()

# add_catalogue_library(<target> <folder> [PROGRAMS <name>...]): a compiled catalogue as a
# library, for tests; the named programs may be started besides the course's own.
function(add_catalogue_library target folder)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "PROGRAMS")
    file(GLOB catalogue_files CONFIGURE_DEPENDS "${folder}/*.txt")
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp")
    _startable_programs(programs ${arg_PROGRAMS})
    add_custom_command(OUTPUT "${generated}"
        COMMAND catalogue_compiler "${folder}" "${generated}" "${programs}"
        DEPENDS catalogue_compiler ${catalogue_files} "${CMAKE_SOURCE_DIR}/cmake/Programs.cmake"
        VERBATIM)
    add_library(${target} STATIC "${generated}")
    target_link_libraries(${target} PUBLIC course_engine_core)
endfunction()
