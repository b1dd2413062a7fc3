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
if (esempi.length < 20) {
  console.error('too few example lines in the manual: ' + esempi.length);
  falliti++;
}
for (const riga of esempi) {
  const chiave = riga.split(',')[0].trim();
  const parole = [...riga.matchAll(regola('keyword.control.scenario'))].map((m) => m[0].trim());
  if (parole[0] !== chiave) {
    console.error('FAIL keyword of: ' + riga + ' -> ' + JSON.stringify(parole));
    falliti++;
  }
  const numeri = [...riga.matchAll(regola('constant.numeric.scenario'))].length;
  const attesi = riga.split(/[,\s]+/).filter((v) => /^[-+]?[0-9]+$/.test(v)).length;
  if (numeri !== attesi) {
    console.error('FAIL numbers of: ' + riga + ' -> ' + numeri + ' of ' + attesi);
    falliti++;
  }
}
const sezione = regola('entity.name.section.scenario');
if (!'[stazioni]'.match(sezione)) {
  console.error('FAIL a section header is not coloured');
  falliti++;
}
console.log((esempi.length + 1 - falliti) + ' passed, ' + falliti + ' failed');
process.exit(falliti ? 1 : 0);
