# The same sources give the same TangReader.exe wherever and whenever they are built: no link
# time in the PE header, and no build-machine paths in the code (__FILE__ and the like).
if(MINGW)
    add_link_options(LINKER:--no-insert-timestamp)
    add_compile_options(
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
        -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
endif()
