#include "compiler/grammatica.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/stato.h"
#include "compiler/lettore_voci.h"
#include "compiler/linea_di_prova.h"
#include "compiler/treno_di_prova.h"

namespace {

// The example read with the item reader by its shape: where the item before
// its last one ends, and whether the keyword and the items fill it exactly.
struct lettura_esempio {
  std::size_t fine_penultima = 0;
  bool esatto = false;
};

lettura_esempio leggi_esempio(const forma_record& r) {
  lettore_voci in;
  apri_lettore_da_testo(std::string(r.esempio), in);
  lettura_esempio e;
  if (!corrisponde(r, leggi_voce(in))) return e;
  for (const campo_record& c : r.campi) {
    if (fine_file(in)) return e;
    e.fine_penultima = in.fine_voce;
    if (c.genere == genere_campo::testo)
      leggi_voce(in);
    else
      leggi_numero(in);
  }
  e.esatto = fine_file(in);
  return e;
}

// True when the line reader reads the file without error 25.
bool linea_letta_grammatica(const std::string& prima, const std::string& record, std::int32_t con_piano) {
  linea_di_prova l(con_piano);
  l.scrivi({"[generale]", prima, record});
  try {
    l.leggi();
    return true;
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::lettura) throw;
    return false;
  }
}

bool treno_letto(const std::string& record) {
  treno_di_prova t;
  t.scrivi_file({"[generale]", record});
  return t.leggi();
}

// Each shape agrees with its reader: the record as the last line of a file
// is read in full, and one item short it runs past the end (error 25). A
// record of one item would be the file's last item, which is never examined.
TEST(Grammatica, EachShapeTakesAsManyItemsAsItsReader) {
  struct tabella {
    std::span<const forma_record> forme;
    int file;  // 0 general section, 1 record part, 2 train
  };
  for (const tabella& t : {tabella{forme_generale(), 0}, tabella{forme_linea(), 1}, tabella{forme_treno(), 2}}) {
    for (const forma_record& r : t.forme) {
      const lettura_esempio e = leggi_esempio(r);
      ASSERT_TRUE(e.esatto) << r.esempio;
      const std::string intero(r.esempio), corto = intero.substr(0, e.fine_penultima);
      const std::string lunghezza = r.nome == "lunghezza percorso" ? "" : "lunghezza percorso, 300000";
      auto letto = [&](const std::string& record) {
        if (t.file == 2) return treno_letto(record);
        return linea_letta_grammatica(t.file == 0 ? lunghezza : "lunghezza percorso, 300000",
                                      t.file == 0 ? record : "[curve]\r\n" + record, r.solo_con_piano ? 1 : 0);
      };
      EXPECT_TRUE(letto(intero)) << r.esempio;
      if (r.campi.size() > 1) {
        EXPECT_FALSE(letto(corto)) << corto;
      }
    }
  }
}

TEST(Grammatica, KeywordTestsFollowTheReaders) {
  struct caso {
    std::span<const forma_record> forme;
    std::string_view voce;
    std::string_view attesa;  // "" when no shape matches
  };
  const caso casi[] = {
      {forme_generale(), "LUNGHEZZA del Percorso", "lunghezza percorso"},
      {forme_generale(), "Sfondo uno", ""},  // case-sensitive in the general section
      {forme_linea(), "CurvaD3", "curva"},
      {forme_linea(), "pendenze", ""},
      {forme_treno(), "Velocità", "velocita"},
      {forme_treno(), "massa", ""},
  };
  for (const caso& c : casi) {
    std::string_view trovata;
    for (const forma_record& r : c.forme)
      if (corrisponde(r, c.voce)) trovata = r.nome;
    EXPECT_EQ(trovata, c.attesa) << c.voce;
  }
}

// The model after reading a file: the cells' count and every entry of the
// stations table, where the readers store what no cell holds.
std::string impronta(const Form1& f) {
  std::string s = std::to_string(f.numero_celle);
  for (const stazione& v : f.stazioni)
    s += "|" + std::to_string(v.tipo) + "," + std::to_string(v.inizio) + "," + std::to_string(v.fine) + "," +
         std::to_string(v.progressiva) + "," + std::to_string(v.campo_7) + "," + std::to_string(v.campo_9) + "," +
         std::to_string(v.campo_10) + "," + std::to_string(v.campo_11) + "," + v.nome;
  return s;
}

// The model after reading one line at a record's place in a small file; an
// interrupted read is part of what the reader did.
std::string leggi_modello(const forma_record& r, const std::string& riga) {
  try {
    if (r.sezione == sezione_grammatica::treno) {
      treno_di_prova t;
      t.scrivi_file({"[generale]", riga, "[fine]"});
      t.leggi();
      return impronta(t.f);
    }
    linea_di_prova l;
    const std::string lunghezza = r.genere == genere_record::lunghezza_percorso ? "" : "lunghezza percorso, 300000";
    if (r.sezione == sezione_grammatica::generale)
      l.scrivi({"[generale]", lunghezza, riga, "[curve]", "[fine]"});
    else
      l.scrivi({"[generale]", lunghezza, "[curve]", riga, "[fine]"});
    l.leggi();
    return impronta(l.f);
  } catch (const interruzione& e) {
    return "interrotta: " + e.s.messaggio();
  }
}

// Every keyword of the grammar is recognised by the reader of its place: a
// record of one value (the others are shown by the shapes above, which run
// past the end one item short) changes the model, and the same line with
// its keyword unknown does not.
TEST(Grammatica, EveryKeywordIsRecognisedByTheReaderOfItsPlace) {
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()}) {
    for (const forma_record& r : forme) {
      if (r.campi.size() != 1) continue;
      const std::string esempio(r.esempio), ignoto = "xyz" + esempio.substr(esempio.find(','));
      const std::string letto = leggi_modello(r, esempio);
      EXPECT_EQ(letto.rfind("interrotta", 0), std::string::npos) << r.esempio << ": " << letto;
      EXPECT_NE(letto, leggi_modello(r, ignoto)) << r.esempio;
    }
  }
}

// The grammar and the kinds are one to one: each kind has exactly one row, in
// the section of its file, so every record a reader stores is in the table.
TEST(Grammatica, EachKindHasExactlyOneRow) {
  int righe[numero_generi_record] = {};
  for (auto [forme, sezione] :
       {std::pair{forme_generale(), sezione_grammatica::generale}, std::pair{forme_linea(), sezione_grammatica::linea},
        std::pair{forme_treno(), sezione_grammatica::treno}}) {
    for (const forma_record& r : forme) {
      const int g = static_cast<int>(r.genere);
      ASSERT_LT(g, numero_generi_record) << r.nome;
      ++righe[g];
      EXPECT_EQ(r.sezione, sezione) << r.nome;
      EXPECT_EQ(&forma_di_genere(r.genere), &r) << r.nome;
      EXPECT_FALSE(r.descrizione.empty()) << r.nome;
      EXPECT_FALSE(r.errori.empty()) << r.nome;
      for (const campo_record& c : r.campi) EXPECT_FALSE(c.significato.empty()) << r.nome << " " << c.nome;
    }
  }
  for (int g = 0; g < numero_generi_record; ++g) EXPECT_EQ(righe[g], 1) << "kind " << g;
}

}  // namespace
