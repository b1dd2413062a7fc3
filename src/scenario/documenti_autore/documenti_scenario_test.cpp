// The documents made from sources: the embedded sources against the embedded
// documents, an edited copy, the author's table and sources with errors.
#include "scenario/documenti_autore/documenti_scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "compiler/memorizza_dati.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "scenario/documenti_autore/documenti_di_prova.h"
#include "scenario/documenti_autore/scheda_autore.h"
#include "scenario/documenti_autore/tabella_documenti.h"

namespace {

using namespace prova_documenti_autore;

// Name -> cells of every station row of a sheet (the first occurrence).
std::map<std::string, std::vector<std::string>> righe_per_nome(const std::vector<std::string>& righe) {
  std::map<std::string, std::vector<std::string>> m;
  for (const std::string& r : righe) {
    const std::vector<std::string> c = celle_di(r);
    if (c.size() == 7 && !c[4].empty() && !m.count(c[4])) m[c[4]] = c;
  }
  return m;
}

std::vector<std::string> righe_incorporate(std::span<const std::string_view> tabella) {
  return righe_di(testo_righe(tabella));
}

// Metres from a sheet's "146.823".
long metri(const std::string& km) { return std::lround(std::stod(km) * 1000); }

struct stazione_orario {
  std::string nome, orario;
};

// The stations the train file times, read by the compiler itself.
std::vector<stazione_orario> stazioni_con_orario(cartella_memoria sorgenti) {
  Form1 f = nomi_incorporati();
  f.cartella = &sorgenti;
  memorizza_dati(f);
  std::vector<stazione_orario> v;
  for (const stazione* s : stazioni_del_modello(f))
    if (s->orario != 0) {
      char t[16];
      std::snprintf(t, sizeof t, "%d.%02d", s->orario / 3600, s->orario / 60 % 60);
      v.push_back({s->nome, t});
    }
  return v;
}

TEST(DocumentiScenario, OgniStazioneConOrarioHaLaSuaRigaComeNellaSchedaIncorporata) {
  cartella_memoria c;
  metti_sorgenti(c);
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok());
  const auto fatta = righe_per_nome(righe_di(e.documenti.scheda));
  const auto incorporata = righe_per_nome(righe_incorporate(righe_scheda()));
  const std::vector<stazione_orario> orari = stazioni_con_orario(c);
  ASSERT_GE(orari.size(), 8u);
  for (const stazione_orario& s : orari) {
    SCOPED_TRACE(s.nome);
    ASSERT_TRUE(fatta.count(s.nome));
    const std::vector<std::string>& r = fatta.at(s.nome);
    EXPECT_NE(r[5].find(s.orario), std::string::npos) << r[5];
    // The embedded sheet holds the same time and, within what the line's
    // chainage allows, the same kilometre post.
    ASSERT_TRUE(incorporata.count(s.nome));
    const std::vector<std::string>& i = incorporata.at(s.nome);
    EXPECT_NE(i[5].find(s.orario), std::string::npos) << i[5];
    EXPECT_LE(std::labs(metri(r[2]) - metri(i[2])), 60) << r[2] << " / " << i[2];
  }
  EXPECT_EQ(fatta.at("PIACENZA")[5], "13.57");
  EXPECT_EQ(fatta.at("MILANO")[2], "0.000");
}

TEST(DocumentiScenario, IlRallentamentoDelFileDelTrenoComeNellOrdineIncorporato) {
  cartella_memoria c;
  metti_sorgenti(c);
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok());
  const std::vector<std::string> ordine = righe_di(e.documenti.rallentamenti);
  ASSERT_GT(ordine.size(), 13u);
  const std::vector<std::string> fatta = celle_di(ordine[12]);
  const std::vector<std::string> scritta = celle_di(righe_incorporate(righe_rallentamenti())[13]);
  ASSERT_EQ(fatta.size(), 6u);
  EXPECT_EQ(fatta[0], "1");
  // Station, kilometre post, speed, length as the embedded order's row 2.
  for (std::size_t k = 1; k < 5; ++k) EXPECT_EQ(fatta[k], scritta[k]) << k;
  EXPECT_EQ(fatta[1], "S.BENEDETTO SAMBRO");
  EXPECT_EQ(fatta[2], "57");
  EXPECT_EQ(celle_di(ordine[13]), std::vector<std::string>(6, ""));
}

// The author's table gives what the sources lack: with the values of the
// embedded documents, the order is the embedded one but for the centring of
// its two rows, and the sheet's fixed lines are its lines.
const char* const tabella_incorporata =
    "; i valori dei documenti incorporati\r\n"
    "classificazione, INTERCITY\r\n"
    "massa, 700\r\n"
    "rango, V200 C\r\n"
    "riga, 71450, 90, 90, 13.55, , 1.0,\r\n"
    "riga, 1750, , , , 13.17, , P.B.A. P.253\r\n"
    "rallentamento_su_carta, 53300, 40, 400, A-B-C, SECUGNAGO-CASALPUSTERLENGO\r\n"
    "prescrizioni, 259150, E\r\n"
    "prescrizione, A, Da rispettare con tutto il treno (per i treni viaggiatori)\r\n"
    "prescrizione, B, Interessa anche la stazione di CASALPUSTERLENGO\r\n"
    "prescrizione, C, Da rispettare dalle ore 07.30 alle ore 20.30 di tutti\r\n"
    "prescrizione, , i giorni esclusi i FESTIVI e i PREFESTIVI\r\n"
    "prescrizione, D, Rallentamento N. ... e N. ...  sono contigui\r\n"
    "prescrizione, E, Segnale di avviso non preceduto da tavole distanziometriche\r\n";

TEST(DocumentiScenario, LaTabellaDellAutoreCompletaIDocumenti) {
  cartella_memoria c;
  metti_sorgenti(c);
  c.sostituisci(file_tabella_documenti("Velstra_Ordoven", "318"), tabella_incorporata);
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "" : e.errori[0]);

  const std::vector<std::string> ordine = righe_di(e.documenti.rallentamenti);
  const std::vector<std::string> atteso = righe_incorporate(righe_rallentamenti());
  ASSERT_EQ(ordine.size(), atteso.size());
  for (std::size_t k = 0; k < atteso.size(); ++k) {
    if (k == 12 || k == 13) {
      EXPECT_EQ(celle_di(ordine[k]), celle_di(atteso[k])) << k;
    } else {
      EXPECT_EQ(ordine[k], atteso[k]) << k;
    }
  }

  const std::vector<std::string> scheda = righe_di(e.documenti.scheda);
  const std::vector<std::string> incorporata = righe_incorporate(righe_scheda());
  // Page 1: header and classification boxes, headings and rules; lines 4
  // and 6 hold the page label and the page's last station, lines 17 to 45
  // the rows.
  for (std::size_t k = 0; k < 17; ++k) {
    if (k != 4 && k != 6) {
      EXPECT_EQ(scheda[k], incorporata[k]) << k;
    }
  }
  EXPECT_EQ(scheda[46], incorporata[46]);
  // The blank form and the two empty lines that close the document.
  ASSERT_GT(scheda.size(), 48u);
  for (std::size_t k = 1; k <= 48; ++k) {
    if (k != 47) {
      EXPECT_EQ(scheda[scheda.size() - k], incorporata[incorporata.size() - k]) << k;
    }
  }

  const auto per_nome = righe_per_nome(scheda);
  EXPECT_EQ(per_nome.at("PIACENZA"),
            (std::vector<std::string>{"90", "90", "146.850", "90", "PIACENZA", "13.55    13.57", "1.0"}));
  EXPECT_EQ(per_nome.at("P.B.A. P.253"), (std::vector<std::string>{"", "", "1.750", "", "P.B.A. P.253", "13.17", ""}));
}

TEST(DocumentiScenario, UnaCopiaModificataMostraIlNuovoNomeELaNuovaFermata) {
  cartella_memoria c;
  metti_sorgenti(c, [](std::string& t) {
    sostituisci_testo(t, "71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA",
                      "71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA C.LE");
    sostituisci_testo(t, "130,   0, 0, 0, FIORENZUOLA", "130,  14, 7, 0, FIORENZUOLA");
  });
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok());
  const auto per_nome = righe_per_nome(righe_di(e.documenti.scheda));
  EXPECT_FALSE(per_nome.count("PIACENZA"));
  ASSERT_TRUE(per_nome.count("PIACENZA C.LE"));
  EXPECT_EQ(per_nome.at("PIACENZA C.LE")[5], "13.57");
  EXPECT_EQ(per_nome.at("FIORENZUOLA")[5], "14.07");
  EXPECT_NE(e.documenti.scheda.find(" a: PIACENZA C.LE "), std::string::npos);
}

// The last station is where the run ends: given its arrival, the sheet shows
// that time once, as the embedded sheet shows PRATO.
TEST(DocumentiScenario, LUltimaStazioneConArrivoMostraLOraUnaVolta) {
  cartella_memoria c;
  metti_sorgenti(c);
  c.sostituisci(file_tabella_documenti("Velstra_Ordoven", "318"), "riga, 298800, , , 16.12, , 2.0,\r\n");
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "" : e.errori[0]);
  const auto scritta = righe_per_nome(righe_di(e.documenti.scheda));
  const auto incorporata = righe_per_nome(righe_incorporate(righe_scheda()));
  EXPECT_EQ(scritta.at("PRATO")[5], incorporata.at("PRATO")[5]);
  EXPECT_EQ(scritta.at("PRATO")[5], "16.12");
}

TEST(DocumentiScenario, SorgentiConErroriNonDannoDocumenti) {
  cartella_memoria c;
  metti_sorgenti(c, [](std::string& t) { sostituisci_testo(t, "stazione,   71450,", "stazione,   71470,"); });
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  EXPECT_FALSE(e.ok());
  ASSERT_GE(e.controllo.errori, 1u);
  EXPECT_TRUE(e.documenti.scheda.empty());
  bool otto = false;
  for (const diagnostica& d : e.controllo.voci) otto = otto || (!d.avviso && d.codice == "8");
  EXPECT_TRUE(otto);
}

TEST(DocumentiScenario, UnValoreDellaTabellaSenzaRigaEUnErroreConLaSuaRiga) {
  cartella_memoria c;
  metti_sorgenti(c);
  c.sostituisci(file_tabella_documenti("Velstra_Ordoven", "318"),
                "massa, 700\r\nriga, 71400, 90, , , , ,\r\nprescrizioni, 100000, A\r\n");
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_EQ(e.errori.size(), 2u);
  EXPECT_EQ(e.errori[0].rfind("Velstra_Ordoven_318_documenti.txt:2: a progressiva 71400", 0), 0u) << e.errori[0];
  EXPECT_EQ(e.errori[1].rfind("Velstra_Ordoven_318_documenti.txt:3: ", 0), 0u) << e.errori[1];
}

// The faults of the table come by line, whichever step found them (the
// reading of its lines, the sheet, the order), then those of the notes.
TEST(DocumentiScenario, GliErroriDellaTabellaVengonoPerRiga) {
  cartella_memoria c;
  metti_sorgenti(c);
  c.sostituisci(file_tabella_documenti("Velstra_Ordoven", "318"),
                "riga, 71400, 90, , , , ,\r\nmassa, settecento\r\nprescrizioni, 100000, A\r\n"
                "rango, V200 C molto veloce\r\n");
  c.sostituisci("Velstra_Ordoven_318_note.txt", "da A \xE2\x86\x92 B\r\n");
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  std::vector<std::string> luoghi;
  for (const std::string& x : e.errori) luoghi.push_back(x.substr(0, x.find(": ")));
  const std::string tabella = "Velstra_Ordoven_318_documenti.txt:";
  EXPECT_EQ(luoghi, (std::vector<std::string>{tabella + "1", tabella + "2", tabella + "3", tabella + "4",
                                              "Velstra_Ordoven_318_note.txt:1"}));
  ASSERT_FALSE(e.errori.empty());
  EXPECT_EQ(e.errori[0].rfind(tabella + "1: a progressiva 71400", 0), 0u) << e.errori[0];
}

// What the paper adds must find its place: a row to leave out, a cell, a
// page, a row of the order that the documents do not have is a fault at its
// line, and nothing is written.
TEST(DocumentiScenario, CioCheLaCartaAggiungeSenzaIlSuoPostoEUnErrore) {
  cartella_memoria c;
  metti_sorgenti(c);
  c.sostituisci(file_tabella_documenti("Velstra_Ordoven", "318"),
                "ometti, 71400\r\ncella_scheda, 71400, ORARIO, |13.00|\r\ncella_ordine, 259000, CIPPO, |9|\r\n"
                "pagina, 7, SCHEDA 7/7, \r\nometti, 1100\r\n");
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  std::vector<std::string> inizi;
  for (const std::string& x : e.errori) inizi.push_back(x.substr(0, x.find(": ", x.find(':') + 1) + 2));
  std::sort(inizi.begin(), inizi.end());
  const std::string f = "Velstra_Ordoven_318_documenti.txt:";
  EXPECT_EQ(inizi, (std::vector<std::string>{f + "1: ", f + "2: ", f + "3: ", f + "4: "}));
  EXPECT_FALSE(e.ok());
}

// riga_stampata completes a row of the sources with the limit and the
// kilometre as printed: blank where the paper leaves them blank, the
// kilometre of SI COD in its name, as the sheet writes it.
TEST(DocumentiScenario, LaRigaStampataDaLimiteEChilometroComeSullaCarta) {
  cartella_memoria c;
  metti_sorgenti(c);
  c.sostituisci(file_tabella_documenti("Velstra_Ordoven", "318"),
                "riga_stampata, 11000, 200, 150, 14.454, , , , ,\r\n"
                "riga_stampata, 71450, , 90, 146.823, 90, 13.55, 13.57, 1.0,\r\n");
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "errori nei sorgenti" : e.errori[0]);
  const std::vector<std::string> righe = righe_di(e.documenti.scheda);
  for (const char* attesa : {
           " | 200 | 150 |          |     | SI COD Km 14,454           |                |     |",
           " |     |  90 | 146.823  |  90 | PIACENZA                   | 13.55    13.57 | 1.0 |",
       })
    EXPECT_NE(std::find(righe.begin(), righe.end(), attesa), righe.end()) << attesa;
}

// A slowdown written at 259175 starts in cell nearest(259175/50 + 1) = 5184,
// half to even as the compiler rounds: the table's row at the same
// progressive finds it, and the row written at 259150 (the same cell) too.
TEST(DocumentiScenario, LePrescrizioniTrovanoIlRallentamentoNellaCellaDelCompilatore) {
  for (const char* riga : {"prescrizioni, 259175, E\r\n", "prescrizioni, 259150, E\r\n"}) {
    SCOPED_TRACE(riga);
    cartella_memoria c;
    metti_sorgenti(c,
                   [](std::string& t) { sostituisci_testo(t, "rallentamento,  259150,", "rallentamento,  259175,"); });
    c.sostituisci(file_tabella_documenti("Velstra_Ordoven", "318"), riga);
    const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
    ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "" : e.errori[0]);
    const std::vector<std::string> ordine = righe_di(e.documenti.rallentamenti);
    ASSERT_GT(ordine.size(), 12u);
    const std::vector<std::string> fatta = celle_di(ordine[12]);
    ASSERT_EQ(fatta.size(), 6u);
    EXPECT_EQ(fatta[3], "90");
    EXPECT_EQ(fatta[5], "E");
  }
}

// The sheet's first row is the first station with its name and its
// departure to the right; the station that closes page 1 opens page 2 with
// its name and its passing time.
TEST(DocumentiScenario, OgniStazioneHaIlSuoNomeAnchePrimaDiPagina) {
  cartella_memoria c;
  metti_sorgenti(c);
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok());
  const std::vector<std::string> scheda = righe_di(e.documenti.scheda);
  ASSERT_GT(scheda.size(), 68u);
  EXPECT_EQ(scheda[17], " |  30 |     |   0.000  |     | MILANO                     |          13.15 |     |");
  const std::string piacenza = " |  90 |     | 146.850  |     | PIACENZA                   |      13.57     |     |";
  EXPECT_EQ(scheda[45], piacenza);
  EXPECT_EQ(scheda[67], piacenza);
}

// Where the codes begin the sheet has its SI COD row; codes that end at 0
// are none (the compiler counts 0 codes), and no row says they begin.
TEST(DocumentiScenario, LaRigaSiCodSoloPerCodiciCheCiSono) {
  for (const char* fine : {"300000", "0"}) {
    SCOPED_TRACE(fine);
    cartella_memoria c;
    metti_sorgenti(c);
    std::string linea = testo_righe(righe_linea());
    sostituisci_testo(linea, "ripetizione segnali 9 codici,    11000,    300000",
                      std::string("ripetizione segnali 9 codici,    11000,    ") + fine);
    c.sostituisci(file_linea(nomi_incorporati()), linea);
    const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
    ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "" : e.errori[0]);
    std::vector<std::string> si_cod;
    for (const std::string& r : righe_di(e.documenti.scheda))
      if (r.find("SI COD") != std::string::npos) si_cod.push_back(r);
    if (std::string(fine) == "0") {
      EXPECT_EQ(si_cod, std::vector<std::string>{});
    } else {
      EXPECT_EQ(si_cod, std::vector<std::string>{
                            " | 145 |     |          |     | SI COD Km 11,000           |                |     |"});
    }
  }
}

// Under "progressiva chilometrica tre, 0, 5000, 0" the posts count down from
// 5000 at the start of the line: Cabina B, at 1100 m, is at 3.900.
TEST(DocumentiScenario, UnaSerieCheIniziaAZeroDaIlCippoDallInizio) {
  cartella_memoria c;
  metti_sorgenti(c);
  std::string linea = testo_righe(righe_linea());
  sostituisci_testo(linea, "progressiva chilometrica tre,    0,    0,    0",
                    "progressiva chilometrica tre,    0,    5000,    0");
  c.sostituisci(file_linea(nomi_incorporati()), linea);
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "" : e.errori[0]);
  const auto per_nome = righe_per_nome(righe_di(e.documenti.scheda));
  ASSERT_TRUE(per_nome.count("Cabina B"));
  EXPECT_EQ(per_nome.at("Cabina B")[2], "3.900");
}

TEST(DocumentiScenario, LeNoteDellAutoreRestanoLeSue) {
  cartella_memoria c;
  metti_sorgenti(c);
  // UTF-8 with LF only: converted, every line ended with CR LF.
  c.sostituisci("Velstra_Ordoven_318_note.txt", "Velocit\xC3\xA0 ridotta.\n\nBuon viaggio");
  esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok());
  EXPECT_EQ(e.documenti.note, "Velocit\xE0 ridotta.\r\n\r\nBuon viaggio\r\n");
  // Without notes, a form naming the scenario.
  c.elimina("Velstra_Ordoven_318_note.txt");
  e = documenti_da_sorgenti(c, nomi_incorporati());
  EXPECT_EQ(e.documenti.note.rfind("Velstra_Ordoven 318 - note dello scenario.\r\n", 0), 0u);
  // A tab is the author's, as written; other control characters are refused.
  c.sostituisci("Velstra_Ordoven_318_note.txt", "Ora\tLuogo\n13.15\tMILANO\n");
  e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok()) << (e.errori.empty() ? "" : e.errori[0]);
  EXPECT_EQ(e.documenti.note, "Ora\tLuogo\r\n13.15\tMILANO\r\n");
  // A character Windows-1252 cannot hold is refused with its line.
  c.sostituisci("Velstra_Ordoven_318_note.txt", "uno\r\nda A \xE2\x86\x92 B\r\n");
  e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_EQ(e.errori.size(), 1u);
  EXPECT_EQ(e.errori[0], "Velstra_Ordoven_318_note.txt:2: il carattere U+2192 non esiste in Windows-1252");
}

}  // namespace

namespace {

using namespace prova_documenti_autore;

// Every filled page: its label n/N, 29 rows, "da:" its first station and
// "a:" its last; a page after the first opens with the station that closed
// the page before.
TEST(DocumentiScenario, LePagineDellaSchedaSiSeguonoDiStazioneInStazione) {
  cartella_memoria c;
  metti_sorgenti(c);
  const esito_documenti e = documenti_da_sorgenti(c, nomi_incorporati());
  ASSERT_TRUE(e.ok());
  const std::vector<std::string> righe = righe_di(e.documenti.scheda);
  std::vector<std::size_t> etichette;
  for (std::size_t k = 0; k < righe.size(); ++k)
    if (righe[k].find("SCHEDA ") != std::string::npos) etichette.push_back(k);
  ASSERT_GE(etichette.size(), 3u);
  const std::size_t n = etichette.size() - 1;  // the last one is the blank form
  EXPECT_NE(righe[etichette.back()].find("SCHEDA " + std::to_string(n + 1) + "/" + std::to_string(n + 1)),
            std::string::npos);
  std::string chiusa;
  for (std::size_t p = 0; p < n; ++p) {
    SCOPED_TRACE(p);
    const std::size_t e0 = etichette[p];
    EXPECT_NE(righe[e0].find("SCHEDA " + std::to_string(p + 1) + "/" + std::to_string(n)), std::string::npos);
    const std::string da = senza_blank(righe[e0 + 1].substr(45, 22)), a = senza_blank(righe[e0 + 2].substr(45, 22));
    // The rows run from e0 + 13 up to the bottom rule.
    std::vector<std::vector<std::string>> celle;
    for (std::size_t k = e0 + 13; k < e0 + 13 + 29; ++k) celle.push_back(celle_di(righe[k]));
    EXPECT_EQ(righe[e0 + 13 + 29], righe[e0 + 12]) << "the rule after 29 rows";
    EXPECT_EQ(celle.front()[4], da);
    if (p > 0) {
      EXPECT_EQ(da, chiusa);
    }
    std::string ultima;
    for (const auto& r : celle)
      if (!r[2].empty() && r[4].rfind("Cippo", 0) != 0) ultima = r[4];
    EXPECT_EQ(ultima, a);
    chiusa = a;
  }
  EXPECT_EQ(chiusa, "PRATO");
}

}  // namespace
