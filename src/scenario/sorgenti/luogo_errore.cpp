#include "scenario/sorgenti/luogo_errore.h"

#include <cstdint>
#include <string>

#include "base/catalogo_errori.h"
#include "compiler/memo_rallentamento.h"
#include "model/misure.h"

namespace {
// The record the reader began at a keyword's offset (the first, when one
// keyword begins two), nullptr when the walk has none there.
const record_struttura* record_di(const struttura_sorgente& s, std::size_t offset_chiave) {
  const auto r = std::lower_bound(s.record.begin(), s.record.end(), offset_chiave,
                                  [](const record_struttura& x, std::size_t o) { return x.inizio < o; });
  return r != s.record.end() && r->inizio == offset_chiave ? &*r : nullptr;
}
}  // namespace

const voce_record* campo_di(const struttura_sorgente& s, std::size_t offset_chiave, int n) {
  const record_struttura* r = record_di(s, offset_chiave);
  if (!r || n < 1 || static_cast<std::size_t>(n) > r->campi.size()) return nullptr;
  return &r->campi[static_cast<std::size_t>(n - 1)];
}

// 11 names a signal in the 20 cells before a slowdown's warning sign, 12 the
// slowdown's start cell, 13 a cell inside the slowdown or after its end. The
// record is the slowdown of the train file whose cells fit: for 11 the
// nearest warning after the signal, for 12 the start on that cell, for 13 the
// last start at or before it.
std::size_t rallentamento_di(const Form1& f, const struttura_sorgente& treno) {
  const std::int64_t cella = f.progressiva_errore / metri_cella;
  std::size_t trovato = std::string::npos;
  std::int64_t migliore = 0;
  per_ogni_record(treno, {genere_record::rallentamento}, [&](const record_struttura& r) {
    if (r.campi.empty()) return;
    const std::int32_t p = r.campi[0].numero;
    const celle_rallentamento celle = celle_di_rallentamento(p, 0);
    std::int64_t chiave = 0;  // the lower, the better
    switch (f.numero_errore) {
      case err_codice_davanti_segnale:
        if (!con_avviso(p) || celle.avviso <= cella || celle.avviso > cella + 20) return;
        chiave = celle.avviso;
        break;
      case err_codice_prima_rallentamento:
        if (celle.inizio != cella) return;
        break;
      default:
        if (celle.inizio > cella) return;
        chiave = -celle.inizio;
        break;
    }
    if (trovato == std::string::npos || chiave < migliore) {
      trovato = r.inizio;
      migliore = chiave;
    }
  });
  return trovato;
}

// The values at fault are found after both files are read.
std::size_t serie_fuori_passo(const struttura_sorgente& linea) {
  std::size_t trovato = std::string::npos;
  per_ogni_record(linea,
                  {genere_record::progressiva_chilometrica_tre, genere_record::progressiva_chilometrica_due,
                   genere_record::progressiva_chilometrica_uno},
                  [&](const record_struttura& r) {
                    for (std::size_t k = 0; k < 2 && k < r.campi.size() && trovato == std::string::npos; ++k)
                      if (r.campi[k].numero % metri_cella != 0) trovato = r.campi[k].inizio;
                  });
  return trovato;
}
