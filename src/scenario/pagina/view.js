// The page of `scenario view`: map and profiles of one compiled scenario,
// drawn on two canvases by this script alone (no library, nothing fetched).
// The data come from the JSON element "dati-scenario" written by the tool.
'use strict';
(function () {
  performance.mark('vista-inizio-script');
  const D = JSON.parse(document.getElementById('dati-scenario').textContent);
  const R = D.rapporto || {};
  const CELLA = 50;
  const celle = D.celle;
  const lunghezza = D.lunghezza > 0 ? D.lunghezza : celle * CELLA;
  const fineDominio = Math.max(celle * CELLA, lunghezza, 500);
  const celleLinea = Math.min(celle, Math.ceil(lunghezza / CELLA));
  const dpr = window.devicePixelRatio || 1;

  // ---- numbers and texts ----
  function km(m) { return (m / 1000).toFixed(3).replace('.', ','); }
  function kmBreve(m) {
    const v = m / 1000;
    return (Number.isInteger(v) ? String(v) : v.toFixed(v * 10 % 1 === 0 ? 1 : 2)).replace('.', ',');
  }
  function el(tag, attributi, ...figli) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributi || {})) {
      if (k === 'class') e.className = v; else if (k.startsWith('on')) e.addEventListener(k.slice(2), v); else e.setAttribute(k, v);
    }
    for (const f of figli) if (f !== null && f !== undefined) e.append(f instanceof Node ? f : String(f));
    return e;
  }

  // ---- profiles: runs expanded to one value per cell ----
  function espandi(corse) {
    const a = new Int32Array(celle);
    for (let k = 0; k < corse.length; k += 2) a.fill(corse[k + 1], corse[k], k + 2 < corse.length ? corse[k + 2] : celle);
    return a;
  }
  const P = D.profili || {};
  const profilo = {
    pendenza: espandi(P.pendenza || []),
    velocita: espandi(P.velocita || []),
    aderenza: espandi(P.aderenza || []),
    montagna: espandi(P.montagna || []),
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
  const oggetti = (D.oggetti || []).map((o, i) => ({
    genere: 'oggetto', cella: o[0], tipo: o[1], fonte: o[2] >= 0 ? { file: o[2], riga: o[3] } : null, dalControllo: o[4] === 1,
    dett: (R.oggetti || [])[i] || {}, metro: o[0] * CELLA + CELLA / 2,
  }));
  const RIGA_DI_TIPO = { 1: 'segnali', 2: 'rallentamenti', 3: 'rallentamenti', 4: 'rallentamenti', 5: 'rallentamenti',
    6: 'cartelli', 10: 'stazioni', 12: 'codici', 13: 'codici', 14: 'cartelli' };
  const perRiga = {};
  for (const o of oggetti) (perRiga[RIGA_DI_TIPO[o.tipo] || 'cartelli'] ||= []).push(o);
  for (const l of Object.values(perRiga)) l.sort((a, b) => a.metro - b.metro);
  const stazioni = (D.stazioni || []).map((s, i) => ({
    genere: 'stazione', nome: s.nome, tipo: s.tipo, inizio: s.inizio, fine: s.fine, metro: s.progressiva,
    fonte: s.fonte ? { file: s.fonte[0], riga: s.fonte[1] } : null, dett: (R.stazioni || [])[i] || {},
  }));
  // Slowdowns: each start with the next end.
  const rallentamenti = [];
  for (const o of perRiga.rallentamenti || []) {
    if (o.tipo !== 3) continue;
    const fine = (perRiga.rallentamenti || []).find((x) => x.tipo === 2 && x.cella > o.cella);
    rallentamenti.push({ da: o.cella * CELLA, a: fine ? fine.cella * CELLA + CELLA : o.cella * CELLA + CELLA, velocita: o.dett.velocita });
  }
  // genere is the page's kind of selection; the diagnostic's own kind (errore, avviso, nota) goes to specie.
  const diagnostiche = (D.diagnostiche || []).map((d) => Object.assign({}, d, { genere: 'diagnostica', specie: d.genere, metro: d.progressiva }));

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

  // ---- state shared by the two views ----
  const stato = {
    da: 0, a: lunghezza,            // profile window, metres
    cursore: null,                  // metre under the pointer (either view)
    scelta: null,                   // selected object, station, cell or diagnostic
    segno: null,                    // metre jumped to by the search
    mappa: { cx: 0, cy: 0, s: 1 },  // map centre (m) and pixels per metre
  };

  // ================= map =================
  const cMappa = document.getElementById('mappa');
  const gMappa = cMappa.getContext('2d');
  let mappaL = 0, mappaA = 0;

  function adattaMappa(m0, m1) {
    if (!piano) return;
    let x0 = Infinity, x1 = -Infinity, y0 = Infinity, y1 = -Infinity;
    for (let i = 0; i < piano.metri.length; i++) {
      if (piano.metri[i] < m0 || piano.metri[i] > m1) continue;
      x0 = Math.min(x0, piano.x[i]); x1 = Math.max(x1, piano.x[i]); y0 = Math.min(y0, piano.y[i]); y1 = Math.max(y1, piano.y[i]);
    }
    for (const m of [m0, m1]) { const [x, y] = puntoA(m); x0 = Math.min(x0, x); x1 = Math.max(x1, x); y0 = Math.min(y0, y); y1 = Math.max(y1, y); }
    stato.mappa.cx = (x0 + x1) / 2; stato.mappa.cy = (y0 + y1) / 2;
    stato.mappa.s = Math.min((mappaL - 80) / Math.max(x1 - x0, 200), (mappaA - 60) / Math.max(y1 - y0, 200));
  }
  function aSchermo(x, y) { const M = stato.mappa; return [mappaL / 2 + (x - M.cx) * M.s, mappaA / 2 - (y - M.cy) * M.s]; }
  function daSchermo(sx, sy) { const M = stato.mappa; return [M.cx + (sx - mappaL / 2) / M.s, M.cy - (sy - mappaA / 2) / M.s]; }

  // The plan from metre m0 to m1, thinned to what the zoom can show.
  function tracciaPiano(g, m0, m1) {
    const s = stato.mappa.s, minimo = 0.4 / s;
    const M = piano.metri;
    g.beginPath();
    let [px, py] = aSchermo(...puntoA(m0));
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
    const [qx, qy] = aSchermo(...puntoA(m1));
    if (fuori) g.moveTo(px, py);
    g.lineTo(qx, qy);
    g.stroke();
  }

  function anello(g, m, colore, r) {
    const [x, y] = aSchermo(...puntoA(m));
    g.beginPath(); g.arc(x, y, r, 0, 2 * Math.PI);
    g.lineWidth = 3; g.strokeStyle = '#fff'; g.stroke();
    g.lineWidth = 2; g.strokeStyle = colore; g.stroke();
  }

  function disegnaMappa() {
    const g = gMappa;
    g.setTransform(dpr, 0, 0, dpr, 0, 0);
    g.clearRect(0, 0, mappaL, mappaA);
    if (!piano) {
      g.fillStyle = '#6b7785'; g.font = '14px sans-serif';
      g.fillText('Nessun file della planimetria: la mappa non si può disegnare.', 20, 60);
      return;
    }
    g.lineJoin = 'round'; g.lineCap = 'round';
    // Beyond the end of the line the plan goes on straight: drawn faint.
    g.setLineDash([6, 5]); g.strokeStyle = '#b8c0c8'; g.lineWidth = 2;
    tracciaPiano(g, lunghezza, piano.metri[piano.metri.length - 1]);
    g.setLineDash([]); g.strokeStyle = '#3b4650'; g.lineWidth = 2.5;
    tracciaPiano(g, 0, lunghezza);
    // The stretch shown by the profiles.
    if (stato.a - stato.da < lunghezza * 0.9) {
      g.strokeStyle = 'rgba(31, 111, 235, 0.55)'; g.lineWidth = 9;
      tracciaPiano(g, Math.max(0, stato.da), Math.min(stato.a, piano.metri[piano.metri.length - 1]));
    }
    for (const d of diagnostiche) if (d.metro >= 0) anello(g, d.metro, '#c0392b', 6);
    // Stations: big ones first, a name only where it does not cover another.
    const occupati = [];
    const ordine = stazioni.slice().sort((a, b) => (a.tipo >= 25) - (b.tipo >= 25));
    g.font = '12px "DejaVu Sans", sans-serif'; g.textBaseline = 'middle';
    for (const s of ordine) {
      const [x, y] = aSchermo(...puntoA(s.metro));
      if (x < -20 || y < -20 || x > mappaL + 20 || y > mappaA + 20) continue;
      const posto = s.tipo >= 25;
      g.beginPath(); g.arc(x, y, posto ? 2.5 : 4, 0, 2 * Math.PI);
      g.fillStyle = posto ? '#fff' : '#c0392b'; g.fill();
      g.lineWidth = 1.5; g.strokeStyle = posto ? '#7b8794' : '#fff'; g.stroke();
      // The name above and to the right of its dot, clear of the line's own stroke.
      const w = g.measureText(s.nome).width;
      const box = [x + 5, y - 19, x + 9 + w, y - 3];
      if (occupati.some((b) => b[0] < box[2] && box[0] < b[2] && b[1] < box[3] && box[1] < b[3])) continue;
      occupati.push(box);
      g.lineWidth = 3; g.strokeStyle = 'rgba(255,255,255,0.9)';
      g.strokeText(s.nome, x + 7, y - 11);
      g.fillStyle = posto ? '#55606c' : '#1d232a'; g.fillText(s.nome, x + 7, y - 11);
    }
    if (stato.segno !== null) anello(g, stato.segno, '#1f6feb', 9);
    if (stato.scelta && stato.scelta.metro >= 0) anello(g, stato.scelta.metro, '#e67e22', 8);
    if (stato.cursore !== null) {
      const [x, y] = aSchermo(...puntoA(stato.cursore));
      const xi = Math.max(12, Math.min(mappaL - 12, x)), yi = Math.max(12, Math.min(mappaA - 12, y));
      if (xi === x && yi === y) {
        g.beginPath(); g.arc(x, y, 5, 0, 2 * Math.PI); g.fillStyle = '#e67e22'; g.fill();
        g.lineWidth = 2; g.strokeStyle = '#fff'; g.stroke();
      } else {
        // Off the map: an arrow on its edge points to the place.
        const a = Math.atan2(y - yi, x - xi);
        g.save(); g.translate(xi, yi); g.rotate(a);
        g.beginPath(); g.moveTo(10, 0); g.lineTo(-6, -7); g.lineTo(-6, 7); g.closePath();
        g.fillStyle = '#e67e22'; g.fill(); g.lineWidth = 1.5; g.strokeStyle = '#fff'; g.stroke();
        g.restore();
      }
    }
    scalaMappa(g);
  }

  function scalaMappa(g) {
    const s = stato.mappa.s;
    let passo = Math.pow(10, Math.floor(Math.log10(120 / s)));
    for (const f of [1, 2, 5, 10]) if (f * passo * s >= 60) { passo *= f; break; }
    const x = 14, y = mappaA - 14, w = passo * s;
    g.fillStyle = 'rgba(255,255,255,0.85)'; g.fillRect(x - 6, y - 20, w + 12, 28);
    g.strokeStyle = '#1d232a'; g.lineWidth = 2;
    g.beginPath(); g.moveTo(x, y - 5); g.lineTo(x, y); g.lineTo(x + w, y); g.lineTo(x + w, y - 5); g.stroke();
    g.fillStyle = '#1d232a'; g.font = '11px sans-serif'; g.textBaseline = 'alphabetic';
    g.fillText(passo >= 1000 ? passo / 1000 + ' km' : passo + ' m', x + 2, y - 7);
    g.fillText('N \u2191', mappaL - 30, 20);
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

  // ================= profiles =================
  const cProf = document.getElementById('profili');
  const gProf = cProf.getContext('2d');
  let profL = 0, profA = 0;
  const MARGINE = 118, DESTRA = 14, ALTO = 24, ASSE = 26;
  const RIGHE = [
    { id: 'stazioni', titolo: 'Stazioni', h: 48 },
    { id: 'pendenza', titolo: 'Pendenza (\u2030)', h: 92 },
    { id: 'velocita', titolo: 'Velocit\u00e0 (km/h)', h: 78 },
    { id: 'aderenza', titolo: 'Aderenza', h: 46 },
    { id: 'montagna', titolo: 'Montagna', h: 20 },
    { id: 'segnali', titolo: 'Segnali', h: 36 },
    { id: 'cartelli', titolo: 'Cartelli', h: 36 },
    { id: 'codici', titolo: 'Codici', h: 36 },
    { id: 'rallentamenti', titolo: 'Rallentamenti', h: 36 },
  ];
  function disponiRighe() {
    const totale = RIGHE.reduce((t, r) => t + r.h, 0);
    const f = Math.max(0.6, (profA - ALTO - ASSE) / totale);
    let y = ALTO;
    for (const r of RIGHE) { r.y = y; r.a = r.h * f; y += r.a; }
  }
  const riga = (id) => RIGHE.find((r) => r.id === id);
  function xDi(m) { return MARGINE + (m - stato.da) / (stato.a - stato.da) * (profL - MARGINE - DESTRA); }
  function metroDi(x) { return stato.da + (x - MARGINE) / (profL - MARGINE - DESTRA) * (stato.a - stato.da); }
  function pxCella() { return CELLA / (stato.a - stato.da) * (profL - MARGINE - DESTRA); }

  // A step profile; where a pixel column holds many cells its min and max are drawn.
  function gradino(g, a, y0, y1, basso, alto, colore, zero) {
    const yDi = (v) => y1 - (Math.max(basso, Math.min(alto, v)) - basso) / (alto - basso) * (y1 - y0);
    const c0 = Math.max(0, Math.floor(stato.da / CELLA)), c1 = Math.min(celleLinea - 1, Math.ceil(stato.a / CELLA));
    if (c1 < c0) return;
    g.beginPath();
    if (pxCella() >= 1) {
      g.moveTo(xDi(c0 * CELLA), yDi(a[c0]));
      for (let c = c0; c <= c1; c++) {
        g.lineTo(xDi(c * CELLA), yDi(a[c]));
        g.lineTo(xDi((c + 1) * CELLA), yDi(a[c]));
      }
    } else {
      const xa = Math.max(MARGINE, Math.floor(xDi(c0 * CELLA))), xb = Math.min(profL - DESTRA, Math.ceil(xDi((c1 + 1) * CELLA)));
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
      g.fillStyle = colore + '22'; g.fill();
      g.restore();
    }
    g.strokeStyle = colore; g.lineWidth = 1.6; g.stroke();
  }

  function gradinoValori(g, a, r, unita) {
    // At cell zoom each run is labelled with its value.
    if (pxCella() < 14) return;
    g.fillStyle = '#1d232a'; g.font = '11px sans-serif'; g.textBaseline = 'top';
    const c0 = Math.max(0, Math.floor(stato.da / CELLA)), c1 = Math.min(celleLinea - 1, Math.ceil(stato.a / CELLA));
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
      g.strokeStyle = v === 0 ? '#b8c0c8' : '#eceff2'; g.lineWidth = 1;
      g.beginPath(); g.moveTo(MARGINE, y); g.lineTo(profL - DESTRA, y); g.stroke();
      // The end values stay inside their own row.
      g.textBaseline = v === basso ? 'bottom' : v >= alto - 1e-9 ? 'top' : 'middle';
      g.fillStyle = '#6b7785'; g.fillText(String(v), MARGINE - 4, v === basso ? y + 3 : v >= alto - 1e-9 ? y - 4 : y);
    }
    g.textAlign = 'left';
  }

  function passoKm(larghezzaM, pixel) {
    const voluto = larghezzaM / Math.max(1, pixel / 90);
    let p = Math.pow(10, Math.floor(Math.log10(voluto)));
    for (const f of [1, 2, 5, 10]) if (f * p >= voluto) return Math.max(50, f * p);
    return Math.max(50, 10 * p);
  }

  // Glyph of a point object, centred on x, in a row from y0 to y1.
  function glifo(g, o, x, y0, y1, evidenza) {
    const ym = (y0 + y1) / 2;
    g.lineWidth = evidenza ? 2.5 : 1.4;
    switch (o.tipo) {
      case 1: // signal: mast and head
        g.strokeStyle = '#1d232a'; g.beginPath(); g.moveTo(x, y1 - 3); g.lineTo(x, ym - 3); g.stroke();
        g.beginPath(); g.arc(x, ym - 7, evidenza ? 5.5 : 4, 0, 2 * Math.PI); g.fillStyle = '#2e8b57'; g.fill(); g.stroke();
        break;
      case 6: // speed board
        g.fillStyle = '#fff'; g.strokeStyle = '#c0392b'; g.fillRect(x - 5, ym - 7, 10, 12); g.strokeRect(x - 5, ym - 7, 10, 12);
        break;
      case 14: // indication sign
        g.fillStyle = '#1f6feb'; g.strokeStyle = '#0b3d91'; g.fillRect(x - 6, ym - 5, 12, 9); g.strokeRect(x - 6, ym - 5, 12, 9);
        break;
      case 12: case 13: // code point
        g.beginPath(); g.arc(x, ym, evidenza ? 5.5 : 4, 0, 2 * Math.PI);
        g.strokeStyle = '#7d3c98'; if (o.tipo === 12) { g.fillStyle = '#9b59b6'; g.fill(); } g.stroke();
        break;
      case 4: // warning sign
        g.beginPath(); g.moveTo(x, ym - 8); g.lineTo(x + 7, ym + 5); g.lineTo(x - 7, ym + 5); g.closePath();
        g.fillStyle = '#f1c40f'; g.fill(); g.strokeStyle = '#1d232a'; g.stroke();
        break;
      case 5: // distance board
        g.fillStyle = '#f1c40f'; g.strokeStyle = '#1d232a'; g.fillRect(x - 2, ym - 7, 4, 13); g.strokeRect(x - 2, ym - 7, 4, 13);
        break;
      case 2: case 3: // end and start of a slowdown
        g.strokeStyle = '#1d232a'; g.beginPath(); g.moveTo(x, y1 - 3); g.lineTo(x, y0 + 4); g.stroke();
        g.beginPath(); g.moveTo(x, y0 + 4); g.lineTo(x + (o.tipo === 3 ? 9 : -9), y0 + 8); g.lineTo(x, y0 + 12); g.closePath();
        g.fillStyle = o.tipo === 3 ? '#e67e22' : '#27ae60'; g.fill();
        break;
      case 10: // station end marker
        g.beginPath(); g.moveTo(x - 5, y1 - 2); g.lineTo(x + 5, y1 - 2); g.lineTo(x, y1 - 10); g.closePath();
        g.fillStyle = '#7b241c'; g.fill();
        break;
      default:
        g.fillStyle = '#7b8794'; g.fillRect(x - 3, ym - 3, 6, 6);
    }
  }

  const COLORE_TIPO = { 1: '#2e8b57', 2: '#27ae60', 3: '#e67e22', 4: '#d4a017', 5: '#d4a017', 6: '#c0392b', 10: '#7b241c', 12: '#8e44ad', 13: '#8e44ad', 14: '#1f6feb' };

  // A short label of an object for the cell zoom.
  function etichetta(o) {
    const d = o.dett;
    switch (o.tipo) {
      case 1: return [d.valore_1, d.valore_2, d.valore_3].filter((v) => v !== undefined).join('\u00b7');
      case 2: case 3: case 4: return d.velocita !== undefined ? d.velocita + ' km/h' : '';
      case 5: return d.valore_1 !== undefined ? String(d.valore_1) : '';
      case 6: return d.velocita_1 && d.velocita_1.prima !== undefined ? d.velocita_1.prima + '/' + d.velocita_1.seconda : '';
      case 10: return d.testo || '';
      case 12: return d.codice !== undefined ? String(d.codice) : '';
      case 13: return 'AC';
      case 14: return d.testo || '';
      default: return '';
    }
  }

  function disegnaProfili() {
    const g = gProf;
    g.setTransform(dpr, 0, 0, dpr, 0, 0);
    g.clearRect(0, 0, profL, profA);
    disponiRighe();
    const larghezza = profL - MARGINE - DESTRA;
    const xa = MARGINE, xb = profL - DESTRA;
    const pc = pxCella();
    // Row bands and titles.
    RIGHE.forEach((r, k) => {
      g.fillStyle = k % 2 ? '#fafbfc' : '#fff'; g.fillRect(0, r.y, profL, r.a);
      g.fillStyle = '#1d232a'; g.font = 'bold 11px sans-serif'; g.textBaseline = 'middle'; g.textAlign = 'left';
      g.fillText(r.titolo, 6, r.y + r.a / 2);
    });
    g.save();
    g.beginPath(); g.rect(xa, 0, larghezza, profA); g.clip();
    // Cell grid at cell zoom.
    if (pc >= 8) {
      g.strokeStyle = '#eef0f2'; g.lineWidth = 1; g.beginPath();
      for (let c = Math.floor(stato.da / CELLA); c * CELLA <= stato.a; c++) { const x = Math.round(xDi(c * CELLA)) + 0.5; g.moveTo(x, ALTO); g.lineTo(x, profA - ASSE); }
      g.stroke();
    }
    // Slowdowns: a band across all rows.
    for (const z of rallentamenti) {
      const x0 = xDi(z.da), x1 = Math.max(xDi(z.a), x0 + 2);
      g.fillStyle = 'rgba(230, 126, 34, 0.13)'; g.fillRect(x0, ALTO, x1 - x0, profA - ALTO - ASSE);
    }
    // Stations: their areas and names.
    const rs = riga('stazioni');
    let ultimoNome = -Infinity;
    g.font = '11px sans-serif'; g.textBaseline = 'top';
    for (const s of stazioni) {
      const x0 = xDi(s.inizio), x1 = Math.max(xDi(s.fine), x0 + 2);
      if (x1 < xa || x0 > xb) continue;
      g.fillStyle = s.tipo >= 25 ? '#d5dadf' : '#f5b7b1'; g.fillRect(x0, rs.y + rs.a - 16, x1 - x0, 8);
      const xp = xDi(s.metro);
      g.strokeStyle = '#c0392b'; g.lineWidth = 1; g.beginPath(); g.moveTo(xp, rs.y + rs.a - 18); g.lineTo(xp, rs.y + rs.a - 6); g.stroke();
      const w = g.measureText(s.nome).width;
      const xt = Math.max(xa + 2, Math.min(xp - w / 2, xb - w - 2));
      if (xt > ultimoNome + 6) {
        g.fillStyle = s.tipo >= 25 ? '#6b7785' : '#1d232a'; g.fillText(s.nome, xt, rs.y + 4);
        ultimoNome = xt + w;
      }
    }
    // Profiles.
    const rp = riga('pendenza'), rv = riga('velocita'), ra = riga('aderenza'), rm = riga('montagna');
    g.restore();
    assiVerticali(g, rp, -pScala, pScala, pScala);
    assiVerticali(g, rv, 0, vMax, vMax / 2);
    assiVerticali(g, ra, 0, aMax, aMax);
    g.save();
    g.beginPath(); g.rect(xa, 0, larghezza, profA); g.clip();
    gradino(g, profilo.pendenza, rp.y + 6, rp.y + rp.a - 4, -pScala, pScala, '#1f6feb', 0);
    gradinoValori(g, profilo.pendenza, rp, '\u2030');
    gradino(g, profilo.velocita, rv.y + 6, rv.y + rv.a - 4, 0, vMax, '#1e8449', 0);
    gradinoValori(g, profilo.velocita, rv, '');
    gradino(g, profilo.aderenza, ra.y + 6, ra.y + ra.a - 4, 0, aMax, '#7d6608');
    gradinoValori(g, profilo.aderenza, ra, '');
    // Mountain class as a band of darkening brown.
    {
      const c0 = Math.max(0, Math.floor(stato.da / CELLA)), c1 = Math.min(celleLinea - 1, Math.ceil(stato.a / CELLA));
      const colori = [null, '#e6c9a8', '#c79a6b', '#8e5b2c'];
      for (let c = c0; c <= c1; c++) {
        const v = profilo.montagna[c];
        if (!v) continue;
        let f = c; while (f + 1 <= c1 && profilo.montagna[f + 1] === v) f++;
        g.fillStyle = colori[Math.min(3, v)] || '#8e5b2c';
        g.fillRect(xDi(c * CELLA), rm.y + 4, Math.max(1, xDi((f + 1) * CELLA) - xDi(c * CELLA)), rm.a - 8);
        c = f;
      }
    }
    // Point objects, each on its row; labelled at cell zoom.
    for (const r of RIGHE) {
      const lista = perRiga[r.id];
      if (!lista) continue;
      let ultimo = -Infinity;
      for (const o of lista) {
        const x = xDi(o.metro);
        if (x < xa - 10 || x > xb + 10) continue;
        const y0 = r.id === 'stazioni' ? r.y + r.a - 14 : r.y, y1 = r.id === 'stazioni' ? r.y + r.a : r.y + r.a;
        if (pc < 0.6 && stato.scelta !== o) {
          // Zoomed out, objects stand closer than their glyphs: one tick each.
          g.strokeStyle = COLORE_TIPO[o.tipo] || '#7b8794'; g.lineWidth = 1;
          g.beginPath(); g.moveTo(Math.round(x) + 0.5, y0 + 8); g.lineTo(Math.round(x) + 0.5, y1 - 8); g.stroke();
          continue;
        }
        glifo(g, o, x, y0, y1, stato.scelta === o);
        if ((pc >= 16 || stato.scelta === o) && r.id !== 'stazioni') {
          const t = etichetta(o);
          if (t && x - ultimo > 30) {
            g.fillStyle = '#1d232a'; g.font = '10px sans-serif'; g.textBaseline = 'bottom';
            g.fillText(t, x + 7, r.y + r.a - 2);
            ultimo = x + 7 + g.measureText(t).width;
          }
        }
      }
    }
    // Places of the errors of the sources.
    for (const d of diagnostiche) {
      if (d.metro < 0) continue;
      const x = xDi(d.metro);
      g.strokeStyle = '#c0392b'; g.lineWidth = stato.scelta === d ? 2.5 : 1.2; g.setLineDash([4, 3]);
      g.beginPath(); g.moveTo(x, ALTO); g.lineTo(x, profA - ASSE); g.stroke(); g.setLineDash([]);
      g.fillStyle = '#c0392b'; g.beginPath(); g.arc(x, ALTO + 7, 6, 0, 2 * Math.PI); g.fill();
      g.fillStyle = '#fff'; g.font = 'bold 10px sans-serif'; g.textAlign = 'center'; g.textBaseline = 'middle';
      g.fillText('!', x, ALTO + 7); g.textAlign = 'left';
    }
    // Search mark, selection and pointer.
    if (stato.segno !== null) {
      const x = xDi(stato.segno);
      g.strokeStyle = '#1f6feb'; g.lineWidth = 2; g.setLineDash([6, 4]);
      g.beginPath(); g.moveTo(x, ALTO); g.lineTo(x, profA - ASSE); g.stroke(); g.setLineDash([]);
    }
    if (stato.scelta && stato.scelta.metro >= 0) {
      const s = stato.scelta;
      const x0 = s.genere === 'stazione' ? xDi(s.inizio) : s.genere === 'oggetto' || s.genere === 'cella' ? xDi(Math.floor(s.metro / CELLA) * CELLA) : xDi(s.metro) - 1;
      const x1 = s.genere === 'stazione' ? xDi(s.fine) : s.genere === 'oggetto' || s.genere === 'cella' ? xDi((Math.floor(s.metro / CELLA) + 1) * CELLA) : xDi(s.metro) + 1;
      g.fillStyle = 'rgba(230, 126, 34, 0.18)'; g.fillRect(x0, ALTO, Math.max(3, x1 - x0), profA - ALTO - ASSE);
    }
    if (stato.cursore !== null) {
      const x = xDi(stato.cursore);
      g.strokeStyle = '#e67e22'; g.lineWidth = 1.5;
      g.beginPath(); g.moveTo(x, ALTO); g.lineTo(x, profA - ASSE); g.stroke();
    }
    // End of the line.
    {
      const x = xDi(lunghezza);
      g.strokeStyle = '#55606c'; g.lineWidth = 1; g.beginPath(); g.moveTo(x, ALTO); g.lineTo(x, profA - ASSE); g.stroke();
      g.fillStyle = '#55606c'; g.font = '10px sans-serif'; g.textBaseline = 'top'; g.fillText('fine linea', x + 3, ALTO + 2);
    }
    g.restore();
    // Row separators.
    g.strokeStyle = '#dfe3e8'; g.lineWidth = 1; g.beginPath();
    for (const r of RIGHE) { g.moveTo(0, Math.round(r.y) + 0.5); g.lineTo(profL, Math.round(r.y) + 0.5); }
    g.moveTo(xa + 0.5, ALTO); g.lineTo(xa + 0.5, profA - ASSE); g.stroke();
    // The km axis, at the top and the bottom.
    const passo = passoKm(stato.a - stato.da, larghezza);
    g.fillStyle = '#1d232a'; g.font = '11px sans-serif'; g.textAlign = 'center';
    g.strokeStyle = '#55606c'; g.beginPath();
    for (let m = Math.ceil(stato.da / passo) * passo; m <= stato.a; m += passo) {
      const x = xDi(m);
      if (x < xa - 1 || x > xb + 1) continue;
      g.moveTo(x, profA - ASSE); g.lineTo(x, profA - ASSE + 5);
      g.moveTo(x, ALTO - 5); g.lineTo(x, ALTO);
      g.textBaseline = 'top'; g.fillText(kmBreve(m), x, profA - ASSE + 7);
      g.textBaseline = 'bottom'; g.fillText(kmBreve(m), x, ALTO - 6);
    }
    g.stroke();
    g.textAlign = 'left'; g.textBaseline = 'middle'; g.fillStyle = '#55606c';
    g.fillText('km', 6, profA - ASSE / 2);
    g.fillText(pc >= 8 ? 'celle da 50 m' : '', 6, ALTO / 2);
  }

  // ================= drawing on demand =================
  let richiesta = 0;
  function ridisegna() {
    if (richiesta) return;
    richiesta = requestAnimationFrame(() => { richiesta = 0; disegnaMappa(); disegnaProfili(); });
  }
  function dimensiona() {
    for (const [c, set] of [[cMappa, (l, a) => { mappaL = l; mappaA = a; }], [cProf, (l, a) => { profL = l; profA = a; }]]) {
      const r = c.getBoundingClientRect();
      const l = Math.max(50, Math.floor(r.width)), a = Math.max(50, Math.floor(r.height));
      set(l, a);
      c.width = Math.round(l * dpr); c.height = Math.round(a * dpr);
    }
  }

  // ================= moving the views =================
  function finestra(da, a) {
    const minimo = 500, w = Math.min(Math.max(a - da, minimo), fineDominio);
    let d = (da + a) / 2 - w / 2;
    d = Math.max(0, Math.min(d, fineDominio - w));
    stato.da = d; stato.a = d + w;
    ridisegna();
  }
  function centraMappa(m, larghezzaM) {
    if (!piano) return;
    const [x, y] = puntoA(m);
    stato.mappa.cx = x; stato.mappa.cy = y;
    stato.mappa.s = Math.min(mappaL, mappaA) / Math.max(larghezzaM, 300);
  }
  function vaiA(m, larghezzaM) {
    finestra(m - larghezzaM / 2, m + larghezzaM / 2);
    centraMappa(m, Math.max(larghezzaM * 1.5, 3000));
    ridisegna();
  }

  // Profile: wheel zooms about the pointer, drag pans.
  let trascina = null;
  cProf.addEventListener('wheel', (e) => {
    e.preventDefault();
    const m = metroDi(e.offsetX), f = Math.pow(1.0015, e.deltaY);
    finestra(m - (m - stato.da) * f, m + (stato.a - m) * f);
  }, { passive: false });
  cProf.addEventListener('pointerdown', (e) => { trascina = { x: e.clientX, da: stato.da, a: stato.a, mosso: false }; cProf.setPointerCapture(e.pointerId); });
  cProf.addEventListener('pointermove', (e) => {
    if (trascina && (trascina.mosso || Math.abs(e.clientX - trascina.x) > 3)) {
      trascina.mosso = true; cProf.classList.add('trascina');
      const dm = (e.clientX - trascina.x) / (profL - MARGINE - DESTRA) * (trascina.a - trascina.da);
      finestra(trascina.da - dm, trascina.a - dm);
    }
    const m = e.offsetX >= MARGINE ? metroDi(e.offsetX) : null;
    stato.cursore = m !== null && m >= 0 && m <= fineDominio ? m : null;
    mostraCursore();
    const o = colpito(e.offsetX, e.offsetY);
    cProf.title = o ? descrizioneBreve(o) : '';
    cProf.style.cursor = o && !trascina ? 'pointer' : '';
    ridisegna();
  });
  cProf.addEventListener('pointerup', (e) => {
    const era = trascina; trascina = null; cProf.classList.remove('trascina');
    if (era && !era.mosso) scegli(colpito(e.offsetX, e.offsetY) || cellaA(e.offsetX, e.offsetY));
  });
  cProf.addEventListener('pointerleave', () => { stato.cursore = null; mostraCursore(); ridisegna(); });
  // Keys on the focused profiles: arrows pan by a quarter, + and - zoom about the middle.
  cProf.tabIndex = 0;
  cProf.addEventListener('keydown', (e) => {
    const w = stato.a - stato.da, c = (stato.da + stato.a) / 2;
    if (e.key === 'ArrowLeft') finestra(stato.da - w / 4, stato.a - w / 4);
    else if (e.key === 'ArrowRight') finestra(stato.da + w / 4, stato.a + w / 4);
    else if (e.key === '+' || e.key === '=') finestra(c - w / 4, c + w / 4);
    else if (e.key === '-') finestra(c - w, c + w);
    else return;
    e.preventDefault();
  });

  // What lies under a point of the profile canvas.
  function colpito(x, y) {
    const r = RIGHE.find((q) => y >= q.y && y < q.y + q.a);
    if (!r || x < MARGINE) return null;
    const tolleranza = Math.max(7, pxCella() / 2);
    let meglio = null, dMin = tolleranza;
    for (const d of diagnostiche) if (d.metro >= 0 && y < ALTO + 16 && Math.abs(xDi(d.metro) - x) < 8) return d;
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

  // Map: drag pans, wheel zooms about the pointer; hovering marks the metre.
  let trascinaMappa = null;
  cMappa.addEventListener('wheel', (e) => {
    e.preventDefault();
    const [wx, wy] = daSchermo(e.offsetX, e.offsetY);
    const f = Math.pow(1.0015, -e.deltaY);
    stato.mappa.s = Math.max(1e-4, Math.min(stato.mappa.s * f, 40));
    stato.mappa.cx = wx - (e.offsetX - mappaL / 2) / stato.mappa.s;
    stato.mappa.cy = wy + (e.offsetY - mappaA / 2) / stato.mappa.s;
    ridisegna();
  }, { passive: false });
  cMappa.addEventListener('pointerdown', (e) => { trascinaMappa = { x: e.clientX, y: e.clientY, cx: stato.mappa.cx, cy: stato.mappa.cy, mosso: false }; cMappa.setPointerCapture(e.pointerId); });
  cMappa.addEventListener('pointermove', (e) => {
    const t = trascinaMappa;
    if (t && (t.mosso || Math.hypot(e.clientX - t.x, e.clientY - t.y) > 3)) {
      t.mosso = true; cMappa.classList.add('trascina');
      stato.mappa.cx = t.cx - (e.clientX - t.x) / stato.mappa.s;
      stato.mappa.cy = t.cy + (e.clientY - t.y) / stato.mappa.s;
    }
    stato.cursore = metroVicino(e.offsetX, e.offsetY);
    mostraCursore();
    ridisegna();
  });
  cMappa.addEventListener('pointerup', (e) => {
    const t = trascinaMappa; trascinaMappa = null; cMappa.classList.remove('trascina');
    if (!t || t.mosso) return;
    // A click near a station picks it; near the line it shows that place on the profiles.
    const s = stazioni.find((q) => { const [x, y] = aSchermo(...puntoA(q.metro)); return Math.hypot(x - e.offsetX, y - e.offsetY) < 8; });
    if (s) { scegli(s); return; }
    const m = metroVicino(e.offsetX, e.offsetY);
    if (m !== null) {
      const w = stato.a - stato.da;
      finestra(m - w / 2, m + w / 2);
      scegli({ genere: 'cella', cella: Math.floor(m / CELLA), metro: m, riga: null });
    }
  });
  cMappa.addEventListener('pointerleave', () => { stato.cursore = null; mostraCursore(); ridisegna(); });

  // ================= the status line =================
  const eStato = document.getElementById('stato');
  function valoriCella(c) {
    if (c < 0 || c >= celle) return '';
    return 'pendenza ' + profilo.pendenza[c] + ' \u2030 \u00b7 velocit\u00e0 ' + profilo.velocita[c] + ' km/h \u00b7 aderenza ' + profilo.aderenza[c];
  }
  function mostraCursore() {
    eStato.classList.remove('avviso');
    if (stato.cursore === null) { eStato.textContent = ''; return; }
    const c = Math.floor(stato.cursore / CELLA);
    eStato.textContent = 'km ' + km(stato.cursore) + ' \u00b7 cella ' + c + ' \u00b7 ' + valoriCella(c);
  }
  function avviso(testo) { eStato.textContent = testo; eStato.classList.add('avviso'); }

  // ================= details =================
  const eDettagli = document.getElementById('dettagli');
  function descrizioneBreve(o) {
    if (o.genere === 'stazione') return o.nome + ' (km ' + km(o.metro) + ')';
    if (o.genere === 'diagnostica') return o.messaggio;
    if (o.genere === 'oggetto') return (o.dett.oggetto || 'oggetto') + ' \u2014 cella ' + o.cella + ' (km ' + km(o.cella * CELLA) + ')';
    return '';
  }
  function testoValore(v) {
    if (v === null || v === undefined) return '';
    if (Array.isArray(v)) return v.map(testoValore).join('; ');
    if (typeof v === 'object') return Object.entries(v).map(([k, x]) => k.replace(/_/g, ' ') + ' ' + testoValore(x)).join(', ');
    return String(v);
  }
  function tabellaValori(obj) {
    const t = el('table', { class: 'valori' });
    for (const [k, v] of Object.entries(obj)) t.append(el('tr', null, el('td', null, k.replace(/_/g, ' ')), el('td', null, testoValore(v))));
    return t;
  }
  // The source line and two lines either side, the line itself marked.
  function brano(fonte, colonna) {
    const f = (D.sorgenti || [])[fonte.file];
    if (!f) return null;
    const pre = el('pre', { class: 'fonte' });
    for (let r = Math.max(1, fonte.riga - 2); r <= Math.min(f.righe.length, fonte.riga + 2); r++) {
      const s = el('span', r === fonte.riga ? { class: 'scelta' } : null, el('i', null, r), f.righe[r - 1]);
      pre.append(s);
      if (r === fonte.riga && colonna > 0) pre.append(el('span', { class: 'accento' }, el('i', null, ''), ' '.repeat(colonna - 1) + '^'));
    }
    return el('div', null, el('div', { class: 'fonte-titolo' }, 'Sorgente: ' + f.file + ', riga ' + fonte.riga), pre);
  }
  function senzaFonte(testo) {
    return el('p', { class: 'nota' }, (D.sorgenti || []).length ? testo : 'I file sorgenti non sono nella cartella: la pagina mostra solo i file compatti.');
  }
  // The record of a profile in force at a cell, from the sources.
  function fonteProfilo(id, c) {
    const lista = (D.fonti_profili || {})[id] || [];
    let trovata = null;
    for (const r of lista) if (id === 'montagna' ? c >= r[0] && c <= r[1] : r[0] <= c) trovata = { file: r[2], riga: r[3] };
    return trovata;
  }

  // Nothing chosen: how to choose, and the general values of the scenario.
  function vuoto() {
    const parti = [el('p', { class: 'nota' }, 'Fare clic su un oggetto dei profili o su una stazione.')];
    if (R.generali) parti.push(el('details', null, el('summary', null, 'Valori generali dello scenario'), tabellaValori(R.generali)));
    return parti;
  }

  function scegli(o) {
    stato.scelta = o || null;
    eDettagli.replaceChildren();
    if (!o) { eDettagli.append(...vuoto()); ridisegna(); return; }
    if (o.genere === 'oggetto') {
      eDettagli.append(el('h3', null, o.dett.oggetto || 'oggetto di tipo ' + o.tipo),
        el('div', { class: 'luogo' }, 'km ' + km(o.cella * CELLA) + ' \u00b7 cella ' + o.cella + ' (da ' + o.cella * CELLA + ' a ' + (o.cella * CELLA + CELLA) + ' m)'),
        tabellaValori(o.dett));
      if (o.dalControllo) eDettagli.append(el('p', { class: 'nota' }, 'Nessuna riga dei sorgenti: il controllo dei codici lo ha posto per il rallentamento qui sotto.'));
      eDettagli.append(o.fonte ? brano(o.fonte) : senzaFonte(o.tipo === 12 ? 'Nessuna riga dei sorgenti: posto dal controllo dei codici.' : 'Nessuna riga dei sorgenti ha prodotto questo oggetto.'));
    } else if (o.genere === 'stazione') {
      eDettagli.append(el('h3', null, o.nome),
        el('div', { class: 'luogo' }, 'km ' + km(o.metro) + ' \u00b7 area da km ' + km(o.inizio) + ' a km ' + km(o.fine)),
        tabellaValori(o.dett));
      eDettagli.append(o.fonte ? brano(o.fonte) : senzaFonte('Nessuna riga dei sorgenti per questa stazione.'));
    } else if (o.genere === 'diagnostica') {
      eDettagli.append(el('h3', null, { errore: 'Errore dei sorgenti', avviso: 'Avviso dei sorgenti' }[o.specie] || 'Nota'),
        el('div', { class: 'luogo' }, (o.nome_file ? o.nome_file + ', riga ' + o.riga + ', colonna ' + o.colonna : 'senza posto nei sorgenti') + (o.metro >= 0 ? ' \u00b7 km ' + km(o.metro) : '')),
        el('p', null, o.messaggio));
      if (o.file >= 0) eDettagli.append(brano({ file: o.file, riga: o.riga }, o.colonna));
    } else if (o.genere === 'cella') {
      const c = o.cella;
      eDettagli.append(el('h3', null, 'Cella ' + c),
        el('div', { class: 'luogo' }, 'da ' + c * CELLA + ' a ' + (c * CELLA + CELLA) + ' m (km ' + km(c * CELLA) + ')'),
        tabellaValori({ pendenza: profilo.pendenza[c] + ' \u2030', velocita: profilo.velocita[c] + ' km/h', aderenza: profilo.aderenza[c], montagna: profilo.montagna[c] || 'no' }));
      const quali = o.riga && ['pendenza', 'velocita', 'aderenza', 'montagna'].includes(o.riga) ? [o.riga] : ['pendenza', 'velocita', 'aderenza'];
      for (const id of quali) {
        const f = fonteProfilo(id, c);
        if (f) { const b = brano(f); b.firstChild.textContent = id + ' \u2014 ' + b.firstChild.textContent; eDettagli.append(b); }
      }
      if (piano) {
        const curva = ((D.fonti_profili || {}).curva || []).find((r) => c >= r[0] && c <= r[1]);
        if (curva) { const b = brano({ file: curva[2], riga: curva[3] }); b.firstChild.textContent = 'curva \u2014 ' + b.firstChild.textContent; eDettagli.append(b); }
      }
    }
    ridisegna();
  }

  // ================= search =================
  function cerca(testo) {
    const t = testo.trim();
    if (!t) return;
    const numero = t.replace(/^km\s*/i, '');
    let m = null;
    let r = /^(\d+)\+(\d{1,3})$/.exec(numero);
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
    stato.segno = s.metro;
    vaiA(s.metro, Math.max(3000, (s.fine - s.inizio) * 3));
    scegli(s);
  }
  document.getElementById('cerca').addEventListener('submit', (e) => { e.preventDefault(); cerca(document.getElementById('cerca-testo').value); });
  document.getElementById('tutta').addEventListener('click', () => {
    stato.segno = null; finestra(0, lunghezza); adattaMappa(0, lunghezza); ridisegna();
  });

  // ================= side lists =================
  function riempiElenchi() {
    document.getElementById('titolo').textContent = D.percorso + ' \u2014 treno ' + D.treno;
    const lista = document.getElementById('nomi-stazioni');
    const corpo = document.querySelector('#stazioni tbody');
    stazioni.forEach((s) => {
      lista.append(el('option', { value: s.nome }));
      const tr = el('tr', s.tipo >= 25 ? { class: 'posto' } : null,
        el('td', null, s.nome), el('td', null, km(s.metro)), el('td', null, s.dett.orario && s.dett.orario !== '00:00:00' ? s.dett.orario : '\u2014'));
      const vai = () => { stato.segno = s.metro; vaiA(s.metro, Math.max(3000, (s.fine - s.inizio) * 3)); scegli(s); };
      tr.tabIndex = 0;
      tr.addEventListener('click', vai);
      tr.addEventListener('keydown', (e) => { if (e.key === 'Enter') vai(); });
      corpo.append(tr);
    });
    const eErrori = document.getElementById('errori');
    if (!(D.sorgenti || []).length) eErrori.append(el('p', { class: 'nota' }, 'I file sorgenti non sono nella cartella: nessun controllo.'));
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

  // ================= start =================
  riempiElenchi();
  eDettagli.replaceChildren(...vuoto());
  dimensiona();
  adattaMappa(0, lunghezza);
  disegnaMappa();
  disegnaProfili();
  performance.mark('vista-primo-disegno');
  document.body.dataset.pronto = '1';
  new ResizeObserver(() => { dimensiona(); ridisegna(); }).observe(document.querySelector('main'));

  // For tests and the console: where things are drawn, in page coordinates.
  window.vista = {
    finestra: () => [stato.da, stato.a],
    xDiMetro: (m) => cProf.getBoundingClientRect().left + xDi(m),
    yDiRiga: (id) => { const r = riga(id); return cProf.getBoundingClientRect().top + r.y + r.a / 2; },
    puntoMappa: (m) => { const [x, y] = aSchermo(...puntoA(m)); const b = cMappa.getBoundingClientRect(); return [b.left + x, b.top + y]; },
    scelta: () => stato.scelta && { genere: stato.scelta.genere, metro: stato.scelta.metro },
    cursore: () => stato.cursore,
    mostra: (m, larghezza) => vaiA(m, larghezza),
    // Mean time of n full redraws of both views, in ms.
    tempoDisegno: (n) => {
      const t0 = performance.now();
      for (let k = 0; k < n; k++) { disegnaMappa(); disegnaProfili(); }
      return (performance.now() - t0) / n;
    },
  };
})();
