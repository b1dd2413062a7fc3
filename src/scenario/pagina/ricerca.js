// The search box and the side lists of stations and diagnostics.
/* exported riempiElenchi */

// A km ("152,4", "152+400", "km 152.4") or a station name (whole, its start, a part).
function cerca(testo) {
  const t = testo.trim();
  if (!t) return;
  const numero = t.replace(/^km\s*/i, '');
  let m = null;
  const r = /^(\d+)\+(\d{1,3})$/.exec(numero);
  if (r) m = Number(r[1]) * 1000 + Number(r[2]);  // km+metres, as on the line's signs
  else if (/^\d+([.,]\d+)?$/.test(numero)) {
    const v = Number(numero.replace(',', '.'));
    // A number up to the line's length in km is a km, a larger one metres.
    m = v <= fineDominio / 1000 + 1 ? v * 1000 : v;
  }
  if (m !== null) {
    if (m < 0 || m > fineDominio) { avviso('Il km ' + kmBreve(m) + ' \u00e8 fuori dalla linea (0\u2013' + kmBreve(fineDominio) + ').'); return; }
    stato.segno = m;
    vaiA(m, 2000);
    scegli({ genere: 'cella', cella: Math.min(celle - 1, Math.floor(m / CELLA)), metro: m, riga: null });
    return;
  }
  const q = t.toLocaleUpperCase('it');
  const s = stazioni.find((x) => x.nome.toLocaleUpperCase('it') === q) ||
    stazioni.find((x) => x.nome.toLocaleUpperCase('it').startsWith(q)) ||
    stazioni.find((x) => x.nome.toLocaleUpperCase('it').includes(q));
  if (!s) { avviso('Nessuna stazione o km trovato per \u00ab' + t + '\u00bb.'); return; }
  vaiAStazione(s);
}
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
    const tr = el('tr', s.tipo >= 25 ? { class: 'posto' } : null,
      el('td', null, s.nome), el('td', null, km(s.metro)), el('td', null, s.dett.orario && s.dett.orario !== '00:00:00' ? s.dett.orario : '\u2014'));
    tr.tabIndex = 0;
    tr.addEventListener('click', () => vaiAStazione(s));
    tr.addEventListener('keydown', (e) => { if (e.key === 'Enter') vaiAStazione(s); });
    corpo.append(tr);
  }
}

function riempiDiagnostiche() {
  const eErrori = document.getElementById('errori');
  if (!D.sorgenti.length) eErrori.append(el('p', { class: 'nota' }, 'I file sorgenti non sono nella cartella: nessun controllo.'));
  else if (!diagnostiche.length) eErrori.append(el('p', { class: 'nota' }, 'Nessun errore nei sorgenti.'));
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
  riempiDiagnostiche();
}
