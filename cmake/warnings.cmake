# varnelo_warnings: the project's warning flags, for every target of its own.
add_library(varnelo_warnings INTERFACE)
target_compile_options(varnelo_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                  -Wsign-conversion)
if(VARNELO_WARNINGS_AS_ERRORS)
  target_compile_options(varnelo_warnings INTERFACE -Werror)
endif()
