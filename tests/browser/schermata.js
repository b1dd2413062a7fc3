// The picture of the README: the page of the embedded scenario around its
// slowdown, the slowdown's start chosen. Run from the repository root after a
// build:  node tests/browser/schermata.js docs/view.png
'use strict';
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const strumento = process.env.SCENARIO_TOOL || path.resolve(__dirname, '..', '..', 'build', 'scenario');
const uscita = path.resolve(process.argv[2] || 'view.png');

(async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vista-schermata-'));
  for (const argomenti of [['extract', dir], ['compile', dir, 'Velstra_Ordoven', '318'],
    ['view', dir, 'Velstra_Ordoven', '318', '--out', path.join(dir, 'vista.html')]]) {
    const r = spawnSync(strumento, argomenti, { encoding: 'utf8' });
    if (r.status !== 0) throw new Error(argomenti[0] + ': ' + r.stderr);
  }
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, userDataDir: path.join(dir, 'profilo'),
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const p = await browser.newPage();
  await p.setViewport({ width: 1400, height: 900 });
  await p.goto('file://' + path.join(dir, 'vista.html'));
  await p.waitForFunction(() => document.body.dataset.pronto === '1');
  await p.evaluate(() => window.vista.mostra(258900, 4200));
  await new Promise((r) => setTimeout(r, 200));
  const x = await p.evaluate(() => window.vista.xDiMetro(5184 * 50 + 25));
  const y = await p.evaluate(() => window.vista.yDiRiga('rallentamenti'));
  await p.mouse.click(x, y);
  const [mx, my] = await p.evaluate(() => window.vista.puntoMappa(258000));
  await p.mouse.move(mx, my);
  await new Promise((r) => setTimeout(r, 200));
  await p.screenshot({ path: uscita });
  await browser.close();
  fs.rmSync(dir, { recursive: true, force: true });
  console.log('written ' + uscita);
})().catch((e) => { console.error(e); process.exit(1); });
