// The map: the plan of the line, its stations and marks, at any zoom.
/* exported cMappa, adattaMappa, aSchermo, daSchermo, disegnaMappa, metroVicino, dimensioniMappa */

/** @type {HTMLCanvasElement} */
const cMappa = /** @type {HTMLCanvasElement} */ (document.getElementById('mappa'));
const gMappa = cMappa.getContext('2d');
const dimensioniMappa = { l: 0, a: 0 };

function adattaMappa(m0, m1) {
  if (!piano) return;
  let x0 = Infinity, x1 = -Infinity, y0 = Infinity, y1 = -Infinity;
  for (let i = 0; i < piano.metri.length; i++) {
    if (piano.metri[i] < m0 || piano.metri[i] > m1) continue;
    x0 = Math.min(x0, piano.x[i]); x1 = Math.max(x1, piano.x[i]); y0 = Math.min(y0, piano.y[i]); y1 = Math.max(y1, piano.y[i]);
  }
  for (const m of [m0, m1]) { const [x, y] = puntoA(m); x0 = Math.min(x0, x); x1 = Math.max(x1, x); y0 = Math.min(y0, y); y1 = Math.max(y1, y); }
  stato.mappa.cx = (x0 + x1) / 2; stato.mappa.cy = (y0 + y1) / 2;
  stato.mappa.s = Math.min((dimensioniMappa.l - 80) / Math.max(x1 - x0, 200), (dimensioniMappa.a - 60) / Math.max(y1 - y0, 200));
}
function aSchermo(x, y) { const M = stato.mappa; return [dimensioniMappa.l / 2 + (x - M.cx) * M.s, dimensioniMappa.a / 2 - (y - M.cy) * M.s]; }
function daSchermo(sx, sy) { const M = stato.mappa; return [M.cx + (sx - dimensioniMappa.l / 2) / M.s, M.cy - (sy - dimensioniMappa.a / 2) / M.s]; }
function puntoSchermo(m) { const [x, y] = puntoA(m); return aSchermo(x, y); }

// The plan from metre m0 to m1, thinned to what the zoom can show.
function tracciaPiano(g, m0, m1) {
  const { l: mappaL, a: mappaA } = dimensioniMappa;
  const s = stato.mappa.s, minimo = 0.4 / s;
  const M = piano.metri;
  g.beginPath();
  let [px, py] = puntoSchermo(m0);
  g.moveTo(px, py);
  let fuori = false;
  for (let i = 0; i < M.length; i++) {
    if (M[i] <= m0) continue;
    if (M[i] >= m1) break;
    if (piano.soglia[i] < minimo) continue;
    const [qx, qy] = aSchermo(piano.x[i], piano.y[i]);
    // A stretch wholly on one side outside the canvas is skipped.
    const via = (px < -50 && qx < -50) || (py < -50 && qy < -50) || (px > mappaL + 50 && qx > mappaL + 50) || (py > mappaA + 50 && qy > mappaA + 50);
    if (via) fuori = true;
    else { if (fuori) g.moveTo(px, py); g.lineTo(qx, qy); fuori = false; }
    px = qx; py = qy;
  }
  const [qx, qy] = puntoSchermo(m1);
  if (fuori) g.moveTo(px, py);
  g.lineTo(qx, qy);
  g.stroke();
}

function anello(g, m, colore, r) {
  const [x, y] = puntoSchermo(m);
  g.beginPath(); g.arc(x, y, r, 0, 2 * Math.PI);
  g.lineWidth = 3; g.strokeStyle = COLORI.bianco; g.stroke();
  g.lineWidth = 2; g.strokeStyle = colore; g.stroke();
}

// The line, faint beyond its end, and the stretch the profiles show.
function disegnaLineaMappa(g) {
  const ultimo = piano.metri[piano.metri.length - 1];
  g.lineJoin = 'round'; g.lineCap = 'round';
  g.setLineDash([6, 5]); g.strokeStyle = COLORI.lineaOltre; g.lineWidth = 2;
  tracciaPiano(g, lunghezza, ultimo);
  g.setLineDash([]); g.strokeStyle = COLORI.linea; g.lineWidth = 2.5;
  tracciaPiano(g, 0, lunghezza);
  if (stato.a - stato.da < lunghezza * 0.9) {
    g.strokeStyle = COLORI.finestraMappa; g.lineWidth = 9;
    tracciaPiano(g, Math.max(0, stato.da), Math.min(stato.a, ultimo));
  }
}

// Stations: big ones first, a name only where it does not cover another.
function disegnaStazioniMappa(g) {
  const occupati = [];
  const ordine = stazioni.slice().sort((a, b) => Number(a.tipo >= 25) - Number(b.tipo >= 25));
  g.font = '12px "DejaVu Sans", sans-serif'; g.textBaseline = 'middle';
  for (const s of ordine) {
    const [x, y] = puntoSchermo(s.metro);
    if (x < -20 || y < -20 || x > dimensioniMappa.l + 20 || y > dimensioniMappa.a + 20) continue;
    const posto = s.tipo >= 25;
    g.beginPath(); g.arc(x, y, posto ? 2.5 : 4, 0, 2 * Math.PI);
    g.fillStyle = posto ? COLORI.bianco : COLORI.rosso; g.fill();
    g.lineWidth = 1.5; g.strokeStyle = posto ? COLORI.grigioOggetto : COLORI.bianco; g.stroke();
    // The name above and to the right of its dot, clear of the line's own stroke.
    const w = g.measureText(s.nome).width;
    const box = [x + 5, y - 19, x + 9 + w, y - 3];
    if (occupati.some((b) => b[0] < box[2] && box[0] < b[2] && b[1] < box[3] && box[1] < b[3])) continue;
    occupati.push(box);
    g.lineWidth = 3; g.strokeStyle = COLORI.alone;
    g.strokeText(s.nome, x + 7, y - 11);
    g.fillStyle = posto ? COLORI.grigioScuro : COLORI.inchiostro; g.fillText(s.nome, x + 7, y - 11);
  }
}

// The pointer's metre: a dot, or off the map an arrow on its edge pointing to it.
function disegnaCursoreMappa(g) {
  const [x, y] = puntoSchermo(stato.cursore);
  const xi = Math.max(12, Math.min(dimensioniMappa.l - 12, x)), yi = Math.max(12, Math.min(dimensioniMappa.a - 12, y));
  if (xi === x && yi === y) {
    g.beginPath(); g.arc(x, y, 5, 0, 2 * Math.PI); g.fillStyle = COLORI.arancio; g.fill();
    g.lineWidth = 2; g.strokeStyle = COLORI.bianco; g.stroke();
    return;
  }
  g.save(); g.translate(xi, yi); g.rotate(Math.atan2(y - yi, x - xi));
  g.beginPath(); g.moveTo(10, 0); g.lineTo(-6, -7); g.lineTo(-6, 7); g.closePath();
  g.fillStyle = COLORI.arancio; g.fill(); g.lineWidth = 1.5; g.strokeStyle = COLORI.bianco; g.stroke();
  g.restore();
}

function disegnaMappa() {
  const g = gMappa;
  g.setTransform(dpr, 0, 0, dpr, 0, 0);
  g.clearRect(0, 0, dimensioniMappa.l, dimensioniMappa.a);
  if (!piano) {
    g.fillStyle = COLORI.grigioTesto; g.font = '14px sans-serif';
    g.fillText('Nessun file della planimetria: la mappa non si può disegnare.', 20, 60);
    return;
  }
  disegnaLineaMappa(g);
  for (const d of diagnostiche) if (d.metro >= 0) anello(g, d.metro, COLORI.rosso, 6);
  disegnaStazioniMappa(g);
  if (stato.segno !== null) anello(g, stato.segno, COLORI.blu, 9);
  if (stato.scelta && stato.scelta.metro >= 0) anello(g, stato.scelta.metro, COLORI.arancio, 8);
  if (stato.cursore !== null) disegnaCursoreMappa(g);
  scalaMappa(g);
}

function scalaMappa(g) {
  const s = stato.mappa.s;
  let passo = Math.pow(10, Math.floor(Math.log10(120 / s)));
  for (const f of [1, 2, 5, 10]) if (f * passo * s >= 60) { passo *= f; break; }
  const x = 14, y = dimensioniMappa.a - 14, w = passo * s;
  g.fillStyle = COLORI.fondoScala; g.fillRect(x - 6, y - 20, w + 12, 28);
  g.strokeStyle = COLORI.inchiostro; g.lineWidth = 2;
  g.beginPath(); g.moveTo(x, y - 5); g.lineTo(x, y); g.lineTo(x + w, y); g.lineTo(x + w, y - 5); g.stroke();
  g.fillStyle = COLORI.inchiostro; g.font = '11px sans-serif'; g.textBaseline = 'alphabetic';
  g.fillText(passo >= 1000 ? passo / 1000 + ' km' : passo + ' m', x + 2, y - 7);
  g.fillText('N \u2191', dimensioniMappa.l - 30, 20);
}

// The metre of the plan nearest to a point of the canvas, within 25 px.
function metroVicino(sx, sy) {
  if (!piano) return null;
  const [wx, wy] = daSchermo(sx, sy);
  const minimo = 0.4 / stato.mappa.s;
  let meglio = null, dMin = 25 / stato.mappa.s;
  let j = 0;
  for (let i = 1; i < piano.metri.length; i++) {
    if (piano.soglia[i] < minimo && i < piano.metri.length - 1) continue;
    const ax = piano.x[j], ay = piano.y[j], bx = piano.x[i], by = piano.y[i];
    const dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
    const t = l2 > 0 ? Math.max(0, Math.min(1, ((wx - ax) * dx + (wy - ay) * dy) / l2)) : 0;
    const d = Math.hypot(wx - ax - t * dx, wy - ay - t * dy);
    if (d < dMin) { dMin = d; meglio = piano.metri[j] + t * (piano.metri[i] - piano.metri[j]); }
    j = i;
  }
  return meglio === null ? null : Math.min(meglio, fineDominio);
}
