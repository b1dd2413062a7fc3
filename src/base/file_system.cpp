#include "base/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

void sostituisci_file(const std::filesystem::path& file, std::string_view byte) {
  std::filesystem::path temporaneo = file;
  temporaneo += ".tmp~";
  std::FILE* f = std::fopen(temporaneo.c_str(), "wb");
  if (!f) throw errore_file_system(file, std::string("cannot create: ") + std::strerror(errno));
  // No stream buffer: the bytes go to the system in one write, not copied first.
  std::setvbuf(f, nullptr, _IONBF, 0);
  std::size_t scritti = byte.empty() ? 0 : std::fwrite(byte.data(), 1, byte.size(), f);
  int errore_scrittura = scritti == byte.size() ? 0 : errno;
  if (std::fflush(f) != 0 && errore_scrittura == 0) errore_scrittura = errno ? errno : EIO;
  if (std::fclose(f) != 0 && errore_scrittura == 0) errore_scrittura = errno ? errno : EIO;
  if (errore_scrittura != 0) {
    std::error_code ignora;
    std::filesystem::remove(temporaneo, ignora);
    throw errore_file_system(file, std::string("cannot write: ") + std::strerror(errore_scrittura));
  }
  std::error_code ec;
  std::filesystem::rename(temporaneo, file, ec);
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
