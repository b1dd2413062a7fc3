#include "base/distanza_modifiche.h"

#include <algorithm>
#include <vector>

std::size_t distanza_modifiche(std::string_view a, std::string_view b) {
  // Three rows of the table: two back for a swap, the one before, this one.
  const std::size_t n = b.size();
  std::vector<std::size_t> due(n + 1), prima(n + 1), ora(n + 1);
  for (std::size_t j = 0; j <= n; ++j) prima[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    ora[0] = i;
    for (std::size_t j = 1; j <= n; ++j) {
      const std::size_t cambio = a[i - 1] == b[j - 1] ? 0 : 1;
      ora[j] = std::min({prima[j] + 1, ora[j - 1] + 1, prima[j - 1] + cambio});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) ora[j] = std::min(ora[j], due[j - 2] + 1);
    }
    std::swap(due, prima);
    std::swap(prima, ora);
  }
  return prima[n];
}
