# The program's version lives in the file VERSION alone ("3.02": major, dot, two-digit minor).
# Everything that shows it takes it from there: the version resource and the manifest through
# the files generated here, the packages through tools/package.sh.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../VERSION TANG_VERSION LIMIT_COUNT 1)
if(NOT TANG_VERSION MATCHES "^([0-9]+)\\.([0-9][0-9])$")
    message(FATAL_ERROR "VERSION must read like 3.02, not '${TANG_VERSION}'")
endif()
set(TANG_VERSION_MAJOR ${CMAKE_MATCH_1})
# Windows writes version numbers without leading zeros: 3.02 is 3.2.0.0.
math(EXPR TANG_VERSION_MINOR "${CMAKE_MATCH_2}")
set(TANG_VERSION_QUAD_DOTTED "${TANG_VERSION_MAJOR}.${TANG_VERSION_MINOR}.0.0")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../VERSION)

function(tang_generate_version_files)
    set(out ${PROJECT_BINARY_DIR}/generated)
    configure_file(${PROJECT_SOURCE_DIR}/resources/app.manifest.in ${out}/app.manifest @ONLY)
    file(CONFIGURE OUTPUT ${out}/version.h CONTENT
"#pragma once
#define TANG_VERSION_TEXT \"${TANG_VERSION}\"
#define TANG_VERSION_QUAD ${TANG_VERSION_MAJOR},${TANG_VERSION_MINOR},0,0
")
    # windres looks up app.rc's includes and the manifest it names here.
    include_directories(${out})
endfunction()
