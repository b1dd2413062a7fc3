#include "compiler/sezione_generale.h"

#include <string>

#include "base/catalogo_errori.h"
#include "base/nearest.h"
#include "base/stato.h"
#include "compiler/confronto_voci.h"
#include "compiler/grammatica.h"
#include "compiler/stato_linea.h"
#include "model/form1.h"
#include "model/misure.h"

namespace {

// Three numbers into start, reference and flag, each stored as it is read.
void leggi_serie(stato_linea& s, int indice) {
  stazione& voce = s.f.stazioni[static_cast<std::size_t>(indice)];
  voce.inizio = leggi_numero(s.in);
  voce.fine = leggi_numero(s.in);
  s.offset_riferimento[indice - voce_progressiva_tre] = s.in.inizio_voce;
  voce.progressiva = leggi_numero(s.in);
}

bool leggi_lunghezza(stato_linea& s) {
  Form1& f = s.f;
  std::int32_t lunghezza = leggi_numero(s.in);
  std::size_t offset = s.in.inizio_voce;
  f.stazioni[voce_treno_linea].fine = lunghezza;
  if (lunghezza > lunghezza_massima) {
    registra_errore(s, err_lunghezza_percorso, offset);
    return false;
  }
  if (celle_per_lunghezza(lunghezza) < 1) fallisci(s, offset);
  dimensiona_modello(f, lunghezza);
  return true;
}

bool leggi_ripetizione(stato_linea& s, const std::string& chiave, std::size_t offset_chiave) {
  stazione& voce = s.f.stazioni[voce_ripetizione];
  voce.inizio = leggi_numero(s.in);
  std::size_t offset_inizio = s.in.inizio_voce;
  voce.fine = leggi_numero(s.in);
  std::size_t offset_fine = s.in.inizio_voce;
  if (voce.inizio % metri_cella != 0) {
    registra_errore(s, err_inizio_ripetizione, offset_inizio);
    return false;
  }
  if (voce.fine % metri_cella != 0) {
    registra_errore(s, err_fine_ripetizione, offset_fine);
    return false;
  }
  // The key names the number of codes; "4" wins over "9".
  if (contiene(chiave, "4"))
    voce.progressiva = 4;
  else if (contiene(chiave, "9"))
    voce.progressiva = 9;
  else {
    registra_errore(s, err_codici_ripetizione, offset_chiave);
    return false;
  }
  if (voce.fine == 0) voce.progressiva = 0;
  return true;
}

// Every key of the grammar that matches runs, in the grammar's order.
bool leggi_chiavi(stato_linea& s, const std::string& chiave, std::size_t offset_chiave) {
  Form1& f = s.f;
  for (const forma_record& r : forme_generale()) {
    if (!corrisponde(r, chiave)) continue;
    switch (r.genere) {
      case genere_record::lunghezza_percorso:
        if (!leggi_lunghezza(s)) return false;
        break;
      case genere_record::progressiva_chilometrica_tre:
        leggi_serie(s, voce_progressiva_tre);
        break;
      case genere_record::progressiva_chilometrica_due:
        leggi_serie(s, voce_progressiva_due);
        break;
      case genere_record::progressiva_chilometrica_uno:
        leggi_serie(s, voce_progressiva_uno);
        break;
      // "sfondo due" and "sfondo tre" go crosswise into progressiva and fine.
      case genere_record::sfondo_uno:
        f.stazioni[voce_sfondo].inizio = leggi_numero(s.in);
        break;
      case genere_record::sfondo_due:
        f.stazioni[voce_sfondo].progressiva = leggi_numero(s.in);
        break;
      case genere_record::sfondo_tre:
        f.stazioni[voce_sfondo].fine = leggi_numero(s.in);
        break;
      case genere_record::ripetizione_segnali:
        if (!leggi_ripetizione(s, chiave, offset_chiave)) return false;
        break;
      default:
        break;
    }
  }
  return true;
}

}  // namespace

std::int64_t celle_per_lunghezza(std::int32_t lunghezza) {
  return nearest((static_cast<double>(lunghezza) + prolungamento_linea) / metri_cella_reale);
}

void dimensiona_modello(Form1& f, std::int32_t lunghezza) {
  std::int64_t celle = celle_per_lunghezza(lunghezza);
  if (celle < 1 || lunghezza > lunghezza_massima) interrompi(stato::lettura());
  f.lunghezza_estesa = lunghezza + prolungamento_linea;
  f.numero_celle = static_cast<std::int32_t>(celle);
  f.percorso.assign(static_cast<std::size_t>(celle) + 1, cella{});
  if (f.con_planimetria != 0)
    f.planimetria.crea(f.lunghezza_estesa);
  else
    f.planimetria.elimina();
}

bool trova_sezione_generale(stato_linea& s) {
  for (;;) {
    std::string voce = leggi_voce(s.in);
    if (fine_file(s.in)) {
      registra_errore(s, err_generale_mancante, s.in.inizio_voce);
      return false;
    }
    if (contiene_senza_maiuscole(voce, intestazione_generale)) return true;
  }
}

bool leggi_sezione_generale(stato_linea& s) {
  Form1& f = s.f;
  for (;;) {
    if (fine_file(s.in)) return true;
    f.voce_letta = leggi_voce(s.in);
    if (fine_file(s.in)) return true;  // the file's last item is not examined
    // A ruler of more than ten "-" items has its eleventh examined as a key.
    for (int i = 0; i < 10 && separatore(f.voce_letta); ++i) f.voce_letta = leggi_voce(s.in);
    std::string chiave = f.voce_letta;
    std::size_t offset_chiave = s.in.inizio_voce;
    if (!leggi_chiavi(s, chiave, offset_chiave)) return false;
    if (intestazione_sezione(chiave)) return true;
  }
}
