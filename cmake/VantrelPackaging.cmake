# Install rules and the Debian package. `cmake --install build --prefix P`
# puts the programs into P/bin, the map pages into P/share/vantrel/maps and
# the desktop integration (entry, metainfo, icons, man pages) where desktops
# look for them; `cmake --build build --target package` builds
# vantrel_<version>_amd64.deb. Everything takes the version and release
# date from the top-level CMakeLists.txt.

set(VANTREL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(VANTREL_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(VANTREL_MAINTAINER "Fenmora <vantrel@fenmora.com>")
# The icon sizes of the hicolor theme that menus and docks ask for.
set(VANTREL_ICON_SIZES 16 22 24 32 48 64 128 256)

# ---- Programs and map pages ----
install(TARGETS vantrel vantrel-telemetry RUNTIME DESTINATION bin)
# The player the `vantrel` command starts when no window takes its files.
install(TARGETS vantrel-player RUNTIME DESTINATION lib/vantrel)
# Leaflet stays the system's (libjs-leaflet): the installed pages reach it
# through links, relative ones when the prefix is the system's own.
install(DIRECTORY ${VANTREL_MAP_PAGES_DIR}/ DESTINATION share/vantrel/maps
    PATTERN leaflet.js EXCLUDE PATTERN leaflet.css EXCLUDE PATTERN images EXCLUDE)
install(CODE "
    set(maps \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/vantrel/maps\")
    if(\"${VANTREL_LEAFLET_DIR}\" STREQUAL \"/usr/share/javascript/leaflet\"
            AND CMAKE_INSTALL_PREFIX MATCHES \"/usr/?$\")
        set(leaflet ../../javascript/leaflet)
    else()
        set(leaflet \"${VANTREL_LEAFLET_DIR}\")
    endif()
    foreach(name leaflet.js leaflet.css images)
        message(STATUS \"Linking: \${maps}/\${name} -> \${leaflet}/\${name}\")
        file(REMOVE_RECURSE \"\${maps}/\${name}\")
        file(CREATE_LINK \"\${leaflet}/\${name}\" \"\${maps}/\${name}\" SYMBOLIC)
    endforeach()
")

# ---- Desktop integration, generated at build time ----
execute_process(COMMAND date -u -R -d "${VANTREL_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE VANTREL_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${VANTREL_PACKAGING_DIR}/${VANTREL_APP_ID}.metainfo.xml.in
    ${VANTREL_PACKAGING_OUT}/${VANTREL_APP_ID}.metainfo.xml @ONLY)

set(packaging_outputs)
# Man pages and the package's change log, compressed as Debian wants them.
foreach(source vantrel.1 vantrel-telemetry.1 changelog)
    configure_file(${VANTREL_PACKAGING_DIR}/${source}.in ${VANTREL_PACKAGING_OUT}/${source} @ONLY)
    add_custom_command(
        OUTPUT ${VANTREL_PACKAGING_OUT}/${source}.gz
        COMMAND gzip -9nkf ${VANTREL_PACKAGING_OUT}/${source}
        DEPENDS ${VANTREL_PACKAGING_OUT}/${source}
        VERBATIM)
    list(APPEND packaging_outputs ${VANTREL_PACKAGING_OUT}/${source}.gz)
endforeach()

# The application icon in every size, rendered from the logo's source.
set(logo_source ${PROJECT_SOURCE_DIR}/src/resources/image/logo.svg)
foreach(size IN LISTS VANTREL_ICON_SIZES)
    set(icon ${VANTREL_PACKAGING_OUT}/icons/${size}/${VANTREL_APP_ID}.png)
    add_custom_command(
        OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTREL_PACKAGING_OUT}/icons/${size}
        COMMAND vantrel_iconrender ${logo_source} ${size} ${icon}
        DEPENDS vantrel_iconrender ${logo_source}
        COMMENT "Rendering the ${size} px application icon"
        VERBATIM)
    list(APPEND packaging_outputs ${icon})
    install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(vantrel_packaging_files ALL DEPENDS ${packaging_outputs})

install(FILES ${VANTREL_PACKAGING_DIR}/${VANTREL_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${VANTREL_PACKAGING_OUT}/${VANTREL_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${logo_source} DESTINATION share/icons/hicolor/scalable/apps
    RENAME ${VANTREL_APP_ID}.svg)
install(FILES ${VANTREL_PACKAGING_OUT}/vantrel.1.gz ${VANTREL_PACKAGING_OUT}/vantrel-telemetry.1.gz
    DESTINATION share/man/man1)
install(FILES ${VANTREL_PACKAGING_DIR}/copyright ${VANTREL_PACKAGING_OUT}/changelog.gz
    DESTINATION share/doc/vantrel)

# ---- Debian package ----
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VANTREL_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.fenmora.com/vantrel/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for dashboard camera recordings with their telemetry")
# CPack writes the summary as the synopsis and indents these lines itself;
# an empty line becomes the paragraph separator.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Dashboard cameras store, inside each recording, one telemetry record per
second: the GPS time, position and speed, and three G-sensor values.
Vantrel plays MP4, MOV and AVI recordings of several camera families, the
rear camera beside the front one, and shows each second's record on a
speed dial, a compass, G-sensor lines and a map.

vantrel-telemetry writes the records as JSON, CSV, GPX, KML or GeoJSON.")
# Shared libraries are found by dpkg-shlibdeps; what the program loads or
# starts at run time is named here: the media framework's plugins for the
# players, ffmpeg for still images, Leaflet for the map pages and the
# metric-compatible fonts for the faces the interface names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5multimedia5-plugins, gstreamer1.0-plugins-base, \
gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-libav, gstreamer1.0-x, \
ffmpeg, libjs-leaflet, fonts-crosextra-carlito, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-pulseaudio | gstreamer1.0-alsa")
include(CPack)
