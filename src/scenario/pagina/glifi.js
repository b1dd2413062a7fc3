// The objects of the cells on the profiles: a glyph for each kind, and at
// cell zoom a short label from the object's values in the report.
/* exported glifo, etichetta */

// Glyph of a point object, centred on x, in a row from y0 to y1.
/** @param {CanvasRenderingContext2D} g @param {Oggetto} o */
function glifo(g, o, x, y0, y1, evidenza) {
  const ym = (y0 + y1) / 2;
  g.lineWidth = evidenza ? 2.5 : 1.4;
  switch (o.tipo) {
    case 'segnale': // mast and head
      g.strokeStyle = COLORI.inchiostro; g.beginPath(); g.moveTo(x, y1 - 3); g.lineTo(x, ym - 3); g.stroke();
      g.beginPath(); g.arc(x, ym - 7, evidenza ? 5.5 : 4, 0, 2 * Math.PI); g.fillStyle = COLORI.verdeSegnale; g.fill(); g.stroke();
      break;
    case 'indicatore_vmax': // speed board
      g.fillStyle = COLORI.bianco; g.strokeStyle = COLORI.rosso; g.fillRect(x - 5, ym - 7, 10, 12); g.strokeRect(x - 5, ym - 7, 10, 12);
      break;
    case 'cartello_indicatore':
      g.fillStyle = COLORI.blu; g.strokeStyle = COLORI.bluScuro; g.fillRect(x - 6, ym - 5, 12, 9); g.strokeRect(x - 6, ym - 5, 12, 9);
      break;
    case 'codice': case 'codice_senza_valore':
      g.beginPath(); g.arc(x, ym, evidenza ? 5.5 : 4, 0, 2 * Math.PI);
      g.strokeStyle = COLORI.violaCodice; if (o.tipo === 'codice') { g.fillStyle = COLORI.violaChiaro; g.fill(); } g.stroke();
      break;
    case 'avviso_rallentamento':
      g.beginPath(); g.moveTo(x, ym - 8); g.lineTo(x + 7, ym + 5); g.lineTo(x - 7, ym + 5); g.closePath();
      g.fillStyle = COLORI.giallo; g.fill(); g.strokeStyle = COLORI.inchiostro; g.stroke();
      break;
    case 'tavola_distanziometrica':
      g.fillStyle = COLORI.giallo; g.strokeStyle = COLORI.inchiostro; g.fillRect(x - 2, ym - 7, 4, 13); g.strokeRect(x - 2, ym - 7, 4, 13);
      break;
    case 'fine_rallentamento': case 'inizio_rallentamento':
      g.strokeStyle = COLORI.inchiostro; g.beginPath(); g.moveTo(x, y1 - 3); g.lineTo(x, y0 + 4); g.stroke();
      g.beginPath(); g.moveTo(x, y0 + 4); g.lineTo(x + (o.tipo === 'inizio_rallentamento' ? 9 : -9), y0 + 8); g.lineTo(x, y0 + 12); g.closePath();
      g.fillStyle = o.tipo === 'inizio_rallentamento' ? COLORI.arancio : COLORI.verdeFine; g.fill();
      break;
    case 'fine_stazione':
      g.beginPath(); g.moveTo(x - 5, y1 - 2); g.lineTo(x + 5, y1 - 2); g.lineTo(x, y1 - 10); g.closePath();
      g.fillStyle = COLORI.bordeaux; g.fill();
      break;
    default:
      g.fillStyle = COLORI.grigioOggetto; g.fillRect(x - 3, ym - 3, 6, 6);
  }
}

const conUnita = (v, unita) => (v !== undefined ? v + unita : '');

// A short label of an object for the cell zoom, by kind, from its decoded values.
/** @type {Object<string, (v: ValoriOggetto) => string>} */
const ETICHETTA_DI_TIPO = {
  segnale: (v) => [v.valore_1, v.valore_2, v.valore_3].filter((x) => x !== undefined).join('\u00b7'),  // its three values
  fine_rallentamento: (v) => conUnita(v.velocita, ' km/h'),
  inizio_rallentamento: (v) => conUnita(v.velocita, ' km/h'),
  avviso_rallentamento: (v) => conUnita(v.velocita, ' km/h'),
  tavola_distanziometrica: (v) => conUnita(v.numero, ''),                                                 // its number
  indicatore_vmax: (v) => (v.prima_velocita_1 !== undefined ? v.prima_velocita_1 + '/' + v.seconda_velocita_1 : ''), // the first pair
  fine_stazione: (v) => v.testo || '',
  codice: (v) => conUnita(v.codice, ''),
  codice_senza_valore: () => 'AC',
  cartello_indicatore: (v) => v.testo || '',
};
/** @param {Oggetto} o */
function etichetta(o) {
  const testo = ETICHETTA_DI_TIPO[o.tipo];
  return testo ? testo(o.dett.valori) : '';
}
