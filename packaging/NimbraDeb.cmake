# Shared by the projects that make Nimbra Backup's Debian packages.
#
# nimbra_deb(NAME <package> VERSION <version> TITLE <one line>
#            [NOTICE <copyright text>] [LINTIAN_OVERRIDES <file>])
# adds the files every package of ours carries outside the install root
# (/usr/share/doc/<package>/copyright and changelog.gz, lintian overrides) to
# the component "system" and sets the CPack variables both packages share.
# The caller adds its own files, then includes CPack.
#
# Files of the component "system" go to absolute paths (/usr/share, /etc), so
# only a package's staging folder may receive them: the component is left out
# of a plain `cmake --install`, and installing it without DESTDIR (which CPack
# sets for its staging folder) stops with an error before anything is written.
# nimbra_system_files(<install(FILES) arguments>) adds files to it.

set(NIMBRA_DEB_DIR ${CMAKE_CURRENT_LIST_DIR})
set(NIMBRA_PACKAGE_ROOT /opt/Halvern/Nimbra)
# scripts/package builds what the packages hold; left to itself, CPack would
# build every target first (its "preinstall"), the whole test suite included.
# Only `make install` and CPack look at this; `cmake --install` never builds.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON CACHE BOOL "install and package without building all first")
set(NIMBRA_DEB_MAINTAINER "Halvern Packaging <packaging@halvern.example>")

# Every rule of the component is preceded by the check, with the same
# component options, so that a rule can't install without its check.
set(NIMBRA_SYSTEM_COMPONENT COMPONENT system EXCLUDE_FROM_ALL)
set(NIMBRA_SYSTEM_CHECK "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    message(FATAL_ERROR \"The component 'system' installs to /etc and /usr: \"
      \"only into a package's staging folder (set DESTDIR), see scripts/package\")
  endif()")
macro(nimbra_system_files)
  install(CODE "${NIMBRA_SYSTEM_CHECK}" ${NIMBRA_SYSTEM_COMPONENT})
  install(FILES ${ARGN} ${NIMBRA_SYSTEM_COMPONENT})
endmacro()
# nimbra_system_link(<link> <target>) makes the absolute path <link> a
# symbolic link to <target>, replacing a file there.
function(nimbra_system_link link target)
  install(CODE "${NIMBRA_SYSTEM_CHECK}" ${NIMBRA_SYSTEM_COMPONENT})
  install(CODE "
    set(_link \"\$ENV{DESTDIR}${link}\")
    get_filename_component(_dir \"\${_link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${_dir}\")
    file(REMOVE \"\${_link}\")
    file(CREATE_LINK \"${target}\" \"\${_link}\" SYMBOLIC)
    message(STATUS \"Linking: \${_link} -> ${target}\")
  " ${NIMBRA_SYSTEM_COMPONENT})
endfunction()

function(nimbra_deb)
  cmake_parse_arguments(PARSE_ARGV 0 D "" "NAME;VERSION;TITLE;NOTICE;LINTIAN_OVERRIDES" "")

  set(NIMBRA_DEB_NAME ${D_NAME})
  set(NIMBRA_DEB_VERSION ${D_VERSION})
  set(NIMBRA_DEB_TITLE ${D_TITLE})
  set(NIMBRA_DEB_NOTICE "${D_NOTICE}")
  string(TIMESTAMP NIMBRA_DEB_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
  set(docs ${CMAKE_CURRENT_BINARY_DIR}/deb-docs)
  configure_file(${NIMBRA_DEB_DIR}/copyright.in ${docs}/copyright @ONLY)
  configure_file(${NIMBRA_DEB_DIR}/changelog.in ${docs}/changelog @ONLY)
  # Debian wants the changelog compressed at the highest level and without a
  # time stamp in the gzip header.
  add_custom_command(OUTPUT ${docs}/changelog.gz
    COMMAND gzip -9nf -k ${docs}/changelog
    DEPENDS ${docs}/changelog VERBATIM)
  add_custom_target(${D_NAME}_deb_docs ALL DEPENDS ${docs}/changelog.gz)
  set(doc_dir /usr/share/doc/${D_NAME})
  nimbra_system_files(${docs}/copyright ${docs}/changelog.gz DESTINATION ${doc_dir})
  if(D_LINTIAN_OVERRIDES)
    nimbra_system_files(${D_LINTIAN_OVERRIDES}
      DESTINATION /usr/share/lintian/overrides RENAME ${D_NAME})
  endif()

  # One package from the default component (the files under the root) and
  # "system"; CPack stages it under DESTDIR, so the absolute paths stay in it.
  set(CPACK_GENERATOR DEB PARENT_SCOPE)
  set(CPACK_DEB_COMPONENT_INSTALL ON PARENT_SCOPE)
  set(CPACK_COMPONENTS_ALL Unspecified system PARENT_SCOPE)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE PARENT_SCOPE)
  set(CPACK_PACKAGE_NAME ${D_NAME} PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_NAME ${D_NAME} PARENT_SCOPE)
  set(CPACK_PACKAGE_VERSION ${D_VERSION} PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_VERSION ${D_VERSION} PARENT_SCOPE)
  set(CPACK_PACKAGE_VENDOR Halvern PARENT_SCOPE)
  set(CPACK_PACKAGE_CONTACT ${NIMBRA_DEB_MAINTAINER} PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${NIMBRA_DEB_MAINTAINER} PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional PARENT_SCOPE)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON PARENT_SCOPE)
  set(CPACK_PACKAGING_INSTALL_PREFIX ${NIMBRA_PACKAGE_ROOT} PARENT_SCOPE)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY ${NIMBRA_PACKAGE_ROOT} PARENT_SCOPE)
  set(CPACK_STRIP_FILES ON PARENT_SCOPE)
endfunction()
