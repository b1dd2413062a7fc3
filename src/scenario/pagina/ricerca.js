// The search box and the side lists of stations and diagnostics.
/* exported riempiElenchi */

// What the search box takes: "55+685" is a kilometre post as the line's signs
// and the timetable sheet give it (every place it stands is listed, the first
// shown); "km 259,5", "259,5" or "259500 m" is a distance from the start (a
// bare number up to the line's length in km is km, a larger one metres);
// anything else a station name (whole, its start, a part). The status line
// says which it took.
function cerca(testo) {
  const t = testo.trim();
  if (!t) return;
  const punto = /^(?:pk\s*)?(\d+)\+(\d{1,3})$/i.exec(t);
  if (punto) { cercaPunto(Number(punto[1]) * 1000 + Number(punto[2])); return; }
  const distanza = /^(km\s*)?(\d+(?:[.,]\d+)?)\s*(m)?$/i.exec(t);
  if (distanza && !(distanza[1] && distanza[3])) {
    const v = Number(distanza[2].replace(',', '.'));
    const m = distanza[3] ? v : distanza[1] || v <= fineDominio / 1000 + 1 ? v * 1000 : v;
    if (m < 0 || m > fineDominio) { avviso('Il km ' + kmBreve(m) + ' \u00e8 fuori dalla linea (0\u2013' + kmBreve(fineDominio) + ').'); return; }
    stato.segno = m;
    vaiA(m, 2000);
    scegli({ genere: 'cella', cella: Math.min(celle - 1, Math.floor(m / CELLA)), metro: m, riga: null });
    dire('Distanza dall\u2019inizio: km ' + km(m) + ' (punto chilometrico ' + pk(m) + ').');
    return;
  }
  const q = t.toLocaleUpperCase('it');
  const s = stazioni.find((x) => x.nome.toLocaleUpperCase('it') === q) ||
    stazioni.find((x) => x.nome.toLocaleUpperCase('it').startsWith(q)) ||
    stazioni.find((x) => x.nome.toLocaleUpperCase('it').includes(q));
  if (!s) { avviso('Nessuna stazione, punto chilometrico o km trovato per \u00ab' + t + '\u00bb.'); return; }
  vaiAStazione(s);
}
// The station a place lies in, else the nearest one.
function stazioneVicina(m) {
  let vicina = null;
  for (const s of stazioni) {
    if (m >= s.inizio && m <= s.fine) return { s, dentro: true };
    if (!vicina || Math.abs(s.metro - m) < Math.abs(vicina.metro - m)) vicina = s;
  }
  return vicina ? { s: vicina, dentro: false } : null;
}
function cercaPunto(p) {
  const posti = postiDelPunto(p);
  if (!posti.length) { avviso('Il punto chilometrico ' + testoPunto(p) + ' non \u00e8 su questa linea.'); return; }
  stato.segno = posti[0];
  vaiA(posti[0], 2000);
  scegli({ genere: 'punto', testo: testoPunto(p), posti });
  dire('Punto chilometrico ' + testoPunto(p) + ': ' + (posti.length === 1 ? 'un posto' : posti.length + ' posti, mostrato il primo') +
    ' (km ' + km(posti[0]) + ' dall\u2019inizio).');
}
/** @param {{ testo: string, posti: number[] }} o */
function dettagliPunto(o) {
  eDettagli.append(el('h3', null, 'Punto chilometrico ' + o.testo),
    el('p', { class: 'nota' }, 'Come sui cartelli della linea e nella scheda orario; la numerazione ricomincia, perci\u00f2 un punto pu\u00f2 stare in pi\u00f9 posti.'));
  const lista = el('div', { class: 'posti' });
  for (const m of o.posti) {
    const v = stazioneVicina(m);
    const b = el('button', { type: 'button' }, 'km ' + km(m) + ' dall\u2019inizio' + (v ? (v.dentro ? ' \u2014 ' : ' \u2014 presso ') + v.s.nome : ''));
    b.addEventListener('click', () => { stato.segno = m; vaiA(m, 2000); ridisegna(); });
    lista.append(b);
  }
  eDettagli.append(lista);
}
DETTAGLI_DI_GENERE.punto = dettagliPunto;
/** @param {Stazione} s */
function vaiAStazione(s) {
  stato.segno = s.metro;
  vaiA(s.metro, Math.max(3000, (s.fine - s.inizio) * 3));
  scegli(s);
}
function inviaRicerca(e) {
  e.preventDefault();
  cerca(/** @type {HTMLInputElement} */ (document.getElementById('cerca-testo')).value);
}
function tuttaLaLinea() {
  stato.segno = null; finestra(0, lunghezza); adattaMappa(0, lunghezza); ridisegna();
}
document.getElementById('cerca').addEventListener('submit', inviaRicerca);
document.getElementById('tutta').addEventListener('click', tuttaLaLinea);

function riempiStazioni() {
  const lista = document.getElementById('nomi-stazioni');
  const corpo = document.querySelector('#stazioni tbody');
  for (const s of stazioni) {
    lista.append(el('option', { value: s.nome }));
    const tr = el('tr', s.tipo === 'posto' ? { class: 'posto' } : null,
      el('td', null, s.nome), el('td', null, km(s.metro)), el('td', null, s.dett.punto_chilometrico), el('td', null, s.dett.orario && s.dett.orario !== '00:00:00' ? s.dett.orario : '\u2014'));
    tr.tabIndex = 0;
    tr.addEventListener('click', () => vaiAStazione(s));
    tr.addEventListener('keydown', (e) => { if (e.key === 'Enter') vaiAStazione(s); });
    corpo.append(tr);
  }
}

// The search's example names this scenario's own places: its first timed
// stop after the start, that stop's post, and a distance halfway along.
function esempioRicerca() {
  const s = stazioni.find((x, i) => i > 0 && x.dett.orario && x.dett.orario !== '00:00:00') || stazioni[0];
  const esempi = s ? [s.nome, s.dett.punto_chilometrico].filter((t) => t) : [];
  esempi.push('km ' + kmBreve(Math.round(lunghezza / 2 / 100) * 100));
  /** @type {HTMLInputElement} */ (document.getElementById('cerca-testo')).placeholder =
    'Stazione, pk o km (es. ' + esempi.join(', ') + ')';
}

function riempiDiagnostiche() {
  const eErrori = document.getElementById('errori');
  if (!D.sorgenti.length) eErrori.append(el('p', { class: 'nota' }, 'I file sorgenti non sono nella cartella: nessun controllo.'));
  else if (!diagnostiche.length) eErrori.append(el('p', { class: 'nota' }, 'Nessun errore nei sorgenti.'));
  if (diagnostiche.some((d) => d.specie === 'errore')) {
    eErrori.append(el('p', { class: 'nota avviso' }, 'I sorgenti hanno errori: i file compatti compilati da loro sono incompleti.'));
  }
  for (const d of diagnostiche) {
    const dove = (d.nome_file ? d.nome_file + ':' + d.riga + ':' + d.colonna : 'senza posto') + (d.metro >= 0 ? ' \u00b7 km ' + km(d.metro) : '');
    const b = el('button', { type: 'button', class: d.specie }, el('span', { class: 'dove' }, dove), d.messaggio);
    b.addEventListener('click', () => {
      // The error's own mark shows the place: no search mark over it.
      if (d.metro >= 0) { stato.segno = null; vaiA(d.metro, 2000); }
      scegli(d);
    });
    eErrori.append(b);
  }
}

function riempiElenchi() {
  document.getElementById('titolo').textContent = D.percorso + ' \u2014 treno ' + D.treno;
  riempiStazioni();
  esempioRicerca();
  riempiDiagnostiche();
}
