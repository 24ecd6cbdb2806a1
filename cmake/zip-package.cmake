# CPack's External generator runs this in the xp build: the zip of what the
# xp and xp-x64 builds installed into CPack's staging folder, its files in
# name order inside one folder (tools/zip-release.py writes it).
set(stage ${CPACK_TEMPORARY_DIRECTORY})
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(paths)
foreach(file IN LISTS files)
  # Everything a user gets lies side by side in the one folder.
  if(file MATCHES "/")
    message(FATAL_ERROR "zip: ${file} is installed in a folder of its own; the release keeps its files side by side")
  endif()
  list(APPEND paths ${stage}/${file})
endforeach()
if(NOT paths)
  message(FATAL_ERROR "zip: nothing was installed")
endif()
set(zip ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip)
execute_process(COMMAND ${CPACK_KOVRENA_PYTHON} -B ${CPACK_KOVRENA_ZIP_WRITER} ${zip} ${CPACK_KOVRENA_ZIP_FOLDER} ${paths}
  COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${zip})
