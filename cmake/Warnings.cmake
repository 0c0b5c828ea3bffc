# Project-wide warning policy: every target we own compiles clean.
function(mobrix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
