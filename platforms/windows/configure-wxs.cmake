# Writes the installer's source once the program is built, with the size
# that Windows lists in Apps & features: RAVELINTA_INSTALLED_KB, the files
# the installer carries in KB, rounded up (Windows Installer's ARPSIZE).
# usage: cmake -DSOURCE=ravelinta.wxs.in -DOUTPUT=ravelinta.wxs -DINSTALLED=FILE[,FILE...]
#              -DVARIABLE=VALUE for each other @VARIABLE@ of the source -P configure-wxs.cmake
set(bytes 0)
string(REPLACE "," ";" installed "${INSTALLED}")
foreach(file IN LISTS installed)
    file(SIZE ${file} size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR RAVELINTA_INSTALLED_KB "(${bytes} + 1023) / 1024")
configure_file(${SOURCE} ${OUTPUT} @ONLY)
