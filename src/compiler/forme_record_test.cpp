#include "compiler/forme_record.h"

#include <gtest/gtest.h>

#include <string>

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
  for (char campo : r.campi) {
    if (fine_file(in)) return e;
    e.fine_penultima = in.fine_voce;
    if (campo == 't') leggi_voce(in);
    else leggi_numero(in);
  }
  e.esatto = fine_file(in);
  return e;
}

// True when the line reader reads the file without error 25.
bool linea_letta(const std::string& prima, const std::string& record, std::int32_t con_piano) {
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
TEST(FormeRecord, EachShapeTakesAsManyItemsAsItsReader) {
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
        return linea_letta(t.file == 0 ? lunghezza : "lunghezza percorso, 300000", t.file == 0 ? record : "[curve]\r\n" + record,
                           r.solo_con_piano ? 1 : 0);
      };
      EXPECT_TRUE(letto(intero)) << r.esempio;
      if (r.campi.size() > 1) {
        EXPECT_FALSE(letto(corto)) << corto;
      }
    }
  }
}

TEST(FormeRecord, KeywordTestsFollowTheReaders) {
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

}  // namespace
