# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the package is written. cpack gives each member of the
# package's ar archive the mode of the file it packed, so a builder's umask
# (002 instead of 022) would change the package's bytes; the members get
# 100644 as dpkg-deb gives them.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  file(SIZE "${deb}" end)
  set(at 8) # after "!<arch>\n"
  while(at LESS end)
    # Each member's header: name 16, date 12, owner 6, group 6, mode 8, size 10, "`\n".
    file(READ "${deb}" header OFFSET ${at} LIMIT 60)
    string(SUBSTRING "${header}" 40 8 mode)
    string(SUBSTRING "${header}" 48 10 size)
    string(STRIP "${size}" size)
    if(NOT size MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${deb}: no ar member header at byte ${at}")
    endif()
    if(NOT mode STREQUAL "100644  ")
      math(EXPR mode_at "${at} + 40")
      execute_process(COMMAND sh -c "printf '100644  ' | dd of=\"$1\" bs=1 seek=$2 conv=notrunc status=none"
                              - "${deb}" ${mode_at} RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "${deb}: cannot set a member's mode")
      endif()
    endif()
    # Members start on even bytes.
    math(EXPR at "${at} + 60 + ${size} + ${size} % 2")
  endwhile()
endforeach()
