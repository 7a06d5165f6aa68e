# Writes a read-me of the zip, OUTPUT, from SOURCE: @RAVELINTA_KEYS@ becomes
# the list of commands and keys that PROGRAM --keys prints, the very list
# the program's help shows; @PROJECT_VERSION@ the version. Every line ends
# as on Windows, the key list's too, and the file begins with UTF-8's
# byte-order mark, by which Notepad knows the Cyrillic for what it is.
# usage: cmake -DSOURCE=... -DOUTPUT=... -DPROGRAM=... -DPROJECT_VERSION=... -P readme.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} --keys
    OUTPUT_VARIABLE RAVELINTA_KEYS RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR RAVELINTA_KEYS STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} --keys printed no keys (${result})")
endif()
string(REGEX REPLACE "\n$" "" RAVELINTA_KEYS "${RAVELINTA_KEYS}")
file(READ ${SOURCE} template)
string(CONFIGURE "${template}" text @ONLY)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 byte_order_mark)
file(WRITE ${OUTPUT} "${byte_order_mark}${text}")
