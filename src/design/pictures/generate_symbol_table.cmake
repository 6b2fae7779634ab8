# Turns data/symbols/wingdings.csv into a C++ table compiled into the
# pictures library, so that the mapping needs no file at run time.
# Usage: cmake -DINPUT=wingdings.csv -DOUTPUT=symbol_table.cpp -P generate_symbol_table.cmake
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(entries "")
set(count 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "" OR line MATCHES "^code,")
    continue()
  endif()
  if(NOT line MATCHES "^0x([0-9A-Fa-f][0-9A-Fa-f]),U\\+([0-9A-Fa-f]+),(.+)$")
    message(FATAL_ERROR "${INPUT}: unreadable line: ${line}")
  endif()
  set(name "${CMAKE_MATCH_3}")
  string(REPLACE "\\" "\\\\" name "${name}")
  string(REPLACE "\"" "\\\"" name "${name}")
  string(APPEND entries "    {0x${CMAKE_MATCH_1}, 0x${CMAKE_MATCH_2}, \"${name}\"},\n")
  math(EXPR count "${count} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
"// Generated from data/symbols/wingdings.csv by generate_symbol_table.cmake; do not edit.
#include \"design/pictures/symbol_table.h\"

namespace vellumo {

const std::array<SymbolEntry, ${count}> kWingdingsTable = {{
${entries}}};

}  // namespace vellumo
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
