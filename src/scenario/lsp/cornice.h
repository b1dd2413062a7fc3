#pragma once
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "base/stato.h"

// The framing of the language server's messages on a byte stream: a header of
// lines "Name: value" closed by CR LF, an empty line, then Content-Length
// bytes of JSON. The reader is fed whatever bytes arrive and hands out whole
// bodies; a header it cannot read or a body over the cap is reported, its
// bytes dropped, and the reader goes on with the next header.

// One frame read: its body, or, when s is not ok, why its bytes make no
// message (Italian, in s.testo()).
struct cornice_letta {
  stato s;
  std::string corpo;
};

inline constexpr std::size_t massimo_corpo = std::size_t{64} << 20;  // 64 MiB: a 1000000 m line is about 4 MiB
inline constexpr std::size_t massimo_intestazione = 8192;            // bytes before the empty line

class lettore_cornici {
 public:
  explicit lettore_cornici(std::size_t massimo = massimo_corpo) : massimo_(massimo) {}

  // Bytes as they come from the stream.
  void aggiungi(std::string_view byte);

  // The next frame; nullopt while more bytes are needed. A body over the cap
  // is read past without being kept.
  std::optional<cornice_letta> prossima();

  // Bytes held that do not yet make a message.
  std::size_t in_attesa() const { return buffer_.size() - inizio_; }

 private:
  void compatta();
  std::string buffer_;
  std::size_t inizio_ = 0;
  std::size_t da_scartare_ = 0;  // bytes of a refused body still to come
  std::size_t massimo_;
};

// One message with its header.
void scrivi_cornice(std::ostream& out, std::string_view corpo);
