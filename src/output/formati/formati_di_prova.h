#pragma once
// For the tests of the compact files: two byte strings compared so that a
// failure names the offset and the field of the first difference, not two
// walls of bytes.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace formati_di_prova {

// The field of a file that holds the byte at an offset, in words. The walkers
// below read the expected bytes in place: use them within the comparison.
using nome_campo = std::function<std::string(std::size_t offset)>;

inline std::string esadecimale(unsigned char b) {
  const char cifre[] = "0123456789ABCDEF";
  return std::string("0x") + cifre[b >> 4] + cifre[b & 0xF];
}

inline ::testing::AssertionResult stessi_byte(std::string_view ottenuto, std::string_view atteso,
                                              const nome_campo& campo) {
  if (ottenuto == atteso) return ::testing::AssertionSuccess();
  std::size_t i = 0;
  while (i < ottenuto.size() && i < atteso.size() && ottenuto[i] == atteso[i]) ++i;
  auto byte_a = [i](std::string_view s) {
    return i < s.size() ? esadecimale(static_cast<unsigned char>(s[i])) : std::string("the end of the file");
  };
  return ::testing::AssertionFailure() << "first difference at offset " << i << ", " << campo(i) << ": "
                                       << byte_a(ottenuto) << " where " << byte_a(atteso) << " was expected ("
                                       << ottenuto.size() << " bytes, " << atteso.size() << " expected)";
}

struct campo_fisso {
  const char* nome;
  std::size_t byte;
};

// "NAME" or "NAME, byte K of N" for the byte `dentro` of a field of n bytes.
inline std::string nel_campo(const char* nome, std::size_t dentro, std::size_t n) {
  if (n == 1) return nome;
  return std::string(nome) + ", byte " + std::to_string(dentro + 1) + " of " + std::to_string(n);
}

// The track file: 15 bytes a cell, in the order of the cell's fields.
inline std::string campo_tracciato(std::size_t offset) {
  static constexpr campo_fisso campi[] = {{"tipo", 1},     {"valore_1", 2}, {"valore_2", 2}, {"valore_3", 2},
                                          {"valore_4", 2}, {"valore_5", 1}, {"valore_6", 1}, {"montagna", 1},
                                          {"velocita", 1}, {"pendenza", 1}, {"aderenza", 1}};
  std::size_t dentro = offset % 15;
  for (const campo_fisso& c : campi) {
    if (dentro < c.byte) return "cell " + std::to_string(offset / 15) + ", " + nel_campo(c.nome, dentro, c.byte);
    dentro -= c.byte;
  }
  return "?";
}

// The scenario file, walked over the expected bytes (the names' lengths are
// read from them): entry, field and byte.
inline nome_campo campi_stazioni(std::string_view atteso) {
  return [atteso](std::size_t offset) -> std::string {
    static constexpr campo_fisso prima[] = {{"tipo", 1},        {"inizio", 4},  {"fine", 4},
                                            {"progressiva", 4}, {"campo_5", 1}, {"lunghezza di nome", 2}};
    static constexpr campo_fisso dopo[] = {{"campo_7", 2},  {"campo_8", 2},  {"campo_9", 2},  {"campo_10", 2},
                                           {"campo_11", 2}, {"campo_12", 1}, {"campo_13", 1}, {"campo_14", 1},
                                           {"campo_15", 1}, {"orario", 4}};
    std::size_t pos = 0;
    for (int voce = 0; voce < 87; ++voce) {
      const std::string di = "entry " + std::to_string(voce) + ", ";
      for (const campo_fisso& c : prima) {
        if (offset < pos + c.byte) return di + nel_campo(c.nome, offset - pos, c.byte);
        pos += c.byte;
      }
      if (pos > atteso.size()) break;
      const std::size_t nome = static_cast<unsigned char>(atteso[pos - 2]) |
                               static_cast<std::size_t>(static_cast<unsigned char>(atteso[pos - 1])) << 8;
      if (offset < pos + nome) return di + nel_campo("nome", offset - pos, nome);
      pos += nome;
      for (const campo_fisso& c : dopo) {
        if (offset < pos + c.byte) return di + nel_campo(c.nome, offset - pos, c.byte);
        pos += c.byte;
      }
    }
    return "past entry 86";
  };
}

// The plan file, walked over the expected bytes: each value a 16-bit tag and
// its payload (none for 0, 2 bytes for 2, 8 for 5); the first half of the
// values are the first coordinates, metre 0 upward.
inline nome_campo campi_piano(std::string_view atteso) {
  return [atteso](std::size_t offset) -> std::string {
    struct valore {
      std::size_t da, tag_byte, payload;
    };
    std::vector<valore> valori;
    for (std::size_t pos = 0; pos + 2 <= atteso.size();) {
      const unsigned tag = static_cast<unsigned char>(atteso[pos]) |
                           static_cast<unsigned>(static_cast<unsigned char>(atteso[pos + 1])) << 8;
      const std::size_t payload = tag == 2 ? 2 : tag == 5 ? 8 : 0;
      valori.push_back({pos, 2, payload});
      pos += 2 + payload;
    }
    const std::size_t meta = valori.size() / 2;
    for (std::size_t v = 0; v < valori.size(); ++v) {
      const valore& x = valori[v];
      if (offset >= x.da + x.tag_byte + x.payload) continue;
      const std::string dove =
          meta ? "metre " + std::to_string(v % meta) + ", coordinate " + std::to_string(v < meta ? 0 : 1)
               : "value " + std::to_string(v);
      if (offset < x.da + 2) return dove + ", " + nel_campo("tag", offset - x.da, 2);
      return dove + ", " + nel_campo("payload", offset - x.da - 2, x.payload);
    }
    return "past the last value";
  };
}

}  // namespace formati_di_prova
