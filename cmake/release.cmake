# The release's two archives, made by CPack from what the release builds
# install (tools/release.sh runs cpack in each, with SOURCE_DATE_EPOCH set to
# the commit's time):
#   build/xp              Kovrena-VERSION-win32.zip: its own two programs and
#                         texts, and kovrena-cli-x64.exe from the xp-x64
#                         build named by KOVRENA_XP_X64_BUILD (build that first)
#   build/native-release  kovrena-cli_VERSION_ARCH.deb

set(CPACK_PACKAGE_VENDOR "Drenvik Electronics")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Drenvik Electronics <destek@drenvik.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.drenvik.example")
set(CPACK_SOURCE_GENERATOR "")
# What the texts' @VERSION@ stands for.
set(VERSION ${PROJECT_VERSION})

if(WIN32)
  # Texts for Windows users: the version filled in, CR LF line ends and a
  # byte order mark, so that Notepad on XP shows the Turkish letters.
  string(ASCII 239 187 191 byte_order_mark)
  foreach(text OKUBENI.txt LISANS.txt)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${text})
    file(READ ${PROJECT_SOURCE_DIR}/packaging/${text} content)
    file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/packaging/${text} CONTENT "${byte_order_mark}${content}"
      @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${text} DESTINATION .)
  endforeach()

  set(KOVRENA_XP_X64_BUILD "" CACHE PATH
    "The xp-x64 build whose kovrena-cli-x64.exe goes into this build's zip")
  if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND KOVRENA_XP_X64_BUILD)
    # CPack's own ZIP generator (CMake 3.25) is not reproducible: it lists
    # the files in the order the file system hands them out (hash order on
    # ext4, differing from one disk to the next, creation order on tmpfs),
    # and stores the builder's user and group ids. So CPack puts together
    # what the two builds install and tools/zip-release.py writes the zip,
    # in name order, with fixed attributes.
    set(CPACK_GENERATOR External)
    set(CPACK_EXTERNAL_ENABLE_STAGING ON)
    set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/cmake/zip-package.cmake)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(CPACK_KOVRENA_PYTHON ${Python3_EXECUTABLE})
    set(CPACK_KOVRENA_ZIP_WRITER ${PROJECT_SOURCE_DIR}/tools/zip-release.py)
    set(CPACK_PACKAGE_FILE_NAME Kovrena-${PROJECT_VERSION}-win32)
    set(CPACK_KOVRENA_ZIP_FOLDER Kovrena-${PROJECT_VERSION})
    set(CPACK_INSTALL_CMAKE_PROJECTS
      "${PROJECT_BINARY_DIR};Kovrena;ALL;/"
      "${KOVRENA_XP_X64_BUILD};Kovrena;kovrena-cli-x64;/")
    include(CPack)
  endif()
else()
  # What Debian wants beside the program: the copyright file (the licence in
  # its machine-readable form) and, for a package of its own making, the
  # changelog, compressed as the man page is.
  set(debian ${PROJECT_SOURCE_DIR}/packaging/debian)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${debian}/copyright ${debian}/changelog ${debian}/description ${PROJECT_SOURCE_DIR}/packaging/LISANS.txt)
  file(READ ${PROJECT_SOURCE_DIR}/packaging/LISANS.txt licence)
  string(REGEX REPLACE "\n$" "" licence "${licence}")
  string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
  string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
  string(REPLACE "\n" "\n " licence " ${licence}")
  file(READ ${debian}/copyright copyright)
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/packaging/copyright CONTENT "${copyright}${licence}\n" @ONLY)

  # The newest entry of the changelog is this version: a release that forgot
  # it fails here rather than at the archive's check.
  file(STRINGS ${debian}/changelog newest LIMIT_COUNT 1)
  if(NOT newest MATCHES "^kovrena-cli \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog: its first entry is not for version ${PROJECT_VERSION}")
  endif()
  set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
  configure_file(${debian}/changelog ${changelog} COPYONLY)
  # -n: no name or time in the header, so the same text gives the same bytes.
  add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${KOVRENA_GZIP} -9 -n -k -f ${changelog}
    DEPENDS ${changelog} VERBATIM)
  add_custom_target(kovrena_changelog ALL DEPENDS ${changelog}.gz)
  include(GNUInstallDirs)
  set(doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/kovrena-cli)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright ${changelog}.gz DESTINATION ${doc})

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME kovrena-cli)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  # Its first line is the summary.
  file(READ ${debian}/description description)
  string(REGEX REPLACE "\n$" "" description "${description}")
  string(FIND "${description}" "\n" end)
  string(SUBSTRING "${description}" 0 ${end} CPACK_PACKAGE_DESCRIPTION_SUMMARY)
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${description}" ${end} -1 CPACK_PACKAGE_DESCRIPTION)
  # CPack (3.25) counts the size of each directory as the file system gives
  # it (4 KiB on ext4, less on tmpfs): the package is written once more with
  # an installed size from the files alone, the same on every disk.
  set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb-installed-size.cmake)
  include(CPack)
endif()
