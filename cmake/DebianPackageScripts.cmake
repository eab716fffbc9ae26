# Run by CPack after it has made the Debian package (CPACK_POST_BUILD_SCRIPTS). CPack gives
# every package with a shared library under /usr/lib/* maintainer scripts that run ldconfig;
# the course's libraries live in its own folder, which the dynamic linker's cache never
# lists (the programs find them through $ORIGIN), so the package is packed again without them
# and has no maintainer scripts at all.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(tree "${package}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${tree}" "${package}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()
