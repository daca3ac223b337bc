# The map pages shown by the map view: one Baidu page and one Google page per
# interface language, generated from one template together with the shared
# script and style and Debian's copy of Leaflet.
#
#   vantrel_map_pages(<target>)
#
# puts the pages into "maps" beside the target's executable after each link
# (and relinks it when a page changes). VantrelPackaging.cmake installs them
# into share/vantrel/maps, where an installed program looks for them.

set(VANTREL_MAP_PAGES_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/../src/resources/maps)
set(VANTREL_MAP_PAGES_DIR ${CMAKE_BINARY_DIR}/map-pages)
set(VANTREL_MAP_PAGES_STAMP ${CMAKE_BINARY_DIR}/map-pages.stamp)

find_path(VANTREL_LEAFLET_DIR leaflet.js
    PATHS /usr/share/javascript/leaflet
    DOC "Folder with leaflet.js, leaflet.css and images/ (Debian package libjs-leaflet)")
if(NOT VANTREL_LEAFLET_DIR OR NOT EXISTS ${VANTREL_LEAFLET_DIR}/leaflet.css
        OR NOT IS_DIRECTORY ${VANTREL_LEAFLET_DIR}/images)
    message(FATAL_ERROR "Leaflet was not found: install the Debian package libjs-leaflet "
        "or set VANTREL_LEAFLET_DIR to the folder that holds leaflet.js, leaflet.css and images/.")
endif()

if(NOT TARGET vantrel_map_pages)
    file(GLOB _vantrel_leaflet_images ${VANTREL_LEAFLET_DIR}/images/*.png)
    set(_vantrel_map_page_inputs
        ${VANTREL_MAP_PAGES_SOURCE_DIR}/MapPage.html.in
        ${VANTREL_MAP_PAGES_SOURCE_DIR}/vantrel-map.js
        ${VANTREL_MAP_PAGES_SOURCE_DIR}/vantrel-datum.js
        ${VANTREL_MAP_PAGES_SOURCE_DIR}/vantrel-map.css
        ${VANTREL_LEAFLET_DIR}/leaflet.js
        ${VANTREL_LEAFLET_DIR}/leaflet.css
        ${_vantrel_leaflet_images}
        ${CMAKE_CURRENT_LIST_FILE})
    add_custom_command(
        OUTPUT ${VANTREL_MAP_PAGES_STAMP}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${VANTREL_MAP_PAGES_DIR}
        COMMAND ${CMAKE_COMMAND}
            -DSOURCE_DIR=${VANTREL_MAP_PAGES_SOURCE_DIR}
            -DLEAFLET_DIR=${VANTREL_LEAFLET_DIR}
            -DOUTPUT_DIR=${VANTREL_MAP_PAGES_DIR}
            -P ${CMAKE_CURRENT_LIST_DIR}/VantrelMapPagesGenerate.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${VANTREL_MAP_PAGES_STAMP}
        DEPENDS ${_vantrel_map_page_inputs} ${CMAKE_CURRENT_LIST_DIR}/VantrelMapPagesGenerate.cmake
        COMMENT "Generating the map pages"
        VERBATIM)
    add_custom_target(vantrel_map_pages DEPENDS ${VANTREL_MAP_PAGES_STAMP})
endif()

function(vantrel_map_pages target)
    add_dependencies(${target} vantrel_map_pages)
    # A changed page relinks the target, which copies the pages again.
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${VANTREL_MAP_PAGES_STAMP})
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E rm -rf $<TARGET_FILE_DIR:${target}>/maps
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${VANTREL_MAP_PAGES_DIR} $<TARGET_FILE_DIR:${target}>/maps
        VERBATIM)
endfunction()
