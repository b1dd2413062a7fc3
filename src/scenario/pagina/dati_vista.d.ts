// Generated from docs/schema/view.schema.json by tests/browser/tipi_da_schema.js; do not edit.

/** The data of the page of scenario view, written by dati_view into the element "dati-scenario". Lengths in metres, plan coordinates in centimetres. */
type DatiVista = {
  /** route name, UTF-8 */
  percorso: string;
  /** train number */
  treno: string;
  /** length of the line, metres */
  lunghezza: number;
  /** number of cells of the percorso */
  celle: number;
  /** length of a cell, metres */
  metri_cella: number;
  /** The chainage series, by start: [start, reference as written]; under a series, in force after its start up to and including the next one's, the kilometre post is the reference minus the distance; before the first, the distance itself. */
  serie_chilometriche: Array<[number, number]>;
  /** Per mille, km/h, adhesion value, mountain class. */
  profili: {
    pendenza: Corse;
    velocita: Corse;
    aderenza: Corse;
    montagna: Corse;
  };
  oggetti: Array<OggettoCella>;
  stazioni: Array<StazioneVista>;
  /** The records of each profile, in source order. */
  fonti_profili: {
    pendenza: Array<FonteProfilo>;
    velocita: Array<FonteProfilo>;
    aderenza: Array<FonteProfilo>;
    montagna: Array<FonteProfilo>;
    curva: Array<FonteProfilo>;
  };
  piano?: Piano;
  /** the source files present: the line file first */
  sorgenti: Array<FileSorgente>;
  diagnostiche: Array<Diagnostica>;
  /** Only with --rispetto-a OLD: the changes of the compiled scenario from OLD to this one, as diff lists them (this scenario is its B): stations first, then objects along the line, profiles, general values. */
  modifiche?: Array<Modifica>;
  rapporto: Rapporto;
};

/** A profile as runs of cells: the first cell and the value of each run, flattened (cell, value, cell, value...); a run lasts to the next one's first cell, the last to the end of the cells. */
type Corse = Array<number>;

/** tipo: kind of the object by its key; altro for a kind the compiler never writes */
type TipoOggetto = "segnale" | "fine_rallentamento" | "inizio_rallentamento" | "avviso_rallentamento" | "tavola_distanziometrica" | "indicatore_vmax" | "fine_stazione" | "codice" | "codice_senza_valore" | "cartello_indicatore" | "altro";

/** An object of the cells, as a tuple; the report's entry of the same index details it. */
type OggettoCella = [number, TipoOggetto, number, number, 0 | 1];

/** The record of a station in the sources. */
type FonteStazione = [number, number];

/** A record of a profile in the sources and the cells it sets. */
type FonteProfilo = [number, number, number, number];

/** A station as drawn. */
type StazioneVista = {
  /** name, UTF-8 */
  nome: string;
  /** entry of the station table, from 1 */
  voce: number;
  /** kind: a station with its end marker and approach marks, or a place without them */
  tipo: "stazione" | "posto";
  /** start of its area, metres */
  inizio: number;
  /** end of its area, metres */
  fine: number;
  /** its metre on the line */
  progressiva: number;
  fonte?: FonteStazione;
};

/** The plan thinned once for every zoom. */
type Piano = {
  /** metre of the line of each kept point, increasing */
  metri: Array<number>;
  /** east, centimetres */
  x: Array<number>;
  /** north, centimetres */
  y: Array<number>;
  /** the largest deviation (centimetres) at which the point is still needed; -1 for always */
  soglia: Array<number>;
};

/** A source file present in the folder. */
type FileSorgente = {
  /** file name */
  file: string;
  /** its lines, UTF-8, without line ends */
  righe: Array<string>;
};

/** An error, warning or note of the check of the sources. */
type Diagnostica = {
  genere: "errore" | "avviso" | "nota";
  /** index in sorgenti, -1 when not one of them */
  file: number;
  /** file the message names, empty when none */
  nome_file: string;
  /** line, 0 when none */
  riga: number;
  /** column, 0 when none */
  colonna: number;
  /** the message as the check writes it */
  messaggio: string;
  /** metre of the line it concerns, -1 when none */
  progressiva: number;
};

/** A record of the sources. */
type Sorgente = {
  /** file name */
  file: string;
  /** line (1-based) */
  riga: number;
};

type StatoSorgente = {
  /** file name */
  file: string;
  presente: boolean;
  /** the reading stopped at this line */
  letta_fino_alla_riga?: number;
};

/** The values of an object, each named after the record field that set it; significato_dei_valori says what each is. Which ones depends on the kind (see OggettoRapporto). */
type ValoriOggetto = {
  valore_1?: number;
  valore_2?: number;
  valore_3?: number;
  valore_4?: number;
  valore_5?: number;
  velocita?: number;
  numero?: number;
  prima_velocita_1?: number;
  seconda_velocita_1?: number;
  prima_velocita_2?: number;
  seconda_velocita_2?: number;
  prima_velocita_3?: number;
  seconda_velocita_3?: number;
  codice_1?: number;
  codice_2?: number;
  stazione?: number;
  /** the text of the table entry a station end or an indication sign names */
  testo?: string;
  voce?: number;
  codice?: number;
};

/** An object of the cells in the report: where, what, from which record, its values. */
type OggettoRapporto = {
  cella: number;
  da_m: number;
  a_m: number;
  tipo: number;
  /** name of the kind */
  oggetto: string;
  /** kilometre post as the signs and the timetable sheet give it, "55+700" */
  punto_chilometrico: string;
  /** the kilometre post in metres */
  punto_chilometrico_m: number;
  /** progressive the record wrote */
  progressiva_scritta?: number;
  sorgente?: Sorgente;
  /** the numbers of the record */
  numeri_scritti?: Array<number>;
  /** who placed it when no record did */
  messo_da?: string;
  /** one line about it */
  descrizione: string;
  valori: ValoriOggetto;
  /** a board whose speeds read back otherwise than written */
  attenzione?: string;
};

type StazioneRapporto = {
  voce: number;
  nome: string;
  tipo: number;
  /** what the compiler does with the kind: below 25 an end marker and approach marks, from 25 up neither */
  significato_tipo: string;
  progressiva: number;
  inizio: number;
  fine: number;
  /** kilometre post as the signs and the timetable sheet give it, "55+700" */
  punto_chilometrico: string;
  /** the kilometre post in metres */
  punto_chilometrico_m: number;
  /** hh:mm:ss */
  orario: string;
  cella_fine?: number;
  sorgente?: Sorgente;
};

type ProfiloRapporto = {
  unita: string;
  fonte: "sorgente" | "celle";
  tratti: Array<{
    da_m: number;
    a_m: number;
    valore: number;
    /** the value the cells hold where it differs from the written one */
    nelle_celle?: number;
    sorgente?: Sorgente;
  }>;
};

/** The report of the compact files with their sources, as scenario inspect builds it. */
type Rapporto = {
  percorso: string;
  treno: string;
  generali: {
    lunghezza_linea_m: number;
    serie_chilometriche: Array<{
      voce: number;
      inizio: number;
      riferimento: number;
      flag: number;
      riferimento_scritto: number;
      spiegazione: string;
    }>;
    sfondo: {
      uno: number;
      due: number;
      tre: number;
    };
    ripetizione_segnali: {
      inizio_m: number;
      fine_m: number;
      codici: number;
    };
    treno: {
      numero: string;
      massa_frenata_percento: number;
      vetture: number;
      sabbia: number;
    };
    /** hh:mm:ss */
    orologio: string;
    marchi_e_codici: {
      percorso: string;
      marchio_scenario: number;
      codice_scenario: number;
      marchio_cella_1?: number;
      codice_cella_1?: number;
    };
  };
  sorgenti: {
    linea: StatoSorgente;
    treno: StatoSorgente;
  };
  stazioni: Array<StazioneRapporto>;
  profili: {
    velocita: ProfiloRapporto;
    pendenza: ProfiloRapporto;
    aderenza: ProfiloRapporto;
  };
  celle: {
    numero: number;
    metri_per_cella: number;
    celle_della_linea: number;
    per_tipo: Array<{
      tipo: number;
      nome: string;
      quante: number;
    }>;
  };
  /** What each value of each kind of object means, once for the report. */
  significato_dei_valori: Array<{
    tipo: number;
    oggetto: string;
    /** the record keyword whose fields name the values */
    record: string;
    descrizione: string;
    valori: Array<ValoreSpiegato>;
  }>;
  oggetti: Array<OggettoRapporto>;
  /** present with the sources */
  numero_discordanze?: number;
  /** the first 100, present with the sources */
  discordanze_con_le_sorgenti?: Array<string>;
  planimetria: {
    presente: boolean;
    punti?: number;
  };
  /** present when the sources in the folder have an error: the compact files made from them are incomplete */
  attenzione?: string;
};

/** One value of a kind of object: its name, unit, the cell field it comes from and its meaning. */
type ValoreSpiegato = {
  nome: string;
  unita: string | null;
  campo_della_cella: "valore_1" | "valore_2" | "valore_3" | "valore_4" | "valore_5";
  significato: string;
  /** the same in one line */
  descrizione: string;
};

/** One change from the older version, in railway terms. */
type Modifica = {
  genere: "aggiunto" | "rimosso" | "spostato" | "valori" | "spostati_insieme" | "stazione" | "orario" | "profilo" | "planimetria" | "generale";
  /** what changes: the record that writes it (segnale, rallentamento...), stazione, oggetti, pendenza, velocita_massima, curva, planimetria, lunghezza_linea */
  oggetto: string;
  /** the change in one sentence */
  descrizione: string;
  /** its place in the older version; null when it is not there */
  a: LuogoModifica;
  /** its place in this scenario; null when it is not there */
  b: LuogoModifica;
};

/** Where a change stands in one of the two versions. */
type LuogoModifica = {
  /** the progressive, metres */
  progressiva_m: number;
  /** the kilometre post, "55+700" */
  punto_chilometrico: string;
  /** the source line that writes it; null without sources or when no record writes it */
  sorgente: {
    file: string;
    riga: number;
  } | null;
} | null;
