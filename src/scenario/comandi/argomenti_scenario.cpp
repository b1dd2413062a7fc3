#include "scenario/comandi/argomenti_scenario.h"

#include <algorithm>

bool argomenti_comando::ha_flag(std::string_view n) const {
  return std::find(flag.begin(), flag.end(), n) != flag.end();
}

const std::string* argomenti_comando::valore(std::string_view n) const {
  for (const auto& [chiave, v] : valori)
    if (chiave == n) return &v;
  return nullptr;
}

namespace {

const char* segnaposto(posto p) {
  switch (p) {
    case posto::percorso:
      return "ROUTE";
    case posto::treno:
      return "TRAIN";
    case posto::file:
      return "FILE";
    case posto::nome_facoltativo:
      return "NOME";
    case posto::parola:
    case posto::parola_facoltativa:
      return "PAROLA";
    default:
      return "DIR";
  }
}

// Too many or too few words, said as the command's usage line names them.
stato conto_sbagliato(const regola_comando& r, std::size_t minimo, std::size_t dati, const std::string& primo) {
  if (r.posizionali.empty()) return stato::valore("argomento sconosciuto '" + primo + "'");
  // Words passed by another program (git): how many, not their names.
  if (r.posizionali.front() == posto::parola)
    return stato::valore("servono " + std::to_string(minimo) +
                         (minimo == r.posizionali.size() ? "" : " o " + std::to_string(r.posizionali.size())) +
                         " parole, dati " + std::to_string(dati) + " argomenti");
  if (r.posizionali.size() == 1)
    return stato::valore(r.posizionali[0] == posto::nome_facoltativo
                             ? std::string("un solo NOME")
                             : std::string("serve una sola ") + segnaposto(r.posizionali[0]));
  std::string nomi;
  for (const posto p : r.posizionali) nomi += (nomi.empty() ? "" : " ") + std::string(segnaposto(p));
  return stato::valore("servono " + nomi + ", dati " + std::to_string(dati) + " argomenti");
}

stato metti(posto p, const std::string& parola, argomenti_comando& a, int& cartelle) {
  switch (p) {
    case posto::cartella:
    case posto::cartella_creata:
    case posto::cartella_nuova:
      if (p != posto::cartella && parola.empty()) return stato::valore("'' non \xC3\xA8 una cartella");
      (cartelle++ == 0 ? a.cartella : a.altra_cartella) = parola;
      return {};
    case posto::percorso:
    case posto::treno:
      if (const stato s = controlla_nome(parola); !s.ok())
        return stato::valore(std::string(segnaposto(p)) + " \xC3\xA8 un nome, non un percorso: '" + parola + "' " +
                             s.testo());
      (p == posto::percorso ? a.percorso : a.treno) = parola;
      return {};
    case posto::file:
      if (parola.empty()) return stato::valore("FILE vuoto");
      a.file = parola;
      return {};
    case posto::nome_facoltativo:
      a.nome = parola;
      a.ha_nome = true;
      return {};
    case posto::parola:
    case posto::parola_facoltativa:
      a.parole.push_back(parola);
      return {};
  }
  return {};
}

}  // namespace

stato leggi_argomenti(std::span<const std::string> parole, const regola_comando& r, argomenti_comando& a) {
  const auto tra = [](const std::vector<std::string_view>& v, const std::string& p) {
    return std::find(v.begin(), v.end(), p) != v.end();
  };
  std::vector<std::string> posizionali;
  bool solo_posizionali = false;
  for (std::size_t k = 0; k < parole.size(); ++k) {
    const std::string& p = parole[k];
    if (!solo_posizionali && p == "--") {
      solo_posizionali = true;
    } else if (!solo_posizionali && p.size() > 1 && p[0] == '-') {
      if (p == "--help" || p == "-h") {
        a.aiuto = true;
      } else if (tra(r.flag, p)) {
        a.flag.push_back(p);
      } else if (tra(r.opzioni_con_valore, p)) {
        if (k + 1 >= parole.size()) return stato::valore("l'opzione '" + p + "' vuole un valore");
        a.valori.emplace_back(p, parole[++k]);
      } else {
        return stato::valore("opzione sconosciuta '" + p + "'");
      }
    } else {
      posizionali.push_back(p);
    }
  }
  if (a.aiuto) return {};
  std::size_t minimo = r.posizionali.size();
  while (minimo > 0 && (r.posizionali[minimo - 1] == posto::nome_facoltativo ||
                        r.posizionali[minimo - 1] == posto::parola_facoltativa))
    --minimo;
  if (posizionali.size() < minimo || posizionali.size() > r.posizionali.size())
    return conto_sbagliato(r, minimo, posizionali.size(), posizionali.empty() ? "" : posizionali[0]);
  int cartelle = 0;
  for (std::size_t k = 0; k < posizionali.size(); ++k)
    if (stato s = metti(r.posizionali[k], posizionali[k], a, cartelle); !s.ok()) return s;
  return {};
}
