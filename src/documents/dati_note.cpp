// The scenario notes for the driver: version, changes of this version and
// advice on driving the train over the line. Each paragraph is one line of
// the file, however long; the literals below are split only for reading.
#include "documents/dati_note.h"

#include "base/nomi_file.h"
#include "content/scrivi_righe.h"
#include "model/form1.h"

namespace {

constexpr std::string_view riga_asterischi = "                       ************************************";

const std::string_view righe[] = {
    "Velstra-Ordoven 318 - versione aggiornata.",
    "",
    "Inserito ripetizione segnali a nove codici con relativi abbattimenti.",
    "Modificato l'aspetto di alcune stazioni.",
    "Corretto il segnalamento (anche a destra).",
    "Corretto alcuni cartelli velocit\xE0 massima e indicazioni varie.",
    "Migliorato l'aspetto planimetrico ed altimetrico del tracciato.",
    "",
    "",
    riga_asterischi,
    "                       * ATTENZIONE!!! NOTA IMPORTANTE!!! *",
    riga_asterischi,
    "",
    // Why the run is set on a holiday.
    "Per una simulazione corretta si deve immaginare di effettuare la "
    "corsa di sabato, di domenica oppure in un altro giorno festivo: il "
    "motivo \xE8 spiegato nell'ordine di rallentamento fornito al "
    "macchinista.",
    "  ",
    "                                ******************",
    "",
    "Ci\xF2 premesso, sappiate che:",
    // The real train and the end of the simulation.
    "Il treno reale parte da MILANO CENTRALE e prosegue oltre PRATO "
    "fino a ROMA TERMINI; la nostra simulazione termina invece a PRATO, "
    "ultima stazione della linea riprodotta qui. Speriamo di poter "
    "estendere la simulazione in uno dei prossimi scenari.",
    // Rank, stock and stops.
    "Il treno viaggia nel rango di velocit\xE0 C, con materiale da 200 "
    "km/h, e ferma solo nelle localit\xE0 principali lungo la linea.",
    // Locomotive and mass.
    "La locomotiva utilizzata nella realt\xE0 ha prestazioni migliori di "
    "quella qui simulata; dato che la massa reale del treno, pari a 700 "
    "t, \xE8 stata mantenuta, per rispettare l'orario occorre condurre "
    "sempre al limite delle prestazioni del mezzo e sfruttare ogni "
    "possibilit\xE0 di recupero: avviamenti rapidi, frenature ben "
    "calcolate, velocit\xE0 massima consentita non appena i segnali e la "
    "linea lo permettono e soste non oltre il tempo previsto.",
    // Where the timetable comes from and what its speeds mean.
    "La scheda treno \xE8 ricavata da quella ufficiale in vigore fino al "
    "9/6/2001. In alcuni tratti la velocit\xE0 di marcia indicata nella "
    "scheda \xE8 inferiore alla velocit\xE0 massima consentita dalla linea e "
    "dal rango del treno: la differenza lascia un margine utile a "
    "recuperare gli eventuali ritardi, ma in nessun caso si deve "
    "superare la velocit\xE0 massima del rango del treno (C) neppure "
    "quando il ritardo accumulato sembra suggerirlo o la linea lo "
    "consentirebbe.",
    // The pages of the timetable sheet.
    "La linea \xE8 lunga circa 300 km, per cui la scheda treno occupa tre "
    "pagine; nel file ne vengono mostrate quattro, ma l'ultima \xE8 un "
    "modulo vuoto ed \xE8 sufficiente stampare le prime tre pagine.",
    // Length of the run and the change of crew.
    "La corsa dura circa tre ore: chi non ha molto tempo libero pu\xF2 "
    "salvare lo scenario e riprenderlo pi\xF9 tardi, oppure cedere il "
    "posto a un altro macchinista, proprio come avviene nella realt\xE0, "
    "dove il personale di macchina cambia a BOLOGNA C.LE.",
    // Parallel running on both tracks.
    "In un tratto della prima parte della linea tutti e due i binari "
    "possono essere percorsi nello stesso senso di marcia "
    "(banalizzazione con marcia parallela): per questo alcuni segnali "
    "posti a destra possono presentare l'aspetto di via libera, come se "
    "un altro treno dovesse viaggiare sul binario di fianco.",
    // The fast line between the two junctions.
    "Tra due bivi situati subito dopo la partenza il percorso si svolge "
    "sulla linea veloce, che corre accanto alla linea lenta senza "
    "servirne le stazioni: per questo motivo le stazioni della linea "
    "lenta compaiono nella scheda treno soltanto come punti di "
    "transito. Entrambi i bivi sono percorsi sul corretto tracciato, "
    "senza deviata, quindi non \xE8 richiesta alcuna riduzione di velocit\xE0 "
    "oltre a quelle indicate dalla scheda treno e dai cartelli "
    "collocati lungo la linea.",
    // Cab signalling.
    "La ripetizione segnali a nove codici inizia, come nella realt\xE0, "
    "solo dopo i primi tratti di linea; prima di quel punto la velocit\xE0 "
    "non pu\xF2 superare quella indicata nella colonna No Rs della scheda "
    "treno. I codici sono stati ridotti alla velocit\xE0 massima di "
    "ciascun tratto, riferita al rango pi\xF9 veloce e qui mai superiore a "
    "200 km/h: per questo il ripetitore di cabina pu\xF2 mostrare soltanto "
    "il codice 270* e mai il codice 270**. Resta comunque valido il "
    "limite di velocit\xE0 del rango del treno, da rispettare anche quando "
    "il codice ricevuto ne consentirebbe una maggiore. Ricordate infine "
    "che un abbattimento di codice impone di ridurre la velocit\xE0 entro "
    "lo spazio di frenatura, senza attendere di vedere il segnale "
    "successivo.",
    // Attention.
    "La condotta di questo treno richiede attenzione costante alle "
    "velocit\xE0, ai segnali e alle fermate previste dalla scheda treno.",
    "Alcuni sottopassi sono stati simulati con gallerie.",
    // Adhesion.
    "L'aderenza \xE8 buona fino a BOLOGNA C.LE e leggermente peggiore dopo "
    "questa stazione, sul lungo tratto di montagna; nelle gallerie e "
    "nelle zone interessate dai lavori non sempre \xE8 buona.",
    "",
    // Thanks.
    "Un grazie di cuore a tutti coloro che hanno apprezzato questo "
    "lavoro e che, con critiche e suggerimenti, hanno contribuito a "
    "migliorare lo scenario. Buon viaggio!",
    "",
    "Paolo Vianelli - Ferrara",
    fine_tabella,
};

}  // namespace

std::span<const std::string_view> righe_note() { return righe; }

void dati_note(const Form1& f) { scrivi_righe(*f.cartella, file_note(f), righe_note()); }
