#if defined(_WIN32)
#include <windows.h>

#include "base/testo_windows.h"
#include "driver/messaggio.h"

void mostra_messaggio(const std::string& testo) {
  // Task-modal: every window of the program waits until OK is pressed.
  MessageBoxW(nullptr, testo_largo(testo).c_str(), testo_largo(titolo_programma).c_str(),
              MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
}
#endif
