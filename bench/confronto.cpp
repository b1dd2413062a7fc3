// Times whole commands side by side: every round runs each case once, in the
// same order, so a drift of the machine's speed touches all of them alike.
// Each case is prepared (untimed, through /bin/sh) and then started directly,
// without a shell; the child's wall time comes from the monotonic clock and its
// peak memory from the kernel's accounting of the finished process (wait4).
//
// usage: velstra_confronto CASES_FILE ROUNDS
// CASES_FILE: one case a line, five fields separated by tabs:
//   name  reference  bytes_written  preparation  command
// reference is the name of an earlier case the ratio is taken against ("-"
// for none); bytes_written is what the command leaves on disk, for the
// memory column; command is split on blanks (no quoting).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct caso {
  std::string nome;
  std::string riferimento;
  double byte_scritti = 0;
  std::string preparazione;
  std::vector<std::string> comando;
  std::vector<double> secondi;
  std::vector<double> picco_kb;
  std::vector<double> rapporti;  // pair by pair against the reference
};

std::vector<std::string> campi(const std::string& riga, char separatore) {
  std::vector<std::string> out;
  std::string pezzo;
  std::istringstream in(riga);
  while (std::getline(in, pezzo, separatore)) out.push_back(pezzo);
  return out;
}

std::vector<std::string> parole(const std::string& testo) {
  std::vector<std::string> out;
  std::istringstream in(testo);
  std::string p;
  while (in >> p) out.push_back(p);
  return out;
}

[[noreturn]] void fallisci(const std::string& perche) {
  std::cerr << "velstra_confronto: " << perche << '\n';
  std::exit(1);
}

void prepara(const caso& c) {
  if (c.preparazione.empty() || c.preparazione == "-") return;
  if (std::system(c.preparazione.c_str()) != 0) fallisci(c.nome + ": preparation failed: " + c.preparazione);
}

// One timed run: wall seconds and peak resident memory in KiB.
std::pair<double, double> esegui(const caso& c) {
  std::vector<char*> argv;
  for (const std::string& a : c.comando) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto inizio = std::chrono::steady_clock::now();
  const pid_t figlio = fork();
  if (figlio < 0) fallisci("fork failed");
  if (figlio == 0) {
    const int nulla = open("/dev/null", O_WRONLY);
    if (nulla >= 0) {
      dup2(nulla, 1);
      dup2(nulla, 2);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  int stato = 0;
  rusage uso{};
  if (wait4(figlio, &stato, 0, &uso) != figlio) fallisci("wait4 failed");
  const auto fine = std::chrono::steady_clock::now();
  if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
    fallisci(c.nome + ": command failed (status " + std::to_string(stato) + "): " + c.comando[0]);
  return {std::chrono::duration<double>(fine - inizio).count(), static_cast<double>(uso.ru_maxrss)};
}

double mediana(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) fallisci("usage: velstra_confronto CASES_FILE ROUNDS");
  const int giri = std::atoi(argv[2]);
  if (giri < 1) fallisci("ROUNDS must be at least 1");

  std::vector<caso> casi;
  std::map<std::string, std::size_t> indice;
  std::ifstream file(argv[1]);
  if (!file) fallisci(std::string("cannot read ") + argv[1]);
  for (std::string riga; std::getline(file, riga);) {
    if (riga.empty() || riga[0] == '#') continue;
    const auto f = campi(riga, '\t');
    if (f.size() != 5) fallisci("a case needs 5 tab-separated fields: " + riga);
    caso c{f[0], f[1], std::atof(f[2].c_str()), f[3], parole(f[4]), {}, {}, {}};
    if (c.comando.empty()) fallisci(c.nome + ": empty command");
    if (c.riferimento != "-" && !indice.count(c.riferimento)) fallisci(c.nome + ": unknown reference " + c.riferimento);
    indice[c.nome] = casi.size();
    casi.push_back(std::move(c));
  }

  // One warm-up round, not counted, then the counted rounds.
  for (int giro = 0; giro <= giri; ++giro) {
    std::vector<double> tempo(casi.size());
    for (std::size_t k = 0; k < casi.size(); ++k) {
      prepara(casi[k]);
      const auto [secondi, picco] = esegui(casi[k]);
      tempo[k] = secondi;
      if (giro == 0) continue;
      casi[k].secondi.push_back(secondi);
      casi[k].picco_kb.push_back(picco);
    }
    if (giro == 0) continue;
    for (caso& c : casi)
      if (c.riferimento != "-") c.rapporti.push_back(tempo[static_cast<std::size_t>(&c - casi.data())] /
                                                     tempo[indice[c.riferimento]]);
  }

  std::printf("%d interleaved rounds after one warm-up; medians; ratio = median of the round-by-round ratios\n\n",
              giri);
  std::printf("%-26s %10s %10s %-18s %10s %10s %12s\n", "case", "time ms", "min-max", "ratio", "peak MB",
              "written MB", "peak/written");
  for (const caso& c : casi) {
    const auto [mi, ma] = std::minmax_element(c.secondi.begin(), c.secondi.end());
    char intervallo[40];
    std::snprintf(intervallo, sizeof intervallo, "%.1f-%.1f", *mi * 1e3, *ma * 1e3);
    char rapporto[40] = "";
    if (c.riferimento != "-")
      std::snprintf(rapporto, sizeof rapporto, "%.2fx %s", mediana(c.rapporti), c.riferimento.c_str());
    const double picco_mb = mediana(c.picco_kb) * 1024 / 1e6;
    const double scritti_mb = c.byte_scritti / 1e6;
    std::printf("%-26s %10.2f %10s %-18s %10.1f %10.2f %12.2f\n", c.nome.c_str(), mediana(c.secondi) * 1e3,
                intervallo, rapporto, picco_mb, scritti_mb, scritti_mb > 0 ? picco_mb / scritti_mb : 0.0);
  }
  return 0;
}
