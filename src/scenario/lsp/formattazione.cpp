#include "scenario/lsp/formattazione.h"

#include <string>

#include "scenario/lsp/protocollo_lsp.h"
#include "scenario/sorgenti/allinea_sorgente.h"

nlohmann::json modifiche_allineamento(const documento& d, const struttura_sorgente& s) {
  nlohmann::json v = nlohmann::json::array();
  for (const riga_allineata& r : righe_allineate(d.byte(), s))
    for (const separatori_allineati& x : separatori_cambiati(d.byte(), r))
      v.push_back(modifica_testo(intervallo_json(d, x.inizio, x.fine), x.testo));
  return v;
}
