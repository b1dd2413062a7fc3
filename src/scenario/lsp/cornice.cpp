#include "scenario/lsp/cornice.h"

#include <algorithm>
#include <charconv>

namespace {
bool stesso_nome(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto m = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (m(a[i]) != m(b[i])) return false;
  }
  return true;
}

// Bytes that make no message: a value that does not fit the framing.
cornice_letta guasto(std::string perche) { return {stato::valore(std::move(perche)), {}}; }

std::string_view senza_bianchi(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}
}  // namespace

void lettore_cornici::aggiungi(std::string_view byte) {
  if (da_scartare_ > 0) {
    const std::size_t via = std::min(da_scartare_, byte.size());
    da_scartare_ -= via;
    byte.remove_prefix(via);
  }
  compatta();
  buffer_.append(byte);
}

void lettore_cornici::compatta() {
  if (inizio_ > 0 && (inizio_ == buffer_.size() || inizio_ > (std::size_t{1} << 20))) {
    buffer_.erase(0, inizio_);
    inizio_ = 0;
  }
}

std::optional<cornice_letta> lettore_cornici::prossima() {
  if (da_scartare_ > 0) return std::nullopt;
  const std::string_view resto = std::string_view(buffer_).substr(inizio_);
  const std::size_t fine_intestazione = resto.find("\r\n\r\n");
  if (fine_intestazione == std::string_view::npos) {
    if (resto.size() <= massimo_intestazione) return std::nullopt;
    // No empty line in sight: the bytes are no header; keep only a tail
    // that may begin the next one.
    inizio_ = buffer_.size() - 3;
    compatta();
    return guasto("intestazione del messaggio senza fine entro " + std::to_string(massimo_intestazione) + " byte");
  }
  const std::string_view intestazione = resto.substr(0, fine_intestazione);
  std::size_t lunghezza = 0;
  bool trovata = false, valida = true;
  for (std::size_t da = 0; da <= intestazione.size();) {
    std::size_t a = intestazione.find("\r\n", da);
    if (a == std::string_view::npos) a = intestazione.size();
    const std::string_view riga = intestazione.substr(da, a - da);
    da = a + 2;
    const std::size_t due_punti = riga.find(':');
    if (due_punti == std::string_view::npos) {
      valida = false;
      continue;
    }
    if (!stesso_nome(senza_bianchi(riga.substr(0, due_punti)), "content-length")) continue;
    const std::string_view valore = senza_bianchi(riga.substr(due_punti + 1));
    const auto [p, e] = std::from_chars(valore.data(), valore.data() + valore.size(), lunghezza);
    trovata = e == std::errc() && p == valore.data() + valore.size() && !valore.empty();
    if (!trovata) valida = false;
  }
  const std::size_t inizio_corpo = inizio_ + fine_intestazione + 4;
  if (!valida || !trovata) {
    inizio_ = inizio_corpo;
    compatta();
    return guasto(trovata ? "intestazione del messaggio non valida" : "intestazione senza Content-Length valido");
  }
  if (lunghezza > massimo_) {
    const std::size_t presenti = buffer_.size() - inizio_corpo;
    const std::size_t via = std::min(presenti, lunghezza);
    da_scartare_ = lunghezza - via;
    inizio_ = inizio_corpo + via;
    compatta();
    return guasto("messaggio di " + std::to_string(lunghezza) + " byte, oltre il limite di " +
                  std::to_string(massimo_) + ": scartato");
  }
  if (buffer_.size() - inizio_corpo < lunghezza) return std::nullopt;
  cornice_letta c;
  c.corpo.assign(buffer_, inizio_corpo, lunghezza);
  inizio_ = inizio_corpo + lunghezza;
  compatta();
  return c;
}

void scrivi_cornice(std::ostream& out, std::string_view corpo) {
  out << "Content-Length: " << corpo.size() << "\r\n\r\n" << corpo;
  out.flush();
}
