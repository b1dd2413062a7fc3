// ESLint for the script of the page of `scenario view` (src/scenario/pagina/*.js),
// run from the repository's root (run.sh): eslint -c tests/browser/eslint.config.js. The page's modules are plain scripts that the template
// joins inside one function: what each offers the others is named in its
// `/* exported */` comment, and names across modules are checked by tsc
// (tsconfig.json), so no-undef is left to it there.
'use strict';
const js = require('@eslint/js');

const navigatore = Object.fromEntries(['window', 'document', 'performance', 'requestAnimationFrame', 'ResizeObserver', 'Node']
  .map((n) => [n, 'readonly']));

module.exports = [
  {
    files: ['src/scenario/pagina/*.js'],
    ...js.configs.recommended,
    languageOptions: { ecmaVersion: 2022, sourceType: 'script', globals: navigatore },
    rules: {
      ...js.configs.recommended.rules,
      'no-undef': 'off',
      'no-unused-vars': ['error', { vars: 'all', args: 'none' }],
      'no-var': 'error',
      'prefer-const': 'error',
      eqeqeq: 'error',
      'no-shadow': 'error',
      'no-restricted-globals': ['error', 'fetch', 'XMLHttpRequest', 'WebSocket', 'EventSource', 'Worker', 'eval'],
      'no-restricted-syntax': ['error', { selector: 'ImportExpression', message: 'the page fetches nothing' }],
    },
  },
];
