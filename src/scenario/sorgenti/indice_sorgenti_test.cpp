#include "scenario/sorgenti/indice_sorgenti.h"

#include <gtest/gtest.h>

#include <vector>

#include "compiler/confronto_voci.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"

namespace {

struct atteso_indice_sorgenti {
  genere_record genere;
  bool nel_treno;
  std::size_t riga;
  std::vector<std::int32_t> numeri;
  std::string testo;
};

void confronta(const indice_sorgenti& ind, const std::vector<atteso_indice_sorgenti>& attesi) {
  ASSERT_EQ(ind.record.size(), attesi.size());
  for (std::size_t k = 0; k < attesi.size(); ++k) {
    const record_sorgente& r = ind.record[k];
    EXPECT_EQ(r.genere, attesi[k].genere) << k;
    EXPECT_EQ(r.nel_treno, attesi[k].nel_treno) << k;
    EXPECT_EQ(r.riga, attesi[k].riga) << k;
    EXPECT_EQ(r.numeri, attesi[k].numeri) << k;
    EXPECT_EQ(r.testo, attesi[k].testo) << k;
  }
}

// The walk reads items as the compiler does: the general section passed
// over, keywords found in any case and anywhere in the item, separators
// skipped, records that place nothing read over (curves are kept: the
// page of view shows the line that drew a bend), and the file's last item
// never examined.
TEST(IndiceSorgenti, RecordsCarryTheirNumbersAndLines) {
  const std::string linea =
      "intestazione qualunque\r\n"
      "[generale]\r\n"
      "lunghezza percorso,  300000\r\n"
      "progressiva chilometrica uno,    23450,    218300,    1\r\n"
      "[pendenze]\r\n"
      "----------\r\n"
      "PENDENZA,  9800,   -3\r\n"
      "curvad6,  1000,  300\r\n"
      "montagna,   259450,  277950,  11\r\n"
      "indicatori_vmax,  5050,  110,  115,  120,  0,  ,  ,  ,  0\r\n"
      "cartello_indicatore,  1700,   (P.253)\r\n"
      "[fine]\r\n";
  const std::string treno =
      "[generale]\r\n"
      "numero vetture,    14\r\n"
      "orologio,    13              14            15 \r\n"
      "velocita,    1250,   100\r\n"
      "aderenza,   53950,    70\r\n"
      "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\n"
      "rallentamento,  259150\r\n"
      "    90,  450, 0,  0,  60\r\n"
      "abbattimento,  218700,   AC\r\n"
      "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA\r\n"
      "segnale";  // the last item of the file is never examined
  const indice_sorgenti ind = indicizza_testi(&linea, &treno);
  EXPECT_TRUE(ind.linea.presente);
  EXPECT_TRUE(ind.treno.presente);
  EXPECT_EQ(ind.linea.riga_interrotta, 0u);
  EXPECT_EQ(ind.treno.riga_interrotta, 0u);
  confronta(
      ind,
      {
          {genere_record::pendenza, false, 7, {9800, -3}, ""},
          {genere_record::curva, false, 8, {1000, 300}, ""},
          {genere_record::montagna, false, 9, {259450, 277950, 11}, ""},
          {genere_record::indicatori_vmax, false, 10, {5050, 110, 115, 120, 0, 0, 0, 0, 0}, ""},
          {genere_record::cartello_indicatore, false, 11, {1700}, "(P.253)"},
          {genere_record::velocita, true, 4, {1250, 100}, ""},
          {genere_record::aderenza, true, 5, {53950, 70}, ""},
          {genere_record::segnale, true, 6, {2800, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0}, ""},
          // A record short of items on its line takes them from the next.
          {genere_record::rallentamento, true, 7, {259150, 90, 450, 0, 0, 60}, ""},
          {genere_record::abbattimento, true, 9, {218700, 0}, ""},
          {genere_record::stazione, true, 10, {71450, 2, 700, 1, 1, 0, 4, 1, 1, 2, 1, 1, 60, 13, 57, 0}, "PIACENZA"},
      });
}

TEST(IndiceSorgenti, AReadTheCompilerRefusesEndsTheWalkAtItsLine) {
  const std::string treno =
      "[generale]\r\n"
      "velocita,    0,   30\r\n"
      "segnale,    99999999999,   2, 4, 1,  1, 0,    0,  0,0,0, 0\r\n"
      "velocita,    1250,   100\r\n"
      "[fine]\r\n";
  const indice_sorgenti ind = indicizza_testi(nullptr, &treno);
  EXPECT_FALSE(ind.linea.presente);
  EXPECT_EQ(ind.treno.riga_interrotta, 3u);
  confronta(ind, {{genere_record::velocita, true, 2, {0, 30}, ""}});
}

// What the embedded sources hold, told line by line: every line after the
// general header whose first item passes a record's keyword test is that
// record, at that line (the line file's general keys up to its next header).
struct record_di_riga {
  genere_record genere;
  std::size_t riga;
  bool operator==(const record_di_riga&) const = default;
};

std::vector<record_di_riga> per_righe(std::span<const std::string_view> righe, bool treno) {
  std::vector<record_di_riga> v;
  bool generale = false, record = treno;
  for (std::size_t k = 0; k < righe.size() && righe[k] != fine_tabella; ++k) {
    std::string_view voce = righe[k].substr(0, righe[k].find(','));
    while (!voce.empty() && (voce.back() == ' ' || voce.back() == '\t')) voce.remove_suffix(1);
    if (!generale) {
      generale = contiene_senza_maiuscole(voce, intestazione_generale);
      continue;
    }
    if (!record && intestazione_sezione(voce)) record = true;
    for (const forma_record& f : record ? (treno ? forme_treno() : forme_linea()) : forme_generale())
      if (corrisponde(f, voce)) v.push_back({f.genere, k + 1});
  }
  return v;
}

TEST(IndiceSorgenti, EveryRecordOfTheEmbeddedSourcesIsIndexedAtItsLine) {
  const std::string linea = testo_righe(righe_linea()), treno = testo_righe(righe_treno());
  const indice_sorgenti ind = indicizza_testi(&linea, &treno);
  for (const bool nel_treno : {false, true}) {
    SCOPED_TRACE(nel_treno ? "treno" : "linea");
    const sorgente_letta& file = nel_treno ? ind.treno : ind.linea;
    EXPECT_EQ(file.riga_interrotta, 0u);
    std::vector<record_di_riga> letti;
    for (const record_struttura& r : file.struttura.record) {
      EXPECT_TRUE(r.completo());
      letti.push_back({r.forma->genere, file.struttura.righe.riga(r.inizio) + 1});
    }
    const std::vector<record_di_riga> attesi = per_righe(nel_treno ? righe_treno() : righe_linea(), nel_treno);
    EXPECT_GT(attesi.size(), 100u);
    EXPECT_TRUE(letti == attesi);
    // The index keeps the record part's records of the cells, each at its line.
    std::size_t k = 0;
    for (const record_sorgente& r : ind.record) {
      if (r.nel_treno != nel_treno) continue;
      while (k < attesi.size() && (attesi[k].genere != r.genere || attesi[k].riga != r.riga)) ++k;
      EXPECT_LT(k, attesi.size()) << static_cast<int>(r.genere) << " " << r.riga;
    }
  }
}

TEST(IndiceSorgenti, MissingFilesAreSaidMissing) {
  const indice_sorgenti ind = indicizza_sorgenti("/nessuna/cartella", "Velstra_Ordoven", "318");
  EXPECT_TRUE(ind.vuoto());
  EXPECT_EQ(ind.linea.nome, "Velstra_Ordoven_linea.txt");
  EXPECT_EQ(ind.treno.nome, "Velstra_Ordoven_318-.txt");
}

}  // namespace
