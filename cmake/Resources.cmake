# Compiles resources/kalyx.rc into a binary .res with llvm-rc; on Linux the bytes are linked into
# the program (see resources/CMakeLists.txt) and read by the platform layer's resource functions.
function(kalyx_compile_rc out_var rc_file)
  find_program(KALYX_LLVM_RC NAMES llvm-rc llvm-rc-14 REQUIRED)
  get_filename_component(name ${rc_file} NAME_WE)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${name}.res)
  file(GLOB deps CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  # llvm-rc reads any argument that starts with '/' as a switch when it can ("/check/x.rc" is
  # "/C heck/x.rc"), so the input file comes after "--".
  add_custom_command(OUTPUT ${res}
    COMMAND ${KALYX_LLVM_RC} /nologo /I ${CMAKE_CURRENT_SOURCE_DIR} /I ${KALYX_GENERATED_DIR} /FO ${res} -- ${rc_file}
    DEPENDS ${rc_file} ${deps} ${KALYX_GENERATED_DIR}/kalyx_version.h
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    COMMENT "Compiling ${name}.rc")
  set(${out_var} ${res} PARENT_SCOPE)
endfunction()
