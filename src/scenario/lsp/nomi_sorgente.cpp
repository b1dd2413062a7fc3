#include "scenario/lsp/nomi_sorgente.h"

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

nome_sorgente riconosci_nome(std::string_view nome) {
  nome_sorgente n;
  constexpr std::string_view coda_linea = "_linea.txt", coda_treno = "-.txt";
  if (nome.size() > coda_linea.size() && nome.ends_with(coda_linea)) {
    n.r = nome_sorgente::ruolo::linea;
    n.percorso = nome.substr(0, nome.size() - coda_linea.size());
    return n;
  }
  if (!nome.ends_with(coda_treno)) return n;
  const std::string_view radice = nome.substr(0, nome.size() - coda_treno.size());
  const std::size_t trattino = radice.rfind('_');
  if (trattino == std::string_view::npos || trattino == 0 || trattino + 1 == radice.size()) return n;
  n.r = nome_sorgente::ruolo::treno;
  n.percorso = radice.substr(0, trattino);
  n.treno = radice.substr(trattino + 1);
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
