#if defined(_WIN32)
#include <windows.h>

#include "scenario/comandi/console_utf8.h"

void console_utf8() { SetConsoleOutputCP(CP_UTF8); }
#endif
