#if !defined(_WIN32)
#include "scenario/comandi/console_utf8.h"

void console_utf8() {}
#endif
