#include "base/nomi_file.h"

#include "base/percorso_utf8.h"
#include "model/form1.h"

namespace {
// The names are UTF-8 text (the tool takes them from its command line).
std::filesystem::path nel_percorso(const Form1& f, const std::string& coda) {
  return f.cartella / percorso_utf8(f.nome_percorso + coda);
}
std::filesystem::path del_treno(const Form1& f, const std::string& coda) {
  return f.cartella / percorso_utf8(f.nome_percorso + "_" + f.numero_treno + coda);
}
}  // namespace

std::filesystem::path file_linea(const Form1& f) { return nel_percorso(f, "_linea.txt"); }
std::filesystem::path file_treno(const Form1& f) { return del_treno(f, "-.txt"); }
std::filesystem::path file_note(const Form1& f) { return del_treno(f, "_note.txt"); }
std::filesystem::path file_rallentamenti(const Form1& f) { return del_treno(f, "_rallentamenti.txt"); }
std::filesystem::path file_scheda(const Form1& f) { return del_treno(f, "_scheda_treno.txt"); }
std::filesystem::path file_piano(const Form1& f) { return nel_percorso(f, "_linea.dat"); }
std::filesystem::path file_scenario(const Form1& f) { return del_treno(f, ".sim"); }
std::filesystem::path file_tracciato(const Form1& f) { return del_treno(f, ".dat"); }
