#pragma once
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/stato.h"

// The two names of a scenario outside the compiler: the route key and the
// train number, from which base/nomi_file.h builds every file name. A run's
// record (Form1) converts to it, so a function that needs the names only says
// so by taking this.
struct nomi_scenario {
  std::string nome_percorso;
  std::string numero_treno;

  nomi_scenario() = default;
  nomi_scenario(std::string percorso, std::string treno)
      : nome_percorso(std::move(percorso)), numero_treno(std::move(treno)) {}
  template <class N>
  requires(!std::is_same_v<N, nomi_scenario> &&
           requires(const N& n) {
             n.nome_percorso;
             n.numero_treno;
           }) nomi_scenario(const N& n)
      : nome_percorso(n.nome_percorso), numero_treno(n.numero_treno) {}  // NOLINT: implicit
};

inline constexpr std::size_t lunghezza_massima_nome = 200;

// Whether a route key or train number can be part of a file name on Linux
// and Windows: the one rule of the tool, of pack and of the packed program.
// Not empty, not "." or "..", at most 200 bytes, none of / \ : * ? " < > |
// nor a control character, not a device name Windows reserves (CON, PRN,
// AUX, NUL, COM1-9, LPT1-9, in any case, with or without an extension). ok,
// or a valore failure whose text says why ("contiene un separatore di
// percorso"...).
stato controlla_nome(std::string_view nome);

// The route keys a folder holds: the ROUTE of each ROUTE_linea.txt and
// ROUTE_linea.dat among the names of elenco, each once, sorted.
std::vector<std::string> percorsi_della_cartella(const std::vector<std::string>& elenco);

// Every reading of "ROUTE_TRAIN" whose two names are valid, split at each
// '_' in turn: the shortest ROUTE first.
std::vector<nomi_scenario> letture_nome_treno(std::string_view radice);

// "ROUTE_TRAIN" (a train file's name without its ending) read back into its
// two names. A route key may hold '_': of the readings whose two names are
// valid, the one whose ROUTE is among percorsi; a name with one reading only
// needs none. A valore failure names the file and says whether no reading
// fits or several do.
stato leggi_nomi_treno(std::string_view radice, const std::vector<std::string>& percorsi, nomi_scenario& nomi);
