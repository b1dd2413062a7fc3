# Turns text files into one C++ source: each file becomes a std::string_view
# named testo_<name>_<extension> ("view.js" -> testo_view_js), written as a raw
# string so the file stays byte for byte what the repository holds. With
# TABELLA, every file after the first is also listed by name, in order, in a
# table of that name (the pieces the first file, a template, takes in).
#   cmake -DUSCITA=out.cpp -DINTESTAZIONE=scenario/pagina/testi_view.h -DINGRESSI=a.html|b.js [-DTABELLA=nome] -P incorpora_testi.cmake
string(REPLACE "|" ";" ingressi "${INGRESSI}")
set(delimitatore "incorporato")
set(testo "// Generated at build time by cmake/incorpora_testi.cmake; do not edit.\n#include \"${INTESTAZIONE}\"\n\n")
set(righe_tabella "")
set(primo TRUE)
foreach(file IN LISTS ingressi)
  file(READ "${file}" contenuto)
  string(FIND "${contenuto}" ")${delimitatore}\"" trovato)
  if(NOT trovato EQUAL -1)
    message(FATAL_ERROR "${file} holds the raw-string delimiter )${delimitatore}\"")
  endif()
  get_filename_component(nome_file "${file}" NAME)
  string(REGEX REPLACE "[^A-Za-z0-9]" "_" nome "${nome_file}")
  string(APPEND testo "extern const std::string_view testo_${nome};\nconst std::string_view testo_${nome} = R\"${delimitatore}(${contenuto})${delimitatore}\";\n\n")
  if(NOT primo)
    string(APPEND righe_tabella "    {\"${nome_file}\", testo_${nome}},\n")
  endif()
  set(primo FALSE)
endforeach()
if(TABELLA)
  string(APPEND testo "namespace {\nconst testo_incorporato righe_${TABELLA}[] = {\n${righe_tabella}};\n}  // namespace\n"
         "extern const std::span<const testo_incorporato> ${TABELLA};\n"
         "const std::span<const testo_incorporato> ${TABELLA} = righe_${TABELLA};\n")
endif()
file(WRITE "${USCITA}" "${testo}")
