// The page of `scenario view` in a real browser (Debian's chromium driven by
// puppeteer-core): the page of the embedded scenario is made with the built
// tool, opened and used as an author would use it.
//
//   SCENARIO_TOOL  the built `scenario` (default: build/scenario of the repository)
//   CHROMIUM       the browser (default: /usr/bin/chromium)
//   VISTA_IMMAGINI a folder to keep the screenshots in (default: a temporary one)
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const puppeteer = require('puppeteer-core');

const radice = path.resolve(__dirname, '..', '..');
const strumento = process.env.SCENARIO_TOOL || path.join(radice, 'build', 'scenario');
const browser_exe = process.env.CHROMIUM || '/usr/bin/chromium';
const PERCORSO = 'Velstra_Ordoven', TRENO = '318';
const FILE_TRENO = `${PERCORSO}_${TRENO}-.txt`, FILE_LINEA = `${PERCORSO}_linea.txt`;
const LIMITE_PAGINA = 5 * 1024 * 1024;

const temporanea = fs.mkdtempSync(path.join(os.tmpdir(), 'vista-test-'));
const immagini = process.env.VISTA_IMMAGINI || temporanea;

function scenario(...argomenti) {
  const r = spawnSync(strumento, argomenti, { encoding: 'utf8' });
  if (r.error) throw r.error;
  return r;
}

// The embedded scenario's sources in a fresh folder, optionally changed, compiled, and its page.
function pagina(nome, cambia, opzioni = {}) {
  const dir = path.join(temporanea, nome);
  fs.mkdirSync(dir);
  assert.equal(scenario('extract', dir).status, 0);
  if (cambia) {
    const file = path.join(dir, FILE_TRENO);
    fs.writeFileSync(file, cambia(fs.readFileSync(file, 'latin1')), 'latin1');
  }
  const compilato = scenario('compile', ...(opzioni.senzaPiano ? ['--no-plan'] : []), dir, PERCORSO, TRENO);
  assert.ok(compilato.status === 0 || compilato.status === 1, compilato.stderr);
  const treno = fs.readFileSync(path.join(dir, FILE_TRENO), 'latin1');
  if (opzioni.senzaSorgenti) for (const f of fs.readdirSync(dir)) if (f.endsWith('.txt')) fs.rmSync(path.join(dir, f));
  const html = path.join(dir, 'vista.html');
  const vista = scenario('view', dir, PERCORSO, TRENO, '--out', html, ...(opzioni.rispettoA ? ['--rispetto-a', opzioni.rispettoA] : []));
  assert.equal(vista.status, 0, vista.stderr);
  return { dir, html, treno };
}

// Records of the train source as the author wrote them: [line number, fields].
function record(testo, parola) {
  return testo.split(/\r\n|\n|\r/).map((r, i) => [i + 1, r, r.split(',').map((c) => c.trim())])
    .filter(([, , c]) => c[0].toLowerCase() === parola);
}

// Luminance variance and number of colours of a PNG (8-bit RGB or RGBA, not
// interlaced, as chromium writes them).
function statistichePng(buffer) {
  let pos = 8, larghezza = 0, altezza = 0, canali = 0;
  const dati = [];
  while (pos < buffer.length) {
    const lunghezza = buffer.readUInt32BE(pos), tipo = buffer.toString('ascii', pos + 4, pos + 8);
    const corpo = buffer.subarray(pos + 8, pos + 8 + lunghezza);
    if (tipo === 'IHDR') {
      larghezza = corpo.readUInt32BE(0); altezza = corpo.readUInt32BE(4);
      assert.equal(corpo[8], 8, '8-bit PNG'); assert.equal(corpo[12], 0, 'not interlaced');
      canali = { 2: 3, 6: 4 }[corpo[9]];
      assert.ok(canali, 'RGB or RGBA PNG');
    } else if (tipo === 'IDAT') dati.push(corpo);
    pos += 12 + lunghezza;
  }
  const grezzo = zlib.inflateSync(Buffer.concat(dati));
  const riga = larghezza * canali;
  const pixel = Buffer.alloc(riga * altezza);
  for (let y = 0; y < altezza; y++) {
    const filtro = grezzo[y * (riga + 1)];
    for (let x = 0; x < riga; x++) {
      const v = grezzo[y * (riga + 1) + 1 + x];
      const a = x >= canali ? pixel[y * riga + x - canali] : 0;
      const b = y > 0 ? pixel[(y - 1) * riga + x] : 0;
      const c = x >= canali && y > 0 ? pixel[(y - 1) * riga + x - canali] : 0;
      let p;
      switch (filtro) {
        case 0: p = v; break;
        case 1: p = v + a; break;
        case 2: p = v + b; break;
        case 3: p = v + ((a + b) >> 1); break;
        case 4: { const q = a + b - c, pa = Math.abs(q - a), pb = Math.abs(q - b), pc = Math.abs(q - c); p = v + (pa <= pb && pa <= pc ? a : pb <= pc ? b : c); break; }
        default: throw new Error('PNG filter ' + filtro);
      }
      pixel[y * riga + x] = p & 255;
    }
  }
  let somma = 0, quadrati = 0;
  const colori = new Set();
  const n = larghezza * altezza;
  for (let i = 0; i < n; i++) {
    const r = pixel[i * canali], g = pixel[i * canali + 1], b = pixel[i * canali + 2];
    const l = 0.299 * r + 0.587 * g + 0.114 * b;
    somma += l; quadrati += l * l;
    if (colori.size < 5000) colori.add((r << 16) | (g << 8) | b);
  }
  const media = somma / n;
  return { larghezza, altezza, varianza: quadrati / n - media * media, colori: colori.size };
}

let browser;
const esterne = [];
const errori = [];

async function apri(file) {
  const p = await browser.newPage();
  await p.setViewport({ width: 1400, height: 900 });
  await p.setRequestInterception(true);
  p.on('request', (r) => {
    if (r.url().startsWith('file://')) r.continue();
    else { esterne.push(r.url()); r.abort(); }
  });
  // Every text drawn on a canvas is noted, with the canvas it went on.
  await p.evaluateOnNewDocument(() => {
    window.testiDisegnati = [];
    const fillText = CanvasRenderingContext2D.prototype.fillText;
    CanvasRenderingContext2D.prototype.fillText = function (testo, ...resto) {
      window.testiDisegnati.push({ tela: this.canvas.id, testo: String(testo) });
      return fillText.call(this, testo, ...resto);
    };
  });
  p.on('pageerror', (e) => errori.push(String(e)));
  p.on('console', (m) => { if (m.type() === 'error') errori.push(m.text()); });
  await p.goto('file://' + file);
  await p.waitForFunction(() => document.body.dataset.pronto === '1', { timeout: 20000 });
  return p;
}

before(async () => {
  assert.ok(fs.existsSync(strumento), `the built tool is missing: ${strumento} (make programs)`);
  browser = await puppeteer.launch({
    executablePath: browser_exe,
    headless: true,
    userDataDir: path.join(temporanea, 'profilo'),
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});

after(async () => {
  if (browser) await browser.close();
  if (!process.env.VISTA_IMMAGINI) fs.rmSync(temporanea, { recursive: true, force: true });
});

test('the page of the embedded scenario: stations, a signal at cell zoom, a screenshot', async () => {
  const { html, treno } = pagina('incorporato');
  const byte = fs.statSync(html).size;
  console.log(`page of the embedded scenario: ${byte} bytes`);
  assert.ok(byte < LIMITE_PAGINA, `page of ${byte} bytes`);

  const p = await apri(html);
  const primo = await p.evaluate(() => performance.getEntriesByName('vista-primo-disegno')[0].startTime);
  console.log(`first drawing: ${primo.toFixed(1)} ms after opening (measured in the browser)`);

  // Every station the author wrote is named on the page.
  const testo = await p.evaluate(() => document.body.innerText);
  const nomi = record(treno, 'stazione').map(([, , c]) => c[c.length - 1]);
  assert.ok(nomi.length > 40);
  for (const nome of nomi) assert.ok(testo.includes(nome), `station ${nome} is on the page`);

  const interaMs = await p.evaluate(() => window.vista.tempoDisegno(20));

  const intera = await p.screenshot({ path: path.join(immagini, 'vista.png') });
  const s = statistichePng(Buffer.from(intera));
  console.log(`screenshot ${s.larghezza}x${s.altezza}: luminance variance ${s.varianza.toFixed(0)}, ${s.colori} colours`);
  assert.ok(s.varianza > 200 && s.colori > 50, 'the screenshot is not blank');

  // The map names every timed stop of the train file.
  const nomiMappa = await p.evaluate(() => window.vista.nomiMappa());
  for (const [, , c] of record(treno, 'stazione'))
    if (c[14] !== '0' || c[15] !== '0') assert.ok(nomiMappa.includes(c[17]), `${c[17]} (timed) is named on the map: ${nomiMappa.join(', ')}`);

  // The signal the author wrote at 2800 m lies in cell 57 (2850 to 2900 m):
  // search its km, click it at cell zoom and read it decoded, with its line.
  const [riga, sorgente] = record(treno, 'segnale').find(([, , c]) => c[1] === '2800');
  await p.type('#cerca-testo', '2,875');
  await p.keyboard.press('Enter');
  const [da, a] = await p.evaluate(() => window.vista.finestra());
  assert.ok(da <= 2850 && a >= 2900 && a - da <= 2500, `window ${da}..${a} shows the cell`);
  const celleMs = await p.evaluate(() => window.vista.tempoDisegno(20));
  console.log(`redraw of map and profiles: ${interaMs.toFixed(1)} ms for the whole line, ${celleMs.toFixed(1)} ms at cell zoom (mean of 20)`);
  const x = await p.evaluate(() => window.vista.xDiMetro(2875));
  const y = await p.evaluate(() => window.vista.yDiRiga('segnali'));
  await p.mouse.click(x, y);
  const dettagli = await p.$eval('#dettagli', (e) => e.innerText);
  assert.match(dettagli, /^segnale/m);
  assert.match(dettagli, /cella 57\b/);
  assert.match(dettagli, /valore 1\s+42\b/);
  assert.match(dettagli, /valore 2\s+11\b/);
  assert.match(dettagli, /valore 3\s+11\b/);
  assert.ok(dettagli.includes(`Sorgente: ${FILE_TRENO}, riga ${riga}`), dettagli);
  assert.ok(dettagli.includes(sorgente), 'the source line is shown');
  // Source lines wrap inside the panel rather than run past its edge.
  const [largo, visibile] = await p.$eval('#dettagli pre.fonte', (e) => [e.scrollWidth, e.clientWidth]);
  assert.ok(largo <= visibile, `the source lines need ${largo} px in a panel of ${visibile}`);
  // The selection is marked on the map too, where the line passes at that metre.
  const scelta = await p.evaluate(() => window.vista.scelta());
  assert.equal(scelta.genere, 'oggetto');
  await p.screenshot({ path: path.join(immagini, 'vista-segnale.png') });

  // Hovering a place of the map marks that metre on the profiles.
  const [mx, my] = await p.evaluate(() => window.vista.puntoMappa(2875));
  await p.mouse.move(mx, my);
  const cursore = await p.evaluate(() => window.vista.cursore());
  assert.ok(cursore !== null && Math.abs(cursore - 2875) < 100, `map hover gives metre ${cursore}`);

  // And hovering the profiles marks that metre for the map.
  await p.mouse.move(await p.evaluate(() => window.vista.xDiMetro(3300)), y);
  const daiProfili = await p.evaluate(() => window.vista.cursore());
  assert.ok(Math.abs(daiProfili - 3300) < 10, `profile hover gives metre ${daiProfili}`);

  // A station by name.
  await p.click('#cerca-testo', { clickCount: 3 });
  await p.type('#cerca-testo', 'piacenza');
  await p.keyboard.press('Enter');
  assert.match(await p.$eval('#dettagli', (e) => e.innerText), /^PIACENZA/m);
  const [sda, sa] = await p.evaluate(() => window.vista.finestra());
  assert.ok(sda < 71450 && sa > 71450);
  // km+metres is a kilometre post, as on the line's signs and the timetable
  // sheet: 55+685 stands twice, since the count restarts at BOLOGNA C.LE;
  // both places are listed and the first is shown. The sheet puts
  // S.BENEDETTO SAMBRO at 55.685.
  const cerca = async (testo) => {
    await p.click('#cerca-testo', { clickCount: 3 });
    await p.type('#cerca-testo', testo);
    await p.keyboard.press('Enter');
    const [da, a] = await p.evaluate(() => window.vista.finestra());
    return { centro: (da + a) / 2, stato: await p.$eval('#stato', (e) => e.textContent), dettagli: await p.$eval('#dettagli', (e) => e.innerText) };
  };
  const punto = await cerca('55+685');
  assert.match(punto.stato, /^Punto chilometrico 55\+685: 2 posti/);
  assert.match(punto.dettagli, /km 162,615 dall.inizio \u2014 presso RUBIERA/);
  assert.match(punto.dettagli, /km 259,515 dall.inizio \u2014 S\.BENEDETTO SAMBRO/);
  assert.equal(punto.centro, 162615);
  // 123+850 under the series in force from km 23,45 of the distance is 218300 - 123850.
  assert.equal((await cerca('123+850')).centro, 94450);
  // A distance from the start, said as such, in km or in metres.
  for (const testo of ['km 123,85', '123850 m']) {
    const d = await cerca(testo);
    assert.equal(d.centro, 123850, testo);
    assert.match(d.stato, /^Distanza dall.inizio: km 123,850 \(punto chilometrico 94\+450\)/, testo);
  }
  // The station list gives each station its kilometre post beside its distance.
  const rigaStazione = await p.$$eval('#stazioni tbody tr', (r) => r.map((x) => x.innerText).find((t) => t.startsWith('S.BENEDETTO SAMBRO')));
  assert.match(rigaStazione, /259,500\s+55\+700/);
  await p.close();
});

// The texts one full drawing of the profiles writes.
async function testiProfili(p) {
  return p.evaluate(() => {
    window.testiDisegnati = [];
    window.vista.tempoDisegno(1);
    return window.testiDisegnati.filter((t) => t.tela === 'profili').map((t) => t.testo);
  });
}

test('at cell zoom the objects are labelled with their values', async () => {
  const { dir, html, treno } = pagina('etichette');
  const linea = fs.readFileSync(path.join(dir, FILE_LINEA), 'latin1');
  const campi = (testo, parola, progressiva) => record(testo, parola).find(([, , c]) => c[1] === progressiva)[2];
  const cartello = campi(linea, 'indicatori_vmax', '2900'), codice = campi(treno, 'abbattimento', '10000');
  const rallentamento = campi(treno, 'rallentamento', '259150');
  // A place to search, and the label the object there must carry: the signal
  // at 2800 m with its three values (as the details show them), the board with
  // its first speed pair as written, the code point with its code, the start
  // of the slowdown with its speed.
  const casi = [
    ['2,875', '42\u00b711\u00b711'],
    ['2,9', `${cartello[2]}/${cartello[6]}`],
    ['10', codice[2]],
    ['259,150', `${rallentamento[2]} km/h`],
  ];
  const p = await apri(html);
  const lontano = await testiProfili(p);
  for (const [, attesa] of casi) assert.ok(!lontano.includes(attesa), `no label "${attesa}" on the whole line`);
  for (const [km, attesa] of casi) {
    await p.click('#cerca-testo', { clickCount: 3 });
    await p.type('#cerca-testo', km);
    await p.keyboard.press('Enter');
    const testi = await testiProfili(p);
    assert.ok(testi.includes(attesa), `label "${attesa}" at km ${km}, drawn: ${testi.join(' | ')}`);
  }
  await p.close();
});

test('an error of the sources is listed and leads to its place and line', async () => {
  // The last code point moved onto the cell of the last signal (code points go
  // at nearest(P/50), signals one cell further on).
  let cambiata = '';
  const { html, treno } = pagina('con-errore', (testo) => {
    const segnali = record(testo, 'segnale');
    const p = Number(segnali[segnali.length - 1][2][1]) + 50;
    const codici = record(testo, 'abbattimento');
    const vecchia = codici[codici.length - 1][1];
    cambiata = `abbattimento,  ${p},   280`;
    return testo.replace(vecchia, cambiata);
  });
  const riga = treno.split(/\r\n/).indexOf(cambiata) + 1;
  const progressiva = Number(cambiata.split(',')[1]);
  assert.ok(riga > 0);

  const p = await apri(html);
  const voci = await p.$$('#errori button');
  assert.equal(voci.length, 1, 'one error listed');
  assert.match(await p.evaluate((b) => b.innerText, voci[0]), new RegExp(`${FILE_TRENO}:${riga}:`));
  await voci[0].click();
  const [da, a] = await p.evaluate(() => window.vista.finestra());
  assert.ok(da <= progressiva && a >= progressiva && a - da <= 2500, `window ${da}..${a} holds ${progressiva}`);
  const dettagli = await p.$eval('#dettagli', (e) => e.innerText);
  assert.match(dettagli, /Errore n\. 7\b/);
  assert.ok(dettagli.includes(`${FILE_TRENO}, riga ${riga}`), dettagli);
  assert.ok(dettagli.includes(cambiata), 'the line at fault is shown');
  await p.screenshot({ path: path.join(immagini, 'vista-errore.png') });
  await p.close();
});

test('from the compact files alone, without plan and sources, the page still works', async () => {
  const { html, treno } = pagina('solo-compatti', null, { senzaPiano: true, senzaSorgenti: true });
  const p = await apri(html);
  const testo = await p.evaluate(() => document.body.innerText);
  for (const [, , c] of record(treno, 'stazione')) assert.ok(testo.includes(c[c.length - 1]));
  assert.match(testo, /I file sorgenti non sono nella cartella/);
  await p.type('#cerca-testo', 'PARMA');
  await p.keyboard.press('Enter');
  const dettagli = await p.$eval('#dettagli', (e) => e.innerText);
  assert.match(dettagli, /^PARMA/m);
  assert.match(dettagli, /solo i file compatti/);
  await p.close();
});

test("the search's example names the scenario's own stations", async () => {
  // Another scenario's names: the example follows them, never the embedded ones.
  const { html } = pagina('altri-nomi', (testo) => testo.replace(/\bPIACENZA\b/g, 'BORGONOVO').replace(/\bLODI\b/g, 'ZELO'));
  const p = await apri(html);
  const esempio = await p.$eval('#cerca-testo', (e) => e.placeholder);
  assert.match(esempio, /^Stazione, pk o km \(es\. BORGONOVO, \d+\+\d{3}, km \d+(,\d)?\)$/);
  assert.ok(!esempio.includes('LODI') && !esempio.includes('PIACENZA'), esempio);
  // What the example says is found: the station, and its post leads to it.
  const pk = esempio.match(/(\d+\+\d{3})/)[1];
  await p.type('#cerca-testo', pk);
  await p.keyboard.press('Enter');
  const [da, a] = await p.evaluate(() => window.vista.finestra());
  assert.ok(da < 71450 && a > 71450, `${pk} shows ${da}..${a}`);
  await p.close();
});

test('made against an older version, the page marks and lists a moved signal', async () => {
  const vecchia = path.join(temporanea, 'versione-vecchia');
  assert.equal(scenario('extract', vecchia).status, 0);
  const { dir, html } = pagina('rispetto-a', (testo) => {
    const mosso = testo.replace('segnale,    3450,', 'segnale,    3500,');
    assert.notEqual(mosso, testo);
    return mosso;
  }, { rispettoA: vecchia });

  const p = await apri(html);
  const voci = await p.$$('#modifiche button');
  assert.equal(voci.length, 1, 'one change listed');
  assert.match(await p.evaluate((b) => b.innerText, voci[0]), /^Spostato \u00b7 pk 3\+500\n.*3\+450 a 3\+500/);
  await voci[0].click();
  const [da, a] = await p.evaluate(() => window.vista.finestra());
  assert.ok(da <= 3500 && a >= 3500 && a - da <= 2500, `window ${da}..${a} holds 3500`);
  const dettagli = await p.$eval('#dettagli', (e) => e.innerText);
  assert.match(dettagli, /^Spostato: segnale/m);
  assert.match(dettagli, /prima\s+pk 3\+450/);
  assert.match(dettagli, /ora\s+pk 3\+500/);
  assert.ok(dettagli.includes('segnale,    3500,'), 'the line of this version is shown');
  // The move's mark is drawn where the signal now is, on both views.
  await p.evaluate(() => window.vista.tempoDisegno(1));
  const segni = await p.evaluate(() => window.vista.segniModifiche());
  const xProfili = await p.evaluate(() => window.vista.xDiMetro(3500));
  const [xMappa, yMappa] = await p.evaluate(() => window.vista.puntoMappa(3500));
  assert.deepEqual(segni.profili.map((s) => [s.segno, s.metro]), [['spostato', 3500]]);
  assert.ok(Math.abs(segni.profili[0].x - xProfili) < 1, `profile mark at ${segni.profili[0].x}, metre 3500 at ${xProfili}`);
  assert.deepEqual(segni.mappa.map((s) => [s.segno, s.metro]), [['spostato', 3500]]);
  assert.ok(Math.hypot(segni.mappa[0].x - xMappa, segni.mappa[0].y - yMappa) < 1, 'map mark at metre 3500');
  await p.screenshot({ path: path.join(immagini, 'vista-modifiche.png') });
  await p.close();

  // Without the option the same folder's page has no panel and no marks.
  const semplice = path.join(dir, 'semplice.html');
  assert.equal(scenario('view', dir, PERCORSO, TRENO, '--out', semplice).status, 0);
  const q = await apri(semplice);
  assert.equal(await q.$('#pannello-modifiche'), null);
  const nessuno = await q.evaluate(() => window.vista.segniModifiche());
  assert.deepEqual([nessuno.mappa.length, nessuno.profili.length], [0, 0]);
  await q.close();
});

test('the page fetched nothing and raised no script error', () => {
  assert.deepEqual(esterne, []);
  assert.deepEqual(errori, []);
});
