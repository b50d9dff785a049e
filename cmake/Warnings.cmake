# Flags for the project's own code: all warnings, and float arithmetic stays
# exactly as written (no contraction into fused multiply-adds). Warnings are
# errors where the tests and CI build (scripts/test.sh, the sanitize preset);
# a user building the plug-in with another compiler is not stopped by a new one.
option(TARVEXOR_WERROR "Treat warnings in the project's own code as errors" OFF)
add_library(tarvexor_flags INTERFACE)
target_compile_options(tarvexor_flags INTERFACE -Wall -Wextra -ffp-contract=off)
if(TARVEXOR_WERROR)
  target_compile_options(tarvexor_flags INTERFACE -Werror)
endif()
target_include_directories(tarvexor_flags INTERFACE ${PROJECT_SOURCE_DIR})

# Copies a built target into dist/<TARVEXOR_DIST>/.
function(tarvexor_collect target)
  if(TARVEXOR_DIST)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/dist/${TARVEXOR_DIST}
      COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${PROJECT_SOURCE_DIR}/dist/${TARVEXOR_DIST}/
      VERBATIM)
  endif()
endfunction()
