// The profiles: rows of stations, gradient, speed, adhesion, mountain and the
// objects of the cells, along a window of the line from stato.da to stato.a.
/* exported cProf, RIGHE, riga, dimensioniProfili, xDi, metroDi, pxCella, disegnaProfili, MARGINE, DESTRA, ALTO, lineaVerticale */

/** @type {HTMLCanvasElement} */
const cProf = /** @type {HTMLCanvasElement} */ (document.getElementById('profili'));
const gProf = cProf.getContext('2d');
const dimensioniProfili = { l: 0, a: 0 };
const MARGINE = 118, DESTRA = 14, ALTO = 24, ASSE = 26;
const RIGHE = [
  { id: 'stazioni', titolo: 'Stazioni', h: 48, y: 0, a: 0 },
  { id: 'pendenza', titolo: 'Pendenza (\u2030)', h: 92, y: 0, a: 0 },
  { id: 'velocita', titolo: 'Velocit\u00e0 (km/h)', h: 78, y: 0, a: 0 },
  { id: 'aderenza', titolo: 'Aderenza', h: 46, y: 0, a: 0 },
  { id: 'montagna', titolo: 'Montagna', h: 20, y: 0, a: 0 },
  { id: 'segnali', titolo: 'Segnali', h: 36, y: 0, a: 0 },
  { id: 'cartelli', titolo: 'Cartelli', h: 36, y: 0, a: 0 },
  { id: 'codici', titolo: 'Codici', h: 36, y: 0, a: 0 },
  { id: 'rallentamenti', titolo: 'Rallentamenti', h: 36, y: 0, a: 0 },
];
function disponiRighe() {
  const totale = RIGHE.reduce((t, r) => t + r.h, 0);
  const f = Math.max(0.6, (dimensioniProfili.a - ALTO - ASSE) / totale);
  let y = ALTO;
  for (const r of RIGHE) { r.y = y; r.a = r.h * f; y += r.a; }
}
const riga = (id) => RIGHE.find((r) => r.id === id);
const larghezzaUtile = () => dimensioniProfili.l - MARGINE - DESTRA;
function xDi(m) { return MARGINE + (m - stato.da) / (stato.a - stato.da) * larghezzaUtile(); }
function metroDi(x) { return stato.da + (x - MARGINE) / larghezzaUtile() * (stato.a - stato.da); }
function pxCella() { return CELLA / (stato.a - stato.da) * larghezzaUtile(); }
// First and last cell of the line in the window.
function celleInVista() {
  return [Math.max(0, Math.floor(stato.da / CELLA)), Math.min(celleLinea - 1, Math.ceil(stato.a / CELLA))];
}
// A vertical line across all rows.
function lineaVerticale(g, x) {
  g.beginPath(); g.moveTo(x, ALTO); g.lineTo(x, dimensioniProfili.a - ASSE); g.stroke();
}

// A step profile; where a pixel column holds many cells its min and max are drawn.
function gradino(g, a, y0, y1, basso, alto, colore, zero) {
  const yDi = (v) => y1 - (Math.max(basso, Math.min(alto, v)) - basso) / (alto - basso) * (y1 - y0);
  const [c0, c1] = celleInVista();
  if (c1 < c0) return;
  g.beginPath();
  if (pxCella() >= 1) {
    g.moveTo(xDi(c0 * CELLA), yDi(a[c0]));
    for (let c = c0; c <= c1; c++) {
      g.lineTo(xDi(c * CELLA), yDi(a[c]));
      g.lineTo(xDi((c + 1) * CELLA), yDi(a[c]));
    }
  } else {
    const xa = Math.max(MARGINE, Math.floor(xDi(c0 * CELLA))), xb = Math.min(dimensioniProfili.l - DESTRA, Math.ceil(xDi((c1 + 1) * CELLA)));
    let primo = true;
    for (let x = xa; x < xb; x++) {
      const ca = Math.max(c0, Math.floor(metroDi(x) / CELLA)), cb = Math.min(c1, Math.floor(metroDi(x + 1) / CELLA));
      let mn = a[ca], mx = a[ca];
      for (let c = ca + 1; c <= cb; c++) { mn = Math.min(mn, a[c]); mx = Math.max(mx, a[c]); }
      if (primo) { g.moveTo(x, yDi(a[ca])); primo = false; }
      g.lineTo(x, yDi(a[ca])); g.lineTo(x, yDi(mn)); g.lineTo(x, yDi(mx)); g.lineTo(x + 1, yDi(a[cb]));
    }
  }
  if (zero !== undefined) {
    // Filled towards the zero line.
    g.save();
    g.lineTo(xDi((c1 + 1) * CELLA), yDi(zero)); g.lineTo(xDi(c0 * CELLA), yDi(zero)); g.closePath();
    g.fillStyle = colore + ALFA_RIEMPIMENTO; g.fill();
    g.restore();
  }
  g.strokeStyle = colore; g.lineWidth = 1.6; g.stroke();
}

function gradinoValori(g, a, r, unita) {
  // At cell zoom each run is labelled with its value.
  if (pxCella() < 14) return;
  g.fillStyle = COLORI.inchiostro; g.font = '11px sans-serif'; g.textBaseline = 'top';
  const [c0, c1] = celleInVista();
  let ultimo = -Infinity;
  for (let c = c0; c <= c1; c++) {
    if (c > c0 && a[c] === a[c - 1]) continue;
    const x = Math.max(MARGINE + 2, xDi(c * CELLA) + 3);
    if (x - ultimo < 46) continue;
    g.fillText(a[c] + unita, x, r.y + 3);
    ultimo = x;
  }
}

function assiVerticali(g, r, basso, alto, passo) {
  g.font = '10px sans-serif'; g.textBaseline = 'middle'; g.textAlign = 'right';
  for (let v = basso; v <= alto + 1e-9; v += passo) {
    const y = r.y + r.a - 4 - (v - basso) / (alto - basso) * (r.a - 10);
    g.strokeStyle = v === 0 ? COLORI.lineaOltre : COLORI.grigliaValori; g.lineWidth = 1;
    g.beginPath(); g.moveTo(MARGINE, y); g.lineTo(dimensioniProfili.l - DESTRA, y); g.stroke();
    // The end values stay inside their own row.
    g.textBaseline = v === basso ? 'bottom' : v >= alto - 1e-9 ? 'top' : 'middle';
    g.fillStyle = COLORI.grigioTesto; g.fillText(String(v), MARGINE - 4, v === basso ? y + 3 : v >= alto - 1e-9 ? y - 4 : y);
  }
  g.textAlign = 'left';
}

function passoKm(larghezzaM, pixel) {
  const voluto = larghezzaM / Math.max(1, pixel / 90);
  const p = Math.pow(10, Math.floor(Math.log10(voluto)));
  for (const f of [1, 2, 5, 10]) if (f * p >= voluto) return Math.max(50, f * p);
  return Math.max(50, 10 * p);
}

// Row bands and titles.
function disegnaRighe(g) {
  RIGHE.forEach((r, k) => {
    g.fillStyle = k % 2 ? COLORI.fasciaAlterna : COLORI.bianco; g.fillRect(0, r.y, dimensioniProfili.l, r.a);
    g.fillStyle = COLORI.inchiostro; g.font = 'bold 11px sans-serif'; g.textBaseline = 'middle'; g.textAlign = 'left';
    g.fillText(r.titolo, 6, r.y + r.a / 2);
  });
}

// Cell grid at cell zoom.
function disegnaGrigliaCelle(g) {
  if (pxCella() < 8) return;
  g.strokeStyle = COLORI.grigliaCelle; g.lineWidth = 1; g.beginPath();
  for (let c = Math.floor(stato.da / CELLA); c * CELLA <= stato.a; c++) {
    const x = Math.round(xDi(c * CELLA)) + 0.5;
    g.moveTo(x, ALTO); g.lineTo(x, dimensioniProfili.a - ASSE);
  }
  g.stroke();
}

// Slowdowns: a band across all rows.
function disegnaRallentamenti(g) {
  for (const z of rallentamenti) {
    const x0 = xDi(z.da), x1 = Math.max(xDi(z.a), x0 + 2);
    g.fillStyle = COLORI.fasciaRallentamento; g.fillRect(x0, ALTO, x1 - x0, dimensioniProfili.a - ALTO - ASSE);
  }
}

// Stations: their areas and names.
function disegnaStazioniProfili(g) {
  const rs = riga('stazioni'), xa = MARGINE, xb = dimensioniProfili.l - DESTRA;
  let ultimoNome = -Infinity;
  g.font = '11px sans-serif'; g.textBaseline = 'top';
  for (const s of stazioni) {
    const x0 = xDi(s.inizio), x1 = Math.max(xDi(s.fine), x0 + 2);
    if (x1 < xa || x0 > xb) continue;
    g.fillStyle = s.tipo === 'posto' ? COLORI.areaPosto : COLORI.areaStazione; g.fillRect(x0, rs.y + rs.a - 16, x1 - x0, 8);
    const xp = xDi(s.metro);
    g.strokeStyle = COLORI.rosso; g.lineWidth = 1; g.beginPath(); g.moveTo(xp, rs.y + rs.a - 18); g.lineTo(xp, rs.y + rs.a - 6); g.stroke();
    const w = g.measureText(s.nome).width;
    const xt = Math.max(xa + 2, Math.min(xp - w / 2, xb - w - 2));
    if (xt > ultimoNome + 6) {
      g.fillStyle = s.tipo === 'posto' ? COLORI.grigioTesto : COLORI.inchiostro; g.fillText(s.nome, xt, rs.y + 4);
      ultimoNome = xt + w;
    }
  }
}

// The axes of the three value profiles, outside the clip of the drawing area.
function disegnaAssiProfili(g) {
  assiVerticali(g, riga('pendenza'), -pScala, pScala, pScala);
  assiVerticali(g, riga('velocita'), 0, vMax, vMax / 2);
  assiVerticali(g, riga('aderenza'), 0, aMax, aMax);
}

function disegnaValoriProfili(g) {
  const rp = riga('pendenza'), rv = riga('velocita'), ra = riga('aderenza');
  gradino(g, profilo.pendenza, rp.y + 6, rp.y + rp.a - 4, -pScala, pScala, COLORI.blu, 0);
  gradinoValori(g, profilo.pendenza, rp, '\u2030');
  gradino(g, profilo.velocita, rv.y + 6, rv.y + rv.a - 4, 0, vMax, COLORI.verdeVelocita, 0);
  gradinoValori(g, profilo.velocita, rv, '');
  gradino(g, profilo.aderenza, ra.y + 6, ra.y + ra.a - 4, 0, aMax, COLORI.ocra);
  gradinoValori(g, profilo.aderenza, ra, '');
}

// Mountain class as a band of darkening brown.
function disegnaMontagna(g) {
  const rm = riga('montagna');
  const [c0, c1] = celleInVista();
  for (let c = c0; c <= c1; c++) {
    const v = profilo.montagna[c];
    if (!v) continue;
    let f = c; while (f + 1 <= c1 && profilo.montagna[f + 1] === v) f++;
    g.fillStyle = COLORI_MONTAGNA[Math.min(3, v)] || COLORI.montagnaForte;
    g.fillRect(xDi(c * CELLA), rm.y + 4, Math.max(1, xDi((f + 1) * CELLA) - xDi(c * CELLA)), rm.a - 8);
    c = f;
  }
}

// Point objects, each on its row; labelled at cell zoom.
function disegnaOggetti(g) {
  const pc = pxCella(), xa = MARGINE, xb = dimensioniProfili.l - DESTRA;
  for (const r of RIGHE) {
    const lista = perRiga[r.id];
    if (!lista) continue;
    let ultimo = -Infinity;
    for (const o of lista) {
      const x = xDi(o.metro);
      if (x < xa - 10 || x > xb + 10) continue;
      const y0 = r.id === 'stazioni' ? r.y + r.a - 14 : r.y, y1 = r.y + r.a;
      if (pc < 0.6 && stato.scelta !== o) {
        // Zoomed out, objects stand closer than their glyphs: one tick each.
        g.strokeStyle = COLORE_TIPO[o.tipo] || COLORI.grigioOggetto; g.lineWidth = 1;
        g.beginPath(); g.moveTo(Math.round(x) + 0.5, y0 + 8); g.lineTo(Math.round(x) + 0.5, y1 - 8); g.stroke();
        continue;
      }
      glifo(g, o, x, y0, y1, stato.scelta === o);
      if ((pc >= 16 || stato.scelta === o) && r.id !== 'stazioni') {
        const t = etichetta(o);
        if (t && x - ultimo > 30) {
          g.fillStyle = COLORI.inchiostro; g.font = '10px sans-serif'; g.textBaseline = 'bottom';
          g.fillText(t, x + 7, r.y + r.a - 2);
          ultimo = x + 7 + g.measureText(t).width;
        }
      }
    }
  }
}

// Places of the errors of the sources.
function disegnaDiagnostiche(g) {
  for (const d of diagnostiche) {
    if (d.metro < 0) continue;
    const x = xDi(d.metro);
    g.strokeStyle = COLORI.rosso; g.lineWidth = stato.scelta === d ? 2.5 : 1.2; g.setLineDash([4, 3]);
    lineaVerticale(g, x); g.setLineDash([]);
    g.fillStyle = COLORI.rosso; g.beginPath(); g.arc(x, ALTO + 7, 6, 0, 2 * Math.PI); g.fill();
    g.fillStyle = COLORI.bianco; g.font = 'bold 10px sans-serif'; g.textAlign = 'center'; g.textBaseline = 'middle';
    g.fillText('!', x, ALTO + 7); g.textAlign = 'left';
  }
}

// Search mark, selection, pointer and the end of the line.
function disegnaSegni(g) {
  if (stato.segno !== null) {
    g.strokeStyle = COLORI.blu; g.lineWidth = 2; g.setLineDash([6, 4]);
    lineaVerticale(g, xDi(stato.segno)); g.setLineDash([]);
  }
  if (stato.scelta && stato.scelta.metro >= 0) {
    const s = stato.scelta;
    const inCella = s.genere === 'oggetto' || s.genere === 'cella';
    const cella = Math.floor(s.metro / CELLA);
    const x0 = s.genere === 'stazione' ? xDi(s.inizio) : inCella ? xDi(cella * CELLA) : xDi(s.metro) - 1;
    const x1 = s.genere === 'stazione' ? xDi(s.fine) : inCella ? xDi((cella + 1) * CELLA) : xDi(s.metro) + 1;
    g.fillStyle = COLORI.fasciaScelta; g.fillRect(x0, ALTO, Math.max(3, x1 - x0), dimensioniProfili.a - ALTO - ASSE);
  }
  if (stato.cursore !== null) {
    g.strokeStyle = COLORI.arancio; g.lineWidth = 1.5;
    lineaVerticale(g, xDi(stato.cursore));
  }
  const x = xDi(lunghezza);
  g.strokeStyle = COLORI.grigioScuro; g.lineWidth = 1; lineaVerticale(g, x);
  g.fillStyle = COLORI.grigioScuro; g.font = '10px sans-serif'; g.textBaseline = 'top'; g.fillText('fine linea', x + 3, ALTO + 2);
}

// Row separators and the two axes: kilometre posts at the top, the distance
// from the start in km at the bottom.
function disegnaAsseKm(g) {
  const { l: profL, a: profA } = dimensioniProfili, xa = MARGINE, xb = profL - DESTRA;
  g.strokeStyle = COLORI.separatore; g.lineWidth = 1; g.beginPath();
  for (const r of RIGHE) { g.moveTo(0, Math.round(r.y) + 0.5); g.lineTo(profL, Math.round(r.y) + 0.5); }
  g.moveTo(xa + 0.5, ALTO); g.lineTo(xa + 0.5, profA - ASSE); g.stroke();
  const passo = passoKm(stato.a - stato.da, larghezzaUtile());
  g.fillStyle = COLORI.inchiostro; g.font = '11px sans-serif'; g.textAlign = 'center';
  g.strokeStyle = COLORI.grigioScuro; g.beginPath();
  for (let m = Math.ceil(stato.da / passo) * passo; m <= stato.a; m += passo) {
    const x = xDi(m);
    if (x < xa - 1 || x > xb + 1) continue;
    g.moveTo(x, profA - ASSE); g.lineTo(x, profA - ASSE + 5);
    g.moveTo(x, ALTO - 5); g.lineTo(x, ALTO);
    g.textBaseline = 'top'; g.fillText(kmBreve(m), x, profA - ASSE + 7);
    g.textBaseline = 'bottom'; g.fillText(pk(m), x, ALTO - 6);  // the top axis: kilometre posts
  }
  g.stroke();
  g.textAlign = 'left'; g.textBaseline = 'middle'; g.fillStyle = COLORI.grigioScuro;
  g.fillText('km', 6, profA - ASSE / 2);
  g.fillText('pk' + (pxCella() >= 8 ? ' \u00b7 celle da ' + CELLA + ' m' : ''), 6, ALTO / 2);
}

// The drawing area, clipped to the right of the row titles.
function ritaglia(g) {
  g.save();
  g.beginPath(); g.rect(MARGINE, 0, larghezzaUtile(), dimensioniProfili.a); g.clip();
}

function disegnaProfili() {
  const g = gProf;
  g.setTransform(dpr, 0, 0, dpr, 0, 0);
  g.clearRect(0, 0, dimensioniProfili.l, dimensioniProfili.a);
  disponiRighe();
  disegnaRighe(g);
  ritaglia(g);
  disegnaGrigliaCelle(g);
  disegnaRallentamenti(g);
  disegnaStazioniProfili(g);
  g.restore();
  disegnaAssiProfili(g);
  ritaglia(g);
  disegnaValoriProfili(g);
  disegnaMontagna(g);
  disegnaOggetti(g);
  disegnaDiagnostiche(g);
  disegnaModificheProfili(g);
  disegnaSegni(g);
  g.restore();
  disegnaAsseKm(g);
}
