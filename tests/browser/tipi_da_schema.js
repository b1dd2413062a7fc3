// The types of the page's data for the type check of its script, written from
// docs/schema/view.schema.json: one type per definition of the schema, the
// whole document as DatiVista. Keys the schema does not list are not in the
// types, so a script that reads one fails `tsc --checkJs`.
//
//   node tipi_da_schema.js            rewrites src/scenario/pagina/dati_vista.d.ts
//   node tipi_da_schema.js --controlla fails when that file is not what the schema gives
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const radice = path.resolve(__dirname, '..', '..');
const fileSchema = path.join(radice, 'docs', 'schema', 'view.schema.json');
const fileTipi = path.join(radice, 'src', 'scenario', 'pagina', 'dati_vista.d.ts');

const commento = (testo, rientro) => (testo ? `${rientro}/** ${testo.replace(/\*\//g, '* /')} */\n` : '');
const nomeChiave = (k) => (/^[A-Za-z_$][\w$]*$/.test(k) ? k : JSON.stringify(k));

function tipo(s, rientro) {
  if (s === true) return 'unknown';
  if (s.$ref) return s.$ref.replace('#/$defs/', '');
  if (s.const !== undefined) return JSON.stringify(s.const);
  if (s.enum) return s.enum.map((v) => JSON.stringify(v)).join(' | ');
  if (Array.isArray(s.type)) return s.type.map((t) => tipo({ ...s, type: t }, rientro)).join(' | ');
  switch (s.type) {
    case 'integer': case 'number': return 'number';
    case 'string': return 'string';
    case 'boolean': return 'boolean';
    case 'null': return 'null';
    case 'array':
      if (s.prefixItems) return '[' + s.prefixItems.map((p) => tipo(p, rientro)).join(', ') + ']';
      return 'Array<' + tipo(s.items, rientro) + '>';
    case 'object': {
      const richieste = new Set(s.required || []);
      const dentro = rientro + '  ';
      const righe = Object.entries(s.properties || {}).map(([k, v]) =>
        commento(v.description, dentro) + dentro + nomeChiave(k) + (richieste.has(k) ? '' : '?') + ': ' + tipo(v, dentro) + ';\n');
      if (s.additionalProperties !== false) throw new Error('every object of the schema closes its keys');
      return '{\n' + righe.join('') + rientro + '}';
    }
    default: throw new Error('no type for ' + JSON.stringify(s).slice(0, 80));
  }
}

function tipi(schema) {
  let testo = '// Generated from docs/schema/view.schema.json by tests/browser/tipi_da_schema.js; do not edit.\n\n';
  testo += commento(schema.description, '') + 'type DatiVista = ' + tipo(schema, '') + ';\n';
  for (const [nome, s] of Object.entries(schema.$defs)) testo += '\n' + commento(s.description, '') + `type ${nome} = ${tipo(s, '')};\n`;
  return testo;
}

if (require.main === module) {
  const testo = tipi(JSON.parse(fs.readFileSync(fileSchema, 'utf8')));
  if (process.argv.includes('--controlla')) {
    if (fs.readFileSync(fileTipi, 'utf8') !== testo) {
      console.error(`${path.relative(radice, fileTipi)} is not what the schema gives: run node tests/browser/tipi_da_schema.js`);
      process.exit(1);
    }
  } else fs.writeFileSync(fileTipi, testo);
}
module.exports = { tipi };
