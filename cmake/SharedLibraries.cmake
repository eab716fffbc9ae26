# The code that many programs share (the platform layer, the lesson engine, the demonstration
# kit and the kits built on it) is built once, as shared libraries in the installation folder
# beside the programs, instead of being copied into every one of them. Such a library is made
# with add_library(<name> ${COURSE_SHARED_CODE} ...); everything of ours it links is made so
# too, so that no code is ever loaded twice into one program.
#
# Installed, the programs and libraries find them through the run path $ORIGIN (the folder of
# the program itself); in the build tree they keep CMake's absolute run path into the staged
# folder, so the staged programs and the tests start as they are. The fuzz build keeps
# everything static.
option(COURSE_SHARED_LIBRARIES "Build the code many programs share as shared libraries" ON)
if(COURSE_SHARED_LIBRARIES AND NOT COURSE_FUZZ)
    set(COURSE_SHARED_CODE SHARED)
else()
    set(COURSE_SHARED_CODE STATIC)
endif()

# Every target defined in <folder> and below it.
function(_course_targets_below folder out)
    get_property(targets DIRECTORY "${folder}" PROPERTY BUILDSYSTEM_TARGETS)
    get_property(children DIRECTORY "${folder}" PROPERTY SUBDIRECTORIES)
    foreach(child IN LISTS children)
        _course_targets_below("${child}" below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# course_stage_shared_libraries(): stages every shared library of the tree beside the
# programs, gives every program and library the run path $ORIGIN for its installed copy, and
# keeps the list of libraries in the global property COURSE_SHARED_LIBRARY_TARGETS for
# cmake/Install.cmake. A shared library compiles exactly as its static form did (no
# <name>_EXPORTS macro; every symbol is visible), so both share the compiler cache.
function(course_stage_shared_libraries)
    _course_targets_below("${CMAKE_SOURCE_DIR}" targets)
    set(libraries "")
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "SHARED_LIBRARY")
            set_target_properties(${target} PROPERTIES
                LIBRARY_OUTPUT_DIRECTORY "${STAGE_DIR}" DEFINE_SYMBOL "" INSTALL_RPATH "$ORIGIN")
            list(APPEND libraries ${target})
        elseif(type STREQUAL "EXECUTABLE")
            set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
        endif()
    endforeach()
    set_property(GLOBAL PROPERTY COURSE_SHARED_LIBRARY_TARGETS ${libraries})
endfunction()
