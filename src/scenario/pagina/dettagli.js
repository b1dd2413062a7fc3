// The status line and the panel of details of what is chosen: an object, a
// station, a diagnostic or a cell, with the source lines that made it.
/* exported mostraCursore, avviso, dire, descrizioneBreve, vuoto, scegli, eDettagli, DETTAGLI_DI_GENERE */

const eStato = document.getElementById('stato');
const eDettagli = document.getElementById('dettagli');

function valoriCella(c) {
  if (c < 0 || c >= celle) return '';
  return 'pendenza ' + profilo.pendenza[c] + ' \u2030 \u00b7 velocit\u00e0 ' + profilo.velocita[c] + ' km/h \u00b7 aderenza ' + profilo.aderenza[c];
}
function mostraCursore() {
  eStato.classList.remove('avviso');
  if (stato.cursore === null) { eStato.textContent = ''; return; }
  const c = Math.floor(stato.cursore / CELLA);
  eStato.textContent = 'km ' + km(stato.cursore) + ' \u00b7 pk ' + pk(stato.cursore) + ' \u00b7 cella ' + c + ' \u00b7 ' + valoriCella(c);
}
function avviso(testo) { eStato.textContent = testo; eStato.classList.add('avviso'); }
function dire(testo) { eStato.textContent = testo; eStato.classList.remove('avviso'); }

function descrizioneBreve(o) {
  if (o.genere === 'stazione') return o.nome + ' (km ' + km(o.metro) + ', pk ' + pk(o.metro) + ')';
  if (o.genere === 'diagnostica' || o.genere === 'modifica') return o.genere === 'modifica' ? o.descrizione : o.messaggio;
  if (o.genere === 'oggetto') return (o.dett.oggetto || 'oggetto') + ' \u2014 cella ' + o.cella + ' (km ' + km(o.cella * CELLA) + ')';
  return '';
}
function testoValore(v) {
  if (v === null || v === undefined) return '';
  if (Array.isArray(v)) return v.map(testoValore).join('; ');
  if (typeof v === 'object') return Object.entries(v).map(([k, x]) => k.replace(/_/g, ' ') + ' ' + testoValore(x)).join(', ');
  return String(v);
}
function tabellaValori(obj) {
  const t = el('table', { class: 'valori' });
  for (const [k, v] of Object.entries(obj)) t.append(el('tr', null, el('td', null, k.replace(/_/g, ' ')), el('td', null, testoValore(v))));
  return t;
}
// The source line and two lines either side, the line itself marked.
function brano(fonte, colonna = 0) {
  const f = D.sorgenti[fonte.file];
  if (!f) return null;
  const pre = el('pre', { class: 'fonte' });
  for (let r = Math.max(1, fonte.riga - 2); r <= Math.min(f.righe.length, fonte.riga + 2); r++) {
    const s = el('span', r === fonte.riga ? { class: 'scelta' } : null, el('i', null, r), f.righe[r - 1]);
    pre.append(s);
    if (r === fonte.riga && colonna > 0) pre.append(el('span', { class: 'accento' }, el('i', null, ''), ' '.repeat(colonna - 1) + '^'));
  }
  return el('div', null, el('div', { class: 'fonte-titolo' }, 'Sorgente: ' + f.file + ', riga ' + fonte.riga), pre);
}
// A source line under a title naming what it sets.
function branoTitolato(titolo, fonte) {
  const b = brano(fonte);
  b.firstChild.textContent = titolo + ' \u2014 ' + b.firstChild.textContent;
  return b;
}
function senzaFonte(testo) {
  return el('p', { class: 'nota' }, D.sorgenti.length ? testo : 'I file sorgenti non sono nella cartella: la pagina mostra solo i file compatti.');
}
// The record of a profile in force at a cell, from the sources.
/** @param {keyof DatiVista['fonti_profili']} id @param {number} c */
function fonteProfilo(id, c) {
  let trovata = null;
  for (const [da, a, file, riga] of D.fonti_profili[id]) if (id === 'montagna' ? c >= da && c <= a : da <= c) trovata = { file, riga };
  return trovata;
}

// Nothing chosen: how to choose, and the general values of the scenario.
function vuoto() {
  const parti = [el('p', { class: 'nota' }, 'Fare clic su un oggetto dei profili o su una stazione.')];
  if (R.generali) parti.push(el('details', null, el('summary', null, 'Valori generali dello scenario'), tabellaValori(R.generali)));
  return parti;
}

// The values of an object by name, with their unit and what each means, as
// the report's legend of its kind says.
/** @param {Oggetto} o */
function valoriSpiegati(o) {
  const legenda = R.significato_dei_valori.find((k) => k.oggetto === o.dett.oggetto);
  const t = el('table', { class: 'valori spiegati' });
  for (const [nome, v] of Object.entries(o.dett.valori)) {
    const s = legenda ? legenda.valori.find((x) => x.nome === nome) : undefined;
    t.append(el('tr', null, el('td', null, nome.replace(/_/g, ' ')), el('td', null, String(v) + (s && s.unita ? ' ' + s.unita : '')),
      el('td', { class: 'significato' }, s ? s.significato : '')));
  }
  return t;
}

/** @param {Oggetto} o */
function dettagliOggetto(o) {
  const resto = Object.fromEntries(Object.entries(o.dett).filter(([k]) => k !== 'valori'));
  eDettagli.append(el('h3', null, o.dett.oggetto || 'oggetto'),
    el('div', { class: 'luogo' }, 'km ' + km(o.cella * CELLA) + ' \u00b7 pk ' + (o.dett.punto_chilometrico || pk(o.cella * CELLA)) + ' \u00b7 cella ' + o.cella + ' (da ' + o.cella * CELLA + ' a ' + (o.cella * CELLA + CELLA) + ' m)'),
    valoriSpiegati(o), tabellaValori(resto));
  if (o.dalControllo) eDettagli.append(el('p', { class: 'nota' }, 'Nessuna riga dei sorgenti: il controllo dei codici lo ha posto per il rallentamento qui sotto.'));
  eDettagli.append(o.fonte ? brano(o.fonte) : senzaFonte(o.tipo === 'codice' ? 'Nessuna riga dei sorgenti: posto dal controllo dei codici.' : 'Nessuna riga dei sorgenti ha prodotto questo oggetto.'));
}

/** @param {Stazione} o */
function dettagliStazione(o) {
  eDettagli.append(el('h3', null, o.nome),
    el('div', { class: 'luogo' }, 'km ' + km(o.metro) + ' \u00b7 pk ' + o.dett.punto_chilometrico + ' \u00b7 area da km ' + km(o.inizio) + ' a km ' + km(o.fine)),
    tabellaValori(o.dett));
  eDettagli.append(o.fonte ? brano(o.fonte) : senzaFonte('Nessuna riga dei sorgenti per questa stazione.'));
}

const TITOLO_DIAGNOSTICA = { errore: 'Errore dei sorgenti', avviso: 'Avviso dei sorgenti' };
/** @param {DiagnosticaPagina} o */
function dettagliDiagnostica(o) {
  eDettagli.append(el('h3', null, TITOLO_DIAGNOSTICA[o.specie] || 'Nota'),
    el('div', { class: 'luogo' }, (o.nome_file ? o.nome_file + ', riga ' + o.riga + ', colonna ' + o.colonna : 'senza posto nei sorgenti') + (o.metro >= 0 ? ' \u00b7 km ' + km(o.metro) + ' \u00b7 pk ' + pk(o.metro) : '')),
    el('p', null, o.messaggio));
  if (o.file >= 0) eDettagli.append(brano({ file: o.file, riga: o.riga }, o.colonna));
}

const PROFILI_DI_CELLA = ['pendenza', 'velocita', 'aderenza', 'montagna'];
function dettagliCella(o) {
  const c = o.cella;
  eDettagli.append(el('h3', null, 'Cella ' + c),
    el('div', { class: 'luogo' }, 'da ' + c * CELLA + ' a ' + (c * CELLA + CELLA) + ' m (km ' + km(c * CELLA) + ', pk ' + pk(c * CELLA) + ')'),
    tabellaValori({ pendenza: profilo.pendenza[c] + ' \u2030', velocita: profilo.velocita[c] + ' km/h', aderenza: profilo.aderenza[c], montagna: profilo.montagna[c] || 'no' }));
  const quali = o.riga && PROFILI_DI_CELLA.includes(o.riga) ? [o.riga] : ['pendenza', 'velocita', 'aderenza'];
  for (const id of quali) {
    const f = fonteProfilo(id, c);
    if (f) eDettagli.append(branoTitolato(id, f));
  }
  if (piano) {
    const curva = D.fonti_profili.curva.find(([da, a]) => c >= da && c <= a);
    if (curva) eDettagli.append(branoTitolato('curva', { file: curva[2], riga: curva[3] }));
  }
}

const DETTAGLI_DI_GENERE = { oggetto: dettagliOggetto, stazione: dettagliStazione, diagnostica: dettagliDiagnostica, cella: dettagliCella };
function scegli(o) {
  stato.scelta = o || null;
  eDettagli.replaceChildren();
  if (!o) eDettagli.append(...vuoto());
  else if (DETTAGLI_DI_GENERE[o.genere]) DETTAGLI_DI_GENERE[o.genere](o);
  ridisegna();
}
