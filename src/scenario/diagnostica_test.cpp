#include "scenario/diagnostica.h"

#include <gtest/gtest.h>

#include <sstream>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "driver/nomi_file.h"
#include "model/form1.h"
#include "scenario/comando_compile.h"
#include "test_support/cartella_temporanea.h"

namespace {

// The embedded source with one line put in before line n (1-based).
std::string con_riga(std::span<const std::string_view> righe, std::size_t n, const std::string& riga) {
  std::string s;
  std::size_t k = 1;
  for (std::string_view r : righe) {
    if (r == fine_tabella) break;
    if (k++ == n) s += riga + "\r\n";
    (s += r) += "\r\n";
  }
  return s;
}

struct caso_errore {
  bool nel_treno;       // the line goes into the train file, else the line file
  std::size_t riga;     // where it goes in: the error's line
  std::string testo;
  std::string campo;    // the field at fault: its first occurrence gives the column
  int numero;
  std::string dettaglio;  // part of the message that names what is in the way
};

const caso_errore casi[] = {
    {false, 306, "indicatori_vmax,  700,  30,  30,  30,  0,  30,  30,  30,  0", "indicatori_vmax", 21,
     "(progressiva 700): cartello di velocita' massima su una cella non libera (la cella 15 contiene un cartello di "
     "velocit\xC3\xA0 massima)"},
    {false, 392, "cartello_indicatore,  1700,   (X)", "cartello_indicatore", 6,
     "(la cella 35 contiene un cartello indicatore)"},
    {true, 121, "segnale,    1800,   2, 4, 1,  1, 0,    0,  0,0,0, 0", "segnale", 16,
     "(progressiva 1800): segnale su una cella non libera (la cella 37 contiene un segnale)"},
    {true, 120, "segnale,    9999000,   2, 4, 1,  1, 0,    0,  0,0,0, 0", "segnale", 15, "(progressiva 9999000)"},
    {true, 120, "segnale,    99999999999,   2, 4, 1,  1, 0,    0,  0,0,0, 0", "99999999999", 25,
     ": errore di lettura"},
    {true, 282, "abbattimento,   10000,   270", "abbattimento", 7, "(progressiva 10000)"},
    {true, 73, "stazione,    1120, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina X", "stazione", 8,
     "(progressiva 1120)"},
    {true, 73, "stazione,    1150, 26,  250,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina X", "stazione", 9,
     "(progressiva 1150)"},
    {true, 73, "stazione,    1000, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina X", "stazione", 22,
     "(progressiva 1000)"},
    {true, 119, "rallentamento,  259150,    90,  450, 0,  0,  60", "rallentamento", 17, "(progressiva 259150)"},
};

std::vector<std::string> righe_di(const std::string& testo) {
  std::vector<std::string> v;
  std::istringstream in(testo);
  for (std::string r; std::getline(in, r);) v.push_back(r);
  return v;
}

TEST(Diagnostica, CompilePointsAtTheFaultyFieldOfEachSource) {
  for (const auto& c : casi) {
    cartella_temporanea dir;
    Form1 f;
    f.cartella = dir.percorso;
    f.nome_percorso = "Velstra_Ordoven";
    f.numero_treno = "318";
    dati_linea(f);
    dati_treno(f);
    if (c.nel_treno) scrivi_tutto(file_treno(f), con_riga(righe_treno(), c.riga, c.testo));
    else scrivi_tutto(file_linea(f), con_riga(righe_linea(), c.riga, c.testo));
    const std::string nome = (c.nel_treno ? file_treno(f) : file_linea(f)).filename().string();
    const std::size_t colonna = c.testo.find(c.campo) + 1;

    std::ostringstream out, err;
    const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318"};
    EXPECT_EQ(comando_compile(argomenti, out, err), 1) << c.testo;
    const auto righe = righe_di(err.str());
    ASSERT_EQ(righe.size(), 3u) << err.str();
    const std::string inizio = nome + ":" + std::to_string(c.riga) + ":" + std::to_string(colonna) +
                               ": Errore n. " + std::to_string(c.numero);
    EXPECT_EQ(righe[0].rfind(inizio, 0), 0u) << righe[0] << "\nexpected " << inizio;
    EXPECT_NE(righe[0].find(c.dettaglio), std::string::npos) << righe[0];
    EXPECT_EQ(righe[1], "    " + c.testo);
    EXPECT_EQ(righe[2], std::string(4 + colonna - 1, ' ') + "^");

    std::ostringstream out_json, err_json;
    const std::vector<std::string> con_json{"--json", dir.percorso.string(), "Velstra_Ordoven", "318"};
    EXPECT_EQ(comando_compile(con_json, out_json, err_json), 1);
    const std::string campi = "\"file\": \"" + nome + "\", \"line\": " + std::to_string(c.riga) +
                              ", \"column\": " + std::to_string(colonna) + ", \"message\": \"Errore n. " +
                              std::to_string(c.numero);
    EXPECT_NE(out_json.str().find(campi), std::string::npos) << out_json.str() << "\nexpected " << campi;
  }
}

TEST(Diagnostica, WithoutAPlaceInTheSourcesTheProgramsLineStays) {
  Form1 f;
  f.nome_percorso = "Velstra_Ordoven";
  f.numero_treno = "318";
  f.numero_errore = 12;
  f.progressiva_errore = 5000;
  testi_sorgente t;
  struct caso {
    origine_errore origine;
    bool treno_esiste;
  };
  // From the code check; in a train file that is missing; past the end of the text.
  const caso casi_senza[] = {{{}, true}, {{file_sorgente::treno, 0}, false}, {{file_sorgente::treno, 9}, true}};
  for (const auto& c : casi_senza) {
    f.origine = c.origine;
    t.treno_esiste = c.treno_esiste;
    t.treno = "abc";
    const diagnostica d = diagnostica_errore(f, t);
    EXPECT_FALSE(d.con_posizione);
    std::ostringstream err;
    stampa_diagnostica(err, d);
    EXPECT_EQ(err.str(), " Errore n. 12 (progressiva 5000): nessuna cella libera per il codice prima dell'inizio del rallentamento\n");
  }
}

TEST(Diagnostica, LineAndColumnCountEveryKindOfLineEnd) {
  Form1 f;
  f.nome_percorso = "R";
  f.numero_treno = "1";
  f.numero_errore = 25;
  testi_sorgente t;
  t.linea_esiste = true;
  t.linea = "a\r\nb\nc\rdd,\t\xE0x";
  f.origine = {file_sorgente::linea, t.linea.size() - 1};
  const diagnostica d = diagnostica_errore(f, t);
  ASSERT_TRUE(d.con_posizione);
  EXPECT_EQ(d.file, "R_linea.txt");
  EXPECT_EQ(d.riga, 4u);
  EXPECT_EQ(d.colonna, 6u);
  EXPECT_EQ(d.testo_riga, "dd,\t\xC3\xA0x");
  std::ostringstream err;
  stampa_diagnostica(err, d);
  EXPECT_EQ(err.str(), "R_linea.txt:4:6: Errore n. 25: errore di lettura dei file sorgente\n    dd,\t\xC3\xA0x\n       \t ^\n");
}

}  // namespace
