# Run by CPack after it made the .deb (CPACK_POST_BUILD_SCRIPTS): it counted
# each directory at the size its file system gives it, so the control file's
# Installed-Size, and with it the package's bytes, differed from one disk to
# the next. The package is unpacked and written again by dpkg-deb, the
# installed size counted from the files alone (each rounded up to a KiB),
# everything else as CPack made it.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${CPACK_TOPLEVEL_DIRECTORY}/installed-size)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${tree} ${tree}/*)
  set(kib 0)
  foreach(file IN LISTS files)
    if(NOT file MATCHES "^DEBIAN/")
      file(SIZE ${tree}/${file} bytes)
      math(EXPR kib "${kib} + (${bytes} + 1023) / 1024")
    endif()
  endforeach()
  file(READ ${tree}/DEBIAN/control control)
  string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${kib}\n" control "${control}")
  file(WRITE ${tree}/DEBIAN/control "${control}")
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build ${tree} ${deb}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
