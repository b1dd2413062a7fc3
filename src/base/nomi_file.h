#pragma once
#include <string>

// The name of every file of a run, within its folder: the route key and, for
// all but the line source file and the plan file, "_" and the train number,
// joined with no check of their characters. Built from any record that holds
// nome_percorso and numero_treno (the run's Form1).
template <class N>
std::string nome_del_percorso(const N& n, const char* coda) {
  return n.nome_percorso + coda;
}
template <class N>
std::string nome_del_treno(const N& n, const char* coda) {
  return n.nome_percorso + "_" + n.numero_treno + coda;
}

template <class N>
std::string file_linea(const N& n) {
  return nome_del_percorso(n, "_linea.txt");
}
template <class N>
std::string file_treno(const N& n) {
  return nome_del_treno(n, "-.txt");
}
template <class N>
std::string file_note(const N& n) {
  return nome_del_treno(n, "_note.txt");
}
template <class N>
std::string file_rallentamenti(const N& n) {
  return nome_del_treno(n, "_rallentamenti.txt");
}
template <class N>
std::string file_scheda(const N& n) {
  return nome_del_treno(n, "_scheda_treno.txt");
}
template <class N>
std::string file_piano(const N& n) {
  return nome_del_percorso(n, "_linea.dat");
}
template <class N>
std::string file_scenario(const N& n) {
  return nome_del_treno(n, ".sim");
}
template <class N>
std::string file_tracciato(const N& n) {
  return nome_del_treno(n, ".dat");
}
