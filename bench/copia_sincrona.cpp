// The floor of a durable run: copies the files named into the last argument's
// folder, each written in one call and flushed to the disk with fsync, then
// the folder flushed, as the program's disk folder does with what it writes.
//   copia_sincrona FILE... DIR
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
bool copia(const std::string& da, const std::string& a) {
  const int in = open(da.c_str(), O_RDONLY);
  if (in < 0) return false;
  struct stat info {};
  fstat(in, &info);
  std::vector<char> byte(static_cast<std::size_t>(info.st_size));
  const bool letto = read(in, byte.data(), byte.size()) == static_cast<ssize_t>(byte.size());
  close(in);
  const int out = open(a.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (!letto || out < 0) return false;
  const bool scritto = write(out, byte.data(), byte.size()) == static_cast<ssize_t>(byte.size()) && fsync(out) == 0;
  return close(out) == 0 && scritto;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 64;
  const std::string cartella = argv[argc - 1];
  for (int k = 1; k < argc - 1; ++k) {
    std::string nome = argv[k];
    nome = nome.substr(nome.find_last_of('/') + 1);
    if (!copia(argv[k], cartella + "/" + nome)) {
      std::perror(argv[k]);
      return 1;
    }
  }
  const int dir = open(cartella.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir < 0 || fsync(dir) != 0) return 1;
  close(dir);
  return 0;
}
