# Writes a C++ source with its Japanese texts in code page 932, as byte
# escapes, from a UTF-8 source, so that every compiler builds it the same.
#   cmake -DIN=source.cpp -DOUT=generated.cpp -P cp932_escape.cmake
# Both bytes of a double-byte character are escaped, since a trail byte may
# be a backslash; an escape followed by a hexadecimal digit is closed with ""
# (non-ASCII text only occurs in string literals and comments).
get_filename_component(folder "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND iconv -f UTF-8 -t CP932 "${IN}" OUTPUT_FILE "${OUT}.cp932"
                RESULT_VARIABLE status ERROR_VARIABLE message)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${IN} cannot be written in code page 932: ${message}")
endif()
file(READ "${OUT}.cp932" hex HEX)
file(REMOVE "${OUT}.cp932")
string(REGEX MATCHALL ".." bytes "${hex}")

set(out "#line 1 \"${IN}\"\n")
set(trail FALSE)
set(escaped FALSE)
foreach(byte IN LISTS bytes)
  if(trail OR byte MATCHES "^[89a-f]")
    string(APPEND out "\\x${byte}")
    if(NOT trail AND byte MATCHES "^(8[1-9a-f]|9.|e.|f[0-9a-c])$")
      set(trail TRUE)
    else()
      set(trail FALSE)
    endif()
    set(escaped TRUE)
  else()
    math(EXPR code "0x${byte}")
    string(ASCII ${code} char)
    if(escaped AND char MATCHES "^[0-9A-Fa-f]$")
      string(APPEND out "\"\"")
    endif()
    string(APPEND out "${char}")
    set(escaped FALSE)
  endif()
endforeach()
file(WRITE "${OUT}.tmp" "${out}")
file(RENAME "${OUT}.tmp" "${OUT}")
