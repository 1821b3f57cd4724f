# Turns a PEM file into a C++ byte list, byte for byte (line ends included), so
# that the verifier carries exactly the text of the file.
#   cmake -DIN=<pem file> -DOUT=<generated .inc> -P EmbedPem.cmake
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
  message(FATAL_ERROR "${IN} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" bytes "${bytes}")
set(text "// Generated from ${IN}; do not edit.\n${bytes}\n")
file(WRITE "${OUT}" "${text}")
