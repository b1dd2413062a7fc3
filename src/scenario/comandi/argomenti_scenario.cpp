#include "scenario/comandi/argomenti_scenario.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/cartella.h"
#include "scenario/comandi/contenuto_cartella.h"
#include "scenario/comandi/nomi_scenario.h"

bool argomenti_comando::ha_flag(const std::string& nome) const {
  return std::find(flag.begin(), flag.end(), nome) != flag.end();
}

const std::string* argomenti_comando::valore(const std::string& nome) const {
  for (const auto& [n, v] : valori)
    if (n == nome) return &v;
  return nullptr;
}

std::string leggi_argomenti(std::span<const std::string> parole, const std::vector<std::string>& flag_ammessi,
                            const std::vector<std::string>& opzioni_con_valore, argomenti_comando& a) {
  bool solo_posizionali = false;
  for (std::size_t k = 0; k < parole.size(); ++k) {
    const std::string& p = parole[k];
    if (!solo_posizionali && p == "--") {
      solo_posizionali = true;
    } else if (!solo_posizionali && p.size() > 1 && p[0] == '-') {
      if (p == "--help" || p == "-h")
        a.aiuto = true;
      else if (std::find(flag_ammessi.begin(), flag_ammessi.end(), p) != flag_ammessi.end())
        a.flag.push_back(p);
      else if (std::find(opzioni_con_valore.begin(), opzioni_con_valore.end(), p) != opzioni_con_valore.end()) {
        if (k + 1 >= parole.size()) return "l'opzione '" + p + "' vuole un valore";
        a.valori.emplace_back(p, parole[++k]);
      } else {
        return "opzione sconosciuta '" + p + "'";
      }
    } else {
      a.posizionali.push_back(p);
    }
  }
  if (a.aiuto) return "";
  if (a.posizionali.size() != 3)
    return "servono DIR ROUTE TRAIN, dati " + std::to_string(a.posizionali.size()) + " argomenti";
  const char* nomi[] = {"ROUTE", "TRAIN"};
  for (std::size_t k = 0; k < 2; ++k) {
    const std::string motivo = motivo_nome_non_valido(a.posizionali[k + 1]);
    if (!motivo.empty())
      return std::string(nomi[k]) + " \xC3\xA8 un nome, non un percorso: '" + a.posizionali[k + 1] + "' " + motivo;
  }
  return "";
}
