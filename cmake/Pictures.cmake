# add_course_pictures(<target> <folder>)
#
# Renders every SVG source content/pictures/<folder>/NAME.EXT.svg into the picture file
# NAME.EXT of the installation folder (EXT is jpg, bmp or png) and builds them all with
# <target>. New sources are picked up when the build runs again.
function(add_course_pictures target folder)
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/content/pictures/${folder}/*.svg")
    set(outputs "")
    foreach(source IN LISTS sources)
        get_filename_component(source_name "${source}" NAME)
        string(REGEX REPLACE "\\.svg$" "" picture_name "${source_name}")
        _claim_staged_picture("${picture_name}" "${source}")
        set(output "${STAGE_DIR}/${picture_name}")
        add_custom_command(
            OUTPUT "${output}"
            COMMAND picture_renderer "${source}" "${output}"
            DEPENDS "${source}" picture_renderer
            COMMENT "Rendering ${folder}/${picture_name}"
            VERBATIM)
        list(APPEND outputs "${output}")
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

# All pictures land in one folder, so two sources must never make the same file.
function(_claim_staged_picture picture_name source)
    get_property(owner GLOBAL PROPERTY "COURSE_PICTURE_SOURCE_${picture_name}")
    if(owner)
        message(FATAL_ERROR "Both ${owner} and ${source} make the picture ${picture_name}")
    endif()
    set_property(GLOBAL PROPERTY "COURSE_PICTURE_SOURCE_${picture_name}" "${source}")
endfunction()
