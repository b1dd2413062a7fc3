#include "scenario/lsp/definizioni.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr std::size_t campo_nome_definizione = 16;  // of a station record

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view senza_blank(std::string_view s, std::size_t& scarto) {
  scarto = 0;
  while (!s.empty() && blank(s.front())) {
    s.remove_prefix(1);
    ++scarto;
  }
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::int32_t numero(const record_struttura& r, std::size_t k) { return r.campi[k].numero; }
}  // namespace

std::int64_t progressiva_del_record(const record_struttura& r) {
  if (r.campi.empty() || r.forma->campi.empty()) return -1;
  const campo_record& c = r.forma->campi[0];
  if (c.unita != "m" || c.genere == genere_campo::testo || (c.nome != "progressiva" && c.nome != "inizio")) return -1;
  return r.campi[0].numero;
}

std::vector<const record_struttura*> record_in_vigore(const struttura_sorgente& linea, std::int64_t p) {
  // The last of each kind that stands from a progressive up to the next record.
  const record_struttura *pendenza = nullptr, *cartello_vmax = nullptr, *cartello = nullptr;
  std::vector<const record_struttura*> v;
  auto ultimo = [&](const record_struttura*& u, const record_struttura& r) {
    if (numero(r, 0) <= p && (!u || numero(*u, 0) <= numero(r, 0))) u = &r;
  };
  for (const record_struttura& r : linea.record) {
    if (!r.completo()) continue;
    switch (r.forma->genere) {
      case genere_record::pendenza:
        ultimo(pendenza, r);
        break;
      case genere_record::indicatori_vmax:
        ultimo(cartello_vmax, r);
        break;
      case genere_record::cartello_indicatore:
        ultimo(cartello, r);
        break;
      case genere_record::curva:
        if (numero(r, 0) <= p && p <= std::int64_t{numero(r, 0)} + numero(r, 1)) v.push_back(&r);
        break;
      case genere_record::montagna:
        if (numero(r, 0) <= p && p <= numero(r, 1)) v.push_back(&r);
        break;
      default:
        break;
    }
  }
  for (const record_struttura* u : {pendenza, cartello_vmax, cartello})
    if (u) v.push_back(u);
  std::sort(v.begin(), v.end(),
            [](const record_struttura* a, const record_struttura* b) { return a->inizio < b->inizio; });
  return v;
}

std::string nome_stazione(const record_struttura& r) {
  return r.forma->genere == genere_record::stazione && r.campi.size() > campo_nome_definizione
             ? r.campi[campo_nome_definizione].testo
             : "";
}

bool nomina(std::string_view testo, std::string_view nome) {
  std::size_t scarto = 0;
  testo = senza_blank(testo, scarto);
  nome = senza_blank(nome, scarto);
  if (nome.empty() || testo.size() != nome.size()) return false;
  for (std::size_t i = 0; i < nome.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(testo[i])) != std::toupper(static_cast<unsigned char>(nome[i])))
      return false;
  return true;
}

std::vector<std::pair<std::size_t, std::size_t>> nomi_in_tabella(const std::string& byte, std::string_view nome) {
  std::vector<std::pair<std::size_t, std::size_t>> v;
  std::size_t i = 0;
  while (i <= byte.size()) {
    std::size_t fine = i;
    while (fine < byte.size() && byte[fine] != ',' && byte[fine] != '\r' && byte[fine] != '\n') ++fine;
    std::size_t scarto = 0;
    std::string_view campo = senza_blank(std::string_view(byte).substr(i, fine - i), scarto);
    std::size_t da = i + scarto;
    // A text as printed: what stands between its bars.
    if (campo.size() >= 2 && campo.front() == '|' && campo.back() == '|') {
      campo = campo.substr(1, campo.size() - 2);
      ++da;
    }
    if (nomina(campo, nome)) {
      std::size_t s = 0;
      const std::string_view n = senza_blank(campo, s);
      v.emplace_back(da + s, da + s + n.size());
    }
    i = fine + 1;
  }
  return v;
}
