# The Debian package: `cpack` in a build configured with CMAKE_INSTALL_PREFIX=/usr
# (scripts/package builds it that way and checks it).

set(KV508_MAINTAINER "KV508 developers <kv508@users.noreply.invalid>"
    CACHE STRING "The package's maintainer, as Name <address>")

# Compresses a generated file as Debian wants manual pages and changelogs:
# gzip -9n keeps no name and no time stamp, so a rebuild gives the same bytes.
function(kv508_gzip input output)
  execute_process(COMMAND gzip -9n -c ${input} OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The changelog in Debian's format.
execute_process(COMMAND date -u -R -d "${KV508_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE KV508_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/data/package/changelog.in ${CMAKE_BINARY_DIR}/doc/changelog
               @ONLY)
kv508_gzip(${CMAKE_BINARY_DIR}/doc/changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/package/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${KV508_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kv508)
set(CPACK_PACKAGE_VENDOR "KV508 developers")
set(CPACK_PACKAGE_CONTACT "${KV508_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "program marine VHF radios with DSC and ATIS")
# The first line of the description is the summary above.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KV508 reads the 32 KB memory of a family of marine VHF radios with Digital
Selective Calling (DSC) and ATIS through the radio's programming cable, edits
its channels, channel groups, DSC and ATIS settings and MMSI directories, and
programs it back. Settings are kept in settings files and raw images, checked
before programming, backed up automatically, and printed as a report or as
cards for the helm.
.
The package holds the desktop application (kv508), the same operations for
scripts (kv508-cli) and a simulated radio on a pseudo-terminal for trying
them out (kv508-radiosim).")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialog texts in the user's language; the program loads them when present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The programs are stripped and their debug symbols go into kv508-dbgsym (by
# build id); CPACK_STRIP_FILES would strip them before they could be split off.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package_dbgsym.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
