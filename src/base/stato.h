#pragma once
#include <cstdint>
#include <exception>
#include <string>
#include <utility>

// The one way a failure travels: what went wrong, which file (when one is at
// fault) and why. A procedure that cannot go on returns a stato or, deep in
// the run's procedures, throws it inside an interruzione.
enum class genere_stato : std::uint8_t {
  ok,
  non_trovato,  // the file does not exist
  file_system,  // the file system refused: folder not writable, disk full...
  lettura,      // a source file cannot be read on (the compiler records 25)
  errore,       // the run ends through errore, " Errore n. " + testo shown
  valore,       // a value does not fit the field of a compact file
};

class stato {
 public:
  stato() = default;
  static stato non_trovato(std::string file) {
    return {genere_stato::non_trovato, std::move(file), "file non trovato"};
  }
  static stato file_system(std::string file, std::string causa) {
    return {genere_stato::file_system, std::move(file), std::move(causa)};
  }
  static stato lettura() { return {genere_stato::lettura, {}, "lettura oltre la fine o valore fuori campo"}; }
  static stato errore(std::string a) { return {genere_stato::errore, {}, std::move(a)}; }
  static stato valore(std::string causa) { return {genere_stato::valore, {}, std::move(causa)}; }

  bool ok() const { return genere_ == genere_stato::ok; }
  genere_stato genere() const { return genere_; }
  // The file at fault, as the user names it; empty when none.
  const std::string& file() const { return file_; }
  // The cause; for errore, the text that follows " Errore n. ".
  const std::string& testo() const { return testo_; }
  // One line for the user: "FILE: cause", or the message of errore.
  std::string messaggio() const;

 private:
  stato(genere_stato g, std::string file, std::string testo)
      : genere_(g), file_(std::move(file)), testo_(std::move(testo)) {}
  genere_stato genere_ = genere_stato::ok;
  std::string file_;
  std::string testo_;
};

// Unwinds the run's procedures to the place that handles the failure: the
// compiler's entry for lettura, the top of the program for the rest. A
// std::exception, so that one that escapes (a test, a command of the tool)
// still says what went wrong; a handler of interruzione must therefore come
// before any handler of std::exception.
struct interruzione : std::exception {
  explicit interruzione(stato st) : s(std::move(st)), messaggio_(s.messaggio()) {}
  const char* what() const noexcept override { return messaggio_.c_str(); }
  stato s;

 private:
  std::string messaggio_;
};
[[noreturn]] void interrompi(stato s);
// Throws the stato inside an interruzione unless it is ok.
inline void verifica(stato s) {
  if (!s.ok()) interrompi(std::move(s));
}
