# Installation and the Debian package. `cmake --install` lays out the same shape as build/stage:
#   <prefix>/lib/kv7700/KV7700/    the program folder: kv7700, kv7700-cli, kv7700-sim, Init/, PIC/,
#                                  guide/ (the user guide)
#   <prefix>/lib/kv7700/Version.ini
# plus launchers in <prefix>/bin, the desktop entry, icons, AppStream metainfo, manual pages and
# the optional udev rule for programming cables. The launchers are symbolic links: the programs
# find their folders from their own resolved executable path, so a link keeps them working.
# The installation has no language/ folder; the program is not allowed to write there and keeps
# its settings in the per-user configuration folder instead.

set(KV_INSTALL_PARENT lib/kv7700)
set(KV_INSTALL_PROGRAM ${KV_INSTALL_PARENT}/KV7700)
set(KV_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(KV_APP_ID net.kv7700.cps)

set(kv_installed_programs)
foreach(program kv7700 kv7700-cli kv7700-sim)
    if(TARGET ${program})
        list(APPEND kv_installed_programs ${program})
    endif()
endforeach()
install(TARGETS ${kv_installed_programs} RUNTIME DESTINATION ${KV_INSTALL_PROGRAM})
install(DIRECTORY ${KV_PROGRAM_DIR}/Init/ DESTINATION ${KV_INSTALL_PROGRAM}/Init
        FILES_MATCHING PATTERN "*.dat" PATTERN "*.fre")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/PIC/ DESTINATION ${KV_INSTALL_PROGRAM}/PIC
        FILES_MATCHING PATTERN "*.jpg")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide/ DESTINATION ${KV_INSTALL_PROGRAM}/guide
        FILES_MATCHING PATTERN "*.html" PATTERN "*.png")
install(FILES ${PROJECT_SOURCE_DIR}/data/Version.ini DESTINATION ${KV_INSTALL_PARENT})

# Relative links, so that the installed tree works wherever it is unpacked.
set(kv_launcher_dir ${CMAKE_BINARY_DIR}/launchers)
file(MAKE_DIRECTORY ${kv_launcher_dir})
foreach(program IN LISTS kv_installed_programs)
    file(CREATE_LINK ../${KV_INSTALL_PROGRAM}/${program} ${kv_launcher_dir}/${program} SYMBOLIC)
    install(FILES ${kv_launcher_dir}/${program} DESTINATION bin)
endforeach()

# Manual pages with the program's version, compressed as Debian installs them.
set(kv_man_pages)
foreach(program IN LISTS kv_installed_programs)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    configure_file(${KV_PACKAGING_DIR}/man/${program}.1 ${page} @ONLY)
    set(compressed ${page}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND gzip -9 -n -c ${page} > ${compressed}
        DEPENDS ${page}
        VERBATIM)
    list(APPEND kv_man_pages ${compressed})
endforeach()
add_custom_target(kv_man_pages ALL DEPENDS ${kv_man_pages})
install(FILES ${kv_man_pages} DESTINATION share/man/man1)

if(TARGET kv7700)
    install(FILES ${KV_PACKAGING_DIR}/${KV_APP_ID}.desktop DESTINATION share/applications)
    install(FILES ${KV_PACKAGING_DIR}/${KV_APP_ID}.metainfo.xml DESTINATION share/metainfo)
    install(FILES ${KV_PACKAGING_DIR}/icons/kv7700.svg
            DESTINATION share/icons/hicolor/scalable/apps)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${KV_PACKAGING_DIR}/icons/kv7700-${size}.png
                DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME kv7700.png)
    endforeach()
endif()
# Shipped inactive: a rule under /usr/lib/udev/rules.d would take effect on installation.
install(FILES ${KV_PACKAGING_DIR}/60-kv7700-cable.rules DESTINATION share/kv7700)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${KV_PACKAGING_DIR}/debian/copyright
        DESTINATION share/doc/kv7700)
# The Debian changelog of a package without a Debian revision, compressed as Debian ships it.
set(kv_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(
    OUTPUT ${kv_changelog}
    COMMAND gzip -9 -n -c ${KV_PACKAGING_DIR}/debian/changelog > ${kv_changelog}
    DEPENDS ${KV_PACKAGING_DIR}/debian/changelog
    VERBATIM)
add_custom_target(kv_changelog ALL DEPENDS ${kv_changelog})
install(FILES ${kv_changelog} DESTINATION share/doc/kv7700)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kv7700)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for the KV-7700 radio")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the whole configuration of a KV-7700 mobile HF transceiver over a\n"
    "serial programming cable, edits its channels, groups, settings, roger-beep\n"
    "tones and DTMF codes, saves them as data files and writes them back to the\n"
    "radio. Includes kv7700-cli, a command-line companion, and kv7700-sim, a\n"
    "simulated radio.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "KV-7700 CPS team <cps-team@kv7700-cps.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library packages by name, found from the programs' linked libraries, and the font of the
# Chinese interface and of a printed channel sheet, which no library names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-noto-cjk)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${KV_PACKAGING_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
