# Installing the course (`cmake --install`, and the Debian package built from it): the
# installation folder exactly as staged, under <prefix>/lib/<package>/ (the programs are
# stripped by `cmake --install --strip`); a launcher <prefix>/bin/<package> that starts the
# menu; the desktop entry, the icon in the hicolor theme, the AppStream description and the
# launcher's manual page. Include it after every program target exists.
include(GNUInstallDirs)
set(COURSE_INSTALL_FOLDER "lib/${COURSE_PACKAGE}")
set(_course_desktop_sources "${CMAKE_SOURCE_DIR}/content/desktop")
set(_course_desktop_output "${CMAKE_BINARY_DIR}/desktop")

function(_course_install_programs)
    foreach(program IN LISTS COURSE_LESSON_PROGRAMS COURSE_MENU_PROGRAMS COURSE_GAME_PROGRAMS
                            COURSE_DEMONSTRATION_PROGRAMS COURSE_COMPANION_PROGRAMS)
        if(TARGET ${program})
            install(TARGETS ${program} RUNTIME DESTINATION "${COURSE_INSTALL_FOLDER}")
        endif()
    endforeach()
    # The libraries they share, beside them (see cmake/SharedLibraries.cmake).
    get_property(libraries GLOBAL PROPERTY COURSE_SHARED_LIBRARY_TARGETS)
    if(libraries)
        install(TARGETS ${libraries} LIBRARY DESTINATION "${COURSE_INSTALL_FOLDER}")
    endif()
    # The pictures and the help file; not the study-time or saved-place files that runs of the
    # staged programs leave behind.
    install(DIRECTORY "${STAGE_DIR}/" DESTINATION "${COURSE_INSTALL_FOLDER}"
        FILES_MATCHING PATTERN "*.bmp" PATTERN "*.jpg" PATTERN "*.png" PATTERN "*.chm")
endfunction()

function(_course_install_launcher)
    configure_file("${_course_desktop_sources}/launcher.sh.in"
        "${_course_desktop_output}/${COURSE_PACKAGE}" @ONLY)
    install(PROGRAMS "${_course_desktop_output}/${COURSE_PACKAGE}"
        DESTINATION "${CMAKE_INSTALL_BINDIR}")
    string(TOUPPER "${COURSE_PACKAGE}" COURSE_PACKAGE_UPPER)
    set(CMAKE_INSTALL_FULL_LIBDIR_COURSE "${CMAKE_INSTALL_PREFIX}/${COURSE_INSTALL_FOLDER}")
    configure_file("${_course_desktop_sources}/course.1.in"
        "${_course_desktop_output}/${COURSE_PACKAGE}.1" @ONLY)
    add_custom_command(
        OUTPUT "${_course_desktop_output}/${COURSE_PACKAGE}.1.gz"
        COMMAND gzip -9 -n -f -k "${_course_desktop_output}/${COURSE_PACKAGE}.1"
        DEPENDS "${_course_desktop_output}/${COURSE_PACKAGE}.1"
        VERBATIM)
    add_custom_target(course_manual ALL DEPENDS "${_course_desktop_output}/${COURSE_PACKAGE}.1.gz")
    install(FILES "${_course_desktop_output}/${COURSE_PACKAGE}.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endfunction()

function(_course_install_desktop_entry)
    configure_file("${_course_desktop_sources}/course.desktop.in"
        "${_course_desktop_output}/${COURSE_PACKAGE}.desktop" @ONLY)
    install(FILES "${_course_desktop_output}/${COURSE_PACKAGE}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    configure_file("${_course_desktop_sources}/course.metainfo.xml.in"
        "${_course_desktop_output}/${COURSE_COMPONENT_ID}.metainfo.xml" @ONLY)
    install(FILES "${_course_desktop_output}/${COURSE_COMPONENT_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
    # The screenshot the AppStream description names by its address on the web.
    install(FILES "${_course_desktop_sources}/screenshot-menu.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/${COURSE_PACKAGE}/screenshots" RENAME menu.png)
    set(icon "${_course_desktop_sources}/icon.svg")
    install(FILES "${icon}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${COURSE_PACKAGE}.svg")
    set(rendered "")
    foreach(size 16 24 32 48 64 128 256)
        set(png "${_course_desktop_output}/icons/${size}/${COURSE_PACKAGE}.png")
        add_custom_command(
            OUTPUT "${png}"
            COMMAND picture_renderer --icon ${size} "${icon}" "${png}"
            DEPENDS "${icon}" picture_renderer
            COMMENT "Rendering the ${size} px icon"
            VERBATIM)
        list(APPEND rendered "${png}")
        install(FILES "${png}"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
    endforeach()
    add_custom_target(course_icons ALL DEPENDS ${rendered})
endfunction()

_course_install_programs()
_course_install_launcher()
_course_install_desktop_entry()
# The licence: the copyright notice in Debian's form, which names the GPL text every Debian
# system has in /usr/share/common-licenses.
install(FILES "${CMAKE_SOURCE_DIR}/content/package/copyright"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${COURSE_PACKAGE}")
