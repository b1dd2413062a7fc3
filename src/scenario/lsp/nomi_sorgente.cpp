#include "scenario/lsp/nomi_sorgente.h"

#include <algorithm>
#include <utility>

#include "base/cartella.h"
#include "base/nomi_scenario.h"

namespace {
int cifra_esadecimale(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string decodifica(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && cifra_esadecimale(s[i + 1]) >= 0 && cifra_esadecimale(s[i + 2]) >= 0) {
      out += static_cast<char>(cifra_esadecimale(s[i + 1]) * 16 + cifra_esadecimale(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}
}  // namespace

namespace {
constexpr std::string_view coda_linea = "_linea.txt", coda_treno = "-.txt";
}

nome_sorgente riconosci_nome(std::string_view nome, const std::vector<std::string>& cartella) {
  nome_sorgente n;
  if (nome.size() > coda_linea.size() && nome.ends_with(coda_linea)) {
    n.r = nome_sorgente::ruolo::linea;
    n.percorso = nome.substr(0, nome.size() - coda_linea.size());
    return n;
  }
  if (!nome.ends_with(coda_treno)) return n;
  const std::string_view radice = nome.substr(0, nome.size() - coda_treno.size());
  const std::vector<std::string> percorsi = percorsi_della_cartella(cartella);
  nomi_scenario nomi;
  if (!leggi_nomi_treno(radice, percorsi, nomi).ok()) {
    // A train file whose line file is nowhere yet is still checked, as the
    // train of the longest route key: its note names the line file it lacks.
    const std::vector<nomi_scenario> letture = letture_nome_treno(radice);
    for (const nomi_scenario& l : letture)
      if (std::binary_search(percorsi.begin(), percorsi.end(), l.nome_percorso)) return n;  // several fit
    if (letture.empty()) return n;
    nomi = letture.back();
  }
  n.r = nome_sorgente::ruolo::treno;
  n.percorso = std::move(nomi.nome_percorso);
  n.treno = std::move(nomi.numero_treno);
  return n;
}

uri_diviso dividi_uri(std::string_view uri) {
  const std::size_t barra = uri.rfind('/');
  if (barra == std::string_view::npos) return {"", decodifica(uri)};
  return {std::string(uri.substr(0, barra)), decodifica(uri.substr(barra + 1))};
}

std::string percorso_da_uri(std::string_view cartella) {
  constexpr std::string_view schema = "file://";
  if (!cartella.starts_with(schema)) return "";
  std::string p = decodifica(cartella.substr(schema.size()));
  // file:///c:/dir: the drive needs no leading slash.
  if (p.size() >= 3 && p[0] == '/' && p[2] == ':') p.erase(0, 1);
  return p.empty() ? "/" : p;
}

std::string uri_di(std::string_view cartella, std::string_view nome) {
  std::string out(cartella);
  out += '/';
  static const char cifre[] = "0123456789ABCDEF";
  for (char c : nome) {
    const unsigned char b = static_cast<unsigned char>(c);
    const bool libero = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' ||
                        b == '_' || b == '.' || b == '~';
    if (libero) {
      out += c;
    } else {
      out += '%';
      out += cifre[b >> 4];
      out += cifre[b & 15];
    }
  }
  return out;
}

nome_sorgente riconosci_documento(const uri_diviso& u, const std::vector<std::string>& uri_aperti) {
  std::vector<std::string> cartella;
  // With one '_' before "-.txt" a train file reads one way only.
  const std::string_view nome = u.nome;
  if (nome.ends_with(coda_treno) && nome.find('_') != nome.rfind('_')) {
    for (const std::string& uri : uri_aperti)
      if (const uri_diviso v = dividi_uri(uri); v.cartella == u.cartella) cartella.push_back(v.nome);
    if (const std::string p = percorso_da_uri(u.cartella); !p.empty()) {
      const std::vector<std::string> disco = cartella_disco(percorso_utf8(p)).elenco();
      cartella.insert(cartella.end(), disco.begin(), disco.end());
    }
  }
  return riconosci_nome(u.nome, cartella);
}
