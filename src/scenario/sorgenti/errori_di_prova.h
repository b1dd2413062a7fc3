#pragma once
// For the tests of the tool: faulty source pairs made by putting one line into
// the embedded sources, each with the error it gives and the place of the
// field at fault.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "base/nomi_file.h"
#include "content/dati_linea.h"
#include "content/dati_treno.h"
#include "content/scrivi_righe.h"
#include "model/form1.h"
#include "test_support/cartella_temporanea.h"
#include "test_support/form_di_prova.h"

namespace errori_di_prova {

// The embedded source with one line put in before line n (1-based).
inline std::string con_riga(std::span<const std::string_view> righe, std::size_t n, const std::string& riga) {
  std::string s;
  std::size_t k = 1;
  for (std::string_view r : righe) {
    if (r == fine_tabella) break;
    if (k++ == n) s += riga + "\r\n";
    (s += r) += "\r\n";
  }
  return s;
}

struct caso_errore {
  bool nel_treno;    // the line goes into the train file, else the line file
  std::size_t riga;  // where it goes in: the error's line
  std::string testo;
  std::string campo;  // the field at fault: its first occurrence gives the column
  int numero;
  std::string dettaglio;  // part of the message that names what is in the way
};

inline const caso_errore casi[] = {
    {true, 119, "rallentamento,  259600,    90,  450, 0,  0,  60", "259600", 18,
     "(progressiva 259600, pk 55+600): inizio del rallentamento su una cella non libera (la cella 5193 contiene la "
     "fine del "
     "rallentamento)"},
    {true, 119, "rallentamento,  258700,    90,  450, 0,  0,  60", "450", 19,
     "(progressiva 258700, pk 56+500): fine del rallentamento su una cella non libera (la cella 5184 contiene l'inizio "
     "del "
     "rallentamento)"},
    // Found by the code check, put on the slowdown it belongs to.
    {true, 118, "rallentamento,  4050,    90,  450, 0,  0,  60", "4050", 13, "(progressiva 4550): nessuna cella"},
    {true, 72, "stazione,    -1000,  8,  600,  1, 0, 0,  4,1,1,  2,1,1,    0,  13,15, 0, XX", "-1000", 24,
     ": stazione troppo vicina"},
    {false, 10, "ripetizione segnali 9 codici,    11025,    300000", "11025", 3, ": inizio della ripetizione"},
    {false, 10, "ripetizione segnali 9 codici,    11000,    300025", "300025", 4, ": fine della ripetizione"},
    {false, 10, "ripetizione segnali 7 codici,    11000,    300000", "ripetizione", 5, ": la ripetizione segnali"},
    {false, 6, "progressiva chilometrica tre,    0,    1025,    0", "1025", 2, ": progressiva chilometrica"},
    {false, 306, "indicatori_vmax,  700,  30,  30,  30,  0,  30,  30,  30,  0", "700", 21,
     "(progressiva 700): cartello di velocit\xC3\xA0 massima su una cella non libera (la cella 15 contiene un cartello "
     "di "
     "velocit\xC3\xA0 massima)"},
    {false, 392, "cartello_indicatore,  1700,   (X)", "1700", 6, "(la cella 35 contiene un cartello indicatore)"},
    {true, 121, "segnale,    1800,   2, 4, 1,  1, 0,    0,  0,0,0, 0", "1800", 16,
     "(progressiva 1800): segnale su una cella non libera (la cella 37 contiene un segnale)"},
    {true, 120, "segnale,    9999000,   2, 4, 1,  1, 0,    0,  0,0,0, 0", "9999000", 15,
     "(progressiva 9999000): record oltre la fine del percorso (306900 m al massimo, 306200 per una stazione)"},
    {true, 120, "segnale,    99999999999,   2, 4, 1,  1, 0,    0,  0,0,0, 0", "99999999999", 25, ": errore di lettura"},
    {true, 282, "abbattimento,   10000,   270", "10000", 7,
     "(progressiva 10000): abbattimento su una cella non libera (la cella 200 contiene un codice di ripetizione "
     "segnali)"},
    {true, 73, "stazione,    1120, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina X", "1120", 8,
     "(progressiva 1120)"},
    {true, 73, "stazione,    1150, 26,  250,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina X", "250", 9,
     "(progressiva 1150)"},
    {true, 73, "stazione,    1000, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina X", "1000", 22,
     "(progressiva 1000): l'area della stazione non inizia almeno 350 m dopo la fine della precedente: l'area della "
     "stazione Cabina X (progressiva 1000) inizia 300 m dopo la fine di quella della precedente MILANO (progressiva "
     "0)"},
    // A station written 14 km before the one above it.
    {true, 86, "stazione,   57450, 26,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, Cabina Y", "57450", 22,
     ": la stazione Cabina Y (progressiva 57450) sta 14000 m prima della precedente PIACENZA (progressiva 71450): le "
     "stazioni vanno scritte in ordine di progressiva"},
    {true, 119, "rallentamento,  259150,    90,  450, 0,  0,  60", "259150", 17,
     "(progressiva 259150, pk 56+050): avviso di rallentamento su una cella non libera (la cella 5160 contiene un "
     "avviso di "
     "rallentamento)"},
    // Distance boards asked for where a speed board of the line stands.
    {true, 119, "rallentamento,   20000,    90,  450, 0,  1,  60", "1,  60", 20,
     "(progressiva 20000): tavole distanziometriche su celle non libere (la cella 373 contiene un cartello di "
     "velocit\xC3\xA0 massima)"},
};

// The embedded sources in f's folder with the case's line put in; the name of
// the file at fault.
inline std::string scrivi_caso(const Form1& f, const caso_errore& c) {
  dati_linea(f);
  dati_treno(f);
  if (c.nel_treno)
    scrivi_tutto(*f.cartella, file_treno(f), con_riga(righe_treno(), c.riga, c.testo));
  else
    scrivi_tutto(*f.cartella, file_linea(f), con_riga(righe_linea(), c.riga, c.testo));
  return c.nel_treno ? file_treno(f) : file_linea(f);
}

}  // namespace errori_di_prova
