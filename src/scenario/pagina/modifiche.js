// With --rispetto-a: what changed from the older version, marked on the map
// and the profiles and listed in a panel; each change leads to its place.
/* exported modifiche, segniModifiche, disegnaModificheMappa, disegnaModificheProfili, modificaColpita */

// A change stands where it is in this scenario; a removed one where it was.
const modifiche = (D.modifiche || []).map((m) => ({
  genere: 'modifica', specie: m.genere, oggetto: m.oggetto, descrizione: m.descrizione, a: m.a, b: m.b,
  metro: m.b ? m.b.progressiva_m : m.a ? m.a.progressiva_m : -1,
}));
/** @typedef {typeof modifiche[number]} ModificaPagina */

// One mark for each kind of change: added, removed, moved, changed in place.
const SEGNO_DI_SPECIE = { aggiunto: 'aggiunto', rimosso: 'rimosso', spostato: 'spostato', spostati_insieme: 'spostato' };
const segnoDi = (m) => SEGNO_DI_SPECIE[m.specie] || 'cambiato';
const COLORE_SEGNO = { aggiunto: COLORI.verdeFine, rimosso: COLORI.rosso, spostato: COLORI.blu, cambiato: COLORI.oro };
const TITOLO_SEGNO = { aggiunto: 'Aggiunto', rimosso: 'Rimosso', spostato: 'Spostato', cambiato: 'Cambiato' };
// The marks the last drawing of each view drew, in canvas coordinates.
const segniModifiche = { mappa: [], profili: [] };

function simbolo(g, segno, x, y, r, colore) {
  g.beginPath();
  if (segno === 'aggiunto') { g.rect(x - r, y - r, 2 * r, 2 * r); }
  else if (segno === 'rimosso') { g.moveTo(x - r, y - r); g.lineTo(x + r, y + r); g.moveTo(x + r, y - r); g.lineTo(x - r, y + r); }
  else if (segno === 'spostato') { g.moveTo(x + r, y); g.lineTo(x - r, y - r); g.lineTo(x - r, y + r); g.closePath(); }
  else { g.moveTo(x, y - r); g.lineTo(x + r, y); g.lineTo(x, y + r); g.lineTo(x - r, y); g.closePath(); }
  g.lineWidth = 4; g.strokeStyle = COLORI.bianco; g.stroke();
  g.lineWidth = 2; g.strokeStyle = colore; g.stroke();
  if (segno !== 'rimosso') { g.fillStyle = colore; g.fill(); }
}

function disegnaModificheMappa(g) {
  segniModifiche.mappa.length = 0;
  for (const m of modifiche) {
    if (m.metro < 0) continue;
    const segno = segnoDi(m), colore = COLORE_SEGNO[segno];
    const [x, y] = puntoSchermo(m.metro);
    if (x < -20 || y < -20 || x > dimensioniMappa.l + 20 || y > dimensioniMappa.a + 20) continue;
    if (segno === 'spostato' && m.a && m.b) {
      // Where it was: a hollow dot, joined to where it is.
      const [xa, ya] = puntoSchermo(m.a.progressiva_m);
      g.strokeStyle = colore; g.lineWidth = 1.5; g.setLineDash([3, 3]);
      g.beginPath(); g.moveTo(xa, ya); g.lineTo(x, y); g.stroke(); g.setLineDash([]);
      g.beginPath(); g.arc(xa, ya, 3.5, 0, 2 * Math.PI); g.stroke();
    }
    simbolo(g, segno, x, y, stato.scelta === m ? 7 : 5, colore);
    segniModifiche.mappa.push({ segno, metro: m.metro, x, y });
  }
}

// On the profiles: a dotted line across the rows and the kind's mark on the
// strip above the km axis; a move also shows where the object was.
function disegnaModificheProfili(g) {
  segniModifiche.profili.length = 0;
  const y = dimensioniProfili.a - ASSE - 8;
  for (const m of modifiche) {
    if (m.metro < 0) continue;
    const segno = segnoDi(m), colore = COLORE_SEGNO[segno], x = xDi(m.metro);
    if (x < MARGINE - 10 || x > dimensioniProfili.l - DESTRA + 10) continue;
    g.strokeStyle = colore; g.lineWidth = stato.scelta === m ? 2 : 1; g.setLineDash([2, 3]);
    lineaVerticale(g, x); g.setLineDash([]);
    if (segno === 'spostato' && m.a && m.b) {
      const xa = xDi(m.a.progressiva_m);
      g.strokeStyle = colore; g.lineWidth = 1.5;
      g.beginPath(); g.moveTo(xa, y); g.lineTo(x, y); g.stroke();
      g.beginPath(); g.arc(xa, y, 3.5, 0, 2 * Math.PI); g.stroke();
    }
    simbolo(g, segno, x, y, stato.scelta === m ? 7 : 5, colore);
    segniModifiche.profili.push({ segno, metro: m.metro, x, y });
  }
}

// The change whose mark lies under a point of the profiles.
function modificaColpita(x, y) {
  const ym = dimensioniProfili.a - ASSE - 8;
  if (Math.abs(y - ym) > 9) return null;
  return modifiche.find((m) => m.metro >= 0 && Math.abs(xDi(m.metro) - x) < 8) || null;
}

// "pk 3+500 · km 3,500 · Velstra_Ordoven_318-.txt riga 122"
function testoLuogo(l) {
  return 'pk ' + l.punto_chilometrico + ' \u00b7 km ' + km(l.progressiva_m) + (l.sorgente ? ' \u00b7 ' + l.sorgente.file + ' riga ' + l.sorgente.riga : '');
}

/** @param {ModificaPagina} o */
function dettagliModifica(o) {
  eDettagli.append(el('h3', null, TITOLO_SEGNO[segnoDi(o)] + ': ' + o.oggetto.replace(/_/g, ' ')), el('p', null, o.descrizione));
  const t = el('table', { class: 'valori' });
  t.append(el('tr', null, el('td', null, 'prima'), el('td', null, o.a ? testoLuogo(o.a) : '\u2014')));
  t.append(el('tr', null, el('td', null, 'ora'), el('td', null, o.b ? testoLuogo(o.b) : '\u2014')));
  eDettagli.append(t);
  // This scenario's line, when its source file is on the page.
  const f = o.b && o.b.sorgente ? D.sorgenti.findIndex((s) => s.file === o.b.sorgente.file) : -1;
  if (f >= 0) eDettagli.append(brano({ file: f, riga: o.b.sorgente.riga }));
}
DETTAGLI_DI_GENERE.modifica = dettagliModifica;

function vaiAModifica(m) {
  if (m.metro >= 0) { stato.segno = null; vaiA(m.metro, 2000); }
  scegli(m);
}

// The panel, only on a page made against an older version.
function riempiModifiche() {
  if (!D.modifiche) return;
  const lista = el('div', { id: 'modifiche' });
  const pannello = el('section', { id: 'pannello-modifiche' }, el('h2', null, 'Modifiche rispetto alla versione precedente'), lista);
  document.getElementById('pannello-dettagli').after(pannello);
  if (!modifiche.length) lista.append(el('p', { class: 'nota' }, 'Nessuna modifica dello scenario compilato.'));
  for (const m of modifiche) {
    const dove = m.b ? 'pk ' + m.b.punto_chilometrico : m.a ? 'pk ' + m.a.punto_chilometrico + ' (prima)' : 'senza posto';
    const b = el('button', { type: 'button', class: segnoDi(m) }, el('span', { class: 'dove' }, TITOLO_SEGNO[segnoDi(m)] + ' \u00b7 ' + dove), m.descrizione);
    b.addEventListener('click', () => vaiAModifica(m));
    lista.append(b);
  }
}
riempiModifiche();
