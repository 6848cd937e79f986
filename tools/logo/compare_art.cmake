# Runs kalyx_art into OUT and compares each file byte for byte with the committed one.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${ART} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kalyx_art failed: ${rc}")
endif()
foreach(name logo.bmp kalyx.ico)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${COMMITTED}/${name}
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "resources/${name} differs from what kalyx_art draws; rebuild target kalyx_art_update")
  endif()
endforeach()
message(STATUS "logo.bmp and kalyx.ico match kalyx_art")
