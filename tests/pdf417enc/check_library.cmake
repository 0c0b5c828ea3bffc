# cmake -DLIBRARY=libpdf417enc.so -P check_library.cmake
function(run_tool out)
  execute_process(COMMAND ${ARGN} ${LIBRARY} OUTPUT_VARIABLE output RESULT_VARIABLE r)
  if(NOT r EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed on ${LIBRARY}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

# Stops with `complaint` at the first entry of `entries` not matching `pattern`.
function(expect_each entries pattern complaint)
  foreach(entry IN LISTS entries)
    if(NOT entry MATCHES "${pattern}")
      message(FATAL_ERROR "${complaint}: ${entry}")
    endif()
  endforeach()
endfunction()

run_tool(symbols nm -D --defined-only)
string(REGEX MATCHALL "[^\n]+" lines "${symbols}")
expect_each("${lines}" " T GetPDF417$" "unexpected exported symbol")
if(NOT symbols MATCHES " T GetPDF417\n")
  message(FATAL_ERROR "GetPDF417 is not exported:\n${symbols}")
endif()

run_tool(dynamic readelf -d)
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
expect_each("${needed}" "\\[(libc|libm|libstdc\\+\\+|libgcc_s|libasan|libubsan|libtsan)\\.so\\.[0-9]+\\]"
            "libpdf417enc links more than its runtime")
message(STATUS "exports: GetPDF417; needs: ${needed}")
