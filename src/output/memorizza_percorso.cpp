#include "output/memorizza_percorso.h"

#include "compiler/memorizza_dati.h"
#include "driver/errore.h"
#include "model/form1.h"

void memorizza_percorso(Form1& f, std::int32_t j) {
  f.con_planimetria = j;
  f.numero_errore = 0;
  for (auto& s : f.stazioni) s = stazione{};
  memorizza_dati(f);
  // Without a cell array there is nothing to check or write.
  if (!f.percorso_esiste()) errore(std::to_string(f.numero_errore));
}
