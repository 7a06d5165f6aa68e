# Writes a read-me of the zip, OUTPUT, from SOURCE: @RAVELINTA_KEYS@ becomes
# the list of commands and keys that PROGRAM --keys prints, the very list
# the program's help shows; @PROJECT_VERSION@ the version. Lines end as on
# Windows.
# usage: cmake -DSOURCE=... -DOUTPUT=... -DPROGRAM=... -DPROJECT_VERSION=... -P readme.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} --keys
    OUTPUT_VARIABLE RAVELINTA_KEYS RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR RAVELINTA_KEYS STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} --keys printed no keys (${result})")
endif()
string(REGEX REPLACE "\n$" "" RAVELINTA_KEYS "${RAVELINTA_KEYS}")
configure_file(${SOURCE} ${OUTPUT} @ONLY NEWLINE_STYLE WIN32)
