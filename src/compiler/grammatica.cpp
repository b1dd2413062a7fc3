#include "compiler/grammatica.h"

#include "base/catalogo_errori.h"
#include "compiler/confronto_voci.h"

namespace {

// Texts are UTF-8 (the manual and the tool print them as they are).
constexpr genere_campo N = genere_campo::numero, V = genere_campo::vuoto_zero, C = genere_campo::codice,
                       T = genere_campo::testo;

constexpr std::string_view bit32 = "intero a 32 bit con segno";
constexpr std::string_view bit16 = "da -32768 a 32767 (16 bit)";
constexpr std::string_view bit8 = "da 0 a 255 (8 bit)";
constexpr std::string_view entro_linea = "(P + 100)/50 non oltre il numero di celle";
constexpr std::string_view nel_sim = "conservato nel file dello scenario (.sim); nessun altro uso";
constexpr std::string_view sim =
    "conservato nella voce della stazione del file dello scenario (.sim); nessun altro uso";
constexpr std::string_view cella_punto = "cella nearest(P/50 + 1), che deve essere libera";

// ---- the [generale] section of the line file ----

constexpr campo_record c_lunghezza[] = {
    {"lunghezza", N, "m", "lunghezza della linea dal suo inizio", "da 0 a 1000000",
     "celle = nearest((L + 7000)/50): la linea e 7000 m oltre; la planimetria copre L + 7000 m"},
};
constexpr campo_record c_serie[] = {
    {"inizio", N, "m", "progressiva dopo la quale la serie vale", "multiplo di 50",
     "le tre serie sono ordinate per inizio, la maggiore prima"},
    {"riferimento", N, "m",
     "il punto chilometrico pi\xC3\xB9 la progressiva: sotto la serie il punto chilometrico \xC3\xA8 riferimento - "
     "progressiva",
     "multiplo di 50", "con flag 1 il compilatore aggiunge 100"},
    {"flag", N, "", "1: il riferimento riceve 100 m in pi\xC3\xB9 nei file compatti", "0 o 1",
     "con 1 aggiunge 100 al riferimento; conservato nel file dello scenario (.sim)"},
};
constexpr campo_record c_sfondo[] = {
    {"valore", N, "", "valore di sfondo per il simulatore", bit32,
     "conservato nel file dello scenario (.sim); nessun altro uso"},
};
constexpr campo_record c_ripetizione[] = {
    {"inizio", N, "m", "inizio del tratto attrezzato con la ripetizione dei segnali in cabina", "multiplo di 50",
     "conservato nel file dello scenario (.sim); la scheda treno vi mette la riga SI COD"},
    {"fine", N, "m", "fine del tratto attrezzato; 0: nessun tratto", "multiplo di 50",
     "con fine 0 il numero di codici diventa 0"},
};

constexpr std::int32_t e_lunghezza[] = {err_lunghezza_percorso, err_lettura};
constexpr std::int32_t e_serie[] = {err_chilometrica_non_multipla, err_lettura};
constexpr std::int32_t e_sfondo[] = {err_lettura};
constexpr std::int32_t e_ripetizione[] = {err_inizio_ripetizione, err_fine_ripetizione, err_codici_ripetizione,
                                          err_lettura};

// In the general section only the length key ignores letter case.
constexpr forma_record generale[] = {
    {genere_record::lunghezza_percorso, "lunghezza_percorso", sezione_grammatica::generale, "lunghezza percorso",
     "percorso", "lunghezza", true, false, c_lunghezza,
     "La lunghezza della linea: dimensiona le celle da 50 m e la planimetria.", "lunghezza percorso,    300000",
     e_lunghezza},
    {genere_record::progressiva_chilometrica_tre, "progressiva_chilometrica_tre", sezione_grammatica::generale,
     "progressiva chilometrica tre", "tre", "progressiva", false, false, c_serie,
     "Una serie chilometrica (la terza): i punti chilometrici dei cartelli e della scheda treno.",
     "progressiva chilometrica tre,    0,    0,    0", e_serie},
    {genere_record::progressiva_chilometrica_due, "progressiva_chilometrica_due", sezione_grammatica::generale,
     "progressiva chilometrica due", "due", "progressiva", false, false, c_serie,
     "Una serie chilometrica (la seconda).", "progressiva chilometrica due,    218300,    315200,    1", e_serie},
    {genere_record::progressiva_chilometrica_uno, "progressiva_chilometrica_uno", sezione_grammatica::generale,
     "progressiva chilometrica uno", "uno", "progressiva", false, false, c_serie, "Una serie chilometrica (la prima).",
     "progressiva chilometrica uno,    23450,    218300,    1", e_serie},
    {genere_record::sfondo_uno, "sfondo_uno", sezione_grammatica::generale, "sfondo uno", "sfondo", "uno", false, false,
     c_sfondo, "Primo valore di sfondo, conservato com'\xC3\xA8 per il simulatore.", "sfondo uno,    1", e_sfondo},
    {genere_record::sfondo_due, "sfondo_due", sezione_grammatica::generale, "sfondo due", "sfondo", "due", false, false,
     c_sfondo, "Secondo valore di sfondo, conservato com'\xC3\xA8.", "sfondo due,    220000", e_sfondo},
    {genere_record::sfondo_tre, "sfondo_tre", sezione_grammatica::generale, "sfondo tre", "sfondo", "tre", false, false,
     c_sfondo, "Terzo valore di sfondo, conservato com'\xC3\xA8.", "sfondo tre,    241000", e_sfondo},
    {genere_record::ripetizione_segnali, "ripetizione_segnali", sezione_grammatica::generale, "ripetizione segnali",
     "segnali", "ripetizione", false, false, c_ripetizione,
     "Il tratto con la ripetizione dei segnali in cabina; la parola chiave dice i codici: 4 o 9 (4 se ci sono "
     "entrambi).",
     "ripetizione segnali 9 codici,    11000,    300000", e_ripetizione},
};

// ---- the records of the line file ----

constexpr campo_record c_pendenza[] = {
    {"progressiva", N, "m", "inizio del tratto con questa pendenza", entro_linea,
     "dalla cella nearest(P/50) fino al record seguente"},
    {"pendenza", N, "per mille", "pendenza, negativa in discesa", "da -100 a 155 (un byte)",
     "conservata in un byte come pendenza + 100"},
};
constexpr campo_record c_curva[] = {
    {"progressiva", N, "m", "inizio della curva", entro_linea, "la planimetria curva da qui, metro per metro"},
    {"lunghezza", N, "m", "lunghezza della curva", "la planimetria non oltre 1000000 m",
     "la planimetria curva per questi metri dopo la progressiva"},
};
constexpr campo_record c_montagna[] = {
    {"inizio", N, "m", "inizio del tratto di montagna", entro_linea, "dalla cella nearest(inizio/50)"},
    {"fine", N, "m", "fine del tratto di montagna", bit32, "fino alla cella nearest(fine/50 - 1)"},
    {"valore", N, "", "classe del tratto; oltre 10: classe + 10 e tratto segnato", bit8,
     "un tratto segnato marca una cella libera ogni 4; a non pi\xC3\xB9 di 150 m dal precedente diventa classe 3"},
};
constexpr campo_record c_indicatori[] = {
    {"progressiva", N, "m", "posizione del cartello di velocit\xC3\xA0 massima", entro_linea, cella_punto},
    {"prima_velocita_1", N, "km/h", "prima velocit\xC3\xA0 del rango 1", "multiplo di 5",
     "valore_1 = nearest(seconda/5 + 20 x prima), 16 bit"},
    {"prima_velocita_2", N, "km/h", "prima velocit\xC3\xA0 del rango 2", "multiplo di 5", "valore_2, come sopra"},
    {"prima_velocita_3", N, "km/h", "prima velocit\xC3\xA0 del rango 3", "multiplo di 5", "valore_3, come sopra"},
    {"codice_1", N, "", "primo codice del cartello", "da 0 a 9", "valore_4 = 10 x codice_1 + codice_2"},
    {"seconda_velocita_1", V, "km/h", "seconda velocit\xC3\xA0 del rango 1; vuota: 0", "multiplo di 5",
     "nella stessa parola della prima"},
    {"seconda_velocita_2", V, "km/h", "seconda velocit\xC3\xA0 del rango 2; vuota: 0", "multiplo di 5",
     "nella stessa parola della prima"},
    {"seconda_velocita_3", V, "km/h", "seconda velocit\xC3\xA0 del rango 3; vuota: 0", "multiplo di 5",
     "nella stessa parola della prima"},
    {"codice_2", N, "", "secondo codice del cartello", "da 0 a 9", "le unit\xC3\xA0 di valore_4"},
};
constexpr campo_record c_cartello[] = {
    {"progressiva", N, "m", "posizione del cartello", entro_linea, cella_punto},
    {"testo", T, "", "il testo del cartello, fino alla virgola o alla fine della riga", "fino a 65535 byte",
     "conservato com'\xC3\xA8 (Windows-1252) in una voce della tabella delle stazioni, dalla 80 in gi\xC3\xB9"},
};

constexpr std::int32_t e_pendenza[] = {err_oltre_percorso, err_lettura};
constexpr std::int32_t e_curva[] = {err_oltre_percorso, err_classe_curva, err_lettura};
constexpr std::int32_t e_montagna[] = {err_oltre_percorso, err_troppe_montagne, err_lettura};
constexpr std::int32_t e_indicatori[] = {err_oltre_percorso, err_indicatore_vmax_occupato, err_lettura};
constexpr std::int32_t e_cartello[] = {err_oltre_percorso, err_cartello_occupato, err_troppi_cartelli, err_lettura};

// In the record part every test ignores letter case.
constexpr forma_record linea[] = {
    {genere_record::pendenza, "pendenza", sezione_grammatica::linea, "pendenza", "pendenza", "", true, false,
     c_pendenza, "La pendenza della linea da una progressiva al record seguente.", "pendenza,  9800,   -3", e_pendenza},
    {genere_record::curva, "curva", sezione_grammatica::linea, "curva", "curva", "", true, true, c_curva,
     "Una curva della planimetria; la parola chiave dice il lato e la classe: curvad1..curvad6 a destra, "
     "curvas1..curvas6 a sinistra.",
     "curvas1,  16800,  6450", e_curva},
    {genere_record::montagna, "montagna", sezione_grammatica::linea, "montagna", "montagna", "", true, false,
     c_montagna, "Un tratto di montagna (al massimo 80).", "montagna,   259450,  277950,  11", e_montagna},
    {genere_record::indicatori_vmax, "indicatori_vmax", sezione_grammatica::linea, "indicatori_vmax", "indicatori_v",
     "", true, false, c_indicatori,
     "Un cartello di velocit\xC3\xA0 massima: due velocit\xC3\xA0 per ciascuno dei tre ranghi e due codici.",
     "indicatori_vmax,  18100,  140,  160,  160,  2,  140,  160,  160,  2", e_indicatori},
    {genere_record::cartello_indicatore, "cartello_indicatore", sezione_grammatica::linea, "cartello_indicatore",
     "cartello", "indicat", true, false, c_cartello, "Un cartello indicatore con il suo testo.",
     "cartello_indicatore,  1700,   (P.253)", e_cartello},
};

// ---- the records of the train file ----

constexpr campo_record c_massa[] = {
    {"percentuale", N, "%", "percentuale di massa frenata del treno", bit32,
     "conservata nel file dello scenario (.sim); la scheda treno la stampa in alto a destra"},
};
constexpr campo_record c_vetture[] = {
    {"numero", N, "", "numero di vetture del treno", bit32,
     "conservato nel file dello scenario (.sim); nessun altro uso"},
};
constexpr campo_record c_velocita[] = {
    {"progressiva", N, "m", "inizio del tratto con questo limite", entro_linea,
     "dalla cella nearest(P/50) fino al record seguente"},
    {"velocita", N, "km/h", "limite di velocit\xC3\xA0 della linea", "da 0 a 1275 (oltre: errore 25)",
     "conservata in unit\xC3\xA0 di 5 km/h, arrotondata al pi\xC3\xB9 vicino"},
};
constexpr campo_record c_aderenza[] = {
    {"progressiva", N, "m", "inizio del tratto con questa aderenza", entro_linea,
     "dalla cella nearest(P/50) fino al record seguente"},
    {"aderenza", N, "", "valore di aderenza", bit8, "conservato negli 8 bit bassi"},
};
constexpr campo_record c_orologio[] = {
    {"ore", N, "h", "ora dell'orologio alla partenza", bit16, nel_sim},
    {"minuti", N, "min", "minuti dell'orologio", bit16, nel_sim},
    {"secondi", N, "s", "secondi dell'orologio", bit16, nel_sim},
};
constexpr campo_record c_sabbia[] = {
    {"sabbia", N, "", "scorta di sabbia", bit16, nel_sim},
};
constexpr campo_record c_segnale[] = {
    {"progressiva", N, "m", "posizione del segnale", entro_linea, cella_punto},
    {"tipo_segnale", N, "", "tipo del segnale (1 o 2)", bit32,
     "3 x tipo va in valore_4 e nelle marche di avvicinamento (celle 2, 4, 6, 8 prima del segnale); il tipo 2 "
     "porta il campo 11"},
    {"decine_valore_1", N, "", "decine di valore_1", bit32, "valore_1 = 10 x decine + unit\xC3\xA0, 16 bit"},
    {"decine_valore_2", N, "", "decine di valore_2", bit32, "valore_2 = 10 x decine + unit\xC3\xA0"},
    {"decine_valore_3", N, "", "decine di valore_3", bit32, "valore_3 = 10 x decine + unit\xC3\xA0"},
    {"decine_valore_4", N, "", "decine di valore_4", bit32, "valore_4 = 10 x decine + 3 x tipo + aggiunta"},
    {"aggiunta", N, "", "aggiunta a valore_4 e alle marche di avvicinamento", bit32,
     "sommata a valore_4 e alle marche"},
    {"unita_valore_1", N, "", "unit\xC3\xA0 di valore_1", bit32, "le unit\xC3\xA0 di valore_1"},
    {"unita_valore_2", N, "", "unit\xC3\xA0 di valore_2", bit32, "le unit\xC3\xA0 di valore_2"},
    {"unita_valore_3", N, "", "unit\xC3\xA0 di valore_3", bit32, "le unit\xC3\xA0 di valore_3"},
    {"valore_5", N, "", "valore_5 di un segnale di tipo 2", bit8, "ignorato per il tipo 1"},
};
constexpr campo_record c_rallentamento[] = {
    {"progressiva", N, "m", "inizio del rallentamento", entro_linea,
     "cella di inizio nearest(P/50 + 1); avviso 1200 m prima, nearest((P - 1200)/50 + 1)"},
    {"velocita", N, "km/h", "velocit\xC3\xA0 del rallentamento", bit16,
     "valore_1 delle celle di avviso, inizio e fine"},
    {"lunghezza", N, "m", "lunghezza del rallentamento", bit32, "cella di fine nearest((P + lunghezza)/50 + 1)"},
    {"valore_3", N, "", "valore delle celle di inizio e fine", bit16, "valore_3 delle celle di inizio e fine"},
    {"tavole", N, "", "diverso da 0: tavole distanziometriche prima dell'avviso", bit32,
     "quattro celle di tavole prima dell'avviso, libere"},
    {"valore_2", N, "", "se diverso da 0, valore_2 delle celle di avviso, inizio e fine", bit16,
     "numera anche le tavole"},
};
constexpr campo_record c_abbattimento[] = {
    {"progressiva", N, "m", "posizione del punto di codice", entro_linea,
     "cella nearest(P/50), che deve essere libera"},
    {"codice", C, "", "codice di ripetizione in cabina; AC: nessun codice", bit32,
     "maggiore di 0: cella di tipo 12 con valore_1 = codice (16 bit bassi); 0 o AC: tipo 13"},
};
constexpr campo_record c_stazione[] = {
    {"progressiva", N, "m", "progressiva della stazione", "multiplo di 50, entro la linea",
     "centro dell'area; la cella di fine area \xC3\xA8 fine/50 - 1"},
    {"tipo", N, "", "codice del tipo di stazione", bit8,
     "5 e 6: area da P - lunghezza a P + 150; 7 e 8: da P - lunghezza a P + lunghezza; gli altri: centrata su P; dal "
     "25 in su nessuna marca n\xC3\xA9 cella di fine area; conservato nel file dello scenario (.sim)"},
    {"lunghezza", N, "m", "lunghezza dell'area della stazione", "multiplo di 100",
     "non conservata: d\xC3\xA0 inizio e fine dell'area"},
    {"campo_5", N, "", "valore della stazione per il simulatore", bit8, sim},
    {"campo_15", N, "", "valore della stazione per il simulatore", bit8,
     "conservato solo per un'area di 600 m o pi\xC3\xB9 e non per la prima stazione"},
    {"campo_14", N, "", "prolungamento: diverso da 0 sposta di 50 m la fine di una stazione centrata", bit8,
     "0 per i tipi da 5 a 8 e per la prima stazione"},
    {"campo_7", N, "", "valore della stazione per il simulatore", bit16, sim},
    {"campo_8", N, "", "valore della stazione per il simulatore", bit16, sim},
    {"campo_12", N, "", "valore della stazione per il simulatore", bit8, sim},
    {"campo_9", N, "", "valore della stazione per il simulatore", bit16, sim},
    {"campo_10", N, "", "valore della stazione per il simulatore", bit16, sim},
    {"campo_11", N, "", "valore della stazione per il simulatore", bit16, sim},
    {"campo_13", N, "", "valore della stazione per il simulatore", bit8, sim},
    {"ore", N, "h", "ore dell'orario della stazione; 0 0 0: nessun orario", bit32,
     "orario = (ore x 60 + minuti) x 60 + secondi, nel file dello scenario (.sim); la scheda treno lo stampa"},
    {"minuti", N, "min", "minuti dell'orario", bit32, "nell'orario, come sopra"},
    {"secondi", N, "s", "secondi dell'orario", bit32, "nell'orario, come sopra"},
    {"nome", T, "", "nome della stazione, il resto della riga", "fino a 65535 byte",
     "conservato com'\xC3\xA8 (Windows-1252) nel file dello scenario (.sim); la scheda treno lo stampa"},
};

constexpr std::int32_t e_solo_lettura[] = {err_lettura};
constexpr std::int32_t e_profilo[] = {err_oltre_percorso, err_lettura};
constexpr std::int32_t e_segnale[] = {err_oltre_percorso, err_segnale_occupato, err_lettura};
constexpr std::int32_t e_rallentamento[] = {
    err_oltre_percorso,  err_avviso_occupato,        err_inizio_rallentamento_occupato, err_fine_rallentamento_occupato,
    err_tavole_occupate, err_codice_davanti_segnale, err_codice_prima_rallentamento,    err_codice_dopo_rallentamento,
    err_lettura};
constexpr std::int32_t e_abbattimento[] = {err_oltre_percorso, err_abbattimento_occupato, err_lettura};
constexpr std::int32_t e_stazione[] = {
    err_stazione_non_multipla, err_lunghezza_stazione,     err_troppe_stazioni, err_oltre_percorso,
    err_stazioni_vicine,       err_stazione_vicina_inizio, err_lettura};

// Every test ignores letter case; every test that matches runs its record.
constexpr forma_record treno[] = {
    {genere_record::massa_frenata, "massa_frenata", sezione_grammatica::treno, "percentuale massa frenata", "frenata",
     "massa", true, false, c_massa, "La percentuale di massa frenata del treno.", "percentuale massa frenata,    130",
     e_solo_lettura},
    {genere_record::vetture, "vetture", sezione_grammatica::treno, "numero vetture", "vetture", "", true, false,
     c_vetture, "Il numero di vetture del treno.", "numero vetture,    14", e_solo_lettura},
    {genere_record::velocita, "velocita", sezione_grammatica::treno, "velocita", "velocit", "", true, false, c_velocita,
     "Il limite di velocit\xC3\xA0 della linea da una progressiva al record seguente.", "velocita,    1250,   100",
     e_profilo},
    {genere_record::aderenza, "aderenza", sezione_grammatica::treno, "aderenza", "aderenza", "", true, false,
     c_aderenza, "L'aderenza da una progressiva al record seguente.", "aderenza,   53950,    70", e_profilo},
    {genere_record::orologio, "orologio", sezione_grammatica::treno, "orologio", "orologio", "", true, false,
     c_orologio, "L'ora dell'orologio alla partenza.", "orologio,    13              14            15 ",
     e_solo_lettura},
    {genere_record::sabbia, "sabbia", sezione_grammatica::treno, "sabbia", "sabbia", "", true, false, c_sabbia,
     "La scorta di sabbia.", "sabbia,    300", e_solo_lettura},
    {genere_record::segnale, "segnale", sezione_grammatica::treno, "segnale", "segnale", "", true, false, c_segnale,
     "Un segnale lungo la linea, con le marche di avvicinamento nelle celle prima di lui.",
     "segnale,    2800,   2, 4, 1,  1, 0,    2,  2,1,1, 0", e_segnale},
    {genere_record::rallentamento, "rallentamento", sezione_grammatica::treno, "rallentamento", "rallentamento", "",
     true, false, c_rallentamento, "Un rallentamento: avviso, inizio, fine e, se chieste, le tavole distanziometriche.",
     "rallentamento,  259150,    90,  450, 0,  0,  60", e_rallentamento},
    {genere_record::abbattimento, "abbattimento", sezione_grammatica::treno, "abbattimento", "abbattimento", "", true,
     false, c_abbattimento, "Un punto di codice della ripetizione in cabina.", "abbattimento,  218700,   AC",
     e_abbattimento},
    {genere_record::stazione, "stazione", sezione_grammatica::treno, "stazione", "stazione", "", true, false,
     c_stazione, "Una stazione con la sua area, i suoi valori, l'orario e il nome, in ordine di progressiva.",
     "stazione,   71450,  2,  700,  1, 1, 0,  4,1,1,  2,1,1,   60,  13,57, 0, PIACENZA", e_stazione},
};

bool ha(std::string_view voce, std::string_view parola, bool senza_maiuscole) {
  if (parola.empty()) return true;
  return senza_maiuscole ? contiene_senza_maiuscole(voce, parola) : contiene(voce, parola);
}

}  // namespace

std::span<const forma_record> forme_generale() { return generale; }
std::span<const forma_record> forme_linea() { return linea; }
std::span<const forma_record> forme_treno() { return treno; }

const forma_record& forma_di_genere(genere_record g) {
  for (auto forme : {forme_generale(), forme_linea(), forme_treno()})
    for (const forma_record& r : forme)
      if (r.genere == g) return r;
  return generale[0];  // every kind has its row (checked by the grammar's test)
}

bool corrisponde(const forma_record& r, std::string_view voce) {
  return ha(voce, r.parola_1, r.senza_maiuscole) && ha(voce, r.parola_2, r.senza_maiuscole);
}
