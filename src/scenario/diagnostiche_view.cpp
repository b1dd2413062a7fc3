#include "scenario/diagnostiche_view.h"

#include <sstream>
#include <system_error>

#include "base/cartella.h"
#include "base/nomi_file.h"
#include "model/form1.h"
#include "scenario/comando_check.h"
#include "scenario/sorgenti_view.h"

namespace {
bool numero_a(const std::string& t, std::size_t& i, std::size_t& valore) {
  const std::size_t inizio = i;
  valore = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') valore = valore * 10 + static_cast<std::size_t>(t[i++] - '0');
  return i > inizio && i - inizio < 10;
}

// A message that presents itself as a warning is one; every other placed
// message is an error.
std::string genere_di(const std::string& messaggio) {
  for (const char* avviso : {"Avviso", "avviso", "warning", "Warning"})
    if (messaggio.rfind(avviso, 0) == 0) return "avviso";
  return "errore";
}

// The metres of "(progressiva P)" in a message, -1 when it names none.
std::int64_t progressiva_in(const std::string& messaggio) {
  const std::string chiave = "(progressiva ";
  const std::size_t k = messaggio.find(chiave);
  if (k == std::string::npos) return -1;
  std::size_t i = k + chiave.size();
  const bool negativo = i < messaggio.size() && messaggio[i] == '-';
  if (negativo) ++i;
  std::size_t v = 0;
  if (!numero_a(messaggio, i, v)) return -1;
  return negativo ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
}
}  // namespace

std::vector<diagnostica_view> leggi_diagnostiche(const std::string& testo, const std::vector<std::string>& nomi_file) {
  std::vector<diagnostica_view> lista;
  for (const std::string& riga : righe_di(testo)) {
    // "FILE:LINE:COLUMN: message", then the source line and the caret, indented.
    bool letta = false;
    for (const std::string& nome : nomi_file) {
      if (riga.rfind(nome + ":", 0) != 0) continue;
      std::size_t i = nome.size() + 1, r = 0, c = 0;
      if (!numero_a(riga, i, r) || i >= riga.size() || riga[i++] != ':' || !numero_a(riga, i, c) ||
          riga.compare(i, 2, ": ") != 0)
        continue;
      diagnostica_view d{genere_di(riga.substr(i + 2)), nome, r, c, riga.substr(i + 2), -1};
      d.progressiva = progressiva_in(d.messaggio);
      lista.push_back(std::move(d));
      letta = true;
      break;
    }
    if (letta || riga.rfind("    ", 0) == 0 || riga.empty()) continue;
    if (riga.rfind(" Errore", 0) == 0) {
      diagnostica_view d{"errore", "", 0, 0, riga.substr(1), -1};
      d.progressiva = progressiva_in(d.messaggio);
      lista.push_back(std::move(d));
    } else {
      const std::string prefisso = "scenario check: ";
      lista.push_back({"nota", "", 0, 0, riga.rfind(prefisso, 0) == 0 ? riga.substr(prefisso.size()) : riga, -1});
    }
  }
  return lista;
}

std::vector<diagnostica_view> diagnostiche_sorgenti(const std::filesystem::path& cartella, const std::string& percorso,
                                                    const std::string& treno) {
  const cartella_disco disco(cartella);
  Form1 nomi;
  nomi.nome_percorso = percorso;
  nomi.numero_treno = treno;
  if (!disco.esiste(file_linea(nomi)) && !disco.esiste(file_treno(nomi))) return {};
  const std::vector<std::string> argomenti{testo_utf8(cartella), percorso, treno};
  std::ostringstream out, err;
  if (comando_check(argomenti, out, err) > 1) {
    // The search could not run: its words are the one note of the page.
    return {{"nota", "", 0, 0, "controllo dei sorgenti non eseguito: " + err.str(), -1}};
  }
  return leggi_diagnostiche(err.str(), {file_linea(nomi), file_treno(nomi)});
}
