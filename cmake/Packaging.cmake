# Install layout and packages: the programs in bin/, the README in
# share/doc/<project>/. The Windows builds pack a ZIP, the native build a
# .tar.gz.

# Every file and folder in a package, and the header of every stripped
# image, carries one time: SOURCE_DATE_EPOCH when it is set, else the time
# of the commit being built. Two packages of one commit are the same bytes.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(CPACK_LAYOUTS_PACKAGE_TIME $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE CPACK_LAYOUTS_PACKAGE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT CPACK_LAYOUTS_PACKAGE_TIME)
    set(CPACK_LAYOUTS_PACKAGE_TIME 315532800)  # 1980-01-01, the earliest a ZIP can hold
  endif()
endif()

# Stripping rewrites an image's header; binutils stamps it with
# SOURCE_DATE_EPOCH rather than the time of the install.
install(CODE "set(ENV{SOURCE_DATE_EPOCH} ${CPACK_LAYOUTS_PACKAGE_TIME})")
install(TARGETS rowlay collay RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION share/doc/${PROJECT_NAME})

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "rowcol-layouts developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "24 bytes seen through row-major and column-major arrays")
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-${CMAKE_SYSTEM_PROCESSOR})
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_SYSTEM_NAME linux-${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/SetPackageTimes.cmake)
include(CPack)
