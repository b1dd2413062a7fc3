#include "scenario/testo/diff_righe.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Lines matched one by one up to this many pairs (the table's cells).
constexpr std::size_t coppie_massime = 4'000'000;
constexpr std::size_t contesto = 3;

struct passo {
  char segno;        // ' ', '-', '+'
  std::size_t riga;  // in a for ' ' and '-', in b for '+'
};

// The edit from a[da_a, a_a) to b[da_b, a_b): kept, removed and added lines in order.
void modifica_centrale(const std::vector<std::string>& a, const std::vector<std::string>& b, std::size_t da_a,
                       std::size_t a_a, std::size_t da_b, std::size_t a_b, std::vector<passo>& passi) {
  const std::size_t n = a_a - da_a, m = a_b - da_b;
  if (n == 0 || m == 0 || n * m > coppie_massime) {
    for (std::size_t i = da_a; i < a_a; ++i) passi.push_back({'-', i});
    for (std::size_t j = da_b; j < a_b; ++j) passi.push_back({'+', j});
    return;
  }
  // lcs[i][j]: the longest common run of a[da_a+i..] and b[da_b+j..].
  std::vector<std::uint32_t> lcs((n + 1) * (m + 1), 0);
  auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return lcs[i * (m + 1) + j]; };
  for (std::size_t i = n; i-- > 0;)
    for (std::size_t j = m; j-- > 0;)
      at(i, j) = a[da_a + i] == b[da_b + j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
  std::size_t i = 0, j = 0;
  while (i < n && j < m) {
    if (a[da_a + i] == b[da_b + j]) {
      passi.push_back({' ', da_a + i});
      ++i;
      ++j;
    } else if (at(i + 1, j) >= at(i, j + 1)) {
      passi.push_back({'-', da_a + i++});
    } else {
      passi.push_back({'+', da_b + j++});
    }
  }
  for (; i < n; ++i) passi.push_back({'-', da_a + i});
  for (; j < m; ++j) passi.push_back({'+', da_b + j});
}

}  // namespace

std::string diff_righe(const std::string& ta, const std::string& tb, const std::string& nome_a,
                       const std::string& nome_b) {
  const std::vector<std::string> a = righe_di(ta), b = righe_di(tb);
  std::size_t inizio = 0;
  while (inizio < a.size() && inizio < b.size() && a[inizio] == b[inizio]) ++inizio;
  std::size_t coda = 0;
  while (coda < a.size() - inizio && coda < b.size() - inizio && a[a.size() - 1 - coda] == b[b.size() - 1 - coda])
    ++coda;
  if (inizio == a.size() && inizio == b.size()) return "";
  std::vector<passo> passi;
  for (std::size_t i = 0; i < inizio; ++i) passi.push_back({' ', i});
  modifica_centrale(a, b, inizio, a.size() - coda, inizio, b.size() - coda, passi);
  for (std::size_t i = a.size() - coda; i < a.size(); ++i) passi.push_back({' ', i});

  // Where each step stands in a and in b (0-based, the line before it).
  std::vector<std::size_t> in_a(passi.size() + 1), in_b(passi.size() + 1);
  for (std::size_t k = 0; k < passi.size(); ++k) {
    in_a[k + 1] = in_a[k] + (passi[k].segno != '+');
    in_b[k + 1] = in_b[k] + (passi[k].segno != '-');
  }
  std::string out = "--- " + nome_a + "\n+++ " + nome_b + "\n";
  for (std::size_t k = 0; k < passi.size();) {
    if (passi[k].segno == ' ') {
      ++k;
      continue;
    }
    // A hunk: from contesto lines before this change to contesto after the
    // last change that lies within 2*contesto of the one before it.
    const std::size_t da = k >= contesto ? k - contesto : 0;
    std::size_t fine = k;
    for (std::size_t j = k; j < passi.size() && j <= fine + 2 * contesto; ++j)
      if (passi[j].segno != ' ') fine = j;
    const std::size_t a_k = std::min(passi.size(), fine + 1 + contesto);
    const std::size_t righe_a = in_a[a_k] - in_a[da], righe_b = in_b[a_k] - in_b[da];
    // An empty side is said at the line before it, as diff -u says it.
    out += "@@ -" + std::to_string(in_a[da] + (righe_a ? 1 : 0)) + "," + std::to_string(righe_a) + " +" +
           std::to_string(in_b[da] + (righe_b ? 1 : 0)) + "," + std::to_string(righe_b) + " @@\n";
    for (std::size_t j = da; j < a_k; ++j)
      out += passi[j].segno + (passi[j].segno == '+' ? b[passi[j].riga] : a[passi[j].riga]) + "\n";
    k = a_k;
  }
  return out;
}

std::vector<std::string> righe_di(const std::string& t) {
  std::vector<std::string> v;
  std::size_t i = 0;
  while (i < t.size()) {
    const std::size_t k = t.find('\n', i);
    v.push_back(t.substr(i, k == std::string::npos ? std::string::npos : k - i));
    if (k == std::string::npos) break;
    i = k + 1;
  }
  return v;
}
