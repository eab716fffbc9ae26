# add_demo_program(<name> SOURCES <files...> [LIBRARIES <libs...>]): a demonstration is the
# demonstration kit's window plus the program's own sources, with its lesson text
# (content/demos/<name>/*.html and the pictures beside it) built in as resources under
# qrc:/lesson/, staged into the installation folder.
function(add_demo_program name)
    cmake_parse_arguments(DEMO "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${DEMO_SOURCES})
    add_demo_lesson(${name} ${name})
    target_link_libraries(${name} PRIVATE demo_kit_view ${DEMO_LIBRARIES})
    course_target_options(${name})
    stage_program(${name})
endfunction()

# add_demo_lesson(<target> <name>): builds the lesson text of the demonstration <name> into
# <target> (the program, or a test that opens the program's window).
function(add_demo_lesson target name)
    set(lesson_folder "${CMAKE_SOURCE_DIR}/content/demos/${name}")
    file(GLOB lesson_files CONFIGURE_DEPENDS
        "${lesson_folder}/*.html" "${lesson_folder}/*.svg" "${lesson_folder}/*.png")
    if(NOT lesson_files)
        message(FATAL_ERROR "The demonstration ${name} has no lesson text in ${lesson_folder}")
    endif()
    qt_add_resources(${target} "${target}_${name}_lesson" PREFIX "/lesson" BASE "${lesson_folder}"
        FILES ${lesson_files})
endfunction()
