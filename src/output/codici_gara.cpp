#include "output/codici_gara.h"

#include "model/form1.h"

namespace {
constexpr std::string_view riempitivo = "aabbccddeeffgghhiillmmnnoo";
constexpr int posizioni_contate = 25;

std::string stringa_di(const Form1& f) {
  return stringa_codici(f.stazioni[voce_ripetizione].nome, f.stazioni[voce_sfondo].nome);
}

// The work string always holds the 26 bytes of the filler, so its first 25
// bytes exist.
unsigned valore_in(const std::string& s, int p) {
  return static_cast<unsigned char>(s[static_cast<std::size_t>(p - 1)]);
}
}  // namespace

unsigned char minuscola_1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A:
      return 0x9A;  // S caron
    case 0x8C:
      return 0x9C;  // OE
    case 0x8E:
      return 0x9E;  // Z caron
    case 0x9F:
      return 0xFF;  // Y diaeresis
    default:
      return c;
  }
}

std::string stringa_codici(std::string_view treno, std::string_view percorso) {
  std::string s;
  s.reserve(treno.size() + percorso.size() + riempitivo.size());
  s += treno;
  s += percorso;
  for (char& c : s) c = static_cast<char>(minuscola_1252(static_cast<unsigned char>(c)));
  s += riempitivo;
  return s;
}

std::int16_t codice_gara_og(const Form1& f) {
  const std::string s = stringa_di(f);
  unsigned somma = 0;
  for (int p = 1; p <= posizioni_contate; ++p) somma += valore_in(s, p);
  return static_cast<std::int16_t>(somma);  // at most 25 * 255
}

std::int32_t codice_gara_st(const Form1& f) {
  const std::string s = stringa_di(f);
  unsigned somma = 0;
  for (int p = 1; p <= posizioni_contate; ++p) somma += static_cast<unsigned>(p) * valore_in(s, p);
  return static_cast<std::int32_t>(somma);  // at most 255 * 325
}
