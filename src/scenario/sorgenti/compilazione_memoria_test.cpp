#include "scenario/sorgenti/compilazione_memoria.h"

#include <gtest/gtest.h>

#include "base/catalogo_errori.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "scenario/sorgenti/errori_di_prova.h"

namespace {

using errori_di_prova::con_riga;

// The embedded pair, with one line put into the train file when riga is given.
testi_sorgente coppia(std::size_t riga = 0, const std::string& testo = "") {
  return {true, true, con_riga(righe_linea(), 0, ""), con_riga(righe_treno(), riga, testo)};
}

TEST(CompilazioneMemoria, TheEmbeddedPairCompilesCleanByEveryPass) {
  for (passi_compilazione p :
       {passi_compilazione::lettura, passi_compilazione::senza_piano, passi_compilazione::con_piano}) {
    const compilazione_memoria c = compila_in_memoria(coppia(), "Velstra_Ordoven", "318", p);
    EXPECT_FALSE(c.fine);
    EXPECT_EQ(c.f->numero_errore, 0);
    EXPECT_TRUE(c.f->percorso_esiste());
    EXPECT_EQ(c.f->nome_percorso, "Velstra_Ordoven");
    EXPECT_EQ(c.f->numero_treno, "318");
    // The folder was the compile's own and is gone with it.
    EXPECT_EQ(c.f->cartella, nullptr);
  }
}

// A slowdown too close for its codes is found by the code check, which the
// readers alone do not run.
TEST(CompilazioneMemoria, TheCodeCheckRunsOnlyWithTheWholeCompile) {
  const testi_sorgente t = coppia(118, "rallentamento,  4050,    90,  450, 0,  0,  60");
  EXPECT_EQ(compila_in_memoria(t, "Velstra_Ordoven", "318", passi_compilazione::lettura).f->numero_errore, 0);
  for (passi_compilazione p : {passi_compilazione::senza_piano, passi_compilazione::con_piano}) {
    const compilazione_memoria c = compila_in_memoria(t, "Velstra_Ordoven", "318", p);
    EXPECT_FALSE(c.fine);
    EXPECT_EQ(c.f->numero_errore, err_codice_dopo_rallentamento);
    EXPECT_EQ(c.f->con_planimetria, p == passi_compilazione::con_piano ? 1 : 0);
  }
}

// Without the line file no cell array is built: the whole compile ends
// through errore with the recorded number, the readers alone just record it.
TEST(CompilazioneMemoria, AnEndThroughErroreIsReturnedWithTheModel) {
  testi_sorgente t = coppia();
  t.linea_esiste = false;
  const compilazione_memoria c = compila_in_memoria(t, "Velstra_Ordoven", "318", passi_compilazione::senza_piano);
  ASSERT_TRUE(c.fine);
  EXPECT_EQ(c.fine->genere(), genere_stato::errore);
  EXPECT_NE(c.f->numero_errore, 0);
  EXPECT_EQ(c.fine->testo(), std::to_string(c.f->numero_errore));

  const compilazione_memoria sola_lettura =
      compila_in_memoria(t, "Velstra_Ordoven", "318", passi_compilazione::lettura);
  EXPECT_FALSE(sola_lettura.fine);
  EXPECT_EQ(sola_lettura.f->numero_errore, c.f->numero_errore);
}

}  // namespace
