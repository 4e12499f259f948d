// The twin paradox on the page (demonstration 3): links carry the turnaround
// event as tx= and tt= wherever it was moved from its start (0.1, 1), and a
// link's turnaround is taken only where both legs stay slower than light.
import { parseNumber } from './link.js';

const START_TURNAROUND = [0.1, 1];
const LINK_DIGITS = 12;
const linkNumber = (x) => String(Number(x.toPrecision(LINK_DIGITS)));

// readouts(): the program's readouts by name
export function attachTwins(module, links, readouts) {
  links.add({
    keys: ['tx', 'tt'],
    apply(values, ignore) {
      const q = readouts();
      const x = values.has('tx') ? parseNumber(values.get('tx').at(-1)) : q.turnaroundX;
      const t = values.has('tt') ? parseNumber(values.get('tt').at(-1)) : q.turnaroundT;
      if (!module._webSetTurnaround(x, t)) {
        ignore(values.has('tx') ? 'tx' : 'tt', values.has('tx') ? values.get('tx').at(-1) : values.get('tt').at(-1),
          'the turnaround is an event both legs reach slower than light (|x| below t and below 2 - t)');
      }
    },
    write() {
      const q = readouts();
      if (q.demo !== 3 || (q.turnaroundX === START_TURNAROUND[0] && q.turnaroundT === START_TURNAROUND[1])) return [];
      return [`tx=${linkNumber(q.turnaroundX)}`, `tt=${linkNumber(q.turnaroundT)}`];
    },
  });
}
