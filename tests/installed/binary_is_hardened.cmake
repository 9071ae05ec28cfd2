# Fails unless BINARY carries what lintian looks for in a hardened build: a
# position-independent executable, read-only relocations bound at start
# (full RELRO), the stack protector and fortified libc calls.
function(elf_info out)
  execute_process(COMMAND readelf -W ${ARGN} ${BINARY}
    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "readelf ${ARGN} ${BINARY} failed (${status}): ${errors}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

elf_info(header --file-header)
elf_info(segments --program-headers)
elf_info(dynamic --dynamic)
elf_info(symbols --dyn-syms)
# Notes what as missing unless text matches one of the regular expressions.
set(missing)
function(require what text)
  foreach(pattern IN LISTS ARGN)
    if(text MATCHES "${pattern}")
      return()
    endif()
  endforeach()
  set(missing ${missing} "${what}" PARENT_SCOPE)
endfunction()

require("PIE (the file is not of type DYN)" "${header}" "Type: +DYN ")
require("RELRO (no GNU_RELRO segment)" "${segments}" "GNU_RELRO")
require("immediate binding (-z now)" "${dynamic}"
  "\\(FLAGS\\)[^\n]*BIND_NOW" "\\(FLAGS_1\\)[^\n]*NOW")
require("the stack protector (__stack_chk_fail)" "${symbols}" "__stack_chk_fail")
require("fortified libc calls (__*_chk)" "${symbols}" "__[a-z0-9_]+_chk@")
if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "${BINARY} is not hardened: no ${missing}")
endif()
