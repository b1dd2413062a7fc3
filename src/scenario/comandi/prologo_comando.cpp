#include "scenario/comandi/prologo_comando.h"

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "scenario/comandi/contenuto_cartella.h"
#include "scenario/comandi/documento_json.h"
#include "scenario/sorgenti/diagnostica.h"

void stampa_uso(const regola_comando& r, std::ostream& err, const std::string& guasto, const std::string& seguito,
                bool rimando) {
  err << "scenario " << r.nome << ": " << guasto << '\n' << seguito << "uso: " << r.uso << '\n';
  if (rimando) err << "Vedi 'scenario " << r.nome << " --help'.\n";
}

namespace {

// A run that cannot go on before it starts: its message on stderr and, when
// asked, the document that names the failure.
int non_eseguito(const regola_comando& r, const argomenti_comando& a, std::ostream& out, std::ostream& err,
                 std::string_view genere, const stato& s, const std::string& file, const std::string& seguito = "") {
  err << "scenario " << r.nome << ": " << s.messaggio() << '\n' << seguito;
  if (r.json && a.ha_flag("--json"))
    stampa_documento_guasto(out, r.nome, uscita_errore, genere, s.messaggio() + (seguito.empty() ? "" : "\n" + seguito),
                            file);
  return uscita_errore;
}

int prepara_ed_esegui(const regola_comando& r, const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  int cartelle = 0;
  for (const posto p : r.posizionali) {
    if (p != posto::cartella && p != posto::cartella_nuova) continue;
    const std::string& dir = cartelle++ == 0 ? a.cartella : a.altra_cartella;
    if (p == posto::cartella) {
      if (const stato s = cartella_non_valida(dir); !s.ok()) return non_eseguito(r, a, out, err, "cartella", s, dir);
    } else if (p == posto::cartella_nuova) {
      if (const stato s = cartella_gia_presente(dir); !s.ok()) return non_eseguito(r, a, out, err, "cartella", s, dir);
    }
  }
  if (r.sorgenti) {
    const cartella_disco cartella(percorso_utf8(a.cartella));
    if (const stato manca = sorgente_mancante(cartella, a.nomi()); !manca.ok())
      return non_eseguito(r, a, out, err, "non_trovato", manca, manca.file(), cosa_c_e(a.cartella, a.nomi()));
  }
  return r.esegui(a, out, err);
}

}  // namespace

int esegui_comando(const regola_comando& r, std::span<const std::string> parole, std::ostream& out, std::ostream& err) {
  if (r.variante && !parole.empty() && parole.front() == r.parola_variante)
    return esegui_comando(*r.variante, parole, out, err);
  argomenti_comando a;
  stato guasto = leggi_argomenti(parole, r, a);
  if (a.aiuto) {
    out << r.aiuto;
    return uscita_ok;
  }
  if (guasto.ok() && r.controlla) guasto = r.controlla(a);
  if (!guasto.ok()) {
    stampa_uso(r, err, guasto.messaggio(), "", r.rimando_all_aiuto);
    if (r.json && chiede_json(parole)) stampa_documento_guasto(out, r.nome, uscita_uso, "uso", guasto.messaggio(), "");
    return uscita_uso;
  }
  try {
    return prepara_ed_esegui(r, a, out, err);
  } catch (const interruzione& e) {
    err << "scenario " << r.nome << ": " << e.s.messaggio() << '\n';
    if (r.json && a.ha_flag("--json"))
      stampa_documento_guasto(out, r.nome, uscita_errore, "file_system", e.s.messaggio(), e.s.file());
    return uscita_errore;
  }
}
