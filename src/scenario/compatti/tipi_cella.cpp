#include "scenario/compatti/tipi_cella.h"

#include "model/campi_cella.h"
#include "scenario/testo/da_1252.h"

namespace {
struct voce_tipo {
  std::uint8_t tipo;
  const char* nome;      // Windows-1252, converted when shown
  const char* articolo;  // the article that goes before the name
  const char* chiave;    // the key of the kind for scripts
};

constexpr voce_tipo voci_tipi[] = {
    {cella_vuota, "nessun oggetto", "", "vuota"},
    {cella_segnale, "segnale", "un ", "segnale"},
    {cella_fine_rallentamento, "fine del rallentamento", "la ", "fine_rallentamento"},
    {cella_inizio_rallentamento, "inizio del rallentamento", "l'", "inizio_rallentamento"},
    {cella_avviso_rallentamento, "avviso di rallentamento", "un ", "avviso_rallentamento"},
    {cella_tavola_distanziometrica, "tavola distanziometrica", "una ", "tavola_distanziometrica"},
    {cella_indicatore_vmax, "cartello di velocit\xE0 massima", "un ", "indicatore_vmax"},
    {cella_fine_stazione, "fine della stazione", "la ", "fine_stazione"},
    {cella_segno_montagna, "segno di tratto di montagna", "un ", "segno_montagna"},
    {cella_codice, "codice di ripetizione segnali", "un ", "codice"},
    {cella_codice_senza_valore, "codice senza valore", "un ", "codice_senza_valore"},
    {cella_cartello_indicatore, "cartello indicatore", "un ", "cartello_indicatore"},
};

const voce_tipo* trova_tipo(std::uint8_t tipo) {
  for (const auto& t : voci_tipi)
    if (t.tipo == tipo) return &t;
  return nullptr;
}
}  // namespace

std::string nome_tipo_cella(std::uint8_t tipo) {
  const voce_tipo* t = trova_tipo(tipo);
  return t ? utf8_da_1252(t->nome) : "oggetto di tipo " + std::to_string(tipo);
}

std::string tipo_cella_con_articolo(std::uint8_t tipo) {
  const voce_tipo* t = trova_tipo(tipo);
  return t ? std::string(t->articolo) + utf8_da_1252(t->nome) : "un oggetto di tipo " + std::to_string(tipo);
}

std::string_view chiave_tipo_cella(std::uint8_t tipo) {
  const voce_tipo* t = trova_tipo(tipo);
  return t ? t->chiave : "altro";
}

std::string_view chiave_tipo_stazione(std::uint8_t tipo) { return stazione_con_area(tipo) ? "stazione" : "posto"; }
