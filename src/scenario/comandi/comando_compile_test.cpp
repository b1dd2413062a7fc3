#include "scenario/comandi/comando_compile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "base/catalogo_errori.h"
#include "base/errore.h"
#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/righe_linea.h"
#include "model/form1.h"
#include "output/formati/formati_di_prova.h"
#include "output/memorizza_percorso.h"
#include "scenario/sorgenti/avvisi_di_prova.h"
#include "scenario/sorgenti/cascata_di_prova.h"
#include "scenario/testo/testo_json.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"
#include "test_support/testo_di_prova.h"

namespace {

namespace fs = std::filesystem;

struct uscita {
  int stato = -1;
  std::string out, err;
};

std::string tra_apici(const std::string& s) { return "'" + s + "'"; }

// Runs a built executable with its arguments; stdout and stderr go through
// files of a folder of their own.
uscita esegui_comando_compile(const std::string& programma, const std::vector<std::string>& argomenti) {
  cartella_temporanea log;
  std::string riga = tra_apici(programma);
  for (const auto& a : argomenti) riga += " " + tra_apici(a);
  riga += " >" + tra_apici((log.percorso / "out").string()) + " 2>" + tra_apici((log.percorso / "err").string());
  uscita u;
  const int r = std::system(riga.c_str());
  u.stato = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  u.out = leggi_tutto(log.percorso / "out");
  u.err = leggi_tutto(log.percorso / "err");
  return u;
}

uscita compila_in_processo(const std::vector<std::string>& argomenti) {
  std::ostringstream out, err;
  uscita u;
  u.stato = comando_compile(argomenti, out, err);
  u.out = out.str();
  u.err = err.str();
  return u;
}

std::unique_ptr<form_su_disco> modello_in(const fs::path& cartella, const std::string& percorso = "Velstra_Ordoven",
                                          const std::string& treno = "318") {
  return std::make_unique<form_su_disco>(cartella, percorso, treno);
}

std::vector<std::string> compatti(const Form1& f) { return {file_piano(f), file_scenario(f), file_tracciato(f)}; }

TEST(ComandoCompile, UsageErrorsTouchNothing) {
  cartella_temporanea dir;
  const std::string d = dir.percorso.string();
  struct caso {
    std::vector<std::string> argomenti;
    const char* guasto;
  };
  const caso casi[] = {
      {{}, "servono DIR ROUTE TRAIN, dati 0"},
      {{d, "Velstra_Ordoven"}, "dati 2"},
      {{d, "Velstra_Ordoven", "318", "x"}, "dati 4"},
      {{"--plan", d, "Velstra_Ordoven", "318"}, "opzione sconosciuta '--plan'"},
      {{d, "../Velstra_Ordoven", "318"}, "ROUTE \xC3\xA8 un nome, non un percorso"},
      {{d, "Velstra_Ordoven", "a/318"}, "TRAIN \xC3\xA8 un nome, non un percorso"},
      {{d, "C:x", "318"}, "contiene ':'"},
      {{d, "Velstra_Ordoven", "3\n18"}, "carattere di controllo"},
  };
  for (const auto& c : casi) {
    const uscita u = compila_in_processo(c.argomenti);
    EXPECT_EQ(u.stato, 64) << c.guasto;
    EXPECT_NE(u.err.find(c.guasto), std::string::npos) << u.err;
    EXPECT_TRUE(contiene(u.err, "uso: scenario compile [--no-plan] [--json] DIR ROUTE TRAIN"));
    EXPECT_EQ(u.out, "");
  }
  EXPECT_TRUE(fs::is_empty(dir.percorso));
  // A folder that is not there cannot be compiled: exit 2 like a missing file, not a usage error.
  const uscita manca = compila_in_processo({(dir.percorso / "manca").string(), "Velstra_Ordoven", "318"});
  EXPECT_EQ(manca.stato, 2);
  EXPECT_EQ(manca.err, "scenario compile: DIR '" + (dir.percorso / "manca").string() + "': cartella non trovata\n");
  EXPECT_FALSE(fs::exists(dir.percorso / "manca"));
}

TEST(ComandoCompile, HelpExplainsTheCommand) {
  const uscita u = compila_in_processo({"--help"});
  EXPECT_EQ(u.stato, 0);
  EXPECT_EQ(u.out, aiuto_compile);
  EXPECT_NE(u.out.find("--no-plan"), std::string::npos);
  EXPECT_NE(u.out.find("64"), std::string::npos);
}

TEST(ScenarioTool, HelpListsTheCommandsAndUnknownWordsAreUsageErrors) {
  const uscita aiuto = esegui_comando_compile(VELSTRA_TOOL, {"--help"});
  EXPECT_EQ(aiuto.stato, 0);
  EXPECT_NE(aiuto.out.find("compile"), std::string::npos) << aiuto.out;
  const uscita aiuto_compile_bin = esegui_comando_compile(VELSTRA_TOOL, {"compile", "--help"});
  EXPECT_EQ(aiuto_compile_bin.stato, 0);
  EXPECT_EQ(aiuto_compile_bin.out, aiuto_compile);
  for (const std::vector<std::string>& parole : {std::vector<std::string>{}, {"compiler"}, {"compile"}}) {
    const uscita u = esegui_comando_compile(VELSTRA_TOOL, parole);
    EXPECT_EQ(u.stato, 64) << (parole.empty() ? "" : parole[0]);
    EXPECT_NE(u.err.find("uso: scenario"), std::string::npos) << u.err;
  }
}

// The program's own run and the tool on the same source files give the same
// compact files, byte for byte, and the same exit status.
TEST(ScenarioTool, CompilesTheEmbeddedScenarioAsTheProgramDoes) {
  cartella_temporanea programma, autore;
  fs::copy_file(VELSTRA_PROGRAM, programma.percorso / "Velstra_Ordoven_318");
  const uscita run = esegui_comando_compile((programma.percorso / "Velstra_Ordoven_318").string(), {});
  ASSERT_TRUE(run.stato == 0 || run.stato == 1) << run.err;

  auto f = modello_in(autore.percorso);
  dati_linea(*f);
  dati_treno(*f);
  const std::string linea = leggi_tutto(*f->cartella, file_linea(*f)),
                    treno = leggi_tutto(*f->cartella, file_treno(*f));
  const uscita tool =
      esegui_comando_compile(VELSTRA_TOOL, {"compile", autore.percorso.string(), "Velstra_Ordoven", "318"});
  EXPECT_EQ(tool.stato, run.stato) << tool.err;
  EXPECT_EQ(tool.err, run.err);
  // Success says in one line what was written and where.
  EXPECT_EQ(tool.out, "compilato: Velstra_Ordoven_linea.dat, Velstra_Ordoven_318.sim, Velstra_Ordoven_318.dat in " +
                          autore.percorso.string() + "\n");
  for (const std::string& file : compatti(*f)) {
    const std::string nostro = leggi_tutto(*f->cartella, file), suo = leggi_tutto(programma.percorso / file);
    EXPECT_FALSE(nostro.empty()) << file;
    EXPECT_TRUE(nostro == suo) << file << ": " << nostro.size() << " bytes against " << suo.size();
  }
  EXPECT_TRUE(leggi_tutto(*f->cartella, file_linea(*f)) == linea) << "the author's line file stays";
  EXPECT_TRUE(leggi_tutto(*f->cartella, file_treno(*f)) == treno) << "the author's train file stays";
}

// Source pairs for the tool, each compared with the compiler entry run in
// this process on a copy of the same files.
struct coppia_sorgenti_comando_compile {
  const char* nome;
  std::optional<std::string> linea, treno;
  const char* fine = nullptr;  // where known, the text the run ends with through errore
};

std::string righe_comando_compile(std::initializer_list<std::string_view> r) {
  std::string s;
  for (auto x : r) (s += x) += "\r\n";
  return s;
}

// The embedded line without its closing header, so records can follow.
std::string linea_senza_fine() {
  std::string s;
  for (std::string_view r : righe_linea()) {
    if (r.find("[fine]") != std::string_view::npos) break;
    (s += r) += "\r\n";
  }
  return s;
}

std::string file_embedded(void (*scrivi)(const Form1&), std::string (*nome)(const Form1&)) {
  cartella_temporanea dir;
  auto f = modello_in(dir.percorso);
  scrivi(*f);
  return leggi_tutto(*f->cartella, nome(*f));
}

std::vector<coppia_sorgenti_comando_compile> coppie() {
  const std::string linea = file_embedded(dati_linea, file_linea<Form1>);
  const std::string treno = file_embedded(dati_treno, file_treno<Form1>);
  // A signal at progressive 0 lands in cell 1 with valore_1 0 and valore_2 11.
  std::string treno_segnale_in_1 = treno;
  const std::size_t segnali = treno.find("[segnali]\r\n");
  if (segnali != std::string::npos)
    treno_segnale_in_1.insert(segnali + 11, "segnale,    0,   2, 0, 1,  1, 0,    0,  0,1,1, 0\r\n");
  return {
      {"both embedded files", linea, treno},
      {"no general section", righe_comando_compile({"solo testo"}), treno, "102"},
      {"line file cut in half", linea.substr(0, linea.size() / 2), treno},
      {"train file cut in half", linea, treno.substr(0, treno.size() / 2)},
      {"gradient beyond the last cell",
       linea_senza_fine() + righe_comando_compile({"[pendenze]", "pendenza,  999000,  3", "[fine]"}), treno},
      {"speed board in cell 1",
       linea_senza_fine() +
           righe_comando_compile(
               {"[cartelli]", "indicatori_vmax,  0,  140,  160,  160,  2,  140,  160,  160,  2", "[fine]"}),
       treno, "1250"},
      {"signal in cell 1", linea, treno_segnale_in_1, "1251"},
  };
}

// The opening of compile's JSON document, as the compiler's own state gives it.
std::string json_atteso(const Form1& f, const std::optional<std::string>& errore,
                        const std::vector<std::string>& scritti, int stato) {
  std::string s =
      "{\"versione\": 1, \"comando\": \"compile\", \"codice_uscita\": " + std::to_string(stato) +
      ", \"numero_errore\": " + std::to_string(f.numero_errore) + ", \"progressiva_errore\": " +
      (f.numero_errore != 0 && errore_con_progressiva(f.numero_errore) ? std::to_string(f.progressiva_errore)
                                                                       : std::string("null")) +
      ", \"fine_con_errore\": " + (errore ? *errore : "null") + ", \"file_scritti\": [";
  for (std::size_t k = 0; k < scritti.size(); ++k) s += (k ? ", " : "") + testo_json(scritti[k]);
  return s + "], \"file_completi\": " + (f.numero_errore == 0 && !errore ? "true" : "false");
}

void metti_sorgenti_compile(const Form1& f, const coppia_sorgenti_comando_compile& c) {
  if (c.linea) scrivi_tutto(*f.cartella, file_linea(f), *c.linea);
  if (c.treno) scrivi_tutto(*f.cartella, file_treno(f), *c.treno);
}

TEST(ScenarioTool, GivesTheCompilersFilesAndErrorStateForAnySourcePair) {
  for (const bool senza_piano : {false, true}) {
    for (const auto& c : coppie()) {
      SCOPED_TRACE(std::string(c.nome) + (senza_piano ? " --no-plan" : ""));
      // The compiler entry, in place.
      cartella_temporanea riferimento;
      auto f = modello_in(riferimento.percorso);
      metti_sorgenti_compile(*f, c);
      std::optional<std::string> errore;
      std::vector<std::string> scritti;
      try {
        memorizza_percorso(*f, senza_piano ? 0 : 1, &scritti);
      } catch (const interruzione& e) {
        errore = e.s.testo();
      }
      const int stato_atteso = errore ? 2 : f->numero_errore != 0 ? 1 : 0;
      if (c.fine) {
        EXPECT_EQ(errore.value_or("none"), c.fine);
      }

      // The tool, on a folder that also holds older, longer compact files.
      cartella_temporanea autore;
      auto g = modello_in(autore.percorso);
      metti_sorgenti_compile(*g, c);
      const std::string vecchio(400000, 'v');
      for (const std::string& file : compatti(*g)) scrivi_tutto(*g->cartella, file, vecchio);
      std::vector<std::string> argomenti{"compile"};
      if (senza_piano) argomenti.push_back("--no-plan");
      argomenti.insert(argomenti.end(), {"--json", autore.percorso.string(), "Velstra_Ordoven", "318"});
      const uscita u = esegui_comando_compile(VELSTRA_TOOL, argomenti);

      EXPECT_EQ(u.stato, stato_atteso) << u.err;
      const std::string apertura = json_atteso(*f, errore, scritti, stato_atteso);
      EXPECT_EQ(u.out.substr(0, apertura.size()), apertura);
      for (const std::string& file : compatti(*g)) {
        const bool scritto = std::find(scritti.begin(), scritti.end(), file) != scritti.end();
        const std::string nostro = leggi_tutto(*g->cartella, file),
                          atteso = scritto ? leggi_tutto(*f->cartella, file) : vecchio;
        EXPECT_TRUE(nostro == atteso) << file << (scritto ? " written: " : " kept: ") << nostro.size()
                                      << " bytes against " << atteso.size();
      }
      EXPECT_EQ(g->cartella->esiste(file_linea(*g)), c.linea.has_value());
      if (c.linea) {
        EXPECT_TRUE(leggi_tutto(*g->cartella, file_linea(*g)) == *c.linea) << "the author's line file stays";
      }
      if (c.treno) {
        EXPECT_TRUE(leggi_tutto(*g->cartella, file_treno(*g)) == *c.treno) << "the author's train file stays";
      }
    }
  }
}

// A typo in ROUTE or TRAIN: the missing file is named and nothing is
// written, not even over the older compact files.
TEST(ScenarioTool, AMissingSourceFileIsRefusedBeforeAnythingIsWritten) {
  struct caso {
    const char* nome;
    bool con_linea, con_treno;
    const char* manca;
  };
  const caso casi[] = {
      {"no source file", false, false, "Velstra_Ordoven_linea.txt"},
      {"no train file", true, false, "Velstra_Ordoven_318-.txt"},
      {"no line file", false, true, "Velstra_Ordoven_linea.txt"},
  };
  for (const auto& c : casi) {
    for (const bool json : {false, true}) {
      cartella_temporanea autore;
      auto f = modello_in(autore.percorso);
      if (c.con_linea) dati_linea(*f);
      if (c.con_treno) dati_treno(*f);
      for (const std::string& file : compatti(*f)) scrivi_tutto(*f->cartella, file, "vecchio");
      std::vector<std::string> argomenti{"compile"};
      if (json) argomenti.push_back("--json");
      argomenti.insert(argomenti.end(), {autore.percorso.string(), "Velstra_Ordoven", "318"});
      const uscita u = esegui_comando_compile(VELSTRA_TOOL, argomenti);
      EXPECT_EQ(u.stato, 2) << c.nome;
      EXPECT_EQ(u.err.rfind("scenario compile: " + (autore.percorso / c.manca).string() + ": file non trovato\nIn " +
                                autore.percorso.string() + " ci sono:\n  Velstra_Ordoven 318 (",
                            0),
                0u)
          << c.nome << "\n"
          << u.err;
      // With --json the failure is still one document on stdout that names it.
      if (json) {
        EXPECT_EQ(
            u.out.rfind("{\"versione\": 1, \"comando\": \"compile\", \"codice_uscita\": 2, \"guasto\": {\"genere\": "
                        "\"non_trovato\", \"messaggio\": ",
                        0),
            0u)
            << c.nome << "\n"
            << u.out;
        EXPECT_NE(u.out.find("\"file\": " + testo_json((autore.percorso / c.manca).string()) + "}}"), std::string::npos)
            << u.out;
      } else {
        EXPECT_EQ(u.out, "") << c.nome;
      }
      for (const std::string& file : compatti(*f))
        EXPECT_EQ(leggi_tutto(*f->cartella, file), "vecchio") << c.nome << " " << file;
    }
  }
}

TEST(ScenarioTool, WithoutPlanNoPlanFileIsCreated) {
  cartella_temporanea autore;
  auto f = modello_in(autore.percorso, "Rotta", "7");
  dati_linea(*f);
  dati_treno(*f);
  const uscita u =
      esegui_comando_compile(VELSTRA_TOOL, {"compile", "--no-plan", autore.percorso.string(), "Rotta", "7"});
  EXPECT_TRUE(u.stato == 0 || u.stato == 1) << u.err;
  EXPECT_FALSE(f->cartella->esiste(file_piano(*f)));
  EXPECT_TRUE(f->cartella->esiste(file_scenario(*f)));
  EXPECT_TRUE(f->cartella->esiste(file_tracciato(*f)));
}

// Warnings are words only: the tool writes the compiler's own bytes for the
// faulty source, and where the source can be written cleanly, the compiler
// reads both the same.
TEST(ComandoCompile, WarningsNeverChangeTheCompiledBytes) {
  using namespace avvisi_di_prova;
  struct compilato {
    int stato;
    std::string err;
    std::vector<std::string> byte;
  };
  auto compila = [](const std::string& linea, const std::string& treno) {
    cartella_temporanea dir;
    auto f = modello_in(dir.percorso);
    scrivi_tutto(*f->cartella, file_linea(*f), linea);
    scrivi_tutto(*f->cartella, file_treno(*f), treno);
    const uscita u = compila_in_processo({dir.percorso.string(), "Velstra_Ordoven", "318"});
    compilato c{u.stato, u.err, {}};
    for (const std::string& file : compatti(*f)) c.byte.push_back(leggi_tutto(*f->cartella, file));
    return c;
  };
  for (const caso_avviso& c : avvisi_di_prova::casi) {
    SCOPED_TRACE(c.nome);
    const std::string linea = linea_di(c), treno = treno_di(c);
    const compilato tool = compila(linea, treno);
    const std::string nome = c.nel_treno ? "Velstra_Ordoven_318-.txt" : "Velstra_Ordoven_linea.txt";
    EXPECT_EQ(tool.err.rfind(nome + ":" + std::to_string(c.riga) + ":" + std::to_string(c.colonna) + ": avviso: ", 0),
              0u)
        << tool.err;

    cartella_temporanea riferimento;
    auto f = modello_in(riferimento.percorso);
    scrivi_tutto(*f->cartella, file_linea(*f), linea);
    scrivi_tutto(*f->cartella, file_treno(*f), treno);
    memorizza_percorso(*f, 1, nullptr);
    EXPECT_EQ(tool.stato, f->numero_errore != 0 ? 1 : 0);
    const auto file = compatti(*f);
    for (std::size_t k = 0; k < file.size(); ++k) {
      EXPECT_FALSE(tool.byte[k].empty()) << file[k];
      const std::string atteso = leggi_tutto(*f->cartella, file[k]);
      const formati_di_prova::nome_campo campo = k == 0 ? formati_di_prova::campi_piano(atteso)
                                                 : k == 1
                                                     ? formati_di_prova::campi_stazioni(atteso)
                                                     : formati_di_prova::nome_campo(formati_di_prova::campo_tracciato);
      EXPECT_TRUE(formati_di_prova::stessi_byte(tool.byte[k], atteso, campo))
          << file[k] << " differs from the compiler's";
    }

    if (!c.pulito) continue;
    const compilato pulito = compila(linea_di(c, true), treno_di(c, true));
    EXPECT_EQ(pulito.err, "");
    EXPECT_EQ(pulito.stato, tool.stato);
    for (std::size_t k = 0; k < file.size(); ++k)
      EXPECT_TRUE(pulito.byte[k] == tool.byte[k]) << file[k] << " differs from the clean source's";
  }
}

// The line's gradient beyond its end stops the train reader at its first
// signal: compile names the gradient as the error, the signal as where the
// reading stopped; the JSON keeps the compiler's state, the signal's 2000.
// Warnings and the error come in file order.
TEST(ComandoCompile, AnErrorOfTheLineIsReportedAtTheLineWithTheCompilersStateKept) {
  cartella_temporanea dir;
  const auto f = modello_in(dir.percorso);
  scrivi_tutto(*f->cartella, file_linea(*f), cascata_di_prova::linea_con_avvisi());
  scrivi_tutto(*f->cartella, file_treno(*f), cascata_di_prova::treno_con_avvisi());
  const std::vector<std::string> argomenti{dir.percorso.string(), "Velstra_Ordoven", "318"};
  const uscita u = compila_in_processo(argomenti);
  EXPECT_EQ(u.stato, 1);
  const std::string errore =
      "Velstra_Ordoven_linea.txt:5:12: Errore n. 15 (progressiva 16000): record oltre la fine del percorso";
  EXPECT_EQ(u.err.find("Errore n."), u.err.find(errore) + errore.find("Errore n.")) << u.err;
  EXPECT_TRUE(contiene(u.err,
                       "Velstra_Ordoven_318-.txt:7:1: nota: qui si \xC3\xA8 fermata la lettura del file del "
                       "treno, perch\xC3\xA9 l'errore n. 15 del file della linea era ancora registrato"));
  EXPECT_TRUE(non_contiene(u.err, "(progressiva 2000): record oltre"));

  std::vector<std::string> json_argomenti = argomenti;
  json_argomenti.insert(json_argomenti.begin(), "--json");
  const nlohmann::json j = nlohmann::json::parse(compila_in_processo(json_argomenti).out);
  EXPECT_EQ(j["numero_errore"], 15);
  EXPECT_EQ(j["progressiva_errore"], 2000);
  EXPECT_EQ(j["errore"]["file"], "Velstra_Ordoven_linea.txt");
  EXPECT_EQ(j["errore"]["riga"], 5);
  EXPECT_EQ(j["errore"]["progressiva"], 16000);
  EXPECT_EQ(j["errore"]["nota"]["file"], "Velstra_Ordoven_318-.txt");
  EXPECT_EQ(j["errore"]["nota"]["riga"], 7);
  std::vector<std::string> dati;
  for (const nlohmann::json& d : j["diagnostiche"])
    dati.push_back(d["file"].get<std::string>() + ":" + d["riga"].dump() + " " + d["genere"].get<std::string>());
  EXPECT_EQ(dati,
            (std::vector<std::string>{"Velstra_Ordoven_linea.txt:3 avviso", "Velstra_Ordoven_linea.txt:5 errore",
                                      "Velstra_Ordoven_linea.txt:6 errore", "Velstra_Ordoven_318-.txt:2 avviso"}));
}

}  // namespace
