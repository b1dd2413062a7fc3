// Starts `scenario lsp` for the two source files of a scenario: the line file
// ROUTE_linea.txt and the train files ROUTE_TRAIN-.txt, which this extension
// opens as Windows-1252 (configurationDefaults in package.json).
'use strict';

const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

let client;

function activate(context) {
  const percorso = vscode.workspace.getConfiguration('scenario').get('percorso') || 'scenario';
  const server = { command: percorso, args: ['lsp'] };
  client = new LanguageClient(
    'scenario',
    'Sorgenti degli scenari',
    { run: server, debug: server },
    { documentSelector: [{ scheme: 'file', language: 'scenario-sorgente' }] }
  );
  client.start().catch((e) => {
    vscode.window.showErrorMessage(
      "Non riesco ad avviare '" + percorso + " lsp': " + e.message +
        " (l'impostazione scenario.percorso dice dove sta lo strumento)"
    );
  });
  context.subscriptions.push({ dispose: () => client && client.stop() });
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
