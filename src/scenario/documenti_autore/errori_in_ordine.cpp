#include "scenario/documenti_autore/errori_in_ordine.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>

namespace {

// The file and the line of a fault: a file name holds no ':'.
std::pair<std::string, std::size_t> luogo(const std::string& e) {
  constexpr std::size_t senza_riga = std::numeric_limits<std::size_t>::max();
  const std::size_t due_punti = e.find(':');
  if (due_punti == std::string::npos) return {e, senza_riga};
  std::size_t riga = 0, k = due_punti + 1;
  for (; k < e.size() && e[k] >= '0' && e[k] <= '9' && riga < senza_riga / 20; ++k)
    riga = riga * 10 + static_cast<std::size_t>(e[k] - '0');
  if (k == due_punti + 1 || k == e.size() || e[k] != ':') riga = senza_riga;
  return {e.substr(0, due_punti), riga};
}

}  // namespace

void errori_in_ordine(std::vector<std::string>& errori) {
  std::vector<std::string> file;  // in the order of their first fault
  for (const std::string& e : errori)
    if (const std::string f = luogo(e).first; std::find(file.begin(), file.end(), f) == file.end()) file.push_back(f);
  const auto chiave = [&](const std::string& e) {
    const auto [f, riga] = luogo(e);
    return std::make_pair(std::find(file.begin(), file.end(), f) - file.begin(), riga);
  };
  std::stable_sort(errori.begin(), errori.end(),
                   [&](const std::string& a, const std::string& b) { return chiave(a) < chiave(b); });
}
