// The map: the plan of the line, its stations and marks, at any zoom.
/* exported cMappa, adattaMappa, aSchermo, daSchermo, dalQuadro, nelQuadro, puntoSchermo, disegnaMappa, metroVicino, dimensioniMappa, nomiMappa */

/** @type {HTMLCanvasElement} */
const cMappa = /** @type {HTMLCanvasElement} */ (document.getElementById('mappa'));
const gMappa = cMappa.getContext('2d');
const dimensioniMappa = { l: 0, a: 0 };
// The station names the last drawing of the map shows.
const nomiMappa = [];

// The map is drawn in a frame turned so that the line fills the panel: its
// main direction along the panel's long side, its start on the left. The
// angle is chosen once, for the whole line, and kept; the north arrow says it.
function nelQuadro(x, y) {
  const c = Math.cos(stato.mappa.r), s = Math.sin(stato.mappa.r);
  return [x * c - y * s, x * s + y * c];
}
function dalQuadro(u, v) {
  const c = Math.cos(stato.mappa.r), s = Math.sin(stato.mappa.r);
  return [u * c + v * s, -u * s + v * c];
}
function riquadroPiano(m0, m1) {
  let x0 = Infinity, x1 = -Infinity, y0 = Infinity, y1 = -Infinity;
  const metti = (x, y) => { const [u, v] = nelQuadro(x, y); x0 = Math.min(x0, u); x1 = Math.max(x1, u); y0 = Math.min(y0, v); y1 = Math.max(y1, v); };
  for (let i = 0; i < piano.metri.length; i++) if (piano.metri[i] >= m0 && piano.metri[i] <= m1) metti(piano.x[i], piano.y[i]);
  for (const m of [m0, m1]) metti(...puntoA(m));
  return { x0, x1, y0, y1, s: Math.min((dimensioniMappa.l - 80) / Math.max(x1 - x0, 200), (dimensioniMappa.a - 60) / Math.max(y1 - y0, 200)) };
}
// The turn that lays the line's main direction (of its points' spread) along
// the panel's long side, kept only when it fills the panel clearly better
// than north up.
function scegliRotazione() {
  let n = 0, mx = 0, my = 0;
  for (let i = 0; i < piano.metri.length; i++) if (piano.metri[i] <= lunghezza) { n++; mx += piano.x[i]; my += piano.y[i]; }
  if (n < 2) return;
  mx /= n; my /= n;
  let sxx = 0, syy = 0, sxy = 0;
  for (let i = 0; i < piano.metri.length; i++) {
    if (piano.metri[i] > lunghezza) continue;
    const dx = piano.x[i] - mx, dy = piano.y[i] - my;
    sxx += dx * dx; syy += dy * dy; sxy += dx * dy;
  }
  const asse = 0.5 * Math.atan2(2 * sxy, sxx - syy);
  const largo = dimensioniMappa.l >= dimensioniMappa.a;
  let r = -asse + (largo ? 0 : Math.PI / 2);
  stato.mappa.r = 0;
  const dritta = riquadroPiano(0, lunghezza).s;
  stato.mappa.r = r;
  const [u0] = nelQuadro(...puntoA(0)), [u1] = nelQuadro(...puntoA(lunghezza));
  if ((largo && u0 > u1) || (!largo && nelQuadro(...puntoA(0))[1] > nelQuadro(...puntoA(lunghezza))[1])) r += Math.PI;
  stato.mappa.r = r;
  if (riquadroPiano(0, lunghezza).s < dritta * 1.15) stato.mappa.r = 0;
}
function adattaMappa(m0, m1) {
  if (!piano) return;
  if (stato.mappa.r === null) scegliRotazione();
  const b = riquadroPiano(m0, m1);
  stato.mappa.cx = (b.x0 + b.x1) / 2; stato.mappa.cy = (b.y0 + b.y1) / 2;
  stato.mappa.s = b.s;
}
// Screen from the plan's metres, and screen to the map's frame.
function aSchermo(x, y) {
  const M = stato.mappa, [u, v] = nelQuadro(x, y);
  return [dimensioniMappa.l / 2 + (u - M.cx) * M.s, dimensioniMappa.a / 2 - (v - M.cy) * M.s];
}
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

// Stations: every dot first, then the names over them, timed stops first,
// then stations, then other places; a name tries the four corners and the two
// sides of its dot and is left out where it would cover a dot or a name.
function disegnaStazioniMappa(g) {
  const visibili = [];
  for (const s of stazioni) {
    const [x, y] = puntoSchermo(s.metro);
    if (x < -20 || y < -20 || x > dimensioniMappa.l + 20 || y > dimensioniMappa.a + 20) continue;
    visibili.push({ s, x, y, posto: s.tipo === 'posto', orario: Boolean(s.dett.orario) && s.dett.orario !== '00:00:00' });
  }
  // The north arrow and the scale keep their corners.
  const occupati = [[dimensioniMappa.l - 60, 0, dimensioniMappa.l, 60], [0, dimensioniMappa.a - 40, 150, dimensioniMappa.a]];
  for (const v of visibili) {
    const r = v.posto ? 2.5 : 4;
    g.beginPath(); g.arc(v.x, v.y, r, 0, 2 * Math.PI);
    g.fillStyle = v.posto ? COLORI.bianco : COLORI.rosso; g.fill();
    g.lineWidth = 1.5; g.strokeStyle = v.posto ? COLORI.grigioOggetto : COLORI.bianco; g.stroke();
    occupati.push([v.x - r - 1, v.y - r - 1, v.x + r + 1, v.y + r + 1]);
  }
  const peso = (v) => (v.orario ? 0 : v.posto ? 2 : 1);
  visibili.sort((a, b) => peso(a) - peso(b));
  g.textBaseline = 'middle';
  for (const v of visibili) {
    g.font = (v.orario ? 'bold ' : '') + '12px "DejaVu Sans", sans-serif';
    const w = g.measureText(v.s.nome).width;
    const posti = [[7, -11], [7, 11], [-7 - w, -11], [-7 - w, 11], [8, 0], [-8 - w, 0]];
    for (const [dx, dy] of posti) {
      const box = [v.x + dx - 2, v.y + dy - 8, v.x + dx + w + 2, v.y + dy + 8];
      if (box[0] < 0 || box[2] > dimensioniMappa.l || box[1] < 0 || box[3] > dimensioniMappa.a) continue;
      if (occupati.some((b) => b[0] < box[2] && box[0] < b[2] && b[1] < box[3] && box[1] < b[3])) continue;
      occupati.push(box);
      g.lineWidth = 3; g.strokeStyle = COLORI.alone;
      g.strokeText(v.s.nome, v.x + dx, v.y + dy);
      g.fillStyle = v.posto ? COLORI.grigioScuro : COLORI.inchiostro; g.fillText(v.s.nome, v.x + dx, v.y + dy);
      nomiMappa.push(v.s.nome);
      break;
    }
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
  nomiMappa.length = 0;
  disegnaStazioniMappa(g);
  disegnaModificheMappa(g);
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
  // North, turned with the map.
  const [nu, nv] = nelQuadro(0, 1), nx = dimensioniMappa.l - 34, ny = 30;
  g.save(); g.translate(nx, ny); g.rotate(Math.atan2(nu, nv));
  g.beginPath(); g.moveTo(0, -12); g.lineTo(4, 2); g.lineTo(0, -1); g.lineTo(-4, 2); g.closePath(); g.fill();
  g.restore();
  g.textAlign = 'center'; g.fillText('N', nx + nu * 20, ny - nv * 20 + 4); g.textAlign = 'left';
}

// The metre of the plan nearest to a point of the canvas, within 25 px.
function metroVicino(sx, sy) {
  if (!piano) return null;
  const [wx, wy] = dalQuadro(...daSchermo(sx, sy));
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
