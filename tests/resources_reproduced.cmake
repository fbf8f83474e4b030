# make_resources (TOOL) draws the resources afresh into OUT; every file must
# match its committed twin in COMMITTED byte for byte, and none may be missing
# or extra.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${TOOL} ${OUT} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE committed RELATIVE ${COMMITTED} ${COMMITTED}/*)
file(GLOB_RECURSE drawn RELATIVE ${OUT} ${OUT}/*)
list(SORT committed)
list(SORT drawn)
if(NOT committed STREQUAL drawn)
  message(FATAL_ERROR "make_resources drew ${drawn}; committed are ${committed}")
endif()
foreach(name IN LISTS committed)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED}/${name} ${OUT}/${name} RESULT_VARIABLE differs)
  if(differs)
    message(SEND_ERROR "make_resources drew ${name} with other bytes than the committed file")
  endif()
endforeach()
