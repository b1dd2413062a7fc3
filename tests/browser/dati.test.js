// The data of the page of `scenario view` against their schema
// (docs/schema/view.schema.json): for the embedded scenario with its sources
// and plan, and for its compact files alone; and the schema itself is strict
// enough that a key gained, lost or retyped fails.
//
//   SCENARIO_TOOL  the built `scenario` (default: build/scenario of the repository)
'use strict';
const { test, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const Ajv2020 = require('ajv/dist/2020').default;

const radice = path.resolve(__dirname, '..', '..');
const strumento = process.env.SCENARIO_TOOL || path.join(radice, 'build', 'scenario');
const PERCORSO = 'Velstra_Ordoven', TRENO = '318';
const temporanea = fs.mkdtempSync(path.join(os.tmpdir(), 'vista-dati-'));
after(() => fs.rmSync(temporanea, { recursive: true, force: true }));

const schema = JSON.parse(fs.readFileSync(path.join(radice, 'docs', 'schema', 'view.schema.json'), 'utf8'));
// The kinds' required values name keys that ValoriOggetto defines: strictRequired cannot see them.
const valida = new Ajv2020({ allErrors: true, strict: true, strictRequired: false }).compile(schema);
const errori = () => (valida.errors || []).map((e) => `${e.instancePath} ${e.message} ${JSON.stringify(e.params)}`).join('\n');

function scenario(...argomenti) {
  const r = spawnSync(strumento, argomenti, { encoding: 'utf8' });
  if (r.error) throw r.error;
  return r;
}

// The data the tool writes into the page, for the embedded scenario compiled in a fresh folder.
function dati(nome, soloCompatti, cambia, altre = []) {
  const dir = path.join(temporanea, nome);
  fs.mkdirSync(dir);
  assert.equal(scenario('extract', dir).status, 0);
  if (cambia) {
    const file = path.join(dir, `${PERCORSO}_${TRENO}-.txt`);
    fs.writeFileSync(file, cambia(fs.readFileSync(file, 'latin1')), 'latin1');
  }
  assert.equal(scenario('compile', ...(soloCompatti ? ['--no-plan'] : []), dir, PERCORSO, TRENO).status, 0);
  if (soloCompatti) for (const f of fs.readdirSync(dir)) if (f.endsWith('.txt')) fs.rmSync(path.join(dir, f));
  const html = path.join(dir, 'vista.html');
  const vista = scenario('view', dir, PERCORSO, TRENO, '--out', html, ...altre);
  assert.equal(vista.status, 0, vista.stderr);
  const m = /<script type="application\/json" id="dati-scenario">([\s\S]*?)<\/script>/.exec(fs.readFileSync(html, 'utf8'));
  assert.ok(m, 'the page holds its data');
  return JSON.parse(m[1]);
}

test('the data of the embedded scenario and of its compact files alone follow the schema', () => {
  const intero = dati('incorporato', false);
  assert.ok(valida(intero), errori());
  assert.equal(intero.metri_cella, 50);
  assert.ok(intero.piano && intero.sorgenti.length === 2 && intero.rapporto.oggetti.length > 700);
  const compatti = dati('solo-compatti', true);
  assert.ok(valida(compatti), errori());
  assert.equal(compatti.piano, undefined);
  assert.deepEqual(compatti.sorgenti, []);
  assert.equal(compatti.rapporto.sorgenti.treno.presente, false);
});

test('the data of a page made against an older version follow the schema', () => {
  // A signal moved (a place on both sides) and one removed (none in this version).
  const vecchia = path.join(temporanea, 'vecchia');
  assert.equal(scenario('extract', vecchia).status, 0);
  const d = dati('rispetto-a', false, (t) => t.replace('segnale,    3450,', 'segnale,    3500,').replace(/^segnale, +2800,.*\r\n/m, ''),
    ['--rispetto-a', vecchia]);
  assert.ok(valida(d), errori());
  assert.deepEqual(d.modifiche.map((m) => m.genere).sort(), ['rimosso', 'spostato']);
  assert.equal(d.modifiche.find((m) => m.genere === 'rimosso').b, null);
  assert.equal(dati('senza-rispetto', false).modifiche, undefined);
});

test('a key gained, lost or of another shape breaks the schema', () => {
  const base = dati('da-cambiare', false);
  const segnale = base.rapporto.oggetti.findIndex((o) => o.tipo === 1);
  const cartello = base.rapporto.oggetti.findIndex((o) => o.tipo === 6);
  const casi = [
    ['a new top-level key', (d) => { d.nuova = 1; }],
    ['metri_cella lost', (d) => { delete d.metri_cella; }],
    ['an object tuple with a sixth place', (d) => { d.oggetti[0].push(0); }],
    ['a station without its name', (d) => { delete d.stazioni[0].nome; }],
    ['a diagnostic of an unknown kind', (d) => { d.diagnostiche.push({ genere: 'grave', file: -1, nome_file: '', riga: 0, colonna: 0, messaggio: '', progressiva: -1 }); }],
    ['a signal whose values lose valore_1', (d) => { delete d.rapporto.oggetti[segnale].valori.valore_1; }],
    ['a signal with the values of a board', (d) => { d.rapporto.oggetti[segnale].valori.velocita = 60; }],
    ['values back at the top of the object, as once', (d) => { d.rapporto.oggetti[segnale].valore_1 = 42; }],
    ['a board pair with the old key names', (d) => { d.rapporto.oggetti[cartello].valori.velocita_1 = { prima_kmh: 90, seconda_kmh: 90, parola: 1818 }; }],
    ['a source present as the word si, as once', (d) => { d.rapporto.sorgenti.linea.presente = 'si'; }],
    ['a key new to the general values', (d) => { d.rapporto.generali.nuova = 1; }],
    ['a plan coordinate that is not an integer', (d) => { d.piano.x[0] = 0.5; }],
  ];
  assert.ok(valida(base), errori());
  for (const [caso, cambia] of casi) {
    const d = structuredClone(base);
    cambia(d);
    assert.equal(valida(d), false, caso);
  }
});

// The page reads a kind of object or station by its key: no script of the
// page compares a kind with a number or keeps a table keyed by kind numbers.
test('the scripts of the page hold no number of a kind', () => {
  const cartella = path.join(radice, 'src', 'scenario', 'pagina');
  for (const nome of fs.readdirSync(cartella).filter((f) => f.endsWith('.js'))) {
    const testo = fs.readFileSync(path.join(cartella, nome), 'utf8');
    assert.doesNotMatch(testo, /\btipo\s*(===|!==|==|!=|>=|<=|>|<)\s*\d/, nome);
    assert.doesNotMatch(testo, /case\s+\d+\s*:/, nome);
    assert.doesNotMatch(testo, /[{,]\s*\d+\s*:\s*(COLORI|'|\()/, nome);
  }
});
