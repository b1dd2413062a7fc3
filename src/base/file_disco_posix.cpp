#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/cartella.h"
#include "base/cause_sistema.h"
#include "base/file_disco.h"

namespace {
stato guasto(const std::filesystem::path& file, const char* azione, int codice) {
  return stato::file_system(testo_utf8(file), std::string(azione) + ": " + causa_errno(codice));
}

// A descriptor closed on every way out.
struct descrittore {
  int fd;
  ~descrittore() {
    if (fd >= 0) ::close(fd);
  }
  int chiudi() {
    const int r = ::close(fd);
    fd = -1;
    return r;
  }
};

bool scrivi_tutto(int fd, std::string_view byte, int& codice) {
  while (!byte.empty()) {
    const ssize_t n = ::write(fd, byte.data(), byte.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      codice = n < 0 ? errno : EIO;
      return false;
    }
    byte.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}
}  // namespace

stato leggi_file_disco(const std::filesystem::path& file, std::string& byte) {
  descrittore d{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
  if (d.fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return stato::non_trovato(testo_utf8(file));
    return guasto(file, "impossibile aprire", errno);
  }
  struct stat info {};
  if (::fstat(d.fd, &info) != 0) return guasto(file, "impossibile leggere", errno);
  if (!S_ISREG(info.st_mode)) return stato::non_trovato(testo_utf8(file));
  byte.resize(static_cast<std::size_t>(info.st_size));
  std::size_t letti = 0;
  while (letti < byte.size()) {
    const ssize_t n = ::read(d.fd, byte.data() + letti, byte.size() - letti);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return guasto(file, "impossibile leggere", errno);
    if (n == 0) break;  // the file shrank meanwhile
    letti += static_cast<std::size_t>(n);
  }
  byte.resize(letti);
  // A file that grew meanwhile is read to its end.
  char coda[65536];
  for (;;) {
    const ssize_t n = ::read(d.fd, coda, sizeof coda);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return guasto(file, "impossibile leggere", errno);
    if (n == 0) break;
    byte.append(coda, static_cast<std::size_t>(n));
  }
  return {};
}

stato leggi_coda_file_disco(const std::filesystem::path& file, std::uint64_t n, std::string& byte) {
  descrittore d{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
  if (d.fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return stato::non_trovato(testo_utf8(file));
    return guasto(file, "impossibile aprire", errno);
  }
  struct stat info {};
  if (::fstat(d.fd, &info) != 0) return guasto(file, "impossibile leggere", errno);
  if (!S_ISREG(info.st_mode)) return stato::non_trovato(testo_utf8(file));
  const std::uint64_t dimensione = static_cast<std::uint64_t>(info.st_size);
  const std::uint64_t quanti = n < dimensione ? n : dimensione;
  byte.resize(static_cast<std::size_t>(quanti));
  std::size_t letti = 0;
  while (letti < byte.size()) {
    const ssize_t r =
        ::pread(d.fd, byte.data() + letti, byte.size() - letti, static_cast<off_t>(dimensione - quanti + letti));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return guasto(file, "impossibile leggere", errno);
    if (r == 0) break;
    letti += static_cast<std::size_t>(r);
  }
  byte.resize(letti);
  return {};
}

stato sostituisci_file_disco(const std::filesystem::path& file, std::string_view byte) {
  std::filesystem::path temporaneo = file;
  temporaneo += coda_temporanea;
  descrittore d{::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)};
  if (d.fd < 0) return guasto(file, "impossibile creare", errno);
  int codice = 0;
  bool scritto = scrivi_tutto(d.fd, byte, codice);
  if (scritto && ::fsync(d.fd) != 0) scritto = false, codice = errno;
  if (d.chiudi() != 0 && scritto) scritto = false, codice = errno;
  if (!scritto) {
    ::unlink(temporaneo.c_str());
    return guasto(file, "impossibile scrivere", codice);
  }
  if (::rename(temporaneo.c_str(), file.c_str()) != 0) {
    codice = errno;
    ::unlink(temporaneo.c_str());
    return guasto(file, "impossibile sostituire", codice);
  }
  // The new name lasts only once the folder itself reaches the disk.
  std::filesystem::path cartella = file.parent_path();
  if (cartella.empty()) cartella = ".";
  descrittore dir{::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (dir.fd >= 0) ::fsync(dir.fd);
  return {};
}
#endif
