# The Debian package (`bash tools/course.sh package`): CPack's DEB generator packs what
# `cmake --install` puts under the prefix (/usr for the package), with the programs and
# libraries stripped. dpkg-shlibdeps finds the system libraries the programs need; what the
# programs load without linking it (Qt's SVG picture plug-in for the lesson texts) and the
# fonts the lesson pages are laid out for are named here. No maintainer scripts are needed:
# the desktop database, icon cache and manual index are updated by the triggers of the
# packages that own them (see cmake/DebianPackageScripts.cmake for the ones CPack adds).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME "${COURSE_PACKAGE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "self-study course for a mathematics examination")
# The long description as Debian shows it: lines of at most 79 characters.
set(CPACK_PACKAGE_DESCRIPTION "\
A desktop course for candidates preparing for a mathematics examination in
three subtests: algebra and number theory; geometry, probability and
statistics; calculus and the history of mathematics.

A main menu leads to lesson programs of numbered pages with text and
pictures, a tutor who explains in a speech bubble, and questions whose
answers are judged on the next page. Demonstration programs let the learner
explore each topic, with generated exercises that are checked exactly and
worked solutions. The course keeps each learner's study time per subject.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${COURSE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${COURSE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-liberation")
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/DebianPackageScripts.cmake")
include(CPack)

# The package's change log, compressed as Debian keeps it.
set(COURSE_DEBIAN_VERSION "${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
set(_course_changelog "${CMAKE_BINARY_DIR}/desktop/changelog.Debian")
configure_file("${CMAKE_SOURCE_DIR}/content/package/changelog.in" "${_course_changelog}" @ONLY)
add_custom_command(
    OUTPUT "${_course_changelog}.gz"
    COMMAND gzip -9 -n -f -k "${_course_changelog}"
    DEPENDS "${_course_changelog}"
    VERBATIM)
add_custom_target(course_changelog ALL DEPENDS "${_course_changelog}.gz")
install(FILES "${_course_changelog}.gz" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${COURSE_PACKAGE}")
