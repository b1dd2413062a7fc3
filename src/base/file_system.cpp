#include "base/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "base/sostituzione.h"

void sostituisci_file(const std::filesystem::path& file, std::string_view byte) {
  std::filesystem::path temporaneo = file;
  temporaneo += ".tmp~";
  std::FILE* f = apri_in_scrittura(temporaneo);
  if (!f) throw errore_file_system(file, std::string("cannot create: ") + std::strerror(errno));
  std::size_t scritti = byte.empty() ? 0 : std::fwrite(byte.data(), 1, byte.size(), f);
  int errore_scrittura = scritti == byte.size() ? 0 : errno;
  if (std::fflush(f) != 0 && errore_scrittura == 0) errore_scrittura = errno ? errno : EIO;
  if (std::fclose(f) != 0 && errore_scrittura == 0) errore_scrittura = errno ? errno : EIO;
  if (errore_scrittura != 0) {
    std::error_code ignora;
    std::filesystem::remove(temporaneo, ignora);
    throw errore_file_system(file, std::string("cannot write: ") + std::strerror(errore_scrittura));
  }
  const std::error_code ec = sposta_al_posto(temporaneo, file);
  if (ec) {
    std::error_code ignora;
    std::filesystem::remove(temporaneo, ignora);
    throw errore_file_system(file, "cannot replace: " + ec.message());
  }
}

void elimina_file(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
  if (ec) throw errore_file_system(file, "cannot delete: " + ec.message());
}
