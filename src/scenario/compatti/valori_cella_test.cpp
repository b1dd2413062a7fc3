#include "scenario/compatti/valori_cella.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "compiler/grammatica.h"

namespace {
const forma_record* forma_di_nome(std::string_view nome) {
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
    for (const forma_record& f : forme)
      if (f.nome == nome) return &f;
  return nullptr;
}
}  // namespace

// The names and meanings speak the manual's words: every field name they use
// is a field of the record that made the cell (or a field of the cell itself).
TEST(ValoriCella, NamesAndMeaningsUseTheFieldsOfTheRecord) {
  const std::set<std::string> della_cella = {"valore_1", "valore_2", "valore_3", "valore_4", "valore_5"};
  const std::regex nome_campo("[a-z]+(_[a-z0-9]+)+");
  int tipi = 0;
  for (int t = 0; t < 256; ++t) {
    const auto tipo = static_cast<std::uint8_t>(t);
    if (valori_di_cella(tipo).empty()) continue;
    ++tipi;
    const forma_record* f = forma_di_nome(record_di_cella(tipo));
    ASSERT_NE(f, nullptr) << t;
    std::set<std::string> campi;
    for (const campo_record& c : f->campi) campi.insert(std::string(c.nome));
    for (const valore_di_cella& v : valori_di_cella(tipo)) {
      // Indexes that no field writes are named for what they count.
      const bool indice = v.nome == "numero" || v.nome == "stazione" || v.nome == "voce";
      EXPECT_TRUE(campi.count(std::string(v.nome)) || della_cella.count(std::string(v.nome)) || indice) << v.nome;
      EXPECT_TRUE(della_cella.count(std::string(v.campo))) << v.campo;
      const std::string s(v.significato);
      for (auto i = std::sregex_iterator(s.begin(), s.end(), nome_campo); i != std::sregex_iterator(); ++i)
        EXPECT_TRUE(campi.count(i->str()) || della_cella.count(i->str())) << i->str() << " in " << s;
    }
  }
  EXPECT_EQ(tipi, 9);
}

// Values as the compiler stores them from what an author wrote: a board
// "indicatori_vmax, 18100, 140, 160, 160, 2, 140, 160, 155, 3" and a signal
// "segnale, 2800, 2, 4, 1, 1, 0, 2, 2, 1, 1, 0".
TEST(ValoriCella, ReadTheValuesAnAuthorWrote) {
  cella cartello;
  cartello.tipo = cella_indicatore_vmax;
  cartello.valore_1 = 2828;  // 100 x 140/5 + 140/5
  cartello.valore_2 = 3232;
  cartello.valore_3 = 3231;
  cartello.valore_4 = 23;
  std::vector<std::pair<std::string, std::int64_t>> letti;
  for (const valore_di_cella& v : valori_di_cella(cella_indicatore_vmax))
    letti.emplace_back(std::string(v.nome), leggi_valore(cartello, v));
  const std::vector<std::pair<std::string, std::int64_t>> attesi = {
      {"prima_velocita_1", 140}, {"seconda_velocita_1", 140}, {"prima_velocita_2", 160}, {"seconda_velocita_2", 160},
      {"prima_velocita_3", 160}, {"seconda_velocita_3", 155}, {"codice_1", 2},           {"codice_2", 3}};
  EXPECT_EQ(letti, attesi);

  cella segnale;
  segnale.tipo = cella_segnale;
  segnale.valore_1 = 42;
  segnale.valore_4 = 8;
  EXPECT_EQ(valori_di_cella(cella_segnale)[0].nome, "valore_1");
  EXPECT_EQ(leggi_valore(segnale, valori_di_cella(cella_segnale)[0]), 42);
  EXPECT_EQ(leggi_valore(segnale, valori_di_cella(cella_segnale)[3]), 8);
  EXPECT_TRUE(valori_di_cella(cella_codice_senza_valore).empty());
  EXPECT_TRUE(valori_di_cella(cella_vuota).empty());
}
