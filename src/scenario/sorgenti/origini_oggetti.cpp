#include "scenario/sorgenti/origini_oggetti.h"

#include "compiler/memo_indicatori_v_max.h"
#include "compiler/memo_rallentamento.h"
#include "compiler/memo_segnale.h"
#include "model/campi_cella.h"
#include "model/form1.h"

std::vector<origine_cella> origini(const scenario_compatto& s, const indice_sorgenti& ind) {
  std::vector<origine_cella> o(s.percorso.size());
  // A station's end marker is written whatever the cell held: it claims the cell over an earlier record.
  auto metti = [&](std::int64_t i, const record_sorgente& r, std::uint8_t tipo, int tavola = 0) {
    if (i < 0 || i >= static_cast<std::int64_t>(o.size())) return;
    if (o[static_cast<std::size_t>(i)].r && tipo != cella_fine_stazione) return;
    o[static_cast<std::size_t>(i)] = {&r, tipo, tavola};
  };
  int stazione = 0;
  for (const record_sorgente& r : ind.record) {
    const std::int32_t p = r.numeri.empty() ? 0 : r.numeri[0];
    switch (r.genere) {
      case genere_record::indicatori_vmax:
        metti(cella_di_oggetto(p), r, cella_indicatore_vmax);
        break;
      case genere_record::cartello_indicatore:
        metti(cella_di_oggetto(p), r, cella_cartello_indicatore);
        break;
      case genere_record::segnale:
        metti(cella_di_oggetto(p), r, cella_segnale);
        break;
      case genere_record::abbattimento:
        metti(cella_di_progressiva(p), r, r.numeri[1] > 0 ? cella_codice : cella_codice_senza_valore);
        break;
      case genere_record::rallentamento: {
        const celle_rallentamento c = celle_di_rallentamento(p, r.numeri[2]);
        if (con_avviso(p)) metti(c.avviso, r, cella_avviso_rallentamento);
        metti(c.inizio, r, cella_inizio_rallentamento);
        metti(c.fine, r, cella_fine_rallentamento);
        if (con_avviso(p) && r.numeri[4] != 0)
          for (int n = 0; n < 4; ++n) metti(c.tavola - n, r, cella_tavola_distanziometrica, n + 1);
        break;
      }
      case genere_record::stazione: {
        // The end marker lies at the end of the station's area, which the
        // scenario file keeps: entry k is the k-th station record.
        ++stazione;
        if (stazione >= voce_progressiva_tre || !stazione_con_area(static_cast<std::uint8_t>(r.numeri[1]))) break;
        metti(cella_del_metro(s.stazioni[static_cast<std::size_t>(stazione)].fine) - 1, r, cella_fine_stazione);
        break;
      }
      default:
        break;
    }
  }
  return o;
}

std::string file_di(const record_sorgente& r, const indice_sorgenti& ind) {
  return r.nel_treno ? ind.treno.nome : ind.linea.nome;
}

nodo sorgente_di(const record_sorgente& r, const indice_sorgenti& ind) {
  return nodo().metti("file", file_di(r, ind)).metti("riga", static_cast<std::int64_t>(r.riga));
}
