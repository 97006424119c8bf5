# Every target of the project compiles with these; warnings are errors.
if(MSVC)
    add_compile_options(/W4 /WX /utf-8 /permissive-)
else()
    add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                        -Wcast-align -Woverloaded-virtual -Wnull-dereference -Werror)
endif()
