#include "output/memorizza_percorso.h"

#include <string>
#include <string_view>
#include <utility>

#include "base/blocco_byte.h"
#include "base/catalogo_errori.h"
#include "base/errore.h"
#include "base/nomi_file.h"
#include "compiler/memorizza_dati.h"
#include "model/form1.h"
#include "output/codici_gara.h"
#include "output/controllo_codici.h"
#include "output/formati/file_piano.h"
#include "output/formati/file_scenario.h"
#include "output/formati/file_tracciato.h"

namespace {
constexpr std::int16_t marca_stazioni = 610;
constexpr std::int16_t marca_percorso = 5121;

void scrivi(Form1& f, const std::string& file, std::string&& byte, std::vector<std::string>* scritti) {
  verifica(f.cartella->consegna(file, std::move(byte)));
  if (scritti) scritti->push_back(file);
}

void scrivi(Form1& f, const std::string& file, const blocco_byte& byte, std::vector<std::string>* scritti) {
  verifica(f.cartella->sostituisci(file, byte.vista()));
  if (scritti) scritti->push_back(file);
}
}  // namespace

void memorizza_percorso(Form1& f, std::int32_t j, std::vector<std::string>* scritti) {
  f.con_planimetria = j;
  f.numero_errore = 0;
  for (auto& s : f.stazioni) s = stazione{};
  memorizza_dati(f);
  completa_dopo_lettura(f, scritti);
}

void completa_dopo_lettura(Form1& f, std::vector<std::string>* scritti) {
  // Without a cell array (cells 0 and 1 at least) there is nothing to check or write.
  if (!f.percorso_esiste() || f.percorso.size() < 2) errore(std::to_string(f.numero_errore));
  completa_e_scrivi(f, scritti);
}

void completa_e_scrivi(Form1& f, std::vector<std::string>* scritti) {
  controllo_codici(f);

  stazione& sfondo = f.stazioni[voce_sfondo];
  cella& marcata = f.cella_n(1);
  if (sfondo.campo_7 != 0 || marcata.valore_1 != 0) errore(std::to_string(err_marche_occupate));
  sfondo.campo_7 = marca_stazioni;
  marcata.valore_1 = marca_percorso;

  if (sfondo.orario != 0 || marcata.valore_2 != 0) errore(std::to_string(err_codici_occupati));
  sfondo.orario = codice_gara_st(f);
  marcata.valore_2 = codice_gara_og(f);

  // The model is final: each file is encoded whole before it replaces the old
  // one. The plan is encoded in its own slots, so it is gone once written.
  if (f.con_planimetria != 0) scrivi(f, file_piano(f), codifica_piano(std::move(f.planimetria)), scritti);
  scrivi(f, file_scenario(f), codifica_stazioni(f.stazioni), scritti);
  scrivi(f, file_tracciato(f), codifica_tracciato(f.percorso), scritti);
}
