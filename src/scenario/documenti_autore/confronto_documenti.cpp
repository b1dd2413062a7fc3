#include "scenario/documenti_autore/confronto_documenti.h"

#include <algorithm>
#include <cstdint>

namespace {

// Each line with its own end ("\r\n", "\n", or none for a last line without
// one), so that two files differing only there still differ.
std::vector<std::string_view> righe_con_fine(std::string_view testo) {
  std::vector<std::string_view> righe;
  while (!testo.empty()) {
    const std::size_t a_capo = testo.find('\n');
    const std::size_t n = a_capo == std::string_view::npos ? testo.size() : a_capo + 1;
    righe.push_back(testo.substr(0, n));
    testo.remove_prefix(n);
  }
  return righe;
}

std::string_view senza_fine(std::string_view r) {
  if (r.ends_with('\n')) r.remove_suffix(1);
  if (r.ends_with('\r')) r.remove_suffix(1);
  return r;
}

// Past this many cells of the table of common runs (a file far from its
// document, or a huge one) the rows are paired in order instead.
constexpr std::size_t celle_massime = 4'000'000;

enum class passo_confronto { uguale, solo_presente, solo_atteso };

// The steps from a to b along their longest common run of rows.
std::vector<passo_confronto> passi(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
  const std::size_t n = a.size(), m = b.size();
  std::vector<passo_confronto> v;
  if (n * m > celle_massime) {
    for (std::size_t k = 0; k < std::max(n, m); ++k) {
      if (k < n && k < m && a[k] == b[k]) {
        v.push_back(passo_confronto::uguale);
        continue;
      }
      if (k < n) v.push_back(passo_confronto::solo_presente);
      if (k < m) v.push_back(passo_confronto::solo_atteso);
    }
    return v;
  }
  // lunghe[i][j]: the longest common run of a[i..] and b[j..].
  std::vector<std::uint32_t> lunghe((n + 1) * (m + 1), 0);
  const auto l = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return lunghe[i * (m + 1) + j]; };
  for (std::size_t i = n; i-- > 0;)
    for (std::size_t j = m; j-- > 0;) l(i, j) = a[i] == b[j] ? l(i + 1, j + 1) + 1 : std::max(l(i + 1, j), l(i, j + 1));
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i] == b[j]) {
      v.push_back(passo_confronto::uguale);
      ++i, ++j;
    } else if (j == m || (i < n && l(i + 1, j) >= l(i, j + 1))) {
      v.push_back(passo_confronto::solo_presente);
      ++i;
    } else {
      v.push_back(passo_confronto::solo_atteso);
      ++j;
    }
  }
  return v;
}

}  // namespace

std::vector<riga_diversa> righe_diverse(std::string_view presente, std::string_view atteso) {
  std::vector<riga_diversa> diverse;
  if (presente == atteso) return diverse;
  const std::vector<std::string_view> a = righe_con_fine(presente), b = righe_con_fine(atteso);
  // The rows both files open and close with are set aside first: the table
  // of common runs then covers only the part that changed.
  std::size_t prima = 0;
  while (prima < a.size() && prima < b.size() && a[prima] == b[prima]) ++prima;
  std::size_t dopo = 0;
  while (dopo < a.size() - prima && dopo < b.size() - prima && a[a.size() - 1 - dopo] == b[b.size() - 1 - dopo]) ++dopo;
  const std::vector<std::string_view> ma(a.begin() + static_cast<std::ptrdiff_t>(prima),
                                         a.end() - static_cast<std::ptrdiff_t>(dopo));
  const std::vector<std::string_view> mb(b.begin() + static_cast<std::ptrdiff_t>(prima),
                                         b.end() - static_cast<std::ptrdiff_t>(dopo));
  const std::vector<passo_confronto> v = passi(ma, mb);
  // Each run of steps between two equal rows: its rows of the folder paired
  // in order with the sources' rows, the rest of either side alone.
  std::size_t i = 0, j = 0;
  for (std::size_t k = 0; k < v.size();) {
    if (v[k] == passo_confronto::uguale) {
      ++i, ++j, ++k;
      continue;
    }
    std::vector<std::string_view> solo_a, solo_b;
    const std::size_t riga = prima + i + 1;
    for (; k < v.size() && v[k] != passo_confronto::uguale; ++k) {
      if (v[k] == passo_confronto::solo_presente)
        solo_a.push_back(ma[i++]);
      else
        solo_b.push_back(mb[j++]);
    }
    for (std::size_t q = 0; q < std::max(solo_a.size(), solo_b.size()); ++q) {
      riga_diversa d;
      d.riga = riga + std::min(q, solo_a.size());
      if (q < solo_a.size()) d.presente = std::string(senza_fine(solo_a[q]));
      if (q < solo_b.size()) d.attesa = std::string(senza_fine(solo_b[q]));
      d.fine_diversa = d.presente && d.attesa && *d.presente == *d.attesa;
      diverse.push_back(std::move(d));
    }
  }
  return diverse;
}
