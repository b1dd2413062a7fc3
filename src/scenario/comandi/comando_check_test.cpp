#include "scenario/comandi/comando_check.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "scenario/sorgenti/avvisi_di_prova.h"
#include "scenario/sorgenti/cascata_di_prova.h"
#include "scenario/sorgenti/errori_di_prova.h"
#include "test_support/form_di_prova.h"
#include "test_support/testo_di_prova.h"

namespace {

using namespace errori_di_prova;
namespace fs = std::filesystem;

struct esito_comando_check {
  int stato;
  std::string out, err;
};

esito_comando_check controlla_comando_check(const fs::path& dir, const std::vector<std::string>& opzioni = {}) {
  std::ostringstream out, err;
  std::vector<std::string> argomenti = opzioni;
  argomenti.insert(argomenti.end(), {dir.string(), "Velstra_Ordoven", "318"});
  const int stato = comando_check(argomenti, out, err);
  return {stato, out.str(), err.str()};
}

std::size_t file_in(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

TEST(ComandoCheck, EachErrorComesOutAtItsPlace) {
  for (const auto& c : casi) {
    cartella_temporanea dir;
    const form_su_disco f(dir.percorso);
    const std::string nome = scrivi_caso(f, c);
    const esito_comando_check e = controlla_comando_check(dir.percorso);
    EXPECT_EQ(e.stato, 1) << c.testo;
    EXPECT_EQ(e.out, "1 errore, 0 avvisi\n") << c.testo << "\n" << e.err;
    const std::string inizio = nome + ":" + std::to_string(c.riga) + ":" + std::to_string(c.testo.find(c.campo) + 1) +
                               ": Errore n. " + std::to_string(c.numero);
    EXPECT_EQ(e.err.rfind(inizio, 0), 0u) << e.err << "\nexpected " << inizio;
    EXPECT_EQ(file_in(dir.percorso), 2u) << "no compact file is written";
  }
}

// An editor may save the sources with LF or CR line ends: each error is then
// reported exactly as with CR LF, the same line and column, and the caret
// under the same byte of the same line.
TEST(ComandoCheck, EachErrorComesOutAtTheSamePlaceWhateverTheLineEnds) {
  for (const auto& c : casi) {
    cartella_temporanea dir;
    const form_su_disco f(dir.percorso);
    scrivi_caso(f, c);
    const esito_comando_check crlf = controlla_comando_check(dir.percorso);
    for (const std::string fine : {"\n", "\r"}) {
      for (const std::string& nome : {file_linea(f), file_treno(f)}) {
        std::string testo = leggi_tutto(*f.cartella, nome), altro;
        for (std::size_t i = 0; i < testo.size(); ++i) {
          if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') {
            altro += fine;
            ++i;
          } else {
            altro += testo[i];
          }
        }
        scrivi_tutto(*f.cartella, nome, altro);
      }
      const esito_comando_check e = controlla_comando_check(dir.percorso);
      EXPECT_EQ(e.err, crlf.err) << c.testo << (fine == "\n" ? " with LF" : " with CR");
      EXPECT_EQ(e.stato, crlf.stato) << c.testo;
      scrivi_caso(f, c);
    }
  }
}

TEST(ComandoCheck, SeveralIndependentFaultsAreEachReportedWithTheAuthorsLines) {
  cartella_temporanea dir;
  const form_su_disco f(dir.percorso);
  // Three faults in the train file and one in the line file; each line put in
  // shifts the lines after it in the author's file.
  std::string treno = con_riga(righe_treno(), 282, "abbattimento,   10000,   270");
  std::string linea = con_riga(righe_linea(), 306, "indicatori_vmax,  700,  30,  30,  30,  0,  30,  30,  30,  0");
  scrivi_tutto(*f.cartella, file_linea(f), linea);
  scrivi_tutto(*f.cartella, file_treno(f), treno);
  // Then the signal (line 121) and the station (line 73) of the train file.
  std::string con_segnale;
  std::size_t n = 1, da = 0;
  while (da < treno.size()) {
    const std::size_t fine = treno.find("\r\n", da) + 2;
    if (n == 73) con_segnale += "stazione,    1120, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina X\r\n";
    if (n == 121) con_segnale += "segnale,    1800,   2, 4, 1,  1, 0,    0,  0,0,0, 0\r\n";
    con_segnale += treno.substr(da, fine - da);
    da = fine;
    ++n;
  }
  scrivi_tutto(*f.cartella, file_treno(f), con_segnale);
  const std::string linea_prima = leggi_tutto(*f.cartella, file_linea(f)),
                    treno_prima = leggi_tutto(*f.cartella, file_treno(f));

  const esito_comando_check e = controlla_comando_check(dir.percorso);
  EXPECT_EQ(e.stato, 1);
  EXPECT_EQ(e.out, "4 errori, 0 avvisi\n") << e.err;
  // Each at its progressive.
  const std::string attesi[] = {
      "Velstra_Ordoven_linea.txt:306:19: Errore n. 21 ",
      "Velstra_Ordoven_318-.txt:73:14: Errore n. 8 ",
      "Velstra_Ordoven_318-.txt:122:13: Errore n. 16 ",
      "Velstra_Ordoven_318-.txt:284:17: Errore n. 7 ",
  };
  std::size_t dopo = 0;
  for (const auto& a : attesi) {
    const std::size_t dove = e.err.find(a, dopo);
    EXPECT_NE(dove, std::string::npos) << a << "\n" << e.err;
    if (dove != std::string::npos) dopo = dove;
  }
  EXPECT_TRUE(leggi_tutto(*f.cartella, file_linea(f)) == linea_prima) << "the author's files stay";
  EXPECT_TRUE(leggi_tutto(*f.cartella, file_treno(f)) == treno_prima);
  EXPECT_EQ(file_in(dir.percorso), 2u);
}

// Sixty more indication signs: some land on taken cells (6), those past the
// table's room are refused (27), and the stations no longer fit beside the
// texts (10), which is reported once and ends the search.
TEST(ComandoCheck, TooManySignTextsIsReportedOnce) {
  cartella_temporanea dir;
  const form_su_disco f(dir.percorso);
  dati_treno(f);
  std::string linea;
  for (std::string_view r : righe_linea()) {
    if (r == fine_tabella) break;
    if (r.find("[fine]") != std::string_view::npos)
      for (int k = 0; k < 60; ++k)
        linea += "cartello_indicatore,  " + std::to_string(100000 + k * 100) + ",   (X" + std::to_string(k) + ")\r\n";
    (linea += r) += "\r\n";
  }
  scrivi_tutto(*f.cartella, file_linea(f), linea);
  const esito_comando_check e = controlla_comando_check(dir.percorso);
  EXPECT_EQ(e.stato, 1);
  std::size_t dieci = 0, ventisette = 0;
  for (std::size_t i = e.err.find("Errore n. 10:"); i != std::string::npos; i = e.err.find("Errore n. 10:", i + 1))
    ++dieci;
  for (std::size_t i = e.err.find("Errore n. 27 "); i != std::string::npos; i = e.err.find("Errore n. 27 ", i + 1))
    ++ventisette;
  EXPECT_EQ(dieci, 1u) << e.err;
  EXPECT_GE(ventisette, 1u) << e.err;
  EXPECT_TRUE(contiene(e.err, "non stanno insieme"));
  // The signs the check has not set aside fill the table: no room is left for a station.
  EXPECT_NE(e.err.find("Errore n. 10: troppe stazioni: raggiungono i testi dei cartelli indicatori (80 cartelli "
                       "indicatori letti dal "
                       "file della linea: ci stanno al massimo 0 stazioni)"),
            std::string::npos)
      << e.err;
  EXPECT_EQ(file_in(dir.percorso), 2u);
}

TEST(ComandoCheck, CleanSourcesAndMissingFiles) {
  cartella_temporanea pulita, vuota;
  const form_su_disco f(pulita.percorso);
  dati_linea(f);
  dati_treno(f);
  const esito_comando_check e = controlla_comando_check(pulita.percorso);
  EXPECT_EQ(e.stato, 0) << e.err;
  EXPECT_EQ(e.out, "0 errori, 0 avvisi\n");
  EXPECT_EQ(e.err, "");
  EXPECT_EQ(file_in(pulita.percorso), 2u);

  // A typo in ROUTE or TRAIN names the file that is not there.
  const esito_comando_check senza = controlla_comando_check(vuota.percorso);
  EXPECT_EQ(senza.stato, 2);
  EXPECT_EQ(senza.out, "");
  EXPECT_EQ(senza.err,
            "scenario check: " + (vuota.percorso / "Velstra_Ordoven_linea.txt").string() + ": file non trovato\nIn " +
                vuota.percorso.string() +
                " non c'\xC3\xA8 alcuno scenario: nessun file ROUTE_TRAIN-.txt n\xC3\xA9 ROUTE_TRAIN.sim.\n");
  EXPECT_EQ(file_in(vuota.percorso), 0u);
}

// Warnings alone leave the status at 0, or 1 with --strict; each comes out
// at its file, line and column, in text and in JSON.
TEST(ComandoCheck, EachWarningComesOutAtItsPlace) {
  for (const auto& c : avvisi_di_prova::casi) {
    cartella_temporanea dir;
    const form_su_disco f(dir.percorso);
    scrivi_tutto(*f.cartella, file_linea(f), avvisi_di_prova::linea_di(c));
    scrivi_tutto(*f.cartella, file_treno(f), avvisi_di_prova::treno_di(c));
    const std::string nome = c.nel_treno ? file_treno(f) : file_linea(f);
    const esito_comando_check e = controlla_comando_check(dir.percorso);
    const std::string inizio = nome + ":" + std::to_string(c.riga) + ":" + std::to_string(c.colonna) + ": avviso: ";
    EXPECT_EQ(e.err.rfind(inizio, 0), 0u) << c.nome << "\n" << e.err << "\nexpected " << inizio;
    EXPECT_EQ(e.out, "0 errori, 1 avviso\n") << c.nome << "\n" << e.err;
    EXPECT_EQ(e.stato, 0) << c.nome;
    EXPECT_EQ(controlla_comando_check(dir.percorso, {"--strict"}).stato, 1) << c.nome;

    const esito_comando_check j = controlla_comando_check(dir.percorso, {"--json"});
    const std::string voce =
        "{\"versione\": 1, \"comando\": \"check\", \"codice_uscita\": 0, \"errori\": 0, "
        "\"avvisi\": 1, \"interrotto\": false, \"note\": [], \"diagnostiche\": [{\"genere\": "
        "\"avviso\", \"file\": \"" +
        nome + "\", \"riga\": " + std::to_string(c.riga) + ", \"colonna\": " + std::to_string(c.colonna) +
        ", \"codice\": \"" + c.codice + "\", \"numero_errore\": null, \"messaggio\": ";
    EXPECT_EQ(j.out.rfind(voce, 0), 0u) << c.nome << "\n" << j.out;
    EXPECT_EQ(j.err, "") << c.nome;
    EXPECT_EQ(file_in(dir.percorso), 2u);
  }
}

// An author's slip is an error of check: status 1, "errore:" at its line,
// and in JSON an error with its code and no error number. The compiler's
// own reading is unchanged (scivoloni_test.cpp holds the table of slips).
TEST(ComandoCheck, ASlipIsAnErrorOfCheck) {
  cartella_temporanea dir;
  const form_su_disco f(dir.percorso);
  scrivi_tutto(*f.cartella, file_linea(f), avvisi_di_prova::con_righe(righe_linea(), 1, 0, ""));
  scrivi_tutto(
      *f.cartella, file_treno(f),
      con_riga(righe_treno(), 85, "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13:57, 0, PIACENZA"));
  const esito_comando_check e = controlla_comando_check(dir.percorso);
  EXPECT_EQ(e.stato, 1);
  EXPECT_EQ(e.out, "1 errore, 0 avvisi\n");
  EXPECT_EQ(e.err.rfind("Velstra_Ordoven_318-.txt:85:63: errore: '13:57' \xC3\xA8 un valore solo, letto come 13", 0),
            0u)
      << e.err;
  const esito_comando_check j = controlla_comando_check(dir.percorso, {"--json"});
  EXPECT_EQ(j.stato, 1);
  EXPECT_NE(j.out.find("\"codice_uscita\": 1, \"errori\": 1, \"avvisi\": 0, "), std::string::npos) << j.out;
  EXPECT_NE(j.out.find("{\"genere\": \"errore\", \"file\": \"Velstra_Ordoven_318-.txt\", \"riga\": 85, "
                       "\"colonna\": 63, \"codice\": \"record-spostato\", \"numero_errore\": null, "),
            std::string::npos)
      << j.out;
}

// Errors and warnings together: errors set the status, both are listed.
TEST(ComandoCheck, JsonListsErrorsAfterWarnings) {
  cartella_temporanea dir;
  const form_su_disco f(dir.percorso);
  scrivi_tutto(*f.cartella, file_linea(f), con_riga(righe_linea(), 7, "sfondo due,    220000KM"));
  scrivi_tutto(*f.cartella, file_treno(f), con_riga(righe_treno(), 282, "abbattimento,   10000,   270"));
  const esito_comando_check j = controlla_comando_check(dir.percorso, {"--json"});
  EXPECT_EQ(j.stato, 1);
  EXPECT_EQ(j.out.rfind("{\"versione\": 1, \"comando\": \"check\", \"codice_uscita\": 1, \"errori\": 1, \"avvisi\": 1, "
                        "\"interrotto\": false, \"note\": [], \"diagnostiche\": [{\"genere\": \"avviso\"",
                        0),
            0u)
      << j.out;
  EXPECT_NE(
      j.out.find("{\"genere\": \"errore\", \"file\": \"Velstra_Ordoven_318-.txt\", \"riga\": 282, \"colonna\": 17, "
                 "\"codice\": \"7\", \"numero_errore\": 7, \"messaggio\": \"Errore n. 7 (progressiva 10000): "
                 "abbattimento su una cella non libera"),
      std::string::npos)
      << j.out;
}

// The line's gradient beyond its end stops the train reader at its first
// signal, at 2000 m of an 8000 m line: the gradient is the one error, and the
// signal is named only as the place where the reading stopped.
TEST(ComandoCheck, AnErrorOfTheLineIsNotReportedAtTheTrainRecordItStopped) {
  cartella_temporanea dir;
  const form_su_disco f(dir.percorso);
  scrivi_tutto(*f.cartella, file_linea(f), cascata_di_prova::linea());
  scrivi_tutto(*f.cartella, file_treno(f), cascata_di_prova::treno());
  const esito_comando_check e = controlla_comando_check(dir.percorso);
  EXPECT_EQ(e.stato, 1);
  EXPECT_EQ(e.out, "1 errore, 1 avviso\n");
  const std::string errore =
      "Velstra_Ordoven_linea.txt:5:12: Errore n. 15 (progressiva 16000): record oltre la fine del percorso (14900 m al "
      "massimo, 14200 per una stazione)\n"
      "    pendenza,  16000,   2\n"
      "               ^\n"
      "Velstra_Ordoven_318-.txt:7:1: nota: qui si \xC3\xA8 fermata la lettura del file del treno, perch\xC3\xA9 "
      "l'errore n. 15 del file della linea era ancora registrato: il compilatore lo registra a questo record "
      "(progressiva 2000), che ha solo fermato la lettura\n";
  EXPECT_TRUE(contiene(e.err, errore));
  EXPECT_EQ(e.err.find("Errore n."), e.err.find(errore) + errore.find("Errore n."));
  EXPECT_TRUE(non_contiene(e.err, "(progressiva 2000): record oltre"));
  EXPECT_TRUE(non_contiene(e.err, "(progressiva 3000)"));

  const nlohmann::json j = nlohmann::json::parse(controlla_comando_check(dir.percorso, {"--json"}).out);
  EXPECT_EQ(j["errori"], 1);
  ASSERT_EQ(j["diagnostiche"].size(), 2u);
  const nlohmann::json& d = j["diagnostiche"][1];
  EXPECT_EQ(d["genere"], "errore");
  EXPECT_EQ(d["file"], "Velstra_Ordoven_linea.txt");
  EXPECT_EQ(d["riga"], 5);
  EXPECT_EQ(d["numero_errore"], 15);
  EXPECT_EQ(d["progressiva"], 16000);
  EXPECT_EQ(d["nota"]["file"], "Velstra_Ordoven_318-.txt");
  EXPECT_EQ(d["nota"]["riga"], 7);
  EXPECT_TRUE(contiene(d["nota"]["messaggio"], "che ha solo fermato la lettura"));
}

// Errors and warnings come in file order, as the compiler reads: the line
// file, then the train file, each by line, whatever pass found them.
TEST(ComandoCheck, ErrorsAndWarningsComeInFileOrder) {
  cartella_temporanea dir;
  const form_su_disco f(dir.percorso);
  scrivi_tutto(*f.cartella, file_linea(f), cascata_di_prova::linea_con_avvisi());
  scrivi_tutto(*f.cartella, file_treno(f), cascata_di_prova::treno_con_avvisi());
  const std::vector<std::string> attesi = {
      "Velstra_Ordoven_linea.txt:3 avviso", "Velstra_Ordoven_linea.txt:5 errore", "Velstra_Ordoven_linea.txt:6 errore",
      "Velstra_Ordoven_318-.txt:2 avviso",  "Velstra_Ordoven_318-.txt:8 errore",
  };
  const esito_comando_check e = controlla_comando_check(dir.percorso, {"--json"});
  std::vector<std::string> dati;
  const nlohmann::json j = nlohmann::json::parse(e.out);
  for (const nlohmann::json& d : j["diagnostiche"])
    dati.push_back(d["file"].get<std::string>() + ":" + d["riga"].dump() + " " + d["genere"].get<std::string>());
  EXPECT_EQ(dati, attesi) << e.out;
  // The text says the same in the same order.
  const esito_comando_check t = controlla_comando_check(dir.percorso);
  std::size_t dopo = 0;
  for (const std::string& a : attesi) {
    const std::string inizio = "\n" + a.substr(0, a.find(' ')) + ":";
    const std::size_t dove = ("\n" + t.err).find(inizio, dopo);
    ASSERT_NE(dove, std::string::npos) << inizio << "\n" << t.err;
    dopo = dove + 1;
  }
}

}  // namespace
