#include "scenario/comandi/comando_diff_git.h"

#include <filesystem>
#include <optional>
#include <sstream>

#include "base/cartella.h"
#include "base/codici_uscita.h"
#include "base/file_disco.h"
#include "scenario/comandi/comando_diff.h"
#include "scenario/comandi/prologo_comando.h"
#include "scenario/confronto/confronto_compatti.h"
#include "scenario/confronto/lato_confronto.h"
#include "scenario/confronto/riscritture_sorgenti.h"
#include "scenario/confronto/testo_modifiche.h"
#include "scenario/sorgenti/compagno_sorgente.h"
#include "scenario/sorgenti/elenco_sorgente.h"
#include "scenario/testo/diff_righe.h"

namespace {

// git's name for the missing side of a new or deleted file.
const std::string file_assente = "/dev/null";

// The words git passes: PATH, then OLD-FILE OLD-HEX OLD-MODE, NEW-FILE
// NEW-HEX NEW-MODE and, for a renamed file, the new path and what it says of
// the rename.
struct parole_git {
  std::string percorso_a, percorso_b, file_a, file_b;
  explicit parole_git(const argomenti_comando& a)
      : percorso_a(a.parole[0]),
        percorso_b(a.parole.size() > 7 ? a.parole[7] : a.parole[0]),
        file_a(a.parole[1]),
        file_b(a.parole[4]) {}
};

// A side's bytes; none for /dev/null. False when a file could not be read.
bool leggi_lato(const std::string& file, std::optional<std::string>& byte, std::ostream& err) {
  if (file == file_assente) return true;
  byte.emplace();
  if (const stato s = leggi_file_disco(percorso_utf8(file), *byte); !s.ok()) {
    err << "scenario diff: " << file << ": " << s.testo() << '\n';
    return false;
  }
  return true;
}

// The side compiled with the partner, as the scenario in the working tree
// would be with this version of the file.
lato_confronto compila_con(const std::string& byte, const compagno_sorgente& c, bool treno) {
  const testi_sorgente t = treno ? testi_sorgente{true, true, c.byte, byte} : testi_sorgente{true, true, byte, c.byte};
  return compila_lato(t, c.nomi);
}

// The two listings of the file compared line by line, with the partner's
// posts or names when it is there.
void confronta_elenchi(const parole_git& g, const std::optional<std::string>& a, const std::optional<std::string>& b,
                       const std::optional<compagno_sorgente>& compagno, bool treno, std::ostream& out) {
  std::optional<struttura_sorgente> struttura;
  compagno_elenco c;
  if (compagno) {
    struttura = leggi_struttura(compagno->byte, !treno);
    (treno ? c.linea : c.treno) = &*struttura;
  }
  out << diff_righe(a ? elenco_sorgente(*a, treno, c) : "", b ? elenco_sorgente(*b, treno, c) : "",
                    a ? "a/" + g.percorso_a : file_assente, b ? "b/" + g.percorso_b : file_assente);
}

int confronta_git(const argomenti_comando& a, std::ostream& out, std::ostream& err) {
  const parole_git g(a);
  std::optional<std::string> byte_a, byte_b;
  if (!leggi_lato(g.file_a, byte_a, err) || !leggi_lato(g.file_b, byte_b, err)) return uscita_errore;
  const std::filesystem::path nel_lavoro = percorso_utf8(g.percorso_b);
  const bool treno = e_file_treno(testo_utf8(nel_lavoro.filename()), byte_b ? *byte_b : byte_a ? *byte_a : "");
  const std::optional<compagno_sorgente> compagno = compagno_accanto(nel_lavoro, treno);

  out << "scenario diff a/" << g.percorso_a << " b/" << g.percorso_b << '\n';
  std::string perche;
  if (!byte_a || !byte_b) {
    perche = byte_a ? "file tolto" : "file nuovo";
  } else if (!compagno) {
    perche = treno ? "senza il file della linea accanto" : "senza un solo file del treno accanto";
  } else {
    const lato_confronto la = compila_con(*byte_a, *compagno, treno), lb = compila_con(*byte_b, *compagno, treno);
    if (la.esito == esito_lato::pronto && lb.esito == esito_lato::pronto) {
      const std::vector<modifica> m = confronta_lati(la, lb);
      std::ostringstream modifiche;
      stampa_modifiche(modifiche, m, confronta_compatti(la, lb, m));
      out << (modifiche.str().empty() ? "nessuna modifica dello scenario compilato\n" : modifiche.str());
      return uscita_ok;
    }
    perche = std::string(la.esito != esito_lato::pronto ? "la versione A" : "la versione B") +
             " non si compila (scenario check dice perch\xC3\xA9)";
  }
  out << perche << ": confronto dei record del file\n";
  confronta_elenchi(g, byte_a, byte_b, compagno, treno, out);
  return uscita_ok;
}

// git passes seven words, nine for a renamed file.
stato controlla_git(const argomenti_comando& a) {
  if (a.parole.size() == 8) return stato::valore("servono 7 o 9 parole, dati 8 argomenti");
  return {};
}

}  // namespace

const regola_comando regola_diff_git = {
    .nome = "diff",
    .riassunto = "il confronto di un sorgente per git (diff.scenario.command)",
    .uso = "scenario diff --git PATH OLD-FILE OLD-HEX OLD-MODE NEW-FILE NEW-HEX NEW-MODE",
    .aiuto = aiuto_diff,
    .posizionali = {posto::parola, posto::parola, posto::parola, posto::parola, posto::parola, posto::parola,
                    posto::parola, posto::parola_facoltativa, posto::parola_facoltativa},
    .flag = {"--git"},
    .controlla = controlla_git,
    .esegui = confronta_git,
};

int comando_diff_git(std::span<const std::string> argomenti, std::ostream& out, std::ostream& err) {
  return esegui_comando(regola_diff_git, argomenti, out, err);
}
