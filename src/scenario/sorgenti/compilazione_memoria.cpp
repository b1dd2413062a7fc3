#include "scenario/sorgenti/compilazione_memoria.h"

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "compiler/memorizza_dati.h"
#include "output/memorizza_percorso.h"

compilazione_memoria compila_in_memoria(const testi_sorgente& t, const std::string& nome_percorso,
                                        const std::string& numero_treno, passi_compilazione passi) {
  compilazione_memoria c;
  c.f = std::make_unique<Form1>();
  Form1& f = *c.f;
  f.nome_percorso = nome_percorso;
  f.numero_treno = numero_treno;
  c.cartella = std::make_unique<cartella_memoria>();
  cartella_memoria& copia = *c.cartella;
  if (t.linea_esiste) verifica(copia.sostituisci(file_linea(f), t.linea));
  if (t.treno_esiste) verifica(copia.sostituisci(file_treno(f), t.treno));
  f.cartella = &copia;
  try {
    switch (passi) {
      case passi_compilazione::lettura:
        memorizza_dati(f);
        break;
      case passi_compilazione::senza_piano:
        memorizza_percorso(f, 0, nullptr);
        break;
      case passi_compilazione::con_piano:
        memorizza_percorso(f, 1, nullptr);
        break;
    }
  } catch (const interruzione& e) {
    if (e.s.genere() != genere_stato::errore) throw;
    c.fine = e.s;
  }
  f.cartella = nullptr;
  return c;
}
