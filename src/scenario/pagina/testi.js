// Numbers as the page writes them, and elements of the side panels.
/* exported km, kmBreve, el */

function km(m) { return (m / 1000).toFixed(3).replace('.', ','); }
function kmBreve(m) {
  const v = m / 1000;
  return (Number.isInteger(v) ? String(v) : v.toFixed(v * 10 % 1 === 0 ? 1 : 2)).replace('.', ',');
}

// An element with its attributes ("on..." ones are handlers) and children.
function el(tag, attributi, ...figli) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(attributi || {})) {
    if (k === 'class') e.className = v; else if (k.startsWith('on')) e.addEventListener(k.slice(2), v); else e.setAttribute(k, v);
  }
  for (const f of figli) if (f !== null && f !== undefined) e.append(f instanceof Node ? f : String(f));
  return e;
}
