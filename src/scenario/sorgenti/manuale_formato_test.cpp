#include "scenario/sorgenti/manuale_formato.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "model/form1.h"
#include "scenario/comandi/comando_formato.h"
#include "scenario/sorgenti/avvisi_sorgente.h"
#include "scenario/sorgenti/compilazione_memoria.h"

namespace {

// The manual checked in is the one the tool makes from the grammar: change
// the grammar, then run `scenario formato > docs/formato_sorgenti.md`.
TEST(ManualeFormato, TheCheckedInManualIsTheOneTheToolMakes) {
  std::ifstream in(std::string(VELSTRA_SOURCE_DIR) + "/docs/formato_sorgenti.md", std::ios::binary);
  const std::string scritto{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(scritto.empty()) << "docs/formato_sorgenti.md is missing";
  EXPECT_TRUE(scritto == manuale_scenario())
      << "docs/formato_sorgenti.md differs from `scenario formato`: run build/scenario formato > "
         "docs/formato_sorgenti.md";
}

// Every keyword of both files has its page, and every field of a station and
// of a signal is named in it with its meaning.
TEST(ManualeFormato, EveryRecordAndEveryFieldIsDescribed) {
  const std::string m = manuale_formato();
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
    for (const forma_record& r : forme) {
      EXPECT_NE(m.find("### `" + std::string(r.nome) + "`"), std::string::npos) << r.nome;
      EXPECT_NE(m.find(std::string(r.esempio)), std::string::npos) << r.nome;
    }
  for (const char* nome : {"stazione", "segnale"}) {
    const forma_record* r = record_per_nome(nome);
    ASSERT_NE(r, nullptr);
    const std::string p = pagina_record(*r);
    for (const campo_record& c : r->campi)
      EXPECT_NE(p.find("| `" + std::string(c.nome) + "` | "), std::string::npos) << nome << " " << c.nome;
  }
  // The signal's example as the embedded sources write it, item by item.
  const std::string segnale = pagina_record(*record_per_nome("segnale"));
  EXPECT_NE(segnale.find("| 1 | `progressiva` | numero | m | posizione del segnale |"), std::string::npos) << segnale;
  EXPECT_NE(segnale.find("| 2800 |"), std::string::npos);
  EXPECT_NE(segnale.find("- n. 16: segnale su una cella non libera"), std::string::npos);
}

TEST(ManualeFormato, TheCommandPrintsTheManualOrOneRecordAndRefusesAnUnknownOne) {
  const struct {
    std::vector<std::string> argomenti;
    int stato;
    std::string inizio;  // of stdout, or of stderr when the command refuses
  } casi[] = {
      {{}, 0, "# Il formato dei file sorgente\n"},
      {{"segnale"}, 0, "### `segnale`\n"},
      {{"lunghezza percorso"}, 0, "### `lunghezza percorso`\n"},
      {{"progressiva_chilometrica_uno"}, 0, "### `progressiva chilometrica uno`\n"},
      {{"semaforo"}, 64, "scenario formato: nessuna pagina per 'semaforo'\nI record: 'lunghezza percorso'"},
      {{"segnale", "stazione"}, 64, "scenario formato: un solo NOME"},
      {{"documenti"}, 0, "## La tabella dei documenti del macchinista\n"},
      {{"Prescrizioni"}, 0, "## La tabella dei documenti del macchinista\n"},
  };
  for (const auto& c : casi) {
    std::ostringstream out, err;
    EXPECT_EQ(comando_formato(c.argomenti, out, err), c.stato) << c.inizio;
    const std::string testo = c.stato == 0 ? out.str() : err.str();
    EXPECT_EQ(testo.rfind(c.inizio, 0), 0u) << testo.substr(0, 200);
  }
}

}  // namespace

namespace {

// A small scenario with every record of both files, checked clean.
const char* const linea_completa[] = {
    "[generale]",
    "lunghezza percorso,    20000",
    "progressiva chilometrica uno,    0,    20000,    0",
    "progressiva chilometrica due,    0,    0,    0",
    "progressiva chilometrica tre,    0,    0,    0",
    "sfondo uno,    1",
    "sfondo due,    2",
    "sfondo tre,    3",
    "ripetizione segnali 9 codici,    2000,    19000",
    "[curve]",
    "curvad3,    4000,    800",
    "[pendenze]",
    "pendenza,    0,    4",
    "[montagne]",
    "montagna,    5000,    7000,    2",
    "[cartelli]",
    "indicatori_vmax,    700,  100,  100,  100,  0,  100,  100,  100,  0",
    "[indicazioni]",
    "cartello_indicatore,    8000,   (PONTE)",
    "[fine]",
};
const char* const treno_completo[] = {
    "[generale]",
    "numero vetture,    6",
    "percentuale massa frenata,    120",
    "sabbia,    300",
    "orologio,    8,    0,    0",
    "[aderenze]",
    "aderenza,    0,    90",
    "[vel_limite]",
    "velocita,    0,    100",
    "[stazioni]",
    "stazione,    1000,  12,  400,  0, 0, 0,  0,0,0,  0,0,0,    0,    8, 0, 0, ALFA",
    "stazione,   19000,  12,  400,  0, 0, 0,  0,0,0,  0,0,0,    0,    8,20, 0, GAMMA",
    "[rallentamenti]",
    "rallentamento,  12000,    60,  300, 0,  0,  0",
    "[segnali]",
    "segnale,    3000,   2, 4, 1,  1, 0,    2,  2,1,1, 0",
    "[codici]",
    "abbattimento,    2500,   270",
    "[fine]",
};

// The lines of a table, those beginning with senza left out, CR LF each.
template <std::size_t N>
std::string senza_righe(const char* const (&righe)[N], std::string_view senza) {
  std::string t;
  for (const char* r : righe)
    if (senza.empty() || std::string_view(r).rfind(senza, 0) != 0) t += std::string(r) + "\r\n";
  return t;
}

std::string codici_manuale_formato(const std::vector<avviso>& a) {
  std::string t;
  for (const avviso& x : a) t += (t.empty() ? "" : " ") + x.codice;
  return t;
}

bool ogni_cella(const Form1& f, bool (*vale)(const cella&)) {
  for (std::int32_t i = 0; i < f.numero_celle - 2; ++i)
    if (!vale(f.cella_n(i))) return false;
  return true;
}

// The manual's table "Che cosa serve a uno scenario", record by record: the
// error the compiler records, the warnings check gives, what the model is.
TEST(ManualeFormato, WhatAScenarioIsWithoutEachRecordIsWhatTheManualSays) {
  const struct {
    const char* senza_linea;  // lines of the line file left out (nullptr: the whole file)
    const char* senza_treno;
    std::int32_t errore;
    const char* avvisi;
    bool (*modello)(const Form1&);
  } casi[] = {
      {"", "", 0, "", [](const Form1& f) { return f.stazioni[voce_sfondo].fine == 3; }},
      {nullptr, "", 101, "", nullptr},
      {"[generale]", "", 102, "", nullptr},
      {"lunghezza", "", 25, "", nullptr},
      {"", nullptr, 25, "", nullptr},
      {"progressiva", "", 0, "",
       [](const Form1& f) {
         for (int k = voce_progressiva_tre; k <= voce_progressiva_uno; ++k)
           if (f.stazioni[k].inizio != 0 || f.stazioni[k].fine != 0) return false;
         return true;
       }},
      {"sfondo", "", 0, "",
       [](const Form1& f) {
         const stazione& s = f.stazioni[voce_sfondo];
         return s.inizio == 0 && s.progressiva == 0 && s.fine == 0;
       }},
      {"ripetizione", "", 0, "",
       [](const Form1& f) {
         const stazione& s = f.stazioni[voce_ripetizione];
         return s.inizio == 0 && s.fine == 0 && s.progressiva == 0;
       }},
      {"curva", "", 0, "senza-curve", nullptr},
      {"pendenza", "", 0, "",
       [](const Form1& f) { return ogni_cella(f, [](const cella& c) { return c.pendenza == 100; }); }},
      {"montagna", "", 0, "",
       [](const Form1& f) { return ogni_cella(f, [](const cella& c) { return c.montagna == 0; }); }},
      {"", "[generale]", 0, "senza-generale", [](const Form1& f) { return f.stazioni[1].nome.empty(); }},
      {"", "velocita", 0, "",
       [](const Form1& f) { return ogni_cella(f, [](const cella& c) { return c.velocita == 0; }); }},
      {"", "aderenza", 0, "",
       [](const Form1& f) { return ogni_cella(f, [](const cella& c) { return c.aderenza == 0; }); }},
      {"", "orologio", 0, "",
       [](const Form1& f) {
         const stazione& s = f.stazioni[voce_ripetizione];
         return s.campo_9 == 0 && s.campo_10 == 0 && s.campo_11 == 0;
       }},
      {"", "stazione", 0, "senza-stazioni", [](const Form1& f) { return f.stazioni[1].nome.empty(); }},
      {"", "segnale", 0, "", [](const Form1& f) { return ogni_cella(f, [](const cella& c) { return c.tipo != 1; }); }},
  };
  for (const auto& c : casi) {
    testi_sorgente t;
    t.linea_esiste = c.senza_linea != nullptr;
    t.treno_esiste = c.senza_treno != nullptr;
    if (t.linea_esiste) t.linea = senza_righe(linea_completa, c.senza_linea);
    if (t.treno_esiste) t.treno = senza_righe(treno_completo, c.senza_treno);
    const std::string caso =
        std::string(c.senza_linea ? c.senza_linea : "(linea)") + " / " + (c.senza_treno ? c.senza_treno : "(treno)");
    const compilazione_memoria m = compila_in_memoria(t, "Prova", "1", passi_compilazione::con_piano);
    EXPECT_EQ(m.f->numero_errore, c.errore) << caso;
    if (c.errore == 0) {
      EXPECT_EQ(codici_manuale_formato(avvisi_linea(t.linea, true)) + codici_manuale_formato(avvisi_treno(t.treno)),
                c.avvisi)
          << caso;
    }
    if (c.modello) {
      EXPECT_TRUE(c.modello(*m.f)) << caso;
    }
  }
  EXPECT_NE(manuale_formato().find("| `velocita` | nessun avviso: il limite di velocit\xC3\xA0 \xC3\xA8 0 km/h"),
            std::string::npos);
}

}  // namespace
