// A stand-in for the editor's `vscode` module: only what the extension and
// vscode-languageclient touch to start a server, open documents and ask for
// diagnostics, hover, completion and inlay hints. It does as the editor does
// with an extension's package.json: a file takes the language whose
// filenamePatterns match its name, is decoded with the files.encoding that
// configurationDefaults give that language, and activates the extension on
// onLanguage (declared, or implied by the language from VS Code 1.74 on).
// Every provider the client registers is kept by kind, for the test to call.
'use strict';
const fs = require('fs');
const path = require('path');
const { Emitter, CancellationTokenSource } = require('vscode-jsonrpc');

class Disposable {
  constructor(quando) {
    this.quando = quando;
  }
  static from(...cose) {
    return new Disposable(() => cose.forEach((c) => c && c.dispose()));
  }
  dispose() {
    if (this.quando) this.quando();
    this.quando = undefined;
  }
}

class Uri {
  constructor(scheme, percorso) {
    this.scheme = scheme;
    this.path = percorso;
    this.authority = '';
    this.query = '';
    this.fragment = '';
  }
  static file(percorso) {
    return new Uri('file', percorso);
  }
  static parse(testo) {
    const m = /^([a-z][a-z0-9+.-]*):(?:\/\/[^/]*)?(.*)$/i.exec(testo);
    if (!m) throw new Error('not a URI: ' + testo);
    return new Uri(m[1], decodeURIComponent(m[2]));
  }
  get fsPath() {
    return this.path;
  }
  toString() {
    const p = this.path.split('/').map(encodeURIComponent).join('/');
    return this.scheme + '://' + p;
  }
  toJSON() {
    return this.toString();
  }
}

class Position {
  constructor(line, character) {
    this.line = line;
    this.character = character;
  }
}

class Range {
  constructor(a, b, c, d) {
    if (typeof a === 'number') [a, b] = [new Position(a, b), new Position(c, d)];
    this.start = a;
    this.end = b;
  }
  get isEmpty() {
    return this.start.line === this.end.line && this.start.character === this.end.character;
  }
}

class Location {
  constructor(uri, dove) {
    this.uri = uri;
    this.range = dove instanceof Position ? new Range(dove, dove) : dove;
  }
}

class Diagnostic {
  constructor(range, message, severity) {
    this.range = range;
    this.message = message;
    this.severity = severity;
  }
}

class DiagnosticRelatedInformation {
  constructor(location, message) {
    this.location = location;
    this.message = message;
  }
}

class MarkdownString {
  constructor(value = '', supportThemeIcons = false) {
    this.value = value;
    this.supportThemeIcons = supportThemeIcons;
  }
  appendText(t) {
    this.value += t;
    return this;
  }
  appendMarkdown(t) {
    this.value += t;
    return this;
  }
  appendCodeblock(t, lingua = '') {
    this.value += '\n```' + lingua + '\n' + t + '\n```\n';
    return this;
  }
}

class Hover {
  constructor(contents, range) {
    this.contents = Array.isArray(contents) ? contents : [contents];
    this.range = range;
  }
}

class SnippetString {
  constructor(value = '') {
    this.value = value;
  }
}

class TextEdit {
  constructor(range, newText) {
    this.range = range;
    this.newText = newText;
  }
  static replace(range, newText) {
    return new TextEdit(range, newText);
  }
}

class CompletionItem {
  constructor(label, kind) {
    this.label = label;
    this.kind = kind;
  }
}

class CompletionList {
  constructor(items = [], isIncomplete = false) {
    this.items = items;
    this.isIncomplete = isIncomplete;
  }
}

class InlayHint {
  constructor(position, label, kind) {
    this.position = position;
    this.label = label;
    this.kind = kind;
  }
}

class InlayHintLabelPart {
  constructor(value) {
    this.value = value;
  }
}

class CancellationError extends Error {}

// The classes the client extends when it loads, for the features this test
// does not ask for: their arguments kept in order.
const semplice = (...campi) =>
  class {
    constructor(...valori) {
      campi.forEach((c, i) => (this[c] = valori[i]));
    }
  };
const CodeLens = semplice('range', 'command');
const CodeAction = semplice('title', 'kind');
const DocumentLink = semplice('range', 'target');
const CallHierarchyItem = semplice('kind', 'name', 'detail', 'uri', 'range', 'selectionRange');
const TypeHierarchyItem = semplice('kind', 'name', 'detail', 'uri', 'range', 'selectionRange');
const SymbolInformation = semplice('name', 'kind', 'containerName', 'location');

class CodeActionKind {
  constructor(value) {
    this.value = value;
  }
  append(parte) {
    return new CodeActionKind(this.value ? this.value + '.' + parte : parte);
  }
}
for (const [nome, valore] of Object.entries({
  Empty: '',
  QuickFix: 'quickfix',
  Refactor: 'refactor',
  RefactorExtract: 'refactor.extract',
  RefactorInline: 'refactor.inline',
  RefactorRewrite: 'refactor.rewrite',
  Source: 'source',
  SourceOrganizeImports: 'source.organizeImports',
}))
  CodeActionKind[nome] = new CodeActionKind(valore);

// VS Code's enums: the client maps the protocol's numbers onto these.
const numerati = (nomi, primo = 0) => Object.fromEntries(nomi.map((n, i) => [n, i + primo]));
const CompletionItemKind = numerati(
  ('Text Method Function Constructor Field Variable Class Interface Module Property Unit Value Enum ' +
    'Keyword Snippet Color File Reference Folder EnumMember Constant Struct Event Operator TypeParameter User Issue')
    .split(' ')
);
const DiagnosticSeverity = numerati(['Error', 'Warning', 'Information', 'Hint']);

// The documentSelector filters the client uses: language, scheme, pattern.
function corrisponde(selettore, documento) {
  const filtri = Array.isArray(selettore) ? selettore : [selettore];
  return filtri.some((f) => {
    if (typeof f === 'string') return f === documento.languageId || f === '*';
    if (f.language && f.language !== documento.languageId && f.language !== '*') return false;
    if (f.scheme && f.scheme !== documento.uri.scheme && f.scheme !== '*') return false;
    if (f.pattern) return globbato(String(f.pattern.pattern || f.pattern)).test(documento.uri.fsPath);
    return true;
  })
    ? 10
    : 0;
}

// A glob of a file name (`*_linea.txt`) as VS Code reads filenamePatterns:
// matched against the name, or against the whole path when it has a slash.
function globbato(glob) {
  const corpo = glob.replace(/[.+^${}()|[\]\\]/g, '\\$&').replace(/\*\*/g, '\u0000').replace(/\*/g, '[^/]*');
  return new RegExp((glob.includes('/') ? '^' : '(^|/)') + corpo.replace(/\u0000/g, '.*').replace(/\?/g, '[^/]') + '$');
}

function crea(pacchetto, estensione) {
  const registrati = {};
  const collezioni = [];
  const messaggi = [];
  const evento = () => new Emitter();
  const eventi = {
    apre: evento(),
    chiude: evento(),
    cambia: evento(),
    salva: evento(),
    salvera: evento(),
    configurazione: evento(),
    cartelle: evento(),
    editor: evento(),
  };
  const impostazioni = {};
  for (const [chiave, p] of Object.entries(pacchetto.contributes.configuration.properties || {}))
    impostazioni[chiave] = p.default;

  const registra = (tipo) => (selettore, fornitore, ...resto) => {
    (registrati[tipo] = registrati[tipo] || []).push({ selettore, fornitore, resto });
    return new Disposable(() => {});
  };
  const languages = new Proxy(
    {
      match: corrisponde,
      createDiagnosticCollection(nome) {
        const mappa = new Map();
        const c = {
          name: nome,
          set: (uri, d) => (d === undefined ? mappa.delete(uri.toString()) : mappa.set(uri.toString(), d || [])),
          get: (uri) => mappa.get(uri.toString()),
          has: (uri) => mappa.has(uri.toString()),
          delete: (uri) => mappa.delete(uri.toString()),
          clear: () => mappa.clear(),
          forEach: (f) => mappa.forEach((d, u) => f(Uri.parse(u), d, c)),
          dispose: () => mappa.clear(),
        };
        collezioni.push(c);
        return c;
      },
    },
    {
      get: (o, nome) =>
        nome in o ? o[nome] : typeof nome === 'string' && nome.startsWith('register') ? registra(nome.slice(8)) : undefined,
    }
  );

  const textDocuments = [];
  const vscode = {
    version: '1.82.0',
    Disposable,
    EventEmitter: Emitter,
    CancellationTokenSource,
    CancellationError,
    Uri,
    Position,
    Range,
    Location,
    Diagnostic,
    DiagnosticRelatedInformation,
    DiagnosticSeverity,
    DiagnosticTag: { Unnecessary: 1, Deprecated: 2 },
    MarkdownString,
    Hover,
    SnippetString,
    TextEdit,
    CompletionItem,
    CompletionList,
    CompletionItemKind,
    CompletionItemTag: { Deprecated: 1 },
    CompletionTriggerKind: { Invoke: 0, TriggerCharacter: 1, TriggerForIncompleteCompletions: 2 },
    InlayHint,
    InlayHintLabelPart,
    CodeLens,
    CodeAction,
    CodeActionKind,
    DocumentLink,
    CallHierarchyItem,
    TypeHierarchyItem,
    SymbolInformation,
    InlayHintKind: { Type: 1, Parameter: 2 },
    ProgressLocation: { SourceControl: 1, Window: 10, Notification: 15 },
    TextDocumentSaveReason: { Manual: 1, AfterDelay: 2, FocusOut: 3 },
    languages,
    env: { appName: 'Visual Studio Code', language: 'it', openExternal: () => Promise.resolve(true) },
    commands: { registerCommand: () => new Disposable(() => {}), executeCommand: () => Promise.resolve() },
    workspace: {
      textDocuments,
      workspaceFolders: undefined,
      getWorkspaceFolder: () => undefined,
      onDidOpenTextDocument: eventi.apre.event,
      onDidCloseTextDocument: eventi.chiude.event,
      onDidChangeTextDocument: eventi.cambia.event,
      onDidSaveTextDocument: eventi.salva.event,
      onWillSaveTextDocument: eventi.salvera.event,
      onDidChangeConfiguration: eventi.configurazione.event,
      onDidChangeWorkspaceFolders: eventi.cartelle.event,
      getConfiguration: (sezione) => ({
        get: (chiave, difetto) => {
          const v = impostazioni[sezione ? sezione + '.' + chiave : chiave];
          return v === undefined ? difetto : v;
        },
        has: (chiave) => (sezione ? sezione + '.' + chiave : chiave) in impostazioni,
      }),
      applyEdit: () => Promise.resolve(false),
    },
    window: {
      activeTextEditor: undefined,
      visibleTextEditors: [],
      onDidChangeActiveTextEditor: eventi.editor.event,
      tabGroups: { all: [], onDidChangeTabs: evento().event, onDidChangeTabGroups: evento().event },
      createOutputChannel: (nome) => {
        const scrivi = (t) => messaggi.push(nome + ': ' + t);
        return { name: nome, append: scrivi, appendLine: scrivi, replace: scrivi, clear() {}, show() {}, hide() {}, dispose() {} };
      },
      showErrorMessage: (m) => (messaggi.push('errore: ' + m), Promise.resolve(undefined)),
      showWarningMessage: (m) => (messaggi.push('avviso: ' + m), Promise.resolve(undefined)),
      showInformationMessage: (m) => (messaggi.push('informazione: ' + m), Promise.resolve(undefined)),
      withProgress: (_, compito) => compito({ report() {} }, new CancellationTokenSource().token),
    },
  };

  // The language a file opens in: the first whose filenamePatterns match.
  const linguaDi = (file) => {
    for (const l of pacchetto.contributes.languages)
      if ((l.filenamePatterns || []).some((g) => globbato(g).test(file)) || (l.extensions || []).some((e) => file.endsWith(e)))
        return l.id;
    return 'plaintext';
  };
  const difettiDi = (lingua) => pacchetto.contributes.configurationDefaults?.['[' + lingua + ']'] || {};
  // VS Code's names of encodings, as TextDecoder knows them.
  const decodificatori = { windows1252: 'windows-1252', utf8: 'utf-8', iso88591: 'iso-8859-1' };
  const attivazioni = new Set(pacchetto.activationEvents || []);
  const [maggiore, minore] = (/(\d+)\.(\d+)/.exec(pacchetto.engines.vscode) || [0, 0, 0]).slice(1).map(Number);
  if (maggiore > 1 || (maggiore === 1 && minore >= 74))
    for (const l of pacchetto.contributes.languages) attivazioni.add('onLanguage:' + l.id);
  let attiva;

  // Opens a file as the editor does: its language, its decoding, then the
  // activation of the extension (whose client sends didOpen for the
  // documents already open) or the open event.
  function apri(file) {
    const languageId = linguaDi(path.basename(file));
    const codifica = difettiDi(languageId)['files.encoding'] || 'utf8';
    let testo = new TextDecoder(decodificatori[codifica] || codifica).decode(fs.readFileSync(file));
    let righe = testo.split(/\r?\n/);
    const documento = {
      uri: Uri.file(file),
      fileName: file,
      languageId,
      version: 1,
      isClosed: false,
      isDirty: false,
      isUntitled: false,
      encoding: codifica,
      eol: 2,
      get lineCount() {
        return righe.length;
      },
      getText: () => testo,
      lineAt: (n) => ({ text: righe[typeof n === 'number' ? n : n.line], lineNumber: n }),
      // The whole text replaced, as an edit in the editor: a new version and its change event.
      sostituisci(nuovo) {
        const fine = new Position(righe.length - 1, righe[righe.length - 1].length);
        const vecchio = testo;
        testo = nuovo;
        righe = testo.split(/\r?\n/);
        this.version++;
        eventi.cambia.fire({
          document: this,
          reason: undefined,
          contentChanges: [{ range: new Range(new Position(0, 0), fine), rangeOffset: 0, rangeLength: vecchio.length, text: nuovo }],
        });
      },
    };
    textDocuments.push(documento);
    if (!attiva && attivazioni.has('onLanguage:' + languageId)) {
      attiva = { subscriptions: [], extensionPath: path.dirname(estensione) };
      require(estensione).activate(attiva);
    } else eventi.apre.fire(documento);
    return documento;
  }

  // The editor asks each provider of a kind for the document.
  async function chiedi(tipo, metodo, documento, ...argomenti) {
    const token = new CancellationTokenSource().token;
    const fornitori = offerti(tipo, documento);
    if (!fornitori.length) throw new Error('no ' + tipo + ' for ' + documento.fileName);
    return fornitori[0].fornitore[metodo](documento, ...argomenti, token);
  }
  function offerti(tipo, documento) {
    return (registrati[tipo] || []).filter((r) => corrisponde(r.selettore, documento));
  }

  const diagnostiche = (documento) => {
    for (const c of collezioni) if (c.has(documento.uri)) return c.get(documento.uri);
    return undefined;
  };
  async function chiudi() {
    for (const s of attiva ? attiva.subscriptions : []) await s.dispose();
    await require(estensione).deactivate();
  }
  // A name the stand-in lacks is noted, for the test to print.
  const mancanti = new Set();
  const modulo = new Proxy(vscode, {
    get: (o, nome) => {
      if (!(nome in o) && typeof nome === 'string' && nome !== 'then') mancanti.add(nome);
      return o[nome];
    },
  });
  return { vscode: modulo, mancanti, apri, chiedi, offerti, diagnostiche, chiudi, messaggi, linguaDi, difettiDi, attivazioni, attiva: () => attiva };
}

module.exports = { crea, globbato };
