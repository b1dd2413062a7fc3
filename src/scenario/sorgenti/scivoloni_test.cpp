#include "scenario/sorgenti/scivoloni.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/sorgenti/avvisi_di_prova.h"
#include "scenario/sorgenti/controllo_sorgenti.h"

namespace {

using avvisi_di_prova::con_righe;

std::string con_scivolone(std::string testo, const std::string& vecchio, const std::string& nuovo) {
  const std::size_t k = testo.find(vecchio);
  if (k != std::string::npos) testo.replace(k, vecchio.size(), nuovo);
  return testo;
}

struct controllo {
  esito_controllo esito;
  std::string testo;  // what check prints of its first report
};

controllo controlla(const std::string& linea, const std::string& treno) {
  Form1 nomi;
  nomi.nome_percorso = "Velstra_Ordoven";
  nomi.numero_treno = "318";
  cartella_memoria cartella;
  EXPECT_TRUE(cartella.sostituisci(file_linea(nomi), linea).ok());
  EXPECT_TRUE(cartella.sostituisci(file_treno(nomi), treno).ok());
  controllo c{controlla_sorgenti(cartella, nomi), ""};
  std::ostringstream out;
  if (!c.esito.voci.empty()) stampa_diagnostica(out, c.esito.voci.front());
  c.testo = out.str();
  return c;
}

// An author's slip: the line of the embedded sources as written, what check
// says at its line (and whether it ends with status 1: any error), and the
// one edit the editor offers, after which the sources check clean.
struct caso_scivolone {
  const char* nome;
  bool nel_treno;
  const char *vecchio, *nuovo;  // the embedded text, what the author wrote instead
  const char* inizio;           // how check's report begins ("" when it says nothing)
  std::vector<const char*> dice;
  std::size_t errori, avvisi;
  const char* correzione;  // the fix's new text, nullptr when none
};

const std::vector<caso_scivolone> casi_scivoloni = {
    {"a time with a colon",
     true,
     "  13,57, 0, PIACENZA",
     "  13:57, 0, PIACENZA",
     "Velstra_Ordoven_318-.txt:85:63: errore: '13:57' \xC3\xA8 un valore solo, letto come 13",
     {"la stazione si chiamer\xC3\xA0 'stazione', orario 13:00:00",
      "il record prende la riga 86 e il record 'stazione' che vi comincia non \xC3\xA8 letto", "si scrive '13, 57'"},
     1,
     0,
     "13, 57"},
    {"a time with a point, as the sheet writes it",
     true,
     "  13,57, 0, PIACENZA",
     "  13.57, 0, PIACENZA",
     "Velstra_Ordoven_318-.txt:85:63: errore: '13.57' \xC3\xA8 un valore solo, letto come 14",
     {"la stazione si chiamer\xC3\xA0 'stazione', orario 14:00:00", "si scrive '13, 57'"},
     1,
     0,
     "13, 57"},
    {"a time that shifts a name of two words",
     true,
     "   0, 0, 0, LODI",
     "  13:33, 0, LODI CENTRALE",
     "Velstra_Ordoven_318-.txt:81:63: errore: '13:33' \xC3\xA8 un valore solo, letto come 13",
     {"la stazione si chiamer\xC3\xA0 'CENTRALE', orario 13:00:00", "si scrive '13, 33'"},
     1,
     0,
     "13, 33"},
    {"a clock that takes the next section's header",
     true,
     "orologio,    13              14            15 ",
     "orologio,    13:14, 15",
     "Velstra_Ordoven_318-.txt:5:14: errore: '13:14' \xC3\xA8 un valore solo, letto come 13",
     {"il record 'orologio' \xC3\xA8 letto con ore 13, minuti 15, secondi 0",
      "il record prende la riga 6, l'intestazione '[aderenze]', come valore"},
     1,
     0,
     "13, 14"},
    {"a missing comma",
     true,
     "  13,57, 0, PIACENZA",
     "  13,570, PIACENZA",
     "Velstra_Ordoven_318-.txt:85:1: errore: i valori della riga non vanno ai campi del record 'stazione'",
     {"la stazione si chiamer\xC3\xA0 'stazione', orario 22:30:00", "il record prende la riga 86"},
     1,
     0,
     nullptr},
    {"a record of the line that takes the next",
     false,
     "pendenza,  9800,   -3",
     "pendenza,  9800",
     "Velstra_Ordoven_linea.txt:125:1: errore: i valori della riga non vanno ai campi del record 'pendenza'",
     {"il record 'pendenza' \xC3\xA8 letto con pendenza 0",
      "il record prende la riga 126 e il record 'pendenza' che vi comincia non \xC3\xA8 letto"},
     1,
     0,
     nullptr},
    {"a misspelt keyword",
     true,
     "segnale,   12050,",
     "segnlae,   12050,",
     "Velstra_Ordoven_318-.txt:127:1: errore: 'segnlae' non \xC3\xA8 una parola chiave del file del treno",
     {"nessun record 'segnale' vi \xC3\xA8 letto; si scrive 'segnale'"},
     1,
     0,
     "segnale"},
    {"a general key in the wrong case",
     false,
     "sfondo uno,",
     "Sfondo uno,",
     "Velstra_Ordoven_linea.txt:6:1: errore: 'Sfondo uno' non \xC3\xA8 una parola chiave della sezione [generale]",
     {"si scrive 'sfondo uno'"},
     1,
     0,
     "sfondo uno"},
    {"a keyword three edits away stays a warning",
     true,
     "segnale,   12050,",
     "sgnl,   12050,",
     "Velstra_Ordoven_318-.txt:127:1: avviso: 'sgnl' non \xC3\xA8 una parola chiave del file del treno",
     {"(la parola chiave pi\xC3\xB9 vicina \xC3\xA8 'segnale')"},
     0,
     1,
     nullptr},
    {"the letter O for a zero",
     true,
     "velocita,    6000,   145",
     "velocita,    60OO,   145",
     "Velstra_Ordoven_318-.txt:26:14: errore: '60OO' \xC3\xA8 letto come 60: la lettera O sta per uno zero",
     {"il record 'velocita' si sposta a 60 m invece che a 6000 m"},
     1,
     0,
     "6000"},
    {"the letter O in a value",
     true,
     "velocita,    6000,   145",
     "velocita,    6000,   1O5",
     "Velstra_Ordoven_318-.txt:26:22: errore: '1O5' \xC3\xA8 letto come 1",
     {"velocita vale 1 km/h invece di 105 km/h"},
     1,
     0,
     "105"},
    {"minutes of 60 or more",
     true,
     "  13,15, 0, MILANO",
     "   8,75, 0, MILANO",
     "Velstra_Ordoven_318-.txt:72:66: avviso: minuti 75, oltre 59: la stazione 'MILANO' ha l'orario 09:15:00",
     {},
     0,
     1,
     nullptr},
    {"a station timed before the one before",
     true,
     "  14,14, 0, FIDENZA",
     "  13,22, 0, FIDENZA",
     "Velstra_Ordoven_318-.txt:90:63: avviso: la stazione 'FIDENZA' ha l'orario 13:22:00, prima della stazione "
     "'PIACENZA' della riga 85 (13:57:00)",
     {},
     0,
     1,
     nullptr},
    // Forms the format allows, read as they are written.
    {"more than 12 hours back is the next day", true, "  16,12, 0, PRATO", "   1,12, 0, PRATO", "", {}, 0, 0, nullptr},
    {"blanks between numbers", true, "  13,57, 0, PIACENZA", "  13 57 0 PIACENZA", "", {}, 0, 0, nullptr},
    {"a name that begins with a number", true, "0, PIACENZA", "0, 2 PIACENZA", "", {}, 0, 0, nullptr},
};

TEST(Scivoloni, EachSlipIsSaidAtItsLineWithItsFix) {
  const std::string linea = con_righe(righe_linea(), 1, 0, ""), treno = con_righe(righe_treno(), 1, 0, "");
  for (const caso_scivolone& c : casi_scivoloni) {
    SCOPED_TRACE(c.nome);
    const std::string pulito = c.nel_treno ? treno : linea;
    ASSERT_NE(pulito.find(c.vecchio), std::string::npos);
    const std::string scritto = con_scivolone(pulito, c.vecchio, c.nuovo);
    const controllo k = c.nel_treno ? controlla(linea, scritto) : controlla(scritto, treno);
    EXPECT_EQ(k.esito.errori, c.errori) << k.testo;
    EXPECT_EQ(k.esito.avvisi, c.avvisi) << k.testo;
    EXPECT_EQ(k.testo.rfind(c.inizio, 0), 0u) << k.testo;
    for (const char* parte : c.dice) EXPECT_NE(k.testo.find(parte), std::string::npos) << parte << "\n" << k.testo;

    const std::vector<scivolone> v = scivoloni(scritto, leggi_struttura(scritto, c.nel_treno));
    const scivolone* con_correzione = nullptr;
    for (const scivolone& x : v)
      if (x.correzione) con_correzione = &x;
    if (!c.correzione) {
      EXPECT_EQ(con_correzione, nullptr);
      continue;
    }
    ASSERT_NE(con_correzione, nullptr);
    const correzione_scivolone& f = *con_correzione->correzione;
    EXPECT_EQ(f.testo, c.correzione);
    // The fix replaces the item the report points at, and the sources then check clean.
    EXPECT_EQ(posizione_1(leggi_struttura(scritto, c.nel_treno).righe, f.inizio).colonna, k.esito.voci.front().colonna);
    std::string corretto = scritto;
    corretto.replace(f.inizio, f.fine - f.inizio, f.testo);
    const controllo dopo = c.nel_treno ? controlla(linea, corretto) : controlla(corretto, treno);
    EXPECT_EQ(dopo.esito.errori + dopo.esito.avvisi, 0u) << dopo.testo;
  }
}

// The slips leave the compiler's reading alone: the embedded sources have none.
TEST(Scivoloni, TheEmbeddedSourcesHaveNone) {
  for (const bool treno : {false, true}) {
    const std::string testo = con_righe(treno ? righe_treno() : righe_linea(), 1, 0, "");
    EXPECT_TRUE(scivoloni(testo, leggi_struttura(testo, treno)).empty());
  }
}

}  // namespace
