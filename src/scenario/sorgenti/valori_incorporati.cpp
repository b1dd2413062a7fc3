#include "scenario/sorgenti/valori_incorporati.h"

#include <algorithm>
#include <map>

#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "scenario/sorgenti/struttura_sorgente.h"

namespace {

struct file_incorporato {
  std::string byte;
  struttura_sorgente struttura;
};

const file_incorporato& incorporato(sezione_grammatica s) {
  static const file_incorporato linea = [] {
    file_incorporato f{testo_righe(righe_linea()), {}};
    f.struttura = leggi_struttura(f.byte, false);
    return f;
  }();
  static const file_incorporato treno = [] {
    file_incorporato f{testo_righe(righe_treno()), {}};
    f.struttura = leggi_struttura(f.byte, true);
    return f;
  }();
  return s == sezione_grammatica::treno ? treno : linea;
}

// Most frequent first; equals by their number as read, then by their text.
std::vector<valore_contato> ordinati(const std::map<std::string, std::pair<int, std::int32_t>>& conti) {
  std::vector<std::pair<valore_contato, std::int32_t>> v;
  for (const auto& [testo, c] : conti) v.push_back({{testo, c.first}, c.second});
  std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) {
    if (a.first.righe != b.first.righe) return a.first.righe > b.first.righe;
    return a.second < b.second;
  });
  std::vector<valore_contato> r;
  for (auto& x : v) r.push_back(std::move(x.first));
  return r;
}

}  // namespace

std::vector<valore_contato> valori_incorporati(const forma_record& r, std::size_t campo) {
  const file_incorporato& f = incorporato(r.sezione);
  std::map<std::string, std::pair<int, std::int32_t>> conti;
  for (const record_struttura& x : f.struttura.record) {
    if (x.forma != &r || campo >= x.campi.size()) continue;
    const voce_record& v = x.campi[campo];
    auto& c = conti[f.byte.substr(v.inizio, v.fine - v.inizio)];
    ++c.first;
    c.second = v.numero;
  }
  return ordinati(conti);
}

std::vector<valore_contato> chiavi_incorporate(const forma_record& r) {
  const file_incorporato& f = incorporato(r.sezione);
  std::map<std::string, std::pair<int, std::int32_t>> conti;
  for (const record_struttura& x : f.struttura.record)
    if (x.forma == &r) ++conti[f.byte.substr(x.inizio, x.fine - x.inizio)].first;
  return ordinati(conti);
}

int record_incorporati(const forma_record& r) {
  const file_incorporato& f = incorporato(r.sezione);
  return static_cast<int>(std::count_if(f.struttura.record.begin(), f.struttura.record.end(),
                                        [&](const auto& x) { return x.forma == &r; }));
}

std::vector<std::string> stazioni_con_orario_incorporate() {
  const forma_record& r = forma_di_genere(genere_record::stazione);
  const file_incorporato& f = incorporato(r.sezione);
  std::vector<std::string> v;
  for (const record_struttura& x : f.struttura.record) {
    if (x.forma != &r || !x.completo()) continue;
    const std::int32_t ore = x.campi[13].numero, minuti = x.campi[14].numero, secondi = x.campi[15].numero;
    if (ore == 0 && minuti == 0 && secondi == 0) continue;
    const std::string mm = std::to_string(minuti);
    v.push_back(x.campi[16].testo + " " + std::to_string(ore) + "." + (mm.size() < 2 ? "0" : "") + mm);
  }
  return v;
}

std::vector<sezione_incorporata> sezioni_incorporate() {
  std::vector<sezione_incorporata> v;
  for (sezione_grammatica s : {sezione_grammatica::linea, sezione_grammatica::treno}) {
    const file_incorporato& f = incorporato(s);
    const auto& intestazioni = f.struttura.intestazioni;
    for (std::size_t k = 0; k < intestazioni.size(); ++k) {
      const std::size_t fine = k + 1 < intestazioni.size() ? intestazioni[k + 1].inizio : f.byte.size();
      auto sezione = std::find_if(
          v.begin(), v.end(), [&](const sezione_incorporata& x) { return x.intestazione == intestazioni[k].testo; });
      if (sezione == v.end()) sezione = v.insert(v.end(), {intestazioni[k].testo, {}});
      for (const record_struttura& r : f.struttura.record)
        if (r.inizio > intestazioni[k].inizio && r.inizio < fine &&
            std::find(sezione->record.begin(), sezione->record.end(), r.forma) == sezione->record.end())
          sezione->record.push_back(r.forma);
    }
  }
  return v;
}
