# Read by CTest (through the TEST_INCLUDE_FILES that z5t8_tests sets), not by
# the configure step: it asks a built test executable which labels its tests
# fall under and adds an entry only for those, so that no entry is a filter
# that selects nothing. The answer is kept beside the executable until it is
# built again.

# emulator: what runs the executable (Wine for the Windows tree), or empty.
function(z5t8_label_tests name exe timeout kinds_file scratch emulator)
  set(filter_unit "-*Integration*:*E2e*")
  set(filter_integration "*Integration*")
  set(filter_e2e "*E2e*")

  if(NOT EXISTS "${exe}")
    # Not built: keep every entry, so that the missing executable fails them.
    set(kinds unit integration e2e)
  elseif(EXISTS "${kinds_file}" AND NOT "${exe}" IS_NEWER_THAN "${kinds_file}")
    file(READ "${kinds_file}" kinds)
  else()
    set(kinds "")
    set(listed TRUE)
    foreach(kind unit integration e2e)
      execute_process(COMMAND ${emulator} "${exe}" --gtest_list_tests "--gtest_filter=${filter_${kind}}"
        OUTPUT_VARIABLE listing ERROR_QUIET RESULT_VARIABLE result TIMEOUT 120)
      if(NOT result EQUAL 0)
        # An executable that cannot list its tests keeps its entries; running
        # them shows why. Nothing is remembered, so the next run asks again.
        list(APPEND kinds ${kind})
        set(listed FALSE)
        continue()
      endif()
      # Lines: "Suite." then "  Test", each maybe followed by "  # parameter".
      # Characters that CMake lists treat specially cannot be part of a name.
      string(REGEX REPLACE "  # [^\n]*" "" listing "${listing}")
      foreach(special ";" "[" "]")
        string(REPLACE "${special}" "_" listing "${listing}")
      endforeach()
      string(REGEX MATCHALL "[^\n]+" lines "${listing}")
      set(suite "")
      foreach(line IN LISTS lines)
        if(line MATCHES "^  ([^ ]+)$")
          # Disabled tests are listed but never run.
          if(NOT suite MATCHES "(^|/)DISABLED_" AND NOT CMAKE_MATCH_1 MATCHES "^DISABLED_")
            list(APPEND kinds ${kind})
            break()
          endif()
        elseif(line MATCHES "^([^ ].*)\\.$")
          set(suite "${CMAKE_MATCH_1}")
        endif()
      endforeach()
    endforeach()
    if(listed)
      file(WRITE "${kinds_file}" "${kinds}")
    endif()
  endif()

  foreach(kind IN LISTS kinds)
    add_test(${name}.${kind} ${emulator} "${exe}" "--gtest_filter=${filter_${kind}}")
    set_tests_properties(${name}.${kind} PROPERTIES LABELS ${kind} TIMEOUT ${timeout}
      ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1;TMPDIR=${scratch}")
  endforeach()
endfunction()
