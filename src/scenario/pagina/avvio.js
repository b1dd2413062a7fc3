// The first drawing, and what tests and the console may ask of the page.

riempiElenchi();
eDettagli.replaceChildren(...vuoto());
dimensiona();
adattaMappa(0, lunghezza);
disegnaMappa();
disegnaProfili();
performance.mark('vista-primo-disegno');
document.body.dataset.pronto = '1';
new ResizeObserver(() => { dimensiona(); ridisegna(); }).observe(document.querySelector('main'));

// For tests and the console: where things are drawn, in page coordinates.
/** @type {any} */ (window).vista = {
  finestra: () => [stato.da, stato.a],
  xDiMetro: (m) => cProf.getBoundingClientRect().left + xDi(m),
  yDiRiga: (id) => { const r = riga(id); return cProf.getBoundingClientRect().top + r.y + r.a / 2; },
  puntoMappa: (m) => { const [x, y] = aSchermo(...puntoA(m)); const b = cMappa.getBoundingClientRect(); return [b.left + x, b.top + y]; },
  scelta: () => stato.scelta && { genere: stato.scelta.genere, metro: stato.scelta.metro },
  cursore: () => stato.cursore,
  nomiMappa: () => nomiMappa.slice(),
  // The marks of the changes the last drawing drew, in page coordinates.
  segniModifiche: () => {
    const bm = cMappa.getBoundingClientRect(), bp = cProf.getBoundingClientRect();
    return {
      mappa: segniModifiche.mappa.map((s) => ({ ...s, x: bm.left + s.x, y: bm.top + s.y })),
      profili: segniModifiche.profili.map((s) => ({ ...s, x: bp.left + s.x, y: bp.top + s.y })),
    };
  },
  mostra: (m, larghezza) => vaiA(m, larghezza),
  // Mean time of n full redraws of both views, in ms.
  tempoDisegno: (n) => {
    const t0 = performance.now();
    for (let k = 0; k < n; k++) { disegnaMappa(); disegnaProfili(); }
    return (performance.now() - t0) / n;
  },
};
