#include "scenario/sorgenti/serie_linea.h"

#include "model/form1.h"
#include "model/misure.h"
#include "model/stazione.h"

std::vector<serie_chilometrica> serie_della_linea(const struttura_sorgente& linea) {
  std::vector<stazione> stazioni(voce_progressiva_uno + 1);
  for (const record_struttura& r : linea.record) {
    int k = -1;
    if (r.forma->genere == genere_record::progressiva_chilometrica_tre) k = voce_progressiva_tre;
    if (r.forma->genere == genere_record::progressiva_chilometrica_due) k = voce_progressiva_due;
    if (r.forma->genere == genere_record::progressiva_chilometrica_uno) k = voce_progressiva_uno;
    if (k < 0 || r.campi.size() < 3) continue;
    // As the compiler stores a series: 100 more on the reference with flag 1.
    stazione& s = stazioni[static_cast<std::size_t>(k)];
    s.inizio = r.campi[0].numero;
    s.progressiva = r.campi[2].numero;
    s.fine =
        static_cast<std::int32_t>(std::int64_t{r.campi[1].numero} + (s.progressiva == 1 ? aggiunta_serie_con_flag : 0));
  }
  return serie_chilometriche(stazioni);
}
