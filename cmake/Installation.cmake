# What `cmake --install` (and `make install`, and the Debian package) puts on a
# desktop: the two programs, their launcher, icon, file type, software-centre
# entry, manual pages, the batch tool's shell completion and the licence. The
# data files live in data/ and docs/man/.
include(GNUInstallDirs)

set(QUORVALENT_ID org.quorvalent.Quorvalent)
set(QUORVALENT_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS quorvalent quorvalent-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The batch tool's drawing half, which it finds there from its own folder
# (src/cli/CMakeLists.txt); not a command of its own.
install(TARGETS quorvalent-cli-dessin RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/quorvalent)

install(FILES ${QUORVALENT_DATA}/${QUORVALENT_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORVALENT_DATA}/${QUORVALENT_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUORVALENT_DATA}/quorvalent-graphe.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

foreach(taille 16 22 24 32 48 64 128 256)
  install(FILES ${QUORVALENT_DATA}/icones/quorvalent-${taille}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps
          RENAME quorvalent.png)
endforeach()
install(FILES ${QUORVALENT_DATA}/icones/quorvalent.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Shell completion for the batch tool, where each shell looks for it by the
# command's name: bash-completion loads it on the first Tab.
install(FILES ${QUORVALENT_DATA}/completion/quorvalent-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quorvalent-cli)
install(FILES ${QUORVALENT_DATA}/completion/_quorvalent-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)

# Every page in docs/man is French; its section is its extension, so a new
# page (quorvalent-cli.1) needs only its file.
file(GLOB QUORVALENT_PAGES_MAN CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/*.[1-8])
foreach(page ${QUORVALENT_PAGES_MAN})
  string(REGEX REPLACE "^.*\\.([1-8])$" "\\1" section ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man${section})
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvalent RENAME copyright)
# What `quorvalent-cli --json` writes, for scripts to validate against; its
# manual page names this place.
install(FILES ${PROJECT_SOURCE_DIR}/docs/quorvalent-cli.schema.json
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvalent)
