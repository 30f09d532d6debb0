# The translations: each language of po/LINGUAS compiled by msgfmt from po/LL.po into the build's
# locale/LL/LC_MESSAGES/quorvel-bees.mo, where the game finds them (and the web page takes them from).
find_program(MSGFMT msgfmt REQUIRED)
file(STRINGS ${CMAKE_SOURCE_DIR}/po/LINGUAS QUORVEL_LINGUAS)
set(QUORVEL_CATALOGUES "")
foreach(lang ${QUORVEL_LINGUAS})
  set(mo ${CMAKE_BINARY_DIR}/locale/${lang}/LC_MESSAGES/quorvel-bees.mo)
  add_custom_command(OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/locale/${lang}/LC_MESSAGES
    COMMAND ${MSGFMT} --check --no-hash --output-file=${mo} ${CMAKE_SOURCE_DIR}/po/${lang}.po
    DEPENDS ${CMAKE_SOURCE_DIR}/po/${lang}.po)
  list(APPEND QUORVEL_CATALOGUES ${mo})
endforeach()
add_custom_target(catalogues ALL DEPENDS ${QUORVEL_CATALOGUES})
