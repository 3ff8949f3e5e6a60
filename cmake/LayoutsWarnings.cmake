option(LAYOUTS_WARNINGS_AS_ERRORS "Treat compiler warnings as errors in our own targets" OFF)

# Our own targets get the full warning set; third-party code built beside
# them (GoogleTest in the cross build) keeps its own flags.
function(layouts_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion>
    $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${LAYOUTS_WARNINGS_AS_ERRORS}>>:-Werror>)
endfunction()
