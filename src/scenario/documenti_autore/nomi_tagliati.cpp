#include "scenario/documenti_autore/nomi_tagliati.h"

#include <algorithm>
#include <cstddef>

#include "documents/cornici_documenti.h"
#include "scenario/testo/da_1252.h"

namespace {

// How the frames (documents/cornici_documenti) set a name, and what stands
// round it: the sheet's place column opens with a blank, a page's head gives
// a station its width after "da: " or "a: ", a name that fills the order's
// stations column is not centred.
struct casella {
  std::size_t larghezza;
  std::string_view prima, dopo;
  std::string_view dove;  // said in the warning
};
constexpr casella casella_localita_scheda = {colonne_scheda[colonna_localita_scheda] - 1, "| ", "|",
                                             "nella colonna delle localit\xC3\xA0"};
constexpr casella casella_da_scheda = {larghezza_da_a_scheda, " da: ", "|",
                                       "nell'intestazione della pagina dopo 'da:'"};
constexpr casella casella_a_scheda = {larghezza_da_a_scheda, " a: ", "|", "nell'intestazione della pagina dopo 'a:'"};
constexpr casella casella_stazioni_ordine = {colonne_ordine[colonna_stazioni_ordine], "|", "|",
                                             "nella colonna delle stazioni"};

// The line (from 1) of a byte of the text.
std::size_t riga_di(std::string_view testo, std::size_t posizione) {
  return 1 + static_cast<std::size_t>(
                 std::count(testo.begin(), testo.begin() + static_cast<std::ptrdiff_t>(posizione), '\n'));
}

void cerca_tagli(const nomi_di_un_documento& d, const std::string& nome, const casella& c,
                 std::vector<std::string>& avvisi) {
  if (nome.size() <= c.larghezza) return;
  const std::string stampato = nome.substr(0, c.larghezza);
  const std::string cercato = std::string(c.prima) + stampato + std::string(c.dopo);
  std::vector<std::size_t> righe;
  for (std::size_t p = d.testo.find(cercato); p != std::string_view::npos; p = d.testo.find(cercato, p + 1))
    righe.push_back(riga_di(d.testo, p));
  if (righe.empty()) return;
  std::string avviso = d.file + ":" + std::to_string(righe.front()) + ": avviso: il nome '" + utf8_da_1252(nome) +
                       "' non entra " + std::string(c.dove) + " (" + std::to_string(c.larghezza) +
                       " caratteri, il nome ne ha " + std::to_string(nome.size()) + "): si stampa '" +
                       utf8_da_1252(stampato) + "'";
  for (std::size_t k = 1; k < righe.size(); ++k)
    avviso += (k == 1 ? " (anche alle righe " : ", ") + std::to_string(righe[k]) + (k + 1 == righe.size() ? ")" : "");
  avvisi.push_back(avviso);
}

// Each name once, in the order first given.
std::vector<std::string> una_volta(const std::vector<std::string>& nomi) {
  std::vector<std::string> v;
  for (const std::string& n : nomi)
    if (std::find(v.begin(), v.end(), n) == v.end()) v.push_back(n);
  return v;
}

}  // namespace

std::vector<std::string> avvisi_nomi_tagliati(const nomi_di_un_documento& scheda, const nomi_di_un_documento& ordine) {
  std::vector<std::string> avvisi;
  for (const std::string& nome : una_volta(scheda.nomi))
    for (const casella* c : {&casella_localita_scheda, &casella_da_scheda, &casella_a_scheda})
      cerca_tagli(scheda, nome, *c, avvisi);
  for (const std::string& nome : una_volta(ordine.nomi)) cerca_tagli(ordine, nome, casella_stazioni_ordine, avvisi);
  return avvisi;
}
