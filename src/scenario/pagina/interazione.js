// Moving the two views: drawing on demand, the window of the profiles, and the
// handlers of pointer, wheel and keys on the two canvases.
/* exported ridisegna, dimensiona, finestra, vaiA, colpito */

let richiesta = 0;
function ridisegna() {
  if (richiesta) return;
  richiesta = requestAnimationFrame(() => { richiesta = 0; disegnaMappa(); disegnaProfili(); });
}
function dimensiona() {
  for (const { tela, dimensioni } of [{ tela: cMappa, dimensioni: dimensioniMappa }, { tela: cProf, dimensioni: dimensioniProfili }]) {
    const r = tela.getBoundingClientRect();
    dimensioni.l = Math.max(50, Math.floor(r.width)); dimensioni.a = Math.max(50, Math.floor(r.height));
    tela.width = Math.round(dimensioni.l * dpr); tela.height = Math.round(dimensioni.a * dpr);
  }
}

function finestra(da, a) {
  const minimo = 500, w = Math.min(Math.max(a - da, minimo), fineDominio);
  let d = (da + a) / 2 - w / 2;
  d = Math.max(0, Math.min(d, fineDominio - w));
  stato.da = d; stato.a = d + w;
  ridisegna();
}
function centraMappa(m, larghezzaM) {
  if (!piano) return;
  const [x, y] = nelQuadro(...puntoA(m));
  stato.mappa.cx = x; stato.mappa.cy = y;
  stato.mappa.s = Math.min(dimensioniMappa.l, dimensioniMappa.a) / Math.max(larghezzaM, 300);
}
function vaiA(m, larghezzaM) {
  finestra(m - larghezzaM / 2, m + larghezzaM / 2);
  centraMappa(m, Math.max(larghezzaM * 1.5, 3000));
  ridisegna();
}
function cursoreNullo() { stato.cursore = null; mostraCursore(); ridisegna(); }

// What lies under a point of the profile canvas.
function colpito(x, y) {
  const r = RIGHE.find((q) => y >= q.y && y < q.y + q.a);
  if (!r || x < MARGINE) return null;
  const tolleranza = Math.max(7, pxCella() / 2);
  let meglio = null, dMin = tolleranza;
  for (const d of diagnostiche) if (d.metro >= 0 && y < ALTO + 16 && Math.abs(xDi(d.metro) - x) < 8) return d;
  const modifica = modificaColpita(x, y);
  if (modifica) return modifica;
  for (const o of perRiga[r.id] || []) { const d = Math.abs(xDi(o.metro) - x); if (d <= dMin) { dMin = d; meglio = o; } }
  if (meglio) return meglio;
  if (r.id === 'stazioni') {
    const m = metroDi(x);
    return stazioni.find((s) => m >= s.inizio && m <= s.fine) ||
      stazioni.find((s) => Math.abs(xDi(s.metro) - x) < 6) || null;
  }
  return null;
}
function cellaA(x, y) {
  if (x < MARGINE) return null;
  const m = metroDi(x), c = Math.floor(m / CELLA);
  if (c < 0 || c >= celle) return null;
  const r = RIGHE.find((q) => y >= q.y && y < q.y + q.a);
  return { genere: 'cella', cella: c, metro: c * CELLA + CELLA / 2, riga: r ? r.id : null };
}

// ---- profiles: wheel zooms about the pointer, drag pans, keys pan and zoom ----
let trascina = null;
function rotellaProfili(e) {
  e.preventDefault();
  const m = metroDi(e.offsetX), f = Math.pow(1.0015, e.deltaY);
  finestra(m - (m - stato.da) * f, m + (stato.a - m) * f);
}
function premiProfili(e) {
  trascina = { x: e.clientX, da: stato.da, a: stato.a, mosso: false };
  cProf.setPointerCapture(e.pointerId);
}
function muoviProfili(e) {
  if (trascina && (trascina.mosso || Math.abs(e.clientX - trascina.x) > 3)) {
    trascina.mosso = true; cProf.classList.add('trascina');
    const dm = (e.clientX - trascina.x) / (dimensioniProfili.l - MARGINE - DESTRA) * (trascina.a - trascina.da);
    finestra(trascina.da - dm, trascina.a - dm);
  }
  const m = e.offsetX >= MARGINE ? metroDi(e.offsetX) : null;
  stato.cursore = m !== null && m >= 0 && m <= fineDominio ? m : null;
  mostraCursore();
  const o = colpito(e.offsetX, e.offsetY);
  cProf.title = o ? descrizioneBreve(o) : '';
  cProf.style.cursor = o && !trascina ? 'pointer' : '';
  ridisegna();
}
function rilasciaProfili(e) {
  const era = trascina; trascina = null; cProf.classList.remove('trascina');
  if (era && !era.mosso) scegli(colpito(e.offsetX, e.offsetY) || cellaA(e.offsetX, e.offsetY));
}
// Arrows pan by a quarter, + and - zoom about the middle.
function tastoProfili(e) {
  const w = stato.a - stato.da, c = (stato.da + stato.a) / 2;
  if (e.key === 'ArrowLeft') finestra(stato.da - w / 4, stato.a - w / 4);
  else if (e.key === 'ArrowRight') finestra(stato.da + w / 4, stato.a + w / 4);
  else if (e.key === '+' || e.key === '=') finestra(c - w / 4, c + w / 4);
  else if (e.key === '-') finestra(c - w, c + w);
  else return;
  e.preventDefault();
}
cProf.addEventListener('wheel', rotellaProfili, { passive: false });
cProf.addEventListener('pointerdown', premiProfili);
cProf.addEventListener('pointermove', muoviProfili);
cProf.addEventListener('pointerup', rilasciaProfili);
cProf.addEventListener('pointerleave', cursoreNullo);
cProf.tabIndex = 0;
cProf.addEventListener('keydown', tastoProfili);

// ---- map: drag pans, wheel zooms about the pointer; hovering marks the metre ----
let trascinaMappa = null;
function rotellaMappa(e) {
  e.preventDefault();
  const [wx, wy] = daSchermo(e.offsetX, e.offsetY);
  const f = Math.pow(1.0015, -e.deltaY);
  stato.mappa.s = Math.max(1e-4, Math.min(stato.mappa.s * f, 40));
  stato.mappa.cx = wx - (e.offsetX - dimensioniMappa.l / 2) / stato.mappa.s;
  stato.mappa.cy = wy + (e.offsetY - dimensioniMappa.a / 2) / stato.mappa.s;
  ridisegna();
}
function premiMappa(e) {
  trascinaMappa = { x: e.clientX, y: e.clientY, cx: stato.mappa.cx, cy: stato.mappa.cy, mosso: false };
  cMappa.setPointerCapture(e.pointerId);
}
function muoviMappa(e) {
  const t = trascinaMappa;
  if (t && (t.mosso || Math.hypot(e.clientX - t.x, e.clientY - t.y) > 3)) {
    t.mosso = true; cMappa.classList.add('trascina');
    stato.mappa.cx = t.cx - (e.clientX - t.x) / stato.mappa.s;
    stato.mappa.cy = t.cy + (e.clientY - t.y) / stato.mappa.s;
  }
  stato.cursore = metroVicino(e.offsetX, e.offsetY);
  mostraCursore();
  ridisegna();
}
// A click near a station picks it; near the line it shows that place on the profiles.
function rilasciaMappa(e) {
  const t = trascinaMappa; trascinaMappa = null; cMappa.classList.remove('trascina');
  if (!t || t.mosso) return;
  const s = stazioni.find((q) => { const [x, y] = aSchermo(...puntoA(q.metro)); return Math.hypot(x - e.offsetX, y - e.offsetY) < 8; });
  if (s) { scegli(s); return; }
  const m = metroVicino(e.offsetX, e.offsetY);
  if (m !== null) {
    const w = stato.a - stato.da;
    finestra(m - w / 2, m + w / 2);
    scegli({ genere: 'cella', cella: Math.floor(m / CELLA), metro: m, riga: null });
  }
}
cMappa.addEventListener('wheel', rotellaMappa, { passive: false });
cMappa.addEventListener('pointerdown', premiMappa);
cMappa.addEventListener('pointermove', muoviMappa);
cMappa.addEventListener('pointerup', rilasciaMappa);
cMappa.addEventListener('pointerleave', cursoreNullo);
