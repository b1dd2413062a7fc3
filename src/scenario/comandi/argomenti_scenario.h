#pragma once
#include <span>
#include <string>
#include <vector>

// The words of a command that takes DIR ROUTE TRAIN and options: flags
// (no value) and options with a value, "--" ending the options.
struct argomenti_comando {
  std::vector<std::string> posizionali;
  std::vector<std::string> flag;
  std::vector<std::pair<std::string, std::string>> valori;
  bool aiuto = false;
  bool ha_flag(const std::string& nome) const;
  const std::string* valore(const std::string& nome) const;
};

// "" when the words fit (unknown options, a missing value, a bad DIR, ROUTE
// or TRAIN are refused), else the fault.
std::string leggi_argomenti(std::span<const std::string> parole, const std::vector<std::string>& flag_ammessi,
                            const std::vector<std::string>& opzioni_con_valore, argomenti_comando& a);
