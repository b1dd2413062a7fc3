#include "scenario/confronto/confronto_stazioni.h"

#include <algorithm>
#include <cstdlib>

#include "scenario/compatti/tipi_cella.h"
#include "scenario/rapporto/rapporto_scenario.h"

namespace {

constexpr std::int64_t raggio_abbinamento_stazioni = 500;

struct coppia {
  const stazione_confronto *a, *b;
};

std::string differenze(const stazione_confronto& a, const stazione_confronto& b) {
  std::string d;
  auto aggiungi = [&](const std::string& x) { d += (d.empty() ? "" : "; ") + x; };
  if (a.nome != b.nome) aggiungi("rinominata da " + a.nome + " a " + b.nome);
  if (a.progressiva != b.progressiva)
    aggiungi("spostata di " + metri_con_segno(std::int64_t{b.progressiva} - a.progressiva));
  if (a.tipo != b.tipo) {
    // Whether it has an end marker and approach marks is what the kind changes.
    const std::string_view prima = chiave_tipo_stazione(a.tipo), dopo = chiave_tipo_stazione(b.tipo);
    aggiungi("tipo " + std::to_string(a.tipo) + " \xE2\x86\x92 " + std::to_string(b.tipo) +
             (prima == dopo ? "" : " (" + std::string(prima) + " \xE2\x86\x92 " + std::string(dopo) + ")"));
  }
  if (a.inizio != b.inizio || a.fine != b.fine)
    aggiungi("area " + std::to_string(a.inizio) + "-" + std::to_string(a.fine) + " m \xE2\x86\x92 " +
             std::to_string(b.inizio) + "-" + std::to_string(b.fine) + " m");
  return d;
}

}  // namespace

std::vector<modifica> confronta_stazioni(const scenario_confronto& a, const scenario_confronto& b) {
  std::vector<bool> presa_a(a.stazioni.size(), false), presa_b(b.stazioni.size(), false);
  std::vector<coppia> coppie;
  // By name, in the train's order.
  for (std::size_t i = 0; i < a.stazioni.size(); ++i)
    for (std::size_t j = 0; j < b.stazioni.size(); ++j)
      if (!presa_b[j] && a.stazioni[i].nome == b.stazioni[j].nome) {
        presa_a[i] = presa_b[j] = true;
        coppie.push_back({&a.stazioni[i], &b.stazioni[j]});
        break;
      }
  // The rest by the nearest place: a station renamed.
  for (std::size_t i = 0; i < a.stazioni.size(); ++i) {
    if (presa_a[i]) continue;
    std::size_t migliore = b.stazioni.size();
    std::int64_t distanza = raggio_abbinamento_stazioni + 1;
    for (std::size_t j = 0; j < b.stazioni.size(); ++j) {
      const std::int64_t d = std::llabs(std::int64_t{b.stazioni[j].progressiva} - a.stazioni[i].progressiva);
      if (!presa_b[j] && d < distanza) {
        distanza = d;
        migliore = j;
      }
    }
    if (migliore == b.stazioni.size()) continue;
    presa_a[i] = presa_b[migliore] = true;
    coppie.push_back({&a.stazioni[i], &b.stazioni[migliore]});
  }
  std::sort(coppie.begin(), coppie.end(), [](const coppia& x, const coppia& y) { return x.a->voce < y.a->voce; });

  std::vector<modifica> m;
  auto luoghi = [&](modifica& x, const stazione_confronto* sa, const stazione_confronto* sb) {
    if (sa) x.a = luogo_in(a, sa->progressiva, sa->sorgente);
    if (sb) x.b = luogo_in(b, sb->progressiva, sb->sorgente);
  };
  for (const coppia& c : coppie) {
    const std::string d = differenze(*c.a, *c.b);
    if (d.empty()) continue;
    modifica x{"stazione", "stazione", "stazione " + c.b->nome + ": " + d, {}, {}};
    luoghi(x, c.a, c.b);
    m.push_back(std::move(x));
  }
  // A shift of the times along the train is said once for each run of
  // stations that share it; a station without a time on either side (0 0 0)
  // neither joins nor breaks a run.
  std::vector<coppia> orari;
  for (const coppia& c : coppie)
    if (c.a->orario != 0 || c.b->orario != 0) orari.push_back(c);
  for (std::size_t i = 0; i < orari.size();) {
    const std::int64_t scarto = std::int64_t{orari[i].b->orario} - orari[i].a->orario;
    std::size_t fine = i + 1;
    while (fine < orari.size() && std::int64_t{orari[fine].b->orario} - orari[fine].a->orario == scarto) ++fine;
    if (scarto != 0) {
      const coppia& primo = orari[i];
      modifica x{"orario", "stazione", "", {}, {}};
      if (fine - i == 1)
        x.descrizione = "orario di " + primo.b->nome + " " + ore_minuti_secondi(primo.a->orario) + " \xE2\x86\x92 " +
                        ore_minuti_secondi(primo.b->orario);
      else
        x.descrizione = "orari spostati di " + std::string(scarto > 0 ? "+" : "-") +
                        ore_minuti_secondi(static_cast<std::int32_t>(std::llabs(scarto))) + " da " + primo.b->nome +
                        " a " + orari[fine - 1].b->nome + " (" + std::to_string(fine - i) + " stazioni)";
      luoghi(x, primo.a, primo.b);
      m.push_back(std::move(x));
    }
    i = fine;
  }
  for (std::size_t j = 0; j < b.stazioni.size(); ++j)
    if (!presa_b[j]) {
      const stazione_confronto& s = b.stazioni[j];
      modifica x{
          "aggiunto", "stazione", "stazione " + s.nome + " aggiunta, orario " + ore_minuti_secondi(s.orario), {}, {}};
      luoghi(x, nullptr, &s);
      m.push_back(std::move(x));
    }
  for (std::size_t i = 0; i < a.stazioni.size(); ++i)
    if (!presa_a[i]) {
      const stazione_confronto& s = a.stazioni[i];
      modifica x{"rimosso", "stazione", "stazione " + s.nome + " rimossa", {}, {}};
      luoghi(x, &s, nullptr);
      m.push_back(std::move(x));
    }
  return m;
}
