// For the tests under Wine: runs a console program in a console of its own
// and writes what that console shows, line by line, to a file in UTF-8. The
// screen is read back as UTF-16 from the console itself, so an accent shows
// right only if the program wrote it right.
//   leggi_console.exe FILE PROGRAM [ARGUMENTS...]
#include <windows.h>

#include <string>

#include "base/testo_windows.h"

namespace {

std::wstring citato(const std::wstring& s) { return L"\"" + s + L"\""; }

}  // namespace

int main() {
  int n = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &n);
  if (!argv || n < 3) return 64;
  FreeConsole();
  if (!AllocConsole()) return 2;
  SetConsoleTitleW(L"console di prova");
  std::wstring riga = citato(argv[2]);
  for (int i = 3; i < n; ++i) riga += L" " + citato(argv[i]);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, riga.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 2;
  WaitForSingleObject(pi.hProcess, 60000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);

  const HANDLE schermo = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(schermo, &info)) return 2;
  std::string testo;
  for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
    std::wstring w(static_cast<std::size_t>(info.dwSize.X), L' ');
    DWORD letti = 0;
    ReadConsoleOutputCharacterW(schermo, w.data(), static_cast<DWORD>(w.size()), COORD{0, y}, &letti);
    w.resize(letti);
    while (!w.empty() && w.back() == L' ') w.pop_back();
    testo += testo_utf8(w) + "\n";
  }
  const HANDLE file = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD scritti = 0;
  WriteFile(file, testo.data(), static_cast<DWORD>(testo.size()), &scritti, nullptr);
  CloseHandle(file);
  // The console stays on screen a moment for the screenshot of the test.
  Sleep(3000);
  return 0;
}
