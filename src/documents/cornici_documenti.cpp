#include "documents/cornici_documenti.h"

#include <algorithm>

#include "documents/celle_testo.h"

namespace {

// clang-format off
constexpr std::string_view sopra_tabella = "  ________________________________________________________________________________";
constexpr std::string_view titolo_prima_pagina =
    " | Vel.| Vel.| Progr Km |  No |    Localit\xE0 di Servizio    |     Orario     | Rec |";
constexpr std::string_view titolo_alto =
    " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |";
constexpr std::string_view titolo_basso =
    " | Lim.|Marc.|          |  Rs |                            |                |     |";
constexpr std::string_view regola_scheda =
    " |_____|_____|__________|_____|____________________________|________________|_____|";
constexpr std::string_view riga_vuota_scheda =
    " |     |     |          |     |                            |                |     |";

constexpr std::string_view riga_vuota_ordine =
    " |   |                            |            |          |         |            |";
constexpr std::string_view chiusura_ordine =
    " |___|____________________________|____________|__________|_________|____________|";
// clang-format on

void aggiungi_intestazione(std::vector<std::string>& out, const intestazione_scheda& h, std::string_view titolo) {
  out.push_back("  ___________________                                               ______________");
  out.push_back(" |                   |                    " + a_sinistra(h.etichetta, 25) + "|              |");
  out.push_back(" |" + al_centro(h.treno, 19) + "|                   da: " + a_sinistra(h.da, larghezza_da_a_scheda) +
                "|" + al_centro(h.rango, 14) + "|");
  out.push_back(" |___________________|                    a: " + a_sinistra(h.a, larghezza_da_a_scheda) + "|" +
                al_centro(h.percentuale, 14) + "|");
  out.push_back("                                                                   |______________|");
  out.push_back("  ___________________                ___________________");
  out.push_back(" |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ");
  out.push_back(" |" + al_centro(h.classificazione, 19) + "|              |" +
                (h.massa_come_stampata ? a_sinistra(*h.massa_come_stampata, 19) : al_centro(h.massa, 19)) + "|");
  out.push_back(" |___________________|              |___________________|");
  out.push_back("");
  out.emplace_back(sopra_tabella);
  out.emplace_back(titolo);
  out.emplace_back(titolo_basso);
  out.emplace_back(regola_scheda);
}

template <std::size_t N>
std::string riga_a_colonne(const std::array<std::string, N>& celle, const std::array<std::size_t, N>& colonne) {
  std::string r = " |";
  for (std::size_t k = 0; k < N; ++k) r += a_sinistra(celle[k], colonne[k]) + "|";
  return r;
}

}  // namespace

std::string riga_tabella_scheda(const celle_scheda& celle) { return riga_a_colonne(celle, colonne_scheda); }

std::vector<std::string> righe_scheda_documento(const std::vector<pagina_scheda>& pagine,
                                                const intestazione_scheda& modulo) {
  std::vector<std::string> out(3);
  for (std::size_t p = 0; p < pagine.size(); ++p) {
    const pagina_scheda& g = pagine[p];
    aggiungi_intestazione(out, g.intestazione, p == 0 ? titolo_prima_pagina : titolo_alto);
    out.insert(out.end(), g.righe.begin(), g.righe.end());
    for (std::size_t k = g.righe.size(); k < righe_pagina_scheda; ++k) out.emplace_back(riga_vuota_scheda);
    out.emplace_back(regola_scheda);
    out.push_back(g.nota);
    // The break under the first page is longer and nearer.
    out.insert(out.end(), p == 0 ? 2 : 3, "");
    out.push_back(std::string(p == 0 ? 81 : 72, '.'));
    out.insert(out.end(), p + 1 == pagine.size() ? 1 : 2, "");
  }
  aggiungi_intestazione(out, modulo, titolo_alto);
  for (std::size_t k = 0; k < righe_modulo_scheda; ++k) out.emplace_back(riga_vuota_scheda);
  out.emplace_back(regola_scheda);
  out.insert(out.end(), 2, "");
  return out;
}

std::vector<std::string> righe_ordine_documento(const documento_ordine& d) {
  std::vector<std::string> out = {
      "",
      "                                Modulo M. 3",
      "                           ORDINE DI RALLENTAMENTO",
      " " + std::string(80, '_'),
      "  Linea  " + d.linea,
      "",
      "  Si ordina al macchinista del treno " + d.treno + " di effettuare i seguenti rallentamenti",
      "  " + std::string(79, '_'),
      " |   |                            |Inizio dopo |          |         |            |",
      " | N.|      FRA LE STAZIONI       | il cippo   | Velocit\xE0 |Lunghezza|Prescrizioni|",
      " |   |   (o nelle Stazioni di)    |chilometrico|          |  metri  | specifiche |",
      std::string(chiusura_ordine),
  };
  for (const celle_ordine& r : d.righe) out.push_back(riga_a_colonne(r, colonne_ordine));
  for (std::size_t k = d.righe.size(); k < righe_minime_ordine; ++k) out.emplace_back(riga_vuota_ordine);
  out.emplace_back(chiusura_ordine);
  out.emplace_back("");
  out.emplace_back("              Prescrizioni specifiche");
  out.insert(out.end(), d.legenda.begin(), d.legenda.end());
  return out;
}

std::string testo_documento(std::span<const std::string> righe) {
  std::string testo;
  for (const std::string& r : righe) testo += r + "\r\n";
  return testo;
}
