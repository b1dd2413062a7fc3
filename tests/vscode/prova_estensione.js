// The VS Code extension as its .vsix ships it, against `scenario lsp`: the
// stand-in of the editor (vscode_finto.js) opens the train file, which
// activates the extension from the unpacked package, and its bundled
// vscode-languageclient starts the server found on the PATH. Then the line
// file opens, and the editor's providers are asked as the editor asks them:
// diagnostics (error 16 with the record that took the cell), hover,
// completion (VS Code expands snippets: the fields come as placeholders),
// inlay hints, and formatting where the server offers it. The package.json of the .vsix gives the language of both file
// names, the activation and the Windows-1252 encoding.
//   node prova_estensione.js UNPACKED_EXTENSION_DIR SOURCES_DIR
// (the sources of Velstra_Ordoven 318 with the faults run.sh puts in)
'use strict';
const fs = require('fs');
const os = require('os');
const { execFileSync } = require('child_process');
const path = require('path');
const Module = require('module');
const { crea } = require('./vscode_finto.js');

const [cartellaEstensione, cartella] = process.argv.slice(2).map((p) => path.resolve(p));
const pacchetto = JSON.parse(fs.readFileSync(path.join(cartellaEstensione, 'package.json'), 'utf8'));
const editor = crea(pacchetto, path.join(cartellaEstensione, pacchetto.main));
const caricaModulo = Module._load;
Module._load = function (nome, ...resto) {
  return nome === 'vscode' ? editor.vscode : caricaModulo.call(this, nome, ...resto);
};

let passati = 0;
let falliti = 0;
const verifica = (cosa, ok, dettaglio) => {
  if (ok) passati++;
  else falliti++;
  console.log((ok ? 'PASS ' : 'FAIL ') + cosa + (ok ? '' : ' ' + String(JSON.stringify(dettaglio)).slice(0, 600)));
};
const attendi = async (condizione, secondi) => {
  for (let t = 0; t < secondi * 20; t++) {
    const v = condizione();
    if (v) return v;
    await new Promise((r) => setTimeout(r, 50));
  }
  return undefined;
};
const codice = (d) => String(d.code && typeof d.code === 'object' ? d.code.value : d.code);
const rigaDi = (documento, cercato) => documento.getText().slice(0, documento.getText().indexOf(cercato)).split('\n').length - 1;
const { Position, Range, SnippetString, MarkdownString, DiagnosticSeverity } = editor.vscode;

// The editor's text edits applied to a text, the last first.
function applica(testo, modifiche) {
  const inizi = [0];
  for (let i = 0; i < testo.length; i++) if (testo[i] === '\n') inizi.push(i + 1);
  const scarto = (p) => Math.min(inizi[p.line] + p.character, p.line + 1 < inizi.length ? inizi[p.line + 1] : testo.length);
  return modifiche
    .map((m) => [scarto(m.range.start), scarto(m.range.end), m.newText])
    .sort((a, b) => b[0] - a[0])
    .reduce((t, [da, a, nuovo]) => t.slice(0, da) + nuovo + t.slice(a), testo);
}

// What the compiler reads in a train file's text: `scenario testo --solo`
// on it written in Windows-1252.
const alto = new TextDecoder('windows-1252').decode(Uint8Array.from({ length: 128 }, (_, i) => 128 + i));
function elenco(testo) {
  const byte = Buffer.from([...testo].map((c) => (c.charCodeAt(0) < 128 ? c.charCodeAt(0) : 128 + alto.indexOf(c))));
  const cartellaTemporanea = fs.mkdtempSync(path.join(os.tmpdir(), 'elenco-'));
  try {
    const file = path.join(cartellaTemporanea, 'Velstra_Ordoven_318-.txt');
    fs.writeFileSync(file, byte);
    return execFileSync('scenario', ['testo', '--solo', file], { encoding: 'utf8' });
  } finally {
    fs.rmSync(cartellaTemporanea, { recursive: true, force: true });
  }
}

async function main() {
  const lingua = pacchetto.contributes.languages[0].id;
  const nomeTreno = 'Velstra_Ordoven_318-.txt';
  const nomeLinea = 'Velstra_Ordoven_linea.txt';
  verifica('the train file opens as ' + lingua, editor.linguaDi(nomeTreno) === lingua, editor.linguaDi(nomeTreno));
  verifica('the line file opens as ' + lingua, editor.linguaDi(nomeLinea) === lingua, editor.linguaDi(nomeLinea));
  verifica('the documents table is no source', editor.linguaDi('Velstra_Ordoven_318_documenti.txt') !== lingua);
  verifica('the extension activates on the language', editor.attivazioni.has('onLanguage:' + lingua), [...editor.attivazioni]);
  const difetti = editor.difettiDi(lingua);
  verifica('the sources open as Windows-1252', difetti['files.encoding'] === 'windows1252', difetti);
  verifica('and are saved with CR LF', difetti['files.eol'] === '\r\n', difetti);
  const versione = (dir) => JSON.parse(fs.readFileSync(path.join(dir, 'vscode-languageclient', 'package.json'))).version;
  const impacchettata = versione(path.join(cartellaEstensione, 'node_modules'));
  verifica(
    'the package bundles the client pinned here',
    impacchettata === versione(path.join(__dirname, 'node_modules')),
    impacchettata
  );

  const treno = editor.apri(path.join(cartella, nomeTreno));
  verifica('opening the train file activates the extension', editor.attiva() !== undefined);
  if (!editor.attiva()) return;
  verifica('the accented names read as Windows-1252', treno.getText().includes('SAMBRO CITT\u00c0\r\n') && !treno.getText().includes('\ufffd'));
  const errori = (documento, c) => (editor.diagnostiche(documento) || []).filter((d) => codice(d) === c);
  await attendi(() => errori(treno, '16').length, 30);
  const e16 = errori(treno, '16')[0];
  const spostato = rigaDi(treno, 'segnale,    2800,') + 1;
  verifica('error 16 reaches the editor', e16 !== undefined, editor.messaggi.concat([...editor.mancanti]));
  if (e16) {
    verifica('at the progressive of the moved signal', e16.range.start.line === spostato && e16.range.start.character === 12, e16.range);
    verifica('an error', e16.severity === DiagnosticSeverity.Error, e16.severity);
    const collegata = (e16.relatedInformation || [])[0];
    verifica(
      'with the record that took the cell as related information',
      collegata && collegata.location.uri.toString() === treno.uri.toString() && collegata.location.range.start.line === spostato - 1,
      e16.relatedInformation
    );
  }
  verifica('the letter O of 12O0', errori(treno, 'lettera-o').length === 1, editor.diagnostiche(treno));

  const linea = editor.apri(path.join(cartella, nomeLinea));
  await attendi(() => errori(linea, 'lettera-o').length, 30);
  const o = errori(linea, 'lettera-o')[0];
  verifica('the line file has its own diagnostics', o && o.range.start.line === rigaDi(linea, '9O40'), editor.diagnostiche(linea));

  const r259500 = rigaDi(treno, 'stazione,  259500,');
  for (const [riga, colonna, atteso] of [
    [r259500, 13, 'km 55+700'],
    [rigaDi(treno, '12O0'), 22, '**12**'],
    [r259500, 3, 'scenario formato stazione'],
  ]) {
    const h = await editor.chiedi('HoverProvider', 'provideHover', treno, new Position(riga, colonna));
    const testo = h ? h.contents.map((c) => (c instanceof MarkdownString ? c.value : String(c.value || c))).join('\n') : '';
    const larghe = testo.split('\n').filter((l) => [...l].length > 80);
    verifica('hover at ' + riga + ':' + colonna + ' says ' + atteso, testo.includes(atteso), testo);
    verifica('in lines of at most 80 columns', larghe.length === 0, larghe);
  }

  // Completion at the start of a train record: its keywords, each with its fields as placeholders.
  const completamento = await editor.chiedi(
    'CompletionItemProvider',
    'provideCompletionItems',
    treno,
    new Position(rigaDi(treno, '12O0'), 0),
    { triggerKind: 0 }
  );
  const voci = Array.isArray(completamento) ? completamento : (completamento || { items: [] }).items;
  const etichetta = (v) => (typeof v.label === 'string' ? v.label : v.label.label);
  const segnale = voci.find((v) => etichetta(v) === 'segnale');
  verifica('completion offers the train\'s keywords', segnale && !voci.some((v) => etichetta(v) === 'pendenza'), voci.map(etichetta));
  if (segnale) {
    const inserito = segnale.insertText instanceof SnippetString ? segnale.insertText.value : String(segnale.insertText);
    verifica(
      'segnale goes in with its fields as placeholders',
      segnale.insertText instanceof SnippetString && /^segnale, *\$\{1:progressiva\}/.test(inserito),
      inserito
    );
  }

  const suggerimenti = await editor.chiedi(
    'InlayHintsProvider',
    'provideInlayHints',
    treno,
    new Range(r259500, 0, r259500 + 1, 0)
  );
  const etichette = (suggerimenti || []).map((s) => (typeof s.label === 'string' ? s.label : s.label.map((p) => p.value).join('')));
  verifica('inlay hint pk 55+700 beside 259500', JSON.stringify(etichette) === '["pk 55+700"]', etichette);

  // Formatting, where the server offers it (the client registers a provider
  // only then), on a copy of the train file without faults and with a
  // record written without its columns: the edits keep CR LF and what the
  // compiler reads, and formatting the result again changes nothing.
  const pulito = editor.apri(path.join(cartella, 'pulito', nomeTreno));
  if (!editor.offerti('DocumentFormattingEditProvider', pulito).length) console.log('SKIP formatting: the server offers none');
  else {
    const opzioni = { tabSize: 4, insertSpaces: true };
    const prima = pulito.getText();
    const modifiche = await editor.chiedi('DocumentFormattingEditProvider', 'provideDocumentFormattingEdits', pulito, opzioni);
    const dopo = applica(prima, modifiche || []);
    verifica('formatting keeps CR LF', dopo.split('\n').slice(0, -1).every((r) => r.endsWith('\r')), modifiche);
    verifica('formatting keeps what the compiler reads', elenco(dopo) === elenco(prima), modifiche);
    pulito.sostituisci(dopo);
    const ancora = await editor.chiedi('DocumentFormattingEditProvider', 'provideDocumentFormattingEdits', pulito, opzioni);
    verifica('formatting twice changes nothing', applica(dopo, ancora || []) === dopo, ancora);
  }

  const fine = await Promise.race([editor.chiudi().then(() => true), new Promise((r) => setTimeout(() => r(false), 10000))]);
  verifica('the client stops the server', fine === true);
}

main()
  .catch((e) => {
    console.error(e);
    falliti++;
  })
  .then(() => {
    if (falliti && editor.mancanti.size) console.log('the stand-in lacks: ' + [...editor.mancanti].join(', '));
    console.log(passati + ' passed, ' + falliti + ' failed');
    process.exit(falliti ? 1 : 0);
  });
