#include "scenario/compatti/valori_cella.h"

#include "compiler/grammatica.h"

namespace {
using L = lettura_valore;

// Each value is named after the record field that sets it; the meaning says
// how the compiler made it, in the manual's words.
constexpr valore_di_cella segnale[] = {
    {"valore_1", "", "valore_1", L::campo, "10 \xC3\x97 decine_valore_1 + unita_valore_1 (campi 3 e 8 del segnale)"},
    {"valore_2", "", "valore_2", L::campo, "10 \xC3\x97 decine_valore_2 + unita_valore_2 (campi 4 e 9 del segnale)"},
    {"valore_3", "", "valore_3", L::campo, "10 \xC3\x97 decine_valore_3 + unita_valore_3 (campi 5 e 10 del segnale)"},
    {"valore_4", "", "valore_4", L::campo,
     "10 \xC3\x97 decine_valore_4 + 3 \xC3\x97 tipo_segnale + aggiunta (campi 6, 2 e 7 del segnale)"},
    {"valore_5", "", "valore_5", L::campo,
     "il campo 11 valore_5 di un segnale di tipo_segnale 2 (da 1 a 100 conta 101); 0 per il tipo 1"},
};

constexpr valore_di_cella inizio_fine[] = {
    {"velocita", "km/h", "valore_1", L::campo, "velocit\xC3\xA0 del rallentamento (campo 2 velocita)"},
    {"valore_2", "", "valore_2", L::campo,
     "il campo 6 valore_2 del rallentamento quando non \xC3\xA8 0; altrimenti ci\xC3\xB2 che la cella aveva"},
    {"valore_3", "", "valore_3", L::campo, "il campo 4 valore_3 del rallentamento"},
};

constexpr valore_di_cella valori_avviso[] = {
    {"velocita", "km/h", "valore_1", L::campo, "velocit\xC3\xA0 del rallentamento (campo 2 velocita)"},
    {"valore_2", "", "valore_2", L::campo,
     "il campo 6 valore_2 del rallentamento quando non \xC3\xA8 0; altrimenti ci\xC3\xB2 che la cella aveva"},
};

constexpr valore_di_cella valori_tavola[] = {
    {"numero", "", "valore_1", L::campo,
     "numero della tavola: 1 accanto all'avviso, 4 la pi\xC3\xB9 lontana (campo 5 tavole del rallentamento)"},
    {"valore_2", "", "valore_2", L::campo,
     "il numero della tavola quando il campo 6 valore_2 del rallentamento non \xC3\xA8 0; altrimenti ci\xC3\xB2 che "
     "la cella aveva"},
};

constexpr valore_di_cella valori_cartello_vmax[] = {
    {"prima_velocita_1", "km/h", "valore_1", L::prima_velocita, "prima velocit\xC3\xA0 del rango 1 (campo 2)"},
    {"seconda_velocita_1", "km/h", "valore_1", L::seconda_velocita, "seconda velocit\xC3\xA0 del rango 1 (campo 6)"},
    {"prima_velocita_2", "km/h", "valore_2", L::prima_velocita, "prima velocit\xC3\xA0 del rango 2 (campo 3)"},
    {"seconda_velocita_2", "km/h", "valore_2", L::seconda_velocita, "seconda velocit\xC3\xA0 del rango 2 (campo 7)"},
    {"prima_velocita_3", "km/h", "valore_3", L::prima_velocita, "prima velocit\xC3\xA0 del rango 3 (campo 4)"},
    {"seconda_velocita_3", "km/h", "valore_3", L::seconda_velocita, "seconda velocit\xC3\xA0 del rango 3 (campo 8)"},
    {"codice_1", "", "valore_4", L::decine, "primo codice del cartello (campo 5)"},
    {"codice_2", "", "valore_4", L::unita, "secondo codice del cartello (campo 9)"},
};

constexpr valore_di_cella fine_stazione[] = {
    {"stazione", "", "valore_1", L::campo, "numero della stazione: la sua voce nella tabella delle stazioni"},
};

constexpr valore_di_cella valori_codice[] = {
    {"codice", "", "valore_1", L::campo,
     "codice di ripetizione in cabina (campo 2 dell'abbattimento); 180 se posto dal controllo dei codici"},
};

constexpr valore_di_cella cartello_indicatore[] = {
    {"voce", "", "valore_1", L::campo, "la voce della tabella delle stazioni che tiene il testo del cartello"},
};

struct voce_tabella {
  std::uint8_t tipo;
  genere_record record;
  std::span<const valore_di_cella> valori;
};

constexpr voce_tabella tabella_valori[] = {
    {cella_segnale, genere_record::segnale, segnale},
    {cella_fine_rallentamento, genere_record::rallentamento, inizio_fine},
    {cella_inizio_rallentamento, genere_record::rallentamento, inizio_fine},
    {cella_avviso_rallentamento, genere_record::rallentamento, valori_avviso},
    {cella_tavola_distanziometrica, genere_record::rallentamento, valori_tavola},
    {cella_indicatore_vmax, genere_record::indicatori_vmax, valori_cartello_vmax},
    {cella_fine_stazione, genere_record::stazione, fine_stazione},
    {cella_codice, genere_record::abbattimento, valori_codice},
    {cella_codice_senza_valore, genere_record::abbattimento, {}},
    {cella_cartello_indicatore, genere_record::cartello_indicatore, cartello_indicatore},
    {cella_segno_montagna, genere_record::montagna, {}},
};

const voce_tabella* trova_valori(std::uint8_t tipo) {
  for (const voce_tabella& v : tabella_valori)
    if (v.tipo == tipo) return &v;
  return nullptr;
}

std::int64_t campo_di(const cella& c, std::string_view campo) {
  if (campo == "valore_1") return c.valore_1;
  if (campo == "valore_2") return c.valore_2;
  if (campo == "valore_3") return c.valore_3;
  if (campo == "valore_4") return c.valore_4;
  return c.valore_5;
}

}  // namespace

std::span<const valore_di_cella> valori_di_cella(std::uint8_t tipo) {
  const voce_tabella* v = trova_valori(tipo);
  return v ? v->valori : std::span<const valore_di_cella>{};
}

std::string_view record_di_cella(std::uint8_t tipo) {
  const voce_tabella* v = trova_valori(tipo);
  return v ? forma_di_genere(v->record).nome : std::string_view{};
}

std::int64_t leggi_valore(const cella& c, const valore_di_cella& v) {
  const std::int64_t x = campo_di(c, v.campo);
  switch (v.lettura) {
    case L::prima_velocita:
      return decodifica_coppia_vmax(static_cast<std::int16_t>(x)).prima;
    case L::seconda_velocita:
      return decodifica_coppia_vmax(static_cast<std::int16_t>(x)).seconda;
    case L::decine:
      return primo_codice(static_cast<std::int16_t>(x));
    case L::unita:
      return secondo_codice(static_cast<std::int16_t>(x));
    case L::campo:
      break;
  }
  return x;
}
