// What the two views share: the profiles' window, the pointer, the choice.
/* exported stato, dpr */

const dpr = window.devicePixelRatio || 1;
const stato = {
  da: 0, a: lunghezza,            // profile window, metres
  cursore: null,                  // metre under the pointer (either view)
  scelta: null,                   // selected object, station, cell or diagnostic
  segno: null,                    // metre jumped to by the search
  mappa: { cx: 0, cy: 0, s: 1, r: null },  // map centre (m, in the map's turned frame), pixels per metre, turn (rad)
};
