# Installs BUILD into PREFIX as `cmake --install BUILD --prefix PREFIX` does
# and fails if a file went elsewhere, or if the component of files under /etc
# and /usr installs without a staging folder (DESTDIR).
file(REMOVE_RECURSE ${PREFIX})
unset(ENV{DESTDIR})
set(CMAKE_INSTALL_PREFIX ${PREFIX})
include(${BUILD}/cmake_install.cmake)
if(NOT CMAKE_INSTALL_MANIFEST_FILES)
  message(FATAL_ERROR "nothing was installed")
endif()
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  string(FIND "${file}" "${PREFIX}/" at)
  if(NOT at EQUAL 0)
    message(FATAL_ERROR "installed outside the prefix: ${file}")
  endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} --component system
  RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(status EQUAL 0 OR NOT errors MATCHES "staging folder \\(set DESTDIR\\)")
  message(FATAL_ERROR "the component 'system' installed without DESTDIR (${status}): ${errors}")
endif()
file(REMOVE_RECURSE ${PREFIX})
