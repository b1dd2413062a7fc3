// The client of the extension against its package.json, with stand-ins for
// the editor's modules: it starts `scenario lsp` (or the configured tool) for
// the language package.json declares, which opens as Windows-1252.
//   node verifica_estensione.js
'use strict';
const Module = require('module');
const pacchetto = require('./package.json');

let configurato;
let creato;
const carica = Module._load;
Module._load = function (nome, ...resto) {
  if (nome === 'vscode')
    return {
      workspace: { getConfiguration: (sezione) => ({ get: (chiave) => configurato[sezione + '.' + chiave] }) },
      window: { showErrorMessage: () => {} },
    };
  if (nome === 'vscode-languageclient/node')
    return {
      LanguageClient: class {
        constructor(...argomenti) {
          creato = argomenti;
        }
        start() {
          return Promise.resolve();
        }
        stop() {
          return Promise.resolve();
        }
      },
    };
  return carica.call(this, nome, ...resto);
};
const estensione = require('./extension.js');

let falliti = 0;
let prove = 0;
const prova = (ok, perche) => {
  prove++;
  if (!ok) {
    console.error('FAIL ' + perche);
    falliti++;
  }
};
const lingua = pacchetto.contributes.languages[0].id;
for (const [percorso, atteso] of [
  [undefined, 'scenario'],
  ['/opt/velstra/bin/scenario', '/opt/velstra/bin/scenario'],
]) {
  configurato = { 'scenario.percorso': percorso };
  creato = undefined;
  const contesto = { subscriptions: [] };
  estensione.activate(contesto);
  prova(creato !== undefined, 'no client made');
  if (!creato) continue;
  const [, , server, cliente] = creato;
  prova(server.run.command === atteso, 'command ' + server.run.command + ', not ' + atteso);
  prova(JSON.stringify(server.run.args) === '["lsp"]', 'arguments ' + JSON.stringify(server.run.args));
  prova(cliente.documentSelector.some((s) => s.language === lingua), 'the client is not for ' + lingua);
  prova(contesto.subscriptions.length === 1, 'the client is not disposed of');
}
const difetti = pacchetto.contributes.configurationDefaults['[' + lingua + ']'] || {};
prova(difetti['files.encoding'] === 'windows1252', 'the files do not open as Windows-1252');
prova(difetti['files.eol'] === '\r\n', 'the files are not saved with CR LF');
prova(pacchetto.contributes.grammars[0].language === lingua, 'the grammar is for another language');
prova(
  JSON.stringify(pacchetto.contributes.languages[0].filenamePatterns) === '["*_linea.txt","*-.txt"]',
  'the file names of the sources'
);
console.log(prove - falliti + ' passed, ' + falliti + ' failed');
process.exit(falliti ? 1 : 0);
