#include "scenario/compatti/tipi_cella.h"

#include <gtest/gtest.h>

#include "model/cella.h"

namespace {

// The words a message puts where it names what a cell holds ("la sorgente
// vi mette un segnale, i file compatti hanno la fine della stazione").
TEST(TipiCella, EachKindHasItsArticle) {
  const std::pair<std::uint8_t, std::string> casi[] = {
      {cella_segnale, "un segnale"},
      {cella_fine_rallentamento, "la fine del rallentamento"},
      {cella_inizio_rallentamento, "l'inizio del rallentamento"},
      {cella_avviso_rallentamento, "un avviso di rallentamento"},
      {cella_tavola_distanziometrica, "una tavola distanziometrica"},
      {cella_indicatore_vmax, "un cartello di velocit\xC3\xA0 massima"},
      {cella_fine_stazione, "la fine della stazione"},
      {cella_segno_montagna, "un segno di tratto di montagna"},
      {cella_codice, "un codice di ripetizione segnali"},
      {cella_codice_senza_valore, "un codice senza valore"},
      {cella_cartello_indicatore, "un cartello indicatore"},
      {9, "un oggetto di tipo 9"},
  };
  for (const auto& [tipo, atteso] : casi) EXPECT_EQ(tipo_cella_con_articolo(tipo), atteso) << int{tipo};
}

}  // namespace
