#include "compiler/forme_record.h"

#include "compiler/confronto_voci.h"

namespace {

// In the general section only the length key ignores letter case.
constexpr forma_record generale[] = {
    {"lunghezza percorso", "percorso", "lunghezza", true, false, "n", "lunghezza percorso,    300000"},
    {"progressiva chilometrica tre", "tre", "progressiva", false, false, "nnn", "progressiva chilometrica tre,    0,    0,    0"},
    {"progressiva chilometrica due", "due", "progressiva", false, false, "nnn",
     "progressiva chilometrica due,    218300,    315200,    1"},
    {"progressiva chilometrica uno", "uno", "progressiva", false, false, "nnn",
     "progressiva chilometrica uno,    23450,    218300,    1"},
    {"sfondo uno", "sfondo", "uno", false, false, "n", "sfondo uno,    1"},
    {"sfondo due", "sfondo", "due", false, false, "n", "sfondo due,    220000"},
    {"sfondo tre", "sfondo", "tre", false, false, "n", "sfondo tre,    241000"},
    {"ripetizione segnali", "segnali", "ripetizione", false, false, "nn", "ripetizione segnali 9 codici,    11000,    300000"},
};

constexpr forma_record linea[] = {
    {"pendenza", "pendenza", "", true, false, "nn", "pendenza,  9800,   -3"},
    {"curva", "curva", "", true, true, "nn", "curvas1,  16800,  6450"},
    {"montagna", "montagna", "", true, false, "nnn", "montagna,   259450,  277950,  11"},
    // The second speeds of a board may be left empty: they read 0.
    {"indicatori_vmax", "indicatori_v", "", true, false, "nnnnnvvvn",
     "indicatori_vmax,  18100,  140,  160,  160,  2,  140,  160,  160,  2"},
    {"cartello_indicatore", "cartello", "indicat", true, false, "nt", "cartello_indicatore,  1700,   (P.253)"},
};

constexpr forma_record treno[] = {
    {"percentuale massa frenata", "frenata", "massa", true, false, "n", "percentuale massa frenata,    130"},
    {"numero vetture", "vetture", "", true, false, "n", "numero vetture,    14"},
    {"velocita", "velocit", "", true, false, "nn", "velocita,    1250,   100"},
    {"aderenza", "aderenza", "", true, false, "nn", "aderenza,   53950,    70"},
    {"orologio", "orologio", "", true, false, "nnn", "orologio,    13              14            15 "},
    {"sabbia", "sabbia", "", true, false, "n", "sabbia,    300"},
    {"segnale", "segnale", "", true, false, "nnnnnnnnnnn", "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0"},
    {"rallentamento", "rallentamento", "", true, false, "nnnnnn", "rallentamento,  259150,    90,  450, 0,  0,  60"},
    // A code point without a code is written "AC".
    {"abbattimento", "abbattimento", "", true, false, "nc", "abbattimento,  218700,   AC"},
    {"stazione", "stazione", "", true, false, "nnnnnnnnnnnnnnnnt",
     "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA"},
};

bool ha(std::string_view voce, std::string_view parola, bool senza_maiuscole) {
  if (parola.empty()) return true;
  return senza_maiuscole ? contiene_senza_maiuscole(voce, parola) : contiene(voce, parola);
}

}  // namespace

std::span<const forma_record> forme_generale() { return generale; }
std::span<const forma_record> forme_linea() { return linea; }
std::span<const forma_record> forme_treno() { return treno; }

bool corrisponde(const forma_record& r, std::string_view voce) {
  return ha(voce, r.parola_1, r.senza_maiuscole) && ha(voce, r.parola_2, r.senza_maiuscole);
}
