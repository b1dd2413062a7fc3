# Turns text files into one C++ source: each file becomes a std::string_view
# named testo_<name>_<extension> ("view.js" -> testo_view_js), written as a raw
# string so the file stays byte for byte what the repository holds.
#   cmake -DUSCITA=out.cpp -DINTESTAZIONE=scenario/pagina/testi_view.h -DINGRESSI=a.html|b.js -P incorpora_testi.cmake
string(REPLACE "|" ";" ingressi "${INGRESSI}")
set(delimitatore "incorporato")
set(testo "// Generated at build time by cmake/incorpora_testi.cmake; do not edit.\n#include \"${INTESTAZIONE}\"\n\n")
foreach(file IN LISTS ingressi)
  file(READ "${file}" contenuto)
  string(FIND "${contenuto}" ")${delimitatore}\"" trovato)
  if(NOT trovato EQUAL -1)
    message(FATAL_ERROR "${file} holds the raw-string delimiter )${delimitatore}\"")
  endif()
  get_filename_component(nome "${file}" NAME)
  string(REGEX REPLACE "[^A-Za-z0-9]" "_" nome "${nome}")
  string(APPEND testo "extern const std::string_view testo_${nome};\nconst std::string_view testo_${nome} = R\"${delimitatore}(${contenuto})${delimitatore}\";\n\n")
endforeach()
file(WRITE "${USCITA}" "${testo}")
