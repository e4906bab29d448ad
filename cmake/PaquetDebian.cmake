# `make deb`: a Debian package of what cmake/Installation.cmake installs, under
# /usr. Its library dependencies come from dpkg-shlibdeps, so they follow the
# distribution it is built on.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvalent)
set(CPACK_PACKAGE_VENDOR "the Quorvalent developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "boîte à outils de graphes, en français")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvalent developers <developpeurs@quorvalent.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's font and Qt's own dialogs in French; the program runs without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n")
# The summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Quorvalent dessine des graphes à la souris, les enregistre dans des fichiers
« .gff » et leur applique les algorithmes classiques : plus courts et plus
longs chemins (Dijkstra, Bellman, Ford), arbres couvrants (Kruskal),
numérotation topologique, circuits, connexité, graphes eulériens.

L'outil quorvalent-cli affiche et analyse les mêmes fichiers depuis un
terminal et les exporte en BMP, PNG, SVG ou PDF.")
include(CPack)
