#if defined(_WIN32)
#include <windows.h>

#include "base/cartella.h"
#include "base/cause_sistema.h"
#include "base/file_disco.h"

namespace {
stato guasto(const std::filesystem::path& file, const char* azione, DWORD codice) {
  return stato::file_system(testo_utf8(file), std::string(azione) + ": " + causa_sistema(codice));
}

struct maniglia {
  HANDLE h;
  ~maniglia() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  bool chiudi() {
    const BOOL r = CloseHandle(h);
    h = INVALID_HANDLE_VALUE;
    return r != 0;
  }
};
}  // namespace

stato leggi_file_disco(const std::filesystem::path& file, std::string& contenuto) {
  maniglia m{CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (m.h == INVALID_HANDLE_VALUE) {
    const DWORD codice = GetLastError();
    if (codice == ERROR_FILE_NOT_FOUND || codice == ERROR_PATH_NOT_FOUND || codice == ERROR_ACCESS_DENIED) {
      const DWORD attributi = GetFileAttributesW(file.c_str());
      if (attributi == INVALID_FILE_ATTRIBUTES || (attributi & FILE_ATTRIBUTE_DIRECTORY))
        return stato::non_trovato(testo_utf8(file));
    }
    return guasto(file, "impossibile aprire", codice);
  }
  contenuto.clear();
  char blocco[1 << 16];
  for (;;) {
    DWORD letti = 0;
    if (!ReadFile(m.h, blocco, sizeof blocco, &letti, nullptr))
      return guasto(file, "impossibile leggere", GetLastError());
    if (letti == 0) break;
    contenuto.append(blocco, letti);
  }
  return {};
}

stato leggi_coda_file_disco(const std::filesystem::path& file, std::uint64_t n, std::string& contenuto) {
  maniglia m{CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (m.h == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND) return stato::non_trovato(testo_utf8(file));
    return guasto(file, "impossibile aprire", e);
  }
  LARGE_INTEGER dimensione{};
  if (!GetFileSizeEx(m.h, &dimensione)) return guasto(file, "impossibile leggere", GetLastError());
  const std::uint64_t totale = static_cast<std::uint64_t>(dimensione.QuadPart);
  const std::uint64_t quanti = n < totale ? n : totale;
  LARGE_INTEGER inizio{};
  inizio.QuadPart = static_cast<LONGLONG>(totale - quanti);
  if (!SetFilePointerEx(m.h, inizio, nullptr, FILE_BEGIN)) return guasto(file, "impossibile leggere", GetLastError());
  contenuto.resize(static_cast<std::size_t>(quanti));
  std::size_t letti = 0;
  while (letti < contenuto.size()) {
    const std::size_t resto = contenuto.size() - letti;
    const DWORD parte = resto > (1u << 30) ? (1u << 30) : static_cast<DWORD>(resto);
    DWORD r = 0;
    if (!ReadFile(m.h, contenuto.data() + letti, parte, &r, nullptr))
      return guasto(file, "impossibile leggere", GetLastError());
    if (r == 0) break;
    letti += r;
  }
  contenuto.resize(letti);
  return {};
}

stato sostituisci_file_disco(const std::filesystem::path& file, std::string_view contenuto) {
  std::filesystem::path temporaneo = file;
  temporaneo += coda_temporanea;
  maniglia m{CreateFileW(temporaneo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (m.h == INVALID_HANDLE_VALUE) return guasto(file, "impossibile creare", GetLastError());
  DWORD codice = 0;
  while (!contenuto.empty() && codice == 0) {
    const DWORD parte = contenuto.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(contenuto.size());
    DWORD scritti = 0;
    if (!WriteFile(m.h, contenuto.data(), parte, &scritti, nullptr) || scritti == 0)
      codice = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    contenuto.remove_prefix(scritti);
  }
  if (codice == 0 && !FlushFileBuffers(m.h)) codice = GetLastError();
  if (!m.chiudi() && codice == 0) codice = GetLastError();
  if (codice != 0) {
    DeleteFileW(temporaneo.c_str());
    return guasto(file, "impossibile scrivere", codice);
  }
  if (!MoveFileExW(temporaneo.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    codice = GetLastError();
    DeleteFileW(temporaneo.c_str());
    return guasto(file, "impossibile sostituire", codice);
  }
  return {};
}
#endif
