// Two frames on one diagram (demonstrations 1-3): overlays of the objects' own
// frame (axes, lines of simultaneity, light cones), events placed by a tap in
// the "place an event" mode or typed in the diagram's frame, a table of their
// coordinates in both frames, and a chosen pair with its interval, kind, order
// in each frame and the velocity that makes it simultaneous or puts it at one
// place, all computed by the program. The axes' names and numbers are on
// unless a link says labels=0. Links carry ev= (own frame), show= and labels=.
import { parseNumber, linkNumber } from './link.js';
import { formatNumber, withheld, anyWithheld, unchangedSince, WITHHELD_TEXT } from './panel.js';

const MAX_EVENTS = 26;
const OVERLAYS = [['axes', 'show-axes'], ['simultaneity', 'show-simultaneity'], ['cones', 'show-light-cones']];
const TABLE_DECIMALS = 3;
const EVENT_QUANTITIES = ['x', 't', 'xOwn', 'tOwn', 'interval'];
const KINDS = { 1: 'timelike', '-1': 'spacelike', 0: 'lightlike' };

const labelOf = (i) => String.fromCharCode(65 + i);

export function attachEvents(module, links) {
  const section = document.getElementById('frames');
  const boxes = OVERLAYS.map(([name, control]) => [name, document.querySelector(`input[data-control="${control}"]`)]);
  const typed = ['event-x', 'event-t'].map((c) => document.querySelector(`input[data-control="${c}"]`));
  const message = document.getElementById('event-message');
  const rows = document.getElementById('events-body');
  const pairSelects = ['pair-first', 'pair-second'].map((c) => document.querySelector(`select[data-control="${c}"]`));
  const pairBox = document.getElementById('pair');
  const pairNote = document.getElementById('pair-note');
  const pairValues = [...pairBox.querySelectorAll('[data-quantity]')];
  const apply = document.querySelector('button[data-control="pair-apply"]');
  let shownCount = -1;
  let cells = []; // each row's cells, in EVENT_QUANTITIES order
  let rowsUnchanged = [];
  const pairUnchanged = unchangedSince();
  let pairVelocity = NaN;

  const say = (text) => { message.textContent = text; };
  const setOverlays = () => {
    module._webSetOverlays(...boxes.map(([, box]) => (box.checked ? 1 : 0)));
  };
  for (const [, box] of boxes) box.addEventListener('change', setOverlays);
  const labels = document.querySelector('input[data-control="labels"]');
  const setLabels = () => module._webSetLabels(labels.checked ? 1 : 0);
  labels.addEventListener('change', setLabels);
  setLabels();

  const refused = () => (module._webEventCount() >= MAX_EVENTS ? `${MAX_EVENTS} events at most: remove one first.`
    : 'Events are placed in demonstrations 1 to 3.');
  document.querySelector('button[data-control="add-event"]').addEventListener('click', () => {
    const [x, t] = typed.map((input) => parseNumber(input.value.trim()));
    if (Number.isNaN(x) || Number.isNaN(t)) say('Type x and t as numbers, such as 1 and 0.5.');
    else say(module._webAddEventDiagram(x, t) ? '' : refused());
  });
  document.querySelector('button[data-control="clear-events"]').addEventListener('click', () => {
    module._webClearEvents();
    say('');
  });
  rows.addEventListener('click', (e) => {
    const button = e.target.closest('button[data-remove]');
    if (button) module._webRemoveEvent(Number(button.dataset.remove));
  });

  const choosePair = () => {
    const [first, second] = pairSelects.map((s) => (s.value ? s.value.charCodeAt(0) - 65 : -1));
    module._webSetPair(first, second);
    module._webPostRedisplay(); // the next frame brings the pair's readouts
  };
  for (const select of pairSelects) select.addEventListener('change', choosePair);
  apply.addEventListener('click', () => {
    if (Number.isFinite(pairVelocity)) module._webSetVelocity(pairVelocity);
  });

  // rows and pair choices when the number of events changes: the last two placed form the pair
  const rebuild = (count) => {
    shownCount = count;
    rows.parentElement.hidden = count === 0; // the table, headings and all
    rows.replaceChildren(...Array.from({ length: count }, (_, i) => {
      const row = document.createElement('tr');
      row.dataset.event = labelOf(i);
      const name = document.createElement('th');
      name.scope = 'row';
      name.textContent = labelOf(i);
      const cells = EVENT_QUANTITIES.map((q) => {
        const cell = document.createElement('td');
        cell.dataset.quantity = q;
        return cell;
      });
      const remove = document.createElement('button');
      remove.type = 'button';
      remove.dataset.remove = String(i);
      remove.textContent = '×';
      remove.setAttribute('aria-label', `Remove event ${labelOf(i)}`);
      const last = document.createElement('td');
      last.append(remove);
      row.append(name, ...cells, last);
      return row;
    }));
    cells = [...rows.children].map((row) => [...row.querySelectorAll('td[data-quantity]')]);
    rowsUnchanged = cells.map(() => unchangedSince());
    for (const [k, select] of pairSelects.entries()) {
      select.replaceChildren(...Array.from({ length: count }, (_, i) => new Option(labelOf(i), labelOf(i))));
      select.value = count >= 2 ? labelOf(count - 2 + k) : '';
    }
    choosePair();
  };

  const placeAt = (x, y) => {
    say(module._webPlaceEventAt(x, y) ? '' : refused());
  };

  const eventsOf = (text) => text.split(';').filter(Boolean).map((pair) => pair.split(',').map((c) => parseNumber(c)));
  links.add({
    keys: ['ev', 'show', 'labels'],
    check(key, text) {
      if (key === 'labels') return text === '0' || text === '1' ? '' : 'labels is 1 or 0';
      if (key === 'show') {
        return text.split(',').filter(Boolean).every((n) => OVERLAYS.some(([o]) => o === n)) ? ''
          : `the overlays are ${OVERLAYS.map(([o]) => o).join(', ')}`;
      }
      const events = eventsOf(text);
      if (!events.every((e) => e.length === 2 && e.every(Number.isFinite))) return "events are x',t' pairs of numbers, ; between them";
      return events.length > MAX_EVENTS ? `${MAX_EVENTS} events at most` : '';
    },
    reset() {
      module._webClearEvents();
      rebuild(0);
      for (const [, box] of boxes) box.checked = false;
      setOverlays();
      labels.checked = true;
      setLabels();
    },
    apply(values, ignore) {
      for (const text of values.get('ev') || []) {
        const events = eventsOf(text);
        const good = events.filter((e) => e.length === 2 && e.every(Number.isFinite));
        if (good.length < events.length) ignore('ev', text, `${events.length - good.length} of the events are not two numbers x',t'`);
        if (good.length > MAX_EVENTS) ignore('ev', text, `more than ${MAX_EVENTS} events: the first ${MAX_EVENTS} are kept`);
        module._webClearEvents();
        const added = good.slice(0, MAX_EVENTS).filter(([x, t]) => module._webAddEventOwn(x, t)).length;
        if (added < Math.min(good.length, MAX_EVENTS)) ignore('ev', text, 'events are placed in demonstrations 1 to 3');
        rebuild(module._webEventCount()); // the pair at once, for the readouts a lesson's step judges
      }
      for (const text of values.get('labels') || []) {
        if (text !== '0' && text !== '1') {
          ignore('labels', text, 'labels is 1 or 0');
        } else {
          labels.checked = text === '1';
          setLabels();
        }
      }
      for (const text of values.get('show') || []) {
        const names = text.split(',').filter(Boolean);
        for (const name of names.filter((n) => !OVERLAYS.some(([o]) => o === n))) {
          ignore('show', name, `the overlays are ${OVERLAYS.map(([o]) => o).join(', ')}`);
        }
        for (const [name, box] of boxes) box.checked = names.includes(name);
        setOverlays();
      }
    },
    write() {
      const parts = [];
      const count = module._webEventCount();
      if (count > 0) {
        parts.push(`ev=${Array.from({ length: count }, (_, i) => {
          const q = new Float64Array(module.HEAPF64.buffer, module._webEventReadouts(i), EVENT_QUANTITIES.length);
          return `${linkNumber(q[2])},${linkNumber(q[3])}`;
        }).join(';')}`);
      }
      const shown = boxes.filter(([, box]) => box.checked).map(([name]) => name);
      if (shown.length) parts.push(`show=${shown.join(',')}`);
      if (!labels.checked) parts.push('labels=0');
      return parts;
    },
  });

  // After every frame: the table and the pair follow the state.
  const refresh = (q) => {
    const onDiagram = q.demo >= 1 && q.demo <= 3;
    if (section.hidden === onDiagram) section.hidden = !onDiagram;
    const count = module._webEventCount();
    if (count !== shownCount) rebuild(count);
    for (let i = 0; i < count; ++i) {
      const values = new Float64Array(module.HEAPF64.buffer, module._webEventReadouts(i), EVENT_QUANTITIES.length);
      if (rowsUnchanged[i](values)) continue;
      cells[i].forEach((cell, k) => {
        const text = formatNumber(values[k], TABLE_DECIMALS, false); // a table column keeps its width
        if (cell.textContent !== text) cell.textContent = text;
      });
    }
    const hasPair = Number.isFinite(q.pairInterval);
    if (pairBox.hidden === hasPair) pairBox.hidden = !hasPair;
    if (!hasPair) return;
    const [first, second] = pairSelects.map((s) => s.value);
    const names = pairValues.map((element) => element.dataset.quantity);
    if (pairUnchanged([first, second, ...names.map((name) => q[name]), ...withheld])) return;
    const orderText = (order) => (order === 0 ? 'both at once' : order < 0 ? first : second);
    const texts = {
      pairKind: KINDS[q.pairKind], pairFirstDiagram: orderText(q.pairFirstDiagram), pairFirstOwn: orderText(q.pairFirstOwn),
    };
    for (const element of pairValues) {
      const name = element.dataset.quantity;
      const value = texts[name] ?? formatNumber(q[name], 4, name.endsWith('At')); // velocities keep "below c"
      const text = value && withheld.has(name) ? WITHHELD_TEXT : value;
      if (element.parentElement.hidden === Boolean(text)) element.parentElement.hidden = !text;
      if (element.textContent !== text) element.textContent = text;
    }
    pairVelocity = Number.isFinite(q.pairSimultaneousAt) ? q.pairSimultaneousAt : q.pairSamePlaceAt;
    if (apply.hidden === Number.isFinite(pairVelocity)) apply.hidden = !Number.isFinite(pairVelocity);
    const givesAway = anyWithheld('pairSimultaneousAt', 'pairSamePlaceAt', 'velocity'); // the boost shows v
    if (apply.disabled !== givesAway) apply.disabled = givesAway;
    const applyText = Number.isFinite(q.pairSimultaneousAt) ? `Boost until ${first} and ${second} are simultaneous`
      : `Boost until ${first} and ${second} are at one place`;
    if (apply.textContent !== applyText) apply.textContent = applyText;
    const note = q.pairKind < 0
      ? `Spacelike: which of ${first} and ${second} comes first depends on the frame; no signal can go from one to the other.`
      : q.pairKind > 0
        ? `Timelike: every frame sees ${texts.pairFirstOwn} first; a clock can go from one to the other.`
        : `Lightlike: light goes from one to the other; every frame agrees on the order.`;
    if (pairNote.textContent !== note) pairNote.textContent = note;
  };

  // what the legend adds for the overlays in use
  const legendEntries = () => {
    const on = Object.fromEntries(boxes.map(([name, box]) => [name, box.checked]));
    const some = module._webEventCount() > 0;
    return [
      ...(on.axes ? [['violet', 'the objects’ own frame: the x′ and t′ axes, ticks at proper length and time 1, 2, 3']] : []),
      ...(on.simultaneity && some ? [['violet', 'each event’s line of simultaneity in the own frame (t′ the same)'],
        ['mid grey', 'each event’s line of simultaneity in the diagram’s frame (t the same)']] : []),
      ...(on.cones && some ? [['sky', 'each event’s future light cone']] : []),
      ...(some ? [['dark green', 'your events, A to Z']] : []),
    ];
  };

  return { refresh, placeAt, legendEntries };
}
