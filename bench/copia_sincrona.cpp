// The floor of a durable run: copies the files named into the last argument's
// folder, each flushed to the disk with fsync, then
// the folder flushed, as the program's disk folder does with what it writes.
//   copia_sincrona FILE... DIR
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {
// Through one small buffer, as cp does: the page faults of a buffer of the
// file's size would cost more than the copy.
bool copia(const std::string& da, const std::string& a) {
  static char blocco[1 << 17];
  const int in = open(da.c_str(), O_RDONLY);
  if (in < 0) return false;
  const int out = open(a.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  bool ok = out >= 0;
  for (ssize_t n; ok && (n = read(in, blocco, sizeof blocco)) != 0;)
    ok = n > 0 && write(out, blocco, static_cast<std::size_t>(n)) == n;
  close(in);
  ok = ok && fsync(out) == 0;
  return close(out) == 0 && ok;
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
