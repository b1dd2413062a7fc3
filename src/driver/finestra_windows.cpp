#if defined(_WIN32)
#include <windows.h>

#include "driver/finestra.h"

namespace {

// Form1 and Label1, in twips (1440 to the inch).
constexpr int form1_larghezza = 4200, form1_altezza = 2688;
constexpr int label1_sinistra = 960, label1_alto = 960, label1_larghezza = 2652, label1_altezza = 792;
constexpr int label1_punti = 24;  // bold, "MS Sans Serif" or the nearest font the system has

constexpr wchar_t classe_form1[] = L"Velstra_Form1";

HWND form1 = nullptr;
HFONT carattere_label1 = nullptr;

struct punti_per_pollice {
  int x = 96, y = 96;
};

punti_per_pollice dpi_schermo() {
  punti_per_pollice d;
  if (HDC schermo = GetDC(nullptr)) {
    d.x = GetDeviceCaps(schermo, LOGPIXELSX);
    d.y = GetDeviceCaps(schermo, LOGPIXELSY);
    ReleaseDC(nullptr, schermo);
  }
  return d;
}

int pixel(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

bool registra_classe(HINSTANCE istanza) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = DefWindowProcW;  // no event of its own after the start
  c.hInstance = istanza;
  c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = classe_form1;
  return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

void mostra_finestra(std::ostream&) {
  if (form1) return;
  // Sizes follow the screen's dpi through the twips above, so the system
  // need not stretch the window's pixels (blurred text) on a denser screen.
  SetProcessDPIAware();
  HINSTANCE istanza = GetModuleHandleW(nullptr);
  if (!registra_classe(istanza)) return;  // the run goes on without its window
  const punti_per_pollice dpi = dpi_schermo();

  // The client area is what has the size of Form1: the frame comes on top.
  const DWORD stile = WS_OVERLAPPEDWINDOW;
  RECT r{0, 0, pixel(form1_larghezza, dpi.x), pixel(form1_altezza, dpi.y)};
  AdjustWindowRectEx(&r, stile, FALSE, 0);
  form1 = CreateWindowExW(0, classe_form1, L"Form1", stile, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                          r.bottom - r.top, nullptr, nullptr, istanza, nullptr);
  if (!form1) return;

  HWND label1 =
      CreateWindowExW(0, L"STATIC", L"Attendere", WS_CHILD | WS_VISIBLE | SS_LEFT, pixel(label1_sinistra, dpi.x),
                      pixel(label1_alto, dpi.y), pixel(label1_larghezza, dpi.x), pixel(label1_altezza, dpi.y), form1,
                      nullptr, istanza, nullptr);
  carattere_label1 =
      CreateFontW(-MulDiv(label1_punti, dpi.y, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
  if (label1 && carattere_label1) SendMessageW(label1, WM_SETFONT, reinterpret_cast<WPARAM>(carattere_label1), FALSE);

  ShowWindow(form1, SW_SHOWNORMAL);
  UpdateWindow(form1);  // painted now, with its label: nothing repaints it later
}

void chiudi_finestra() {
  if (form1) DestroyWindow(form1);
  form1 = nullptr;
  if (carattere_label1) DeleteObject(carattere_label1);
  carattere_label1 = nullptr;
}
#endif
