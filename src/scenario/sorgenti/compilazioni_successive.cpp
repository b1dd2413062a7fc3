#include "scenario/sorgenti/compilazioni_successive.h"

#include <memory>

#include "base/nomi_file.h"
#include "base/stato.h"
#include "compiler/memorizza_dati.h"
#include "output/memorizza_percorso.h"

std::optional<linea_gia_letta> compilazioni_successive::linea_letta(const testi_sorgente& t) const {
  if (!t.linea_esiste || !linea_letta_ || *linea_letta_ != t.linea) return std::nullopt;
  return linea_gia_letta{dopo_linea_, slot_cartello_};
}

compilazione_memoria compilazioni_successive::compila(const testi_sorgente& t) {
  const bool stessa_linea = linea_letta(t).has_value();
  compilazione_memoria c;
  c.f = stessa_linea ? std::make_unique<Form1>(dopo_linea_) : std::make_unique<Form1>();
  Form1& f = *c.f;
  c.cartella = std::make_unique<cartella_memoria>();
  cartella_memoria& copia = *c.cartella;
  if (!stessa_linea) {
    // As memorizza_percorso with j = 1 starts on a fresh model.
    f.nome_percorso = nome_percorso_;
    f.numero_treno = numero_treno_;
    f.con_planimetria = 1;
    if (t.linea_esiste) verifica(copia.sostituisci(file_linea(f), t.linea));
  }
  if (t.treno_esiste) verifica(copia.sostituisci(file_treno(f), t.treno));
  f.cartella = &copia;
  try {
    std::int32_t slot_cartello = slot_cartello_;
    bool leggi_treno = stessa_linea;
    if (!stessa_linea) {
      linea_letta_.reset();
      leggi_treno = memorizza_linea(f, slot_cartello);
      // The plan is built while the line is read; past that nothing here needs it.
      f.planimetria.elimina();
      if (leggi_treno && t.linea_esiste) {
        dopo_linea_ = f;
        dopo_linea_.cartella = nullptr;
        slot_cartello_ = slot_cartello;
        linea_letta_ = t.linea;
      }
    }
    if (leggi_treno) memorizza_treno(f, slot_cartello);
    completa_dopo_lettura(f, nullptr);
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::errore) throw;
    c.fine = e.s;
  }
  f.cartella = nullptr;
  return c;
}
