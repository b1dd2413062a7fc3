// Tells what a top-level window of the running programs holds, as the test
// script under Wine sees no text inside windows: ispeziona_finestra TITLE
// prints "client W H", then one line per control: visible or hidden, class,
// icon or text, its text (UTF-8), its place and size in the client area.
// Exit status 1 when no window has that title.
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/testo_windows.h"

namespace {

std::wstring testo_di(HWND w) {
  std::wstring t(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
  t.resize(static_cast<std::size_t>(GetWindowTextW(w, t.data(), static_cast<int>(t.size()))));
  return t;
}

BOOL CALLBACK stampa_controllo(HWND w, LPARAM) {
  wchar_t classe[64] = L"";
  GetClassNameW(w, classe, 64);
  const LONG_PTR stile = GetWindowLongPtrW(w, GWL_STYLE);
  // An icon control without an icon shows nothing.
  const bool icona =
      lstrcmpiW(classe, L"Static") == 0 && (stile & SS_TYPEMASK) == SS_ICON && SendMessageW(w, STM_GETICON, 0, 0) != 0;
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  std::printf("control %s %s %s \"%s\" at %ld %ld size %ld %ld\n", IsWindowVisible(w) ? "visible" : "hidden",
              testo_utf8(classe).c_str(), icona ? "icon" : "text", testo_utf8(testo_di(w)).c_str(), r.left, r.top,
              r.right - r.left, r.bottom - r.top);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ispeziona_finestra TITLE\n");
    return 64;
  }
  HWND w = FindWindowW(nullptr, testo_largo(argv[1]).c_str());
  if (!w) return 1;
  RECT r{};
  GetClientRect(w, &r);
  std::printf("client %ld %ld\n", r.right - r.left, r.bottom - r.top);
  EnumChildWindows(w, stampa_controllo, 0);
  return 0;
}
