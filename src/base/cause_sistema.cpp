#include "base/cause_sistema.h"

#include <cerrno>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

struct causa {
  long codice;
  const char* parole;
};

// The causes a user can act on, one row each. Anything else is named by its
// number, which a search finds.
constexpr causa per_errno[] = {
    {ENOENT, "file o cartella inesistente"},
    {EACCES, "permesso negato"},
    {EPERM, "operazione non permessa"},
    {EISDIR, "\xC3\xA8 una cartella"},
    {ENOTDIR, "una parte del percorso non \xC3\xA8 una cartella"},
    {ENOSPC, "disco pieno"},
    {EROFS, "file system in sola lettura"},
    {ENAMETOOLONG, "nome troppo lungo"},
    {EFBIG, "file troppo grande"},
#if defined(EDQUOT)
    {EDQUOT, "spazio concesso sul disco esaurito"},
#endif
    {EBUSY, "file o cartella in uso"},
    {ETXTBSY, "file in uso da un programma in esecuzione"},
    {EIO, "errore di lettura o scrittura del disco"},
    {EMFILE, "troppi file aperti"},
    {ENFILE, "troppi file aperti nel sistema"},
    {EEXIST, "esiste gi\xC3\xA0"},
    {ENOTEMPTY, "la cartella non \xC3\xA8 vuota"},
    {EINVAL, "nome o argomento non valido"},
    {ELOOP, "troppi collegamenti simbolici nel percorso"},
    {EXDEV, "file su dischi diversi"},
    {ENOMEM, "memoria insufficiente"},
    {EAGAIN, "risorsa momentaneamente non disponibile"},
    {EINTR, "operazione interrotta"},
};

#if defined(_WIN32)
constexpr causa per_windows[] = {
    {ERROR_FILE_NOT_FOUND, "file inesistente"},
    {ERROR_PATH_NOT_FOUND, "cartella inesistente"},
    {ERROR_ACCESS_DENIED, "accesso negato (file in sola lettura, cartella o permesso mancante)"},
    {ERROR_SHARING_VIOLATION, "file in uso da un altro programma"},
    {ERROR_LOCK_VIOLATION, "file bloccato da un altro programma"},
    {ERROR_DISK_FULL, "disco pieno"},
    {ERROR_HANDLE_DISK_FULL, "disco pieno"},
    {ERROR_WRITE_PROTECT, "disco protetto dalla scrittura"},
    {ERROR_FILENAME_EXCED_RANGE, "nome troppo lungo"},
    {ERROR_INVALID_NAME, "nome non valido"},
    {ERROR_DIRECTORY, "una parte del percorso non \xC3\xA8 una cartella"},
    {ERROR_DIR_NOT_EMPTY, "la cartella non \xC3\xA8 vuota"},
    {ERROR_ALREADY_EXISTS, "esiste gi\xC3\xA0"},
    {ERROR_FILE_EXISTS, "esiste gi\xC3\xA0"},
    {ERROR_TOO_MANY_OPEN_FILES, "troppi file aperti"},
    {ERROR_NOT_ENOUGH_MEMORY, "memoria insufficiente"},
    {ERROR_OUTOFMEMORY, "memoria insufficiente"},
    {1295, "spazio concesso sul disco esaurito"},  // ERROR_DISK_QUOTA_EXCEEDED
    {ERROR_CRC, "errore di lettura o scrittura del disco"},
    {ERROR_WRITE_FAULT, "errore di scrittura del disco"},
    {ERROR_READ_FAULT, "errore di lettura del disco"},
    {ERROR_NOT_READY, "unit\xC3\xA0 non pronta"},
    {ERROR_BAD_NETPATH, "percorso di rete irraggiungibile"},
};
#endif

template <std::size_t N>
const char* cerca(const causa (&tabella)[N], long codice) {
  for (const causa& c : tabella)
    if (c.codice == codice) return c.parole;
  return nullptr;
}

}  // namespace

std::string causa_errno(int codice) {
  const char* p = cerca(per_errno, codice);
  return p ? p : "errore di sistema " + std::to_string(codice);
}

std::string causa_sistema(unsigned long codice) {
#if defined(_WIN32)
  const char* p = cerca(per_windows, static_cast<long>(codice));
  return p ? p : "errore di sistema " + std::to_string(codice);
#else
  return causa_errno(static_cast<int>(codice));
#endif
}

std::string causa_di(const std::error_code& ec) {
  if (ec.category() == std::generic_category()) return causa_errno(ec.value());
  return causa_sistema(static_cast<unsigned long>(ec.value()));
}
