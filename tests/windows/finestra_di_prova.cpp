// The program's window and message box, held open so that tests/windows/run.sh
// can look at them under Wine: Form1 stays up (its messages handled) until a
// file named "chiudi_finestra" appears in the current folder, or 60 s pass;
// then the box of errore for 1250 waits for its OK, and the program ends.
#include <windows.h>

#include <filesystem>
#include <iostream>

#include "base/errore.h"
#include "driver/finestra.h"
#include "driver/messaggio.h"

int main() {
  mostra_finestra(std::cout);
  const ULONGLONG fine = GetTickCount64() + 60'000;
  std::error_code ec;
  while (GetTickCount64() < fine && !std::filesystem::exists("chiudi_finestra", ec)) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    Sleep(50);
  }
  mostra_messaggio(messaggio_errore("1250"));
  chiudi_finestra();
  return 0;
}
