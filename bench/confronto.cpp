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
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
  std::vector<double> cpu;  // user + system seconds
  std::vector<double> picco_kb;
  std::vector<double> rapporti;      // pair by pair against the reference
  std::vector<double> rapporti_cpu;  // the same for the processor time
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

struct misura {
  double secondi;
  double cpu;
  double picco_kb;
};

double in_secondi(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// One timed run: wall seconds, processor seconds and peak resident memory in KiB.
misura esegui(const caso& c) {
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
  return {std::chrono::duration<double>(fine - inizio).count(), in_secondi(uso.ru_utime) + in_secondi(uso.ru_stime),
          static_cast<double>(uso.ru_maxrss)};
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
    caso c;
    c.nome = f[0];
    c.riferimento = f[1];
    c.byte_scritti = std::atof(f[2].c_str());
    c.preparazione = f[3];
    c.comando = parole(f[4]);
    if (c.comando.empty()) fallisci(c.nome + ": empty command");
    if (c.riferimento != "-" && !indice.count(c.riferimento)) fallisci(c.nome + ": unknown reference " + c.riferimento);
    indice[c.nome] = casi.size();
    casi.push_back(std::move(c));
  }

  // One warm-up round, not counted, then the counted rounds.
  for (int giro = 0; giro <= giri; ++giro) {
    std::vector<misura> m(casi.size());
    for (std::size_t k = 0; k < casi.size(); ++k) {
      prepara(casi[k]);
      m[k] = esegui(casi[k]);
    }
    if (giro == 0) continue;
    for (std::size_t k = 0; k < casi.size(); ++k) {
      caso& c = casi[k];
      c.secondi.push_back(m[k].secondi);
      c.cpu.push_back(m[k].cpu);
      c.picco_kb.push_back(m[k].picco_kb);
      if (c.riferimento == "-") continue;
      const misura& r = m[indice[c.riferimento]];
      c.rapporti.push_back(m[k].secondi / r.secondi);
      c.rapporti_cpu.push_back(r.cpu > 0 ? m[k].cpu / r.cpu : 0);
    }
  }

  std::printf(
      "%d interleaved rounds after one warm-up; medians; a ratio is the median of the round-by-round\n"
      "ratios to the case it names; cpu = user + system time of the process; peak = its max RSS\n\n",
      giri);
  std::printf("%-18s %8s %12s %7s %8s %7s %-12s %7s %10s %6s\n", "case", "wall ms", "min-max", "ratio", "cpu ms",
              "ratio", "", "peak MB", "written MB", "peak/w");
  for (const caso& c : casi) {
    const auto [mi, ma] = std::minmax_element(c.secondi.begin(), c.secondi.end());
    char intervallo[40];
    std::snprintf(intervallo, sizeof intervallo, "%.1f-%.1f", *mi * 1e3, *ma * 1e3);
    char rapporto[16] = "", rapporto_cpu[16] = "";
    if (c.riferimento != "-") {
      std::snprintf(rapporto, sizeof rapporto, "%.2fx", mediana(c.rapporti));
      std::snprintf(rapporto_cpu, sizeof rapporto_cpu, "%.2fx", mediana(c.rapporti_cpu));
    }
    const std::string di = c.riferimento == "-" ? "" : "of " + c.riferimento;
    const double picco_mb = mediana(c.picco_kb) * 1024 / 1e6;
    const double scritti_mb = c.byte_scritti / 1e6;
    std::printf("%-18s %8.2f %12s %7s %8.2f %7s %-12s %7.1f %10.2f %6.2f\n", c.nome.c_str(), mediana(c.secondi) * 1e3,
                intervallo, rapporto, mediana(c.cpu) * 1e3, rapporto_cpu, di.c_str(), picco_mb, scritti_mb,
                scritti_mb > 0 ? picco_mb / scritti_mb : 0.0);
  }
  return 0;
}
