#include "scenario/comandi/comando_diff.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "scenario/comandi/comando_compile.h"
#include "scenario/comandi/comando_extract.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

const std::string treno_comando_diff = "Velstra_Ordoven_318-.txt", linea_comando_diff = "Velstra_Ordoven_linea.txt";

struct esito_comando_diff {
  int codice;
  std::string out, err;
};

esito_comando_diff diff(const fs::path& a, const fs::path& b, const std::vector<std::string>& altre = {}) {
  std::vector<std::string> parole{a.string(), b.string(), "Velstra_Ordoven", "318"};
  parole.insert(parole.end(), altre.begin(), altre.end());
  std::ostringstream out, err;
  const int codice = comando_diff(parole, out, err);
  return {codice, out.str(), err.str()};
}

// The embedded scenario's sources in dir/A and an edited copy in dir/B.
struct due_cartelle {
  cartella_temporanea dir;
  fs::path a = dir.percorso / "A", b = dir.percorso / "B";
  due_cartelle() {
    std::ostringstream out, err;
    const std::vector<std::string> parole{a.string()};
    EXPECT_EQ(comando_extract(parole, out, err), 0) << err.str();
    fs::copy(a, b);
  }
  void sostituisci(const std::string& file, const std::string& da, const std::string& con) {
    std::string t = leggi_tutto(b / file);
    const std::size_t k = t.find(da);
    ASSERT_NE(k, std::string::npos) << da;
    t.replace(k, da.size(), con);
    scrivi_tutto(b / file, t);
  }
};

TEST(ComandoDiff, TheSameScenarioSaysNothingAndExitsZero) {
  due_cartelle d;
  const esito_comando_diff e = diff(d.a, d.a);
  EXPECT_EQ(e.codice, 0) << e.err;
  EXPECT_EQ(e.out, "");
  EXPECT_EQ(e.err, "");
}

// A signal moved 50 m: one move, with both posts and both lines.
TEST(ComandoDiff, AMovedSignalIsOneChangeWithBothPostsAndLines) {
  due_cartelle d;
  d.sostituisci(treno_comando_diff, "segnale,    3450,", "segnale,    3500,");
  const esito_comando_diff e = diff(d.a, d.b);
  EXPECT_EQ(e.codice, 1) << e.err;
  EXPECT_EQ(e.out,
            "segnale spostato di +50 m verso MILANO ROGOREDO, da 3+450 a 3+500\n"
            "    A: 3+450 (3450 m), Velstra_Ordoven_318-.txt riga 122\n"
            "    B: 3+500 (3500 m), Velstra_Ordoven_318-.txt riga 122\n"
            "1 modifica\n"
            "file compatti: scenario identico, tracciato diverso, planimetria identica\n");
  const esito_comando_diff j = diff(d.a, d.b, {"--json"});
  EXPECT_EQ(j.codice, 1);
  EXPECT_TRUE(contiene(j.out, "\"comando\": \"diff\", \"codice_uscita\": 1"));
  EXPECT_TRUE(contiene(j.out, "\"genere\": \"spostato\", \"oggetto\": \"segnale\""));
  EXPECT_TRUE(contiene(j.out, "\"b\": {\"progressiva_m\": 3500, \"punto_chilometrico\": \"3+500\""));
}

// A record rewritten within its cell is listed apart and changes nothing compiled.
TEST(ComandoDiff, AnEditWithinACellIsListedApartAndExitsZero) {
  due_cartelle d;
  d.sostituisci(treno_comando_diff, "segnale,    3450,", "segnale,    3460,");
  const esito_comando_diff e = diff(d.a, d.b);
  EXPECT_EQ(e.codice, 0) << e.err;
  EXPECT_EQ(e.out,
            "Modifiche dei sorgenti senza effetto sullo scenario compilato:\n"
            "segnale scritto a 3+460 invece di 3+450, nella stessa cella: lo scenario compilato non cambia\n"
            "    A: 3+450 (3450 m), Velstra_Ordoven_318-.txt riga 122\n"
            "    B: 3+460 (3460 m), Velstra_Ordoven_318-.txt riga 122\n");
  const esito_comando_diff j = diff(d.a, d.b, {"--json"});
  EXPECT_EQ(j.codice, 0);
  EXPECT_TRUE(contiene(j.out, "\"modifiche\": [], \"senza_effetto\": [{\"genere\": \"senza_effetto\""));
}

// Edits of the sources that compile the same: nothing changes (exit 0), and
// a rewritten file is said once in the section apart, with its lines.
TEST(ComandoDiff, EditsThatCompileTheSameAreListedApart) {
  struct caso {
    const char* nome;
    void (*modifica_b)(due_cartelle&);
    const char* atteso;  // the whole output
  };
  const caso casi[] = {
      {"a line reflowed",
       [](due_cartelle& d) {
         d.sostituisci(treno_comando_diff, "velocita,    1250,   100\r\n", "velocita,1250\r\n   100\r\n");
       },
       "Modifiche dei sorgenti senza effetto sullo scenario compilato:\n"
       "Velstra_Ordoven_318-.txt: riformattato, stessi record (spazi, a capo, commenti), riga 24 in A, righe "
       "24-25 in B\n"},
      {"a blank line added to the line file",
       [](due_cartelle& d) { d.sostituisci(linea_comando_diff, "curvas4,", "\r\ncurvas4,"); },
       "Modifiche dei sorgenti senza effetto sullo scenario compilato:\n"
       "Velstra_Ordoven_linea.txt: riformattato, stessi record (spazi, a capo, commenti), nessuna riga in A, riga 12 "
       "in B\n"},
      {"two signal lines swapped",
       [](due_cartelle& d) {
         d.sostituisci(treno_comando_diff, "segnale,    3450,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\n", "");
         d.sostituisci(treno_comando_diff, "segnale,    2800,",
                       "segnale,    3450,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\nsegnale,    2800,");
       },
       "Modifiche dei sorgenti senza effetto sullo scenario compilato:\n"
       "Velstra_Ordoven_318-.txt: stessi record in altro ordine, righe 121-122 in A, righe 121-122 in B\n"},
      {"a change made and undone",
       [](due_cartelle& d) {
         d.sostituisci(treno_comando_diff, "segnale,    3450,", "segnale,    3500,");
         d.sostituisci(treno_comando_diff, "segnale,    3500,", "segnale,    3450,");
       },
       ""},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    due_cartelle d;
    c.modifica_b(d);
    const esito_comando_diff e = diff(d.a, d.b);
    EXPECT_EQ(e.codice, 0) << e.err;
    EXPECT_EQ(e.out, c.atteso);
    const esito_comando_diff j = diff(d.a, d.b, {"--json"});
    EXPECT_EQ(j.codice, 0);
    EXPECT_TRUE(contiene(j.out, "\"modifiche\": [], ")) << j.out;
    EXPECT_TRUE(contiene(j.out, "\"file_compatti\": {\"identici\": true,")) << j.out;
  }
}

// Compact files compiled from the same sources compare equal to them: the
// objects read from cells alone are gathered as the sources gather them.
TEST(ComandoDiff, CompactFilesAloneCompareWithTheirSources) {
  due_cartelle d;
  std::ostringstream out, err;
  const std::vector<std::string> parole{d.b.string(), "Velstra_Ordoven", "318"};
  ASSERT_EQ(comando_compile(parole, out, err), 0) << err.str();
  fs::remove(d.b / treno_comando_diff);
  fs::remove(d.b / linea_comando_diff);
  const esito_comando_diff e = diff(d.a, d.b);
  EXPECT_EQ(e.codice, 0) << e.out << e.err;
  EXPECT_EQ(e.out, "");
}

// A side that cannot be compared: exit 2 and why, with check's list when its
// sources have errors.
TEST(ComandoDiff, ASideThatCannotBeComparedExitsTwo) {
  struct caso {
    const char* nome;
    void (*prepara)(due_cartelle&);
    const char* atteso;
  };
  const caso casi[] = {
      {"an error in B",
       [](due_cartelle& d) { d.sostituisci(treno_comando_diff, "segnale,    3450,", "segnale,    2800,"); },
       "Errore n. 16"},
      {"B without its line file", [](due_cartelle& d) { fs::remove(d.b / linea_comando_diff); }, "file non trovato"},
      {"B with neither sources nor compact files",
       [](due_cartelle& d) {
         fs::remove(d.b / linea_comando_diff);
         fs::remove(d.b / treno_comando_diff);
       },
       "file non trovato"},
      {"a damaged compact file",
       [](due_cartelle& d) {
         fs::remove(d.b / linea_comando_diff);
         fs::remove(d.b / treno_comando_diff);
         scrivi_tutto(d.b / "Velstra_Ordoven_318.sim", "xx");
         scrivi_tutto(d.b / "Velstra_Ordoven_318.dat", "xx");
       },
       "Velstra_Ordoven_318"},
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    due_cartelle d;
    c.prepara(d);
    const esito_comando_diff e = diff(d.a, d.b);
    EXPECT_EQ(e.codice, 2);
    EXPECT_TRUE(contiene(e.err, c.atteso));
    EXPECT_EQ(e.out, "");
    const esito_comando_diff j = diff(d.a, d.b, {"--json"});
    EXPECT_EQ(j.codice, 2);
    EXPECT_TRUE(contiene(j.out, "\"codice_uscita\": 2"));
  }
}

// Two trains of one line: B's train file is named by --treno-b; the train
// number and the identification codes made from it are what changes.
TEST(ComandoDiff, TwoTrainsOfOneLineWithTrenoB) {
  due_cartelle d;
  fs::rename(d.b / treno_comando_diff, d.b / "Velstra_Ordoven_319-.txt");
  const esito_comando_diff e = diff(d.a, d.b, {"--treno-b", "319"});
  EXPECT_EQ(e.codice, 1) << e.err;
  EXPECT_EQ(e.out,
            "treno.numero 318 \xE2\x86\x92 319\n"
            "marchi_e_codici.codice_scenario 33330 \xE2\x86\x92 33333\n"
            "marchi_e_codici.codice_cella_1 2473 \xE2\x86\x92 2474\n"
            "3 modifiche\n"
            "file compatti: scenario diverso, tracciato diverso, planimetria identica; codici di identificazione "
            "cambiati: codice_scenario, codice_cella_1\n");
  const esito_comando_diff j = diff(d.a, d.b, {"--treno-b", "319", "--json"});
  EXPECT_TRUE(contiene(j.out,
                       "\"file_compatti\": {\"identici\": false, \"file\": [{\"ruolo\": \"scenario\", "
                       "\"nome_a\": \"Velstra_Ordoven_318.sim\", \"nome_b\": \"Velstra_Ordoven_319.sim\", "
                       "\"in_a\": true, \"in_b\": true, \"identico\": false}"))
      << j.out;
  EXPECT_TRUE(contiene(j.out, "\"codici_cambiati\": [\"codice_scenario\",")) << j.out;
  const esito_comando_diff senza = diff(d.a, d.b);
  EXPECT_EQ(senza.codice, 2);
  EXPECT_TRUE(contiene(senza.err, "Velstra_Ordoven_318-.txt: file non trovato"));
  EXPECT_EQ(diff(d.a, d.b, {"--treno-b", "a/b"}).codice, 64);
}

TEST(ComandoDiff, UsageFaultsExit64) {
  std::ostringstream out, err;
  const std::vector<std::string> tre{"A", "Velstra_Ordoven", "318"};
  EXPECT_EQ(comando_diff(tre, out, err), 64);
  EXPECT_TRUE(contiene(err.str(), "uso: scenario diff A B ROUTE TRAIN"));
  const std::vector<std::string> aiuto{"--help"};
  std::ostringstream out2, err2;
  EXPECT_EQ(comando_diff(aiuto, out2, err2), 0);
  EXPECT_TRUE(contiene(out2.str(), "Stato di uscita: 0 nessuna differenza; 1 ci sono differenze"));
}

}  // namespace
