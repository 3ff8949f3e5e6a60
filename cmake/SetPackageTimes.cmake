# Run by CPack after it has installed into its staging folder: gives every
# file and folder there the package time (see Packaging.cmake).
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS staged)
  execute_process(COMMAND touch -h -d @${CPACK_LAYOUTS_PACKAGE_TIME} ${path} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
