// The colouring grammar against the tool's manual: the keyword of every
// record's example line is coloured as a keyword, its numbers as numbers.
//   node verifica_grammatica.js SCENARIO_TOOL
'use strict';
const { execFileSync } = require('child_process');
const grammatica = require('./syntaxes/scenario.tmLanguage.json');

const regola = (nome) => {
  const p = grammatica.patterns.find((x) => x.name === nome);
  // TextMate's (?i) is a flag in JavaScript.
  const senza = p.match.replace('(?i)', '');
  return new RegExp(senza, senza === p.match ? 'g' : 'gi');
};
const manuale = execFileSync(process.argv[2], ['formato'], { encoding: 'utf8' });
const esempi = [...manuale.matchAll(/Esempio dai sorgenti incorporati: `([^`]*)`/g)].map((m) => m[1]);
let falliti = 0;
let prove = 0;
const prova = (ok, perche) => {
  prove++;
  if (!ok) {
    console.error('FAIL ' + perche);
    falliti++;
  }
};
prova(esempi.length >= 20, 'too few example lines in the manual: ' + esempi.length);
for (const riga of esempi) {
  const chiave = riga.split(',')[0].trim();
  const parole = [...riga.matchAll(regola('keyword.control.scenario'))].map((m) => m[0].trim());
  prova(parole[0] === chiave, 'keyword of: ' + riga + ' -> ' + JSON.stringify(parole));
  const numeri = [...riga.matchAll(regola('constant.numeric.scenario'))].length;
  const attesi = riga.split(/[,\s]+/).filter((v) => /^[-+]?[0-9]+$/.test(v)).length;
  prova(numeri === attesi, 'numbers of: ' + riga + ' -> ' + numeri + ' of ' + attesi);
}
// A number with a letter O is marked, and no number of the examples is.
const illegale = regola('invalid.illegal.number.scenario');
for (const riga of esempi) prova(!riga.match(illegale), 'marked as a bad number: ' + riga);
prova('velocita,    1250,   12O0'.match(illegale), '12O0 is not marked');
const sezione = regola('entity.name.section.scenario');
prova('[stazioni]'.match(sezione), 'a section header is not coloured');
console.log(prove - falliti + ' passed, ' + falliti + ' failed');
process.exit(falliti ? 1 : 0);
