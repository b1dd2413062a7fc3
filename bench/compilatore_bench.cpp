// Speed of the compiler's hot loops: the embedded scenario end to end in memory, the
// item reader on growing inputs (its time must grow linearly with the size of
// the file), the walk of the plan and the encoding of the plan file.
#include <benchmark/benchmark.h>

#include "base/cartella.h"
#include "compiler/lettore_voci.h"
#include "compiler/piano_linea.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "model/form1.h"
#include "output/formati/file_piano.h"
#include "output/memorizza_percorso.h"

namespace {

void BM_ScenarioIncorporato(benchmark::State& state) {
  const std::int32_t j = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    // In memory: the compiler's own work, without the disk.
    cartella_memoria cartella;
    Form1 f;
    f.cartella = &cartella;
    f.nome_percorso = "Velstra_Ordoven";
    f.numero_treno = "318";
    dati_linea(f);
    dati_treno(f);
    memorizza_percorso(f, j);
    benchmark::DoNotOptimize(f.numero_errore);
  }
}
BENCHMARK(BM_ScenarioIncorporato)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LetturaVoci(benchmark::State& state) {
  const std::string riga = "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0\r\n";
  std::string testo;
  while (testo.size() < static_cast<std::size_t>(state.range(0))) testo += riga;
  for (auto _ : state) {
    lettore_voci in;
    apri_lettore_da_testo(testo, in);
    std::int64_t somma = 0;
    while (!fine_file(in)) {
      leggi_voce(in);
      for (int k = 0; k < 11; ++k) somma += leggi_numero(in);
    }
    benchmark::DoNotOptimize(somma);
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_LetturaVoci)->RangeMultiplier(4)->Range(1 << 16, 1 << 24)->Complexity(benchmark::oN);

// A plan of the given extended length: seeded, one curve, then extended.
void costruisci_piano(Form1& f, std::int32_t lunghezza_estesa) {
  f.lunghezza_estesa = lunghezza_estesa;
  f.planimetria.crea(lunghezza_estesa);
  std::int32_t cursore = 0;
  semina_piano(f, cursore);
  aggiungi_curva(f, cursore, 1000, 300, "curvad6");
  estendi_piano(f, cursore);
}

// The walk, one point per metre, into a fresh table each time (the table's
// pages are part of the cost, as in a run).
void BM_CamminoPiano(benchmark::State& state) {
  const auto lunghezza_estesa = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    Form1 f;
    costruisci_piano(f, lunghezza_estesa);
    benchmark::DoNotOptimize(f.planimetria.caselle().data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CamminoPiano)
    ->Arg(107000)
    ->Arg(307000)
    ->Arg(1007000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The plan file's bytes from a finished plan, copied into a block of their own.
void BM_CodificaPiano(benchmark::State& state) {
  Form1 f;
  costruisci_piano(f, static_cast<std::int32_t>(state.range(0)));
  std::size_t byte = 0;
  for (auto _ : state) {
    const blocco_byte file = codifica_piano(f.planimetria);
    byte = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * byte));
}
BENCHMARK(BM_CodificaPiano)->Arg(307000)->Arg(1007000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
