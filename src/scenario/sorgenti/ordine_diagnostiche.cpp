#include "scenario/sorgenti/ordine_diagnostiche.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>
#include <tuple>

#include "base/nomi_file.h"

void in_ordine_di_file(std::vector<diagnostica>& v, const nomi_scenario& nomi) {
  const std::string linea = file_linea(nomi), treno = file_treno(nomi);
  const auto chiave = [&](const diagnostica& d) {
    const int file = d.file == linea ? 0 : d.file == treno ? 1 : 2;
    constexpr std::size_t senza_posto = std::numeric_limits<std::size_t>::max();
    return std::make_tuple(file, d.con_posizione ? d.riga : senza_posto, d.con_posizione ? d.colonna : senza_posto);
  };
  std::stable_sort(v.begin(), v.end(),
                   [&](const diagnostica& a, const diagnostica& b) { return chiave(a) < chiave(b); });
}
