#if defined(_WIN32)
// windows.h first: shellapi.h needs what it defines.
#include <windows.h>
// (a block of its own, so that sorting the includes keeps the order)
#include <shellapi.h>

#include "base/testo_windows.h"
#include "scenario/comandi/riga_comando.h"

std::vector<std::string> parole_riga_comando(int argc, char** argv) {
  int n = 0;
  LPWSTR* larghe = CommandLineToArgvW(GetCommandLineW(), &n);
  if (!larghe) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
  std::vector<std::string> parole;
  for (int k = 1; k < n; ++k) parole.push_back(testo_utf8(larghe[k]));
  LocalFree(larghe);
  return parole;
}
#endif
