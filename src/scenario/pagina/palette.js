// The colours of the page's drawings, each once and by what it means.
/* exported COLORI, COLORE_TIPO, COLORI_MONTAGNA, ALFA_RIEMPIMENTO */

const COLORI = Object.freeze({
  inchiostro: '#1d232a',       // texts, axes, outlines
  grigioTesto: '#6b7785',      // values of the axes, secondary names
  grigioScuro: '#55606c',      // end of the line, km axis, names of places
  grigioOggetto: '#7b8794',    // places and objects of no known kind
  linea: '#3b4650',            // the line on the map
  lineaOltre: '#b8c0c8',       // the plan beyond the line; the zero of an axis
  grigliaValori: '#eceff2',    // lines of the values of an axis
  grigliaCelle: '#eef0f2',     // cell grid at cell zoom
  separatore: '#dfe3e8',       // between the rows of the profiles
  bianco: '#fff',
  fasciaAlterna: '#fafbfc',    // every other row of the profiles
  alone: 'rgba(255,255,255,0.9)',        // halo under the names on the map
  fondoScala: 'rgba(255,255,255,0.85)',  // under the map's scale bar
  rosso: '#c0392b',            // errors, stations, speed boards
  blu: '#1f6feb',              // search mark, gradient, indication signs
  bluScuro: '#0b3d91',
  finestraMappa: 'rgba(31, 111, 235, 0.55)',  // the stretch the profiles show, on the map
  arancio: '#e67e22',          // pointer, selection, start of a slowdown
  fasciaRallentamento: 'rgba(230, 126, 34, 0.13)',
  fasciaScelta: 'rgba(230, 126, 34, 0.18)',
  verdeSegnale: '#2e8b57',
  verdeFine: '#27ae60',        // end of a slowdown
  verdeVelocita: '#1e8449',
  giallo: '#f1c40f',           // warning and distance boards
  oro: '#d4a017',
  violaCodice: '#7d3c98',
  violaChiaro: '#9b59b6',
  viola: '#8e44ad',
  bordeaux: '#7b241c',         // station end marker
  ocra: '#7d6608',             // adhesion
  areaStazione: '#f5b7b1',
  areaPosto: '#d5dadf',        // the area of a place that is not a station
  montagnaLieve: '#e6c9a8',
  montagnaMedia: '#c79a6b',
  montagnaForte: '#8e5b2c',
});

// Two hex digits of alpha: the fill under a profile is its stroke colour, faint.
const ALFA_RIEMPIMENTO = '22';

// The tick of an object kind when zoomed out.
const COLORE_TIPO = Object.freeze({
  segnale: COLORI.verdeSegnale, fine_rallentamento: COLORI.verdeFine, inizio_rallentamento: COLORI.arancio,
  avviso_rallentamento: COLORI.oro, tavola_distanziometrica: COLORI.oro, indicatore_vmax: COLORI.rosso,
  fine_stazione: COLORI.bordeaux, codice: COLORI.viola, codice_senza_valore: COLORI.viola, cartello_indicatore: COLORI.blu,
});

// Mountain class 1, 2, 3 and over.
const COLORI_MONTAGNA = Object.freeze([null, COLORI.montagnaLieve, COLORI.montagnaMedia, COLORI.montagnaForte]);
