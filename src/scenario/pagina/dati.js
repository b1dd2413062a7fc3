// The data of the page, from the JSON element "dati-scenario" written by the
// tool (their shape: docs/schema/view.schema.json), turned into what the
// drawing needs: profiles per cell, objects per row, stations, the plan.
/* exported D, R, CELLA, celle, lunghezza, fineDominio, celleLinea, profilo, pScala, vMax, aMax, oggetti, perRiga,
   stazioni, rallentamenti, diagnostiche, piano, puntoA, puntoKm, testoPunto, pk, postiDelPunto */

performance.mark('vista-inizio-script');
/** @type {DatiVista} */
const D = JSON.parse(document.getElementById('dati-scenario').textContent);
const R = D.rapporto;
const CELLA = D.metri_cella;
const celle = D.celle;
const lunghezza = D.lunghezza > 0 ? D.lunghezza : celle * CELLA;
const fineDominio = Math.max(celle * CELLA, lunghezza, 500);
const celleLinea = Math.min(celle, Math.ceil(lunghezza / CELLA));

// ---- profiles: runs expanded to one value per cell ----
/** @param {number[]} corse first cell and value of each run, flattened */
function espandi(corse) {
  const a = new Int32Array(celle);
  for (let k = 0; k < corse.length; k += 2) a.fill(corse[k + 1], corse[k], k + 2 < corse.length ? corse[k + 2] : celle);
  return a;
}
const profilo = {
  pendenza: espandi(D.profili.pendenza),
  velocita: espandi(D.profili.velocita),
  aderenza: espandi(D.profili.aderenza),
  montagna: espandi(D.profili.montagna),
};
function estremi(a) {
  let min = Infinity, max = -Infinity;
  for (let i = 0; i < celleLinea; i++) { min = Math.min(min, a[i]); max = Math.max(max, a[i]); }
  return min <= max ? [min, max] : [0, 0];
}
const [pMin, pMax] = estremi(profilo.pendenza);
const pScala = Math.max(5, Math.ceil(Math.max(Math.abs(pMin), Math.abs(pMax)) / 5) * 5);
const vMax = Math.max(50, Math.ceil(estremi(profilo.velocita)[1] / 50) * 50);
const aMax = Math.max(100, Math.ceil(estremi(profilo.aderenza)[1] / 10) * 10);

// ---- objects of the cells and stations ----
// The two lists of objects go together: the report's entry i details object i.
const oggetti = D.oggetti.map(([cella, tipo, file, riga, dalControllo], i) => ({
  genere: 'oggetto', cella, tipo, fonte: file >= 0 ? { file, riga } : null, dalControllo: dalControllo === 1,
  dett: R.oggetti[i], metro: cella * CELLA + CELLA / 2,
}));
/** @typedef {typeof oggetti[number]} Oggetto */
const RIGA_DI_TIPO = { segnale: 'segnali', fine_rallentamento: 'rallentamenti', inizio_rallentamento: 'rallentamenti',
  avviso_rallentamento: 'rallentamenti', tavola_distanziometrica: 'rallentamenti', indicatore_vmax: 'cartelli',
  fine_stazione: 'stazioni', codice: 'codici', codice_senza_valore: 'codici', cartello_indicatore: 'cartelli' };
/** @type {Object<string, typeof oggetti>} */
const perRiga = {};
for (const o of oggetti) (perRiga[RIGA_DI_TIPO[o.tipo] || 'cartelli'] ||= []).push(o);
for (const l of Object.values(perRiga)) l.sort((a, b) => a.metro - b.metro);
const stazioni = D.stazioni.map((s, i) => ({
  genere: 'stazione', nome: s.nome, tipo: s.tipo, inizio: s.inizio, fine: s.fine, metro: s.progressiva,
  fonte: s.fonte ? { file: s.fonte[0], riga: s.fonte[1] } : null, dett: R.stazioni[i],
}));
/** @typedef {typeof stazioni[number]} Stazione */
// Slowdowns: each start with the next end.
const rallentamenti = [];
for (const o of perRiga.rallentamenti || []) {
  if (o.tipo !== 'inizio_rallentamento') continue;
  const fine = (perRiga.rallentamenti || []).find((x) => x.tipo === 'fine_rallentamento' && x.cella > o.cella);
  rallentamenti.push({ da: o.cella * CELLA, a: fine ? fine.cella * CELLA + CELLA : o.cella * CELLA + CELLA, velocita: o.dett.valori.velocita });
}
// genere is the page's kind of selection; the diagnostic's own kind (errore, avviso, nota) goes to specie.
const diagnostiche = D.diagnostiche.map((d) => Object.assign({}, d, { genere: 'diagnostica', specie: d.genere, metro: d.progressiva }));

/** @typedef {typeof diagnostiche[number]} DiagnosticaPagina */

// ---- the plan: thinned points, coordinates in metres ----
const piano = D.piano ? {
  metri: Int32Array.from(D.piano.metri), x: Float64Array.from(D.piano.x, (v) => v / 100),
  y: Float64Array.from(D.piano.y, (v) => v / 100), soglia: Float64Array.from(D.piano.soglia, (v) => (v < 0 ? Infinity : v / 100)),
} : null;
function puntoA(m) {
  const M = piano.metri, n = M.length;
  if (m <= M[0]) return [piano.x[0], piano.y[0]];
  if (m >= M[n - 1]) return [piano.x[n - 1], piano.y[n - 1]];
  let lo = 0, hi = n - 1;
  while (hi - lo > 1) { const c = (lo + hi) >> 1; if (M[c] <= m) lo = c; else hi = c; }
  const t = (m - M[lo]) / (M[hi] - M[lo]);
  return [piano.x[lo] + t * (piano.x[hi] - piano.x[lo]), piano.y[lo] + t * (piano.y[hi] - piano.y[lo])];
}

// ---- kilometre posts, as the line's signs and the timetable sheet give them ----
// A chainage series is in force after its start up to and including the next
// one's start; under it the post is its written reference less the distance
// from the start; before the first series the post is that distance.
const serie = D.serie_chilometriche;
function puntoKm(m) {
  let riferimento = null;
  for (const [inizio, r] of serie) if (inizio < m) riferimento = r;
  return riferimento === null ? m : riferimento - m;
}
// "55+700", as on the signs.
function testoPunto(p) {
  const a = Math.abs(Math.round(p));
  return (p < 0 ? '-' : '') + Math.floor(a / 1000) + '+' + String(a % 1000).padStart(3, '0');
}
function pk(m) { return testoPunto(puntoKm(m)); }
// Every distance of the line where the post p stands, in order: where the
// count restarts a post stands twice.
function postiDelPunto(p) {
  const dove = [];
  const finePrima = serie.length ? Math.min(serie[0][0], lunghezza) : lunghezza;
  if (p >= 0 && p <= finePrima) dove.push(p);
  serie.forEach(([inizio, r], i) => {
    const fine = Math.min(i + 1 < serie.length ? serie[i + 1][0] : lunghezza, lunghezza);
    const m = r - p;
    if (m > inizio && m <= fine && m >= 0) dove.push(m);
  });
  return dove.sort((a, b) => a - b);
}
