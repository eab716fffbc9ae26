# add_lesson_program(<name>): a lesson program is the lesson engine plus the catalogue in
# lessons/<name>/, compiled into the program and staged into the installation folder.
function(add_lesson_program name)
    set(folder "${CMAKE_SOURCE_DIR}/lessons/${name}")
    file(GLOB catalogue_files CONFIGURE_DEPENDS "${folder}/*.txt")
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/${name}_catalogue.cpp")
    add_custom_command(OUTPUT "${generated}"
        COMMAND catalogue_compiler "${folder}" "${generated}"
        DEPENDS catalogue_compiler ${catalogue_files}
        COMMENT "Compiling the ${name} lesson catalogue"
        VERBATIM)
    add_executable(${name} "${folder}/main.cpp" "${generated}")
    target_link_libraries(${name} PRIVATE course_lesson_program)
    course_target_options(${name})
    stage_program(${name})
endfunction()

# add_catalogue_library(<target> <folder>): a compiled catalogue as a library, for tests.
function(add_catalogue_library target folder)
    file(GLOB catalogue_files CONFIGURE_DEPENDS "${folder}/*.txt")
    set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp")
    add_custom_command(OUTPUT "${generated}"
        COMMAND catalogue_compiler "${folder}" "${generated}"
        DEPENDS catalogue_compiler ${catalogue_files}
        VERBATIM)
    add_library(${target} STATIC "${generated}")
    target_link_libraries(${target} PUBLIC course_engine_core)
endfunction()
