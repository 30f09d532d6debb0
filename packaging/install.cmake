# Installs the game the way Debian lays out games: the launcher on the PATH in games/, the program privately
# under lib/games/, the read-only pictures and maps under share/games/. `cpack -G DEB` in the build
# directory packs the same tree; the package's version and maintainer are those of the top entry of
# packaging/changelog, so a new entry there is a new package.

set(QUORVEL_PKG quorvel-bees)
set(QUORVEL_BIN_DIR games)
set(QUORVEL_GAME_DIR lib/games/${QUORVEL_PKG})
set(QUORVEL_DATA_DIR share/games/${QUORVEL_PKG})
set(QUORVEL_DOC_DIR share/doc/${QUORVEL_PKG})
set(pkg_src ${CMAKE_SOURCE_DIR}/packaging)
set(pkg_out ${CMAKE_BINARY_DIR}/packaging)

file(STRINGS ${pkg_src}/changelog changelog_top LIMIT_COUNT 1)
string(REGEX REPLACE "^[^ ]+ \\(([^)]+)\\).*" "\\1" QUORVEL_PKG_VERSION "${changelog_top}")
file(STRINGS ${pkg_src}/changelog changelog_sign REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- (.*>)  .*" "\\1" QUORVEL_PKG_MAINTAINER "${changelog_sign}")

# The launcher finds the program and the data relative to itself, so an unpacked tree runs anywhere.
file(RELATIVE_PATH LAUNCHER_TO_GAME /p/${QUORVEL_BIN_DIR} /p/${QUORVEL_GAME_DIR}/quorvel)
file(RELATIVE_PATH LAUNCHER_TO_DATA /p/${QUORVEL_BIN_DIR} /p/${QUORVEL_DATA_DIR})
file(RELATIVE_PATH LAUNCHER_TO_LOCALE /p/${QUORVEL_BIN_DIR} /p/share/locale)
configure_file(${pkg_src}/quorvel-bees.in ${pkg_out}/quorvel-bees @ONLY)
configure_file(${pkg_src}/org.example.quorvel_bees.metainfo.xml.in
               ${pkg_out}/untranslated/org.example.quorvel_bees.metainfo.xml @ONLY)

# Debian ships manual pages and changelogs compressed, without a time stamp inside.
foreach(doc quorvel-bees.6 changelog)
  add_custom_command(OUTPUT ${pkg_out}/${doc}.gz
    COMMAND gzip -9nc ${pkg_src}/${doc} > ${pkg_out}/${doc}.gz
    DEPENDS ${pkg_src}/${doc})
  list(APPEND pkg_docs ${pkg_out}/${doc}.gz)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${pkg_docs})

install(TARGETS quorvel DESTINATION ${QUORVEL_GAME_DIR})
install(PROGRAMS ${pkg_out}/quorvel-bees DESTINATION ${QUORVEL_BIN_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${QUORVEL_DATA_DIR} FILES_MATCHING PATTERN "*.tga" PATTERN "*.wav" PATTERN "*.qbr" PATTERN "*.qbl")
# The menu entry and the metadata carry their translations, from the same catalogues as the game's words.
set(pkg_po ${CMAKE_SOURCE_DIR}/po/LINGUAS)
foreach(lang ${QUORVEL_LINGUAS})
  list(APPEND pkg_po ${CMAKE_SOURCE_DIR}/po/${lang}.po)
endforeach()
add_custom_command(OUTPUT ${pkg_out}/quorvel-bees.desktop
  COMMAND ${MSGFMT} --desktop --template=${pkg_src}/quorvel-bees.desktop -d ${CMAKE_SOURCE_DIR}/po -o ${pkg_out}/quorvel-bees.desktop
  DEPENDS ${pkg_src}/quorvel-bees.desktop ${pkg_po})
add_custom_command(OUTPUT ${pkg_out}/org.example.quorvel_bees.metainfo.xml
  COMMAND ${MSGFMT} --xml --template=${pkg_out}/untranslated/org.example.quorvel_bees.metainfo.xml -d ${CMAKE_SOURCE_DIR}/po
          -o ${pkg_out}/org.example.quorvel_bees.metainfo.xml
  DEPENDS ${pkg_out}/untranslated/org.example.quorvel_bees.metainfo.xml ${pkg_po})
add_custom_target(packaging_translated ALL DEPENDS ${pkg_out}/quorvel-bees.desktop ${pkg_out}/org.example.quorvel_bees.metainfo.xml)
install(FILES ${pkg_out}/quorvel-bees.desktop DESTINATION share/applications)
install(DIRECTORY ${CMAKE_BINARY_DIR}/locale/ DESTINATION share/locale FILES_MATCHING PATTERN "quorvel-bees.mo")
# Level files (.qbl) are known to the desktop, so a file manager opens one with the game.
install(FILES ${pkg_src}/quorvel-bees.xml DESTINATION share/mime/packages)
install(DIRECTORY ${pkg_src}/icons/hicolor DESTINATION share/icons)
install(FILES ${pkg_out}/org.example.quorvel_bees.metainfo.xml DESTINATION share/metainfo)
install(FILES ${pkg_out}/quorvel-bees.6.gz DESTINATION share/man/man6)
install(FILES ${pkg_src}/copyright ${pkg_out}/changelog.gz DESTINATION ${QUORVEL_DOC_DIR})

set(CPACK_PACKAGE_NAME ${QUORVEL_PKG})
set(CPACK_PACKAGE_VERSION ${QUORVEL_PKG_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUORVEL_PKG_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lure a swarm of bees home with trails of pollen scent")
set(CPACK_PACKAGE_DESCRIPTION "\
A small real-time game about bees. You cannot steer them: they drift on two
scent fields laid over the map. Press on a flower and drag to lay a trail of
pollen scent, and the bees follow it home to the hive. Horseflies over water
kill bees, but not where the air smells of pollen. The bees brought home earn
up to three medals on each of ten levels.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens libGL.so.1 itself for the GL context, so the scan of the program cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
include(CPack)
