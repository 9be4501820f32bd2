# The Debian package. `cpack -G DEB` in the build folder packages exactly what
# `cmake --install` installs, so every install rule of the project is also the package's
# list of files; nothing is listed twice.

set(NORVELIN_PACKAGE_MAINTAINER "Norvelin maintainers <maintainers@norvelin.invalid>"
  CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")
set(NORVELIN_PACKAGE_NAME norvelin)
set(NORVELIN_HOMEPAGE https://github.com/norvelin/norvelin)

# Debian asks for a copyright file and a changelog in every package's documentation folder.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${NORVELIN_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/.reuse/dep5 DESTINATION ${doc_dir} RENAME copyright)

# The changelog is made from the metainfo's release notes, which are written once.
find_program(PACKAGING_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(metainfo ${PROJECT_SOURCE_DIR}/data/${NORVELIN_DESKTOP_ID}.metainfo.xml)
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_command(
  OUTPUT ${changelog}.gz
  COMMAND ${PACKAGING_PYTHON} -B ${CMAKE_CURRENT_LIST_DIR}/metainfo_to_changelog.py
    ${metainfo} ${NORVELIN_PACKAGE_NAME} "${NORVELIN_PACKAGE_MAINTAINER}" ${changelog}
  COMMAND ${GZIP_EXECUTABLE} -9nf ${changelog}
  DEPENDS ${metainfo} ${CMAKE_CURRENT_LIST_DIR}/metainfo_to_changelog.py
  COMMENT "Writing the package changelog from the metainfo"
  VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${NORVELIN_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "The Norvelin developers")
set(CPACK_PACKAGE_CONTACT ${NORVELIN_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word processor for writing Bengali")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Norvelin is a small, fast word processor for writing Bengali. Text is set"
  "in its own 8-bit Bengali font NQ: plain typing gives Bengali glyphs, and a"
  "coloured palette inserts any glyph with a click. Documents are RTF files"
  "that other word processors open."
  "."
  "The package also holds norvelin-rtf, which converts documents and whole"
  "archives to RTF, text or HTML, in the NQ encoding or as Unicode Bengali.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships programs without their debugging symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${NORVELIN_HOMEPAGE})
# The libraries the binaries link, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Bengali interface is drawn in the system's Bengali face.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-core")
include(CPack)
