#include "scenario/comandi/comando_diff.h"

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/nomi_scenario.h"
#include "scenario/comandi/comando_diff_git.h"
#include "scenario/comandi/contenuto_cartella.h"
#include "scenario/comandi/documento_json.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/confronto/confronto_scenari.h"
#include "scenario/confronto/lato_confronto.h"
#include "scenario/confronto/riscritture_sorgenti.h"
#include "scenario/confronto/testo_modifiche.h"
#include "scenario/sorgenti/diagnostica.h"
#include "scenario/testo/testo_json.h"

const char* const aiuto_diff =
    "uso: scenario diff A B ROUTE TRAIN [--treno-b TRAIN] [--json]\n"
    "     scenario diff --git PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE\n"
    "\n"
    "Dice che cosa cambia dallo scenario ROUTE TRAIN della cartella A a quello della\n"
    "cartella B, in termini ferroviari. Ogni cartella \xC3\xA8 compilata in memoria dai\n"
    "suoi sorgenti (ROUTE_linea.txt e ROUTE_TRAIN-.txt) come farebbe il programma,\n"
    "senza scrivervi nulla; se i sorgenti non ci sono si leggono i file compatti.\n"
    "Le modifiche sono quelle dello scenario compilato: un record spostato nel file\n"
    "o una riga riformattata che non cambia nulla non \xC3\xA8 una modifica.\n"
    "\n"
    "Ogni modifica dice il punto chilometrico, la progressiva e, con i sorgenti, la\n"
    "riga in A e in B:\n"
    "  - stazioni aggiunte, rimosse, rinominate, spostate, con tipo o area cambiati;\n"
    "    uno spostamento degli orari lungo il treno \xC3\xA8 detto una volta sola;\n"
    "  - segnali, rallentamenti, cartelli di velocit\xC3\xA0 massima, cartelli indicatori e\n"
    "    codici aggiunti, rimossi, spostati (abbinati per record e per il posto pi\xC3\xB9\n"
    "    vicino entro 500 m), i loro valori cambiati, con i nomi dei campi; ci\xC3\xB2 che il\n"
    "    compilatore ne deriva (avviso, tavole, fine di un rallentamento, codici del\n"
    "    controllo) fa parte della modifica dell'oggetto; oggetti vicini tutti\n"
    "    spostati della stessa distanza sono una modifica sola;\n"
    "  - pendenza, velocit\xC3\xA0 massima, aderenza e tratti di montagna come tratti;\n"
    "    i valori generali (lunghezza, serie chilometriche, treno, orologio, codici).\n"
    "Un record riscritto nella stessa cella da 50 m, un file riformattato o con i\n"
    "record in altro ordine sono elencati a parte, in fondo: non cambiano lo\n"
    "scenario compilato.\n"
    "I file compatti, quando qualcosa differisce: se sono identici byte per byte e\n"
    "quali codici di identificazione cambiano.\n"
    "\n"
    "Con --git, il comando di confronto esterno di git per un file sorgente: le due\n"
    "versioni sono compilate con l'altro sorgente accanto a PATH e le modifiche\n"
    "dette come sopra; se una versione non si compila (file nuovo o tolto, nessun\n"
    "altro sorgente accanto, errori) lo dice e confronta gli elenchi dei record\n"
    "di 'scenario testo'. Esce con 0 ogni volta che ha confrontato. In\n"
    ".gitattributes:\n"
    "  *_linea.txt diff=scenario\n"
    "  *-.txt diff=scenario\n"
    "e una volta:\n"
    "  git config diff.scenario.command \"scenario diff --git\"\n"
    "\n"
    "  --treno-b TRAIN  in B il treno TRAIN (ROUTE_TRAIN-.txt): due treni della linea\n"
    "  --json           un documento JSON su stdout, anche quando fallisce\n"
    "\n"
    "Stato di uscita: 0 nessuna differenza; 1 ci sono differenze; 2 non si \xC3\xA8\n"
    "potuto confrontare (un file manca o \xC3\xA8 rifiutato, i sorgenti hanno errori:\n"
    "elencati come da 'scenario check'); 64 un errore d'uso.\n";

namespace {

struct uscita_diff {
  std::ostream& out;
  std::ostream& err;
  bool json;
  int fallisce(std::string_view genere, const std::string& messaggio, const std::string& file,
               const std::string& seguito = "") const {
    err << "scenario diff: " << messaggio << '\n' << seguito;
    if (json)
      stampa_documento_guasto(out, "diff", uscita_errore, genere, messaggio + (seguito.empty() ? "" : "\n" + seguito),
                              file);
    return uscita_errore;
  }
};

// A side that cannot be compared: why, with check's list when its sources
// have errors; treno is B's own train when --treno-b names it.
int lato_non_pronto(const uscita_diff& u, const lato_confronto& l, const std::string& dir, const argomenti_comando& a,
                    const std::string* treno = nullptr) {
  switch (l.esito) {
    case esito_lato::manca:
      return u.fallisce("non_trovato", l.messaggio, l.file,
                        cosa_c_e(dir, nomi_scenario(a.percorso, treno ? *treno : a.treno)));
    case esito_lato::danneggiato:
      return u.fallisce("danneggiato", l.messaggio, l.file);
    default:
      break;
  }
  for (const diagnostica& d : l.controllo.voci) stampa_diagnostica(u.err, d);
  return u.fallisce("errore",
                    "i sorgenti in " + dir + " hanno " + std::to_string(l.controllo.errori) +
                        (l.controllo.errori == 1 ? " errore" : " errori") + ": nessun confronto",
                    dir);
}

int confronta(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  const uscita_diff u{out, err, a.ha_flag("--json")};
  const lato_confronto la = carica_lato(percorso_utf8(a.cartella), a.nomi());
  if (la.esito != esito_lato::pronto) return lato_non_pronto(u, la, a.cartella, a);
  const std::string* treno_b = a.valore("--treno-b");
  const lato_confronto lb =
      carica_lato(percorso_utf8(a.altra_cartella), nomi_scenario(a.percorso, treno_b ? *treno_b : a.treno));
  if (lb.esito != esito_lato::pronto) return lato_non_pronto(u, lb, a.altra_cartella, a, treno_b);

  const std::vector<modifica> m = confronta_lati(la, lb);
  const confronto_compatti compatti = confronta_compatti(la, lb, m);
  const int codice = ci_sono_differenze(m, compatti) ? uscita_errore_registrato : uscita_ok;
  if (!u.json) {
    stampa_modifiche(out, m, compatti);
    return codice;
  }
  std::vector<modifica> cambiamenti, senza_effetto;
  for (const modifica& x : m) (cambia_lo_scenario(x) ? cambiamenti : senza_effetto).push_back(x);
  apri_documento_json(out, "diff", codice);
  out << ", \"guasto\": null, \"a\": " << testo_json(a.cartella) << ", \"b\": " << testo_json(a.altra_cartella)
      << ", \"sorgenti_a\": " << (la.da_sorgenti ? "true" : "false")
      << ", \"sorgenti_b\": " << (lb.da_sorgenti ? "true" : "false") << ", \"modifiche\": ";
  scrivi_json(out, nodo_modifiche(cambiamenti));
  out << ", \"senza_effetto\": ";
  scrivi_json(out, nodo_modifiche(senza_effetto));
  out << ", \"file_compatti\": ";
  scrivi_json(out, nodo_compatti(compatti));
  out << "}\n";
  return codice;
}

// --treno-b names B's train: a name, as TRAIN is.
stato controlla_treno_b(const argomenti_comando& a) {
  const std::string* treno = a.valore("--treno-b");
  if (!treno) return {};
  if (const stato s = controlla_nome(*treno); !s.ok())
    return stato::valore("--treno-b \xC3\xA8 un nome, non un percorso: '" + *treno + "' " + s.testo());
  return {};
}

}  // namespace

const regola_comando regola_diff = {
    .nome = "diff",
    .riassunto = "che cosa cambia tra due versioni di uno scenario",
    .uso = "scenario diff A B ROUTE TRAIN [--treno-b TRAIN] [--json]",
    .aiuto = aiuto_diff,
    .posizionali = {posto::cartella, posto::cartella, posto::percorso, posto::treno},
    .flag = {"--json"},
    .opzioni_con_valore = {"--treno-b"},
    .json = true,
    .controlla = controlla_treno_b,
    .esegui = confronta,
    .parola_variante = "--git",
    .variante = &regola_diff_git,
};

int comando_diff(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_diff, argomenti, out, err);
}
