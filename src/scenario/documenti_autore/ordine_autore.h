#pragma once
#include <string>
#include <vector>

#include "documents/cornici_documenti.h"
#include "model/form1.h"
#include "scenario/documenti_autore/tabella_documenti.h"

// A row of the slowdown order, its cells as they will stand.
struct riga_ordine {
  std::int64_t progressiva = 0;
  std::string stazioni, cippo, velocita, lunghezza, prescrizioni;
};

// Each slowdown the train file placed in the model, and each one the author's
// table lists on paper only, in order along the line: the station it lies in
// or the two around it, the kilometre post after which it begins (the post
// the driver passes last before it), its speed and length, and the letters
// of its prescriptions from the table. Letters given for no slowdown are a
// fault in errori.
std::vector<riga_ordine> righe_dell_ordine(const Form1& f, const tabella_documenti& t, const std::string& file_tabella,
                                           std::vector<std::string>& errori);

// The whole kilometre the driver passes last before progressiva, as the
// order's "cippo" column writes it.
std::string cippo_dell_ordine(const Form1& f, std::int64_t progressiva);

// The cells of the k-th row (from 0) as the order computes them, each
// centred in its column, before any cell the author's table gives as printed.
celle_ordine celle_calcolate(std::size_t k, const riga_ordine& r);

// The whole order (Windows-1252, CR LF): at least 25 rows, then the key to
// the prescriptions.
std::string testo_ordine(const std::vector<riga_ordine>& righe, const std::string& treno, const Form1& f,
                         const tabella_documenti& t);
