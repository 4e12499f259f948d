// Two frames on one diagram (demonstrations 1-3): overlays of the objects' own
// frame (axes, lines of simultaneity, light cones), the axes' names and
// numbers, and events: placed by a tap (snapped to 0.05 unless asked not to),
// chosen or moved by pressing on them, or typed in either frame (Enter adds);
// a table of their coordinates in both frames, each row with its event's own
// letter; the pair is pair.js's. All numbers come from the program. Links
// carry ev= (own frame), letters= (where they are not A, B, C...), show= and
// labels=0.
// Gestures: in "place an event" mode a press places or takes an event, a drag
// moves it. Keys: Enter in the x and t fields adds the event.
import { parseNumber, linkNumber } from '../core/link.js';
import { t, readNumber, onLanguage } from '../core/i18n.js';
import { formatNumber, unchangedSince } from '../core/panel.js';
import { attachPair } from './pair.js';

const MAX_EVENTS = 26;
const REACH = 100; // own-frame coordinates, as the program keeps them
const OVERLAYS = [['axes', 'show-axes'], ['simultaneity', 'show-simultaneity'], ['cones', 'show-light-cones']];
const TABLE_DECIMALS = 3;
const EVENT_QUANTITIES = ['x', 't', 'xOwn', 'tOwn', 'interval'];
const ALPHABET = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ';

export function attachEvents(module, links, readouts) {
  const section = document.getElementById('frames');
  const boxes = OVERLAYS.map(([name, control]) => [name, document.querySelector(`input[data-control="${control}"]`)]);
  const labels = document.querySelector('input[data-control="labels"]');
  const snap = document.querySelector('input[data-control="snap"]');
  const frame = document.querySelector('select[data-control="event-frame"]');
  const typed = ['event-x', 'event-t'].map((c) => document.querySelector(`input[data-control="${c}"]`));
  const message = document.getElementById('event-message');
  const rows = document.getElementById('events-body');
  const pair = attachPair(module);
  const lettersUnchanged = unchangedSince();
  let cells = []; // each row's cells, in EVENT_QUANTITIES order
  let rowsUnchanged = [];
  let moving = -1; // the event a press took, which a drag moves
  let focusRow = -1; // after a delete: the row whose button takes the focus

  const say = (text) => { message.textContent = text; };
  const setOverlays = () => module._webSetOverlays(...boxes.map(([, box]) => (box.checked ? 1 : 0)));
  for (const [, box] of boxes) box.addEventListener('change', setOverlays);
  const setLabels = () => module._webSetLabels(labels.checked ? 1 : 0);
  labels.addEventListener('change', setLabels);
  setLabels();

  const refused = () => (module._webEventCount() >= MAX_EVENTS ? t('events.tooMany', { count: MAX_EVENTS })
    : readouts().demo > 3 ? t('events.notHere') : t('events.outOfReach', { reach: REACH }));
  const add = () => {
    const [x, time] = typed.map((input) => readNumber(input.value));
    const own = frame.value === 'own';
    if (Number.isNaN(x) || Number.isNaN(time)) say(t(own ? 'events.typeOwn' : 'events.typeDiagram'));
    else say((own ? module._webAddEventOwn(x, time) : module._webAddEventDiagram(x, time)) ? '' : refused());
  };
  document.querySelector('button[data-control="add-event"]').addEventListener('click', add);
  for (const input of typed) {
    input.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') add();
    });
  }
  frame.addEventListener('change', () => {
    const prime = frame.value === 'own' ? '′' : '';
    document.getElementById('event-x-name').textContent = `x${prime}`;
    document.getElementById('event-t-name').textContent = `t${prime}`;
  });
  document.querySelector('button[data-control="clear-events"]').addEventListener('click', () => {
    module._webClearEvents();
    say('');
  });
  rows.addEventListener('click', (e) => {
    const button = e.target.closest('button[data-remove]');
    if (!button) return;
    focusRow = Number(button.dataset.remove);
    module._webRemoveEvent(focusRow);
  });

  const lettersNow = () => Array.from({ length: module._webEventCount() }, (_, i) => String.fromCharCode(module._webEventLetter(i)));
  // rows and pair choices when the events or their letters change
  const rebuild = (letters) => {
    rows.parentElement.hidden = letters.length === 0; // the table, headings and all
    rows.replaceChildren(...letters.map((letter, i) => {
      const row = document.createElement('tr');
      row.dataset.event = letter;
      const name = document.createElement('th');
      name.scope = 'row';
      name.textContent = letter;
      const remove = document.createElement('button');
      remove.type = 'button';
      remove.dataset.remove = String(i);
      remove.textContent = '×';
      remove.setAttribute('aria-label', t('events.removeEvent', { letter }));
      const last = document.createElement('td');
      last.append(remove);
      const valueCells = EVENT_QUANTITIES.map((q) => {
        const cell = document.createElement('td');
        cell.dataset.quantity = q;
        return cell;
      });
      row.append(name, ...valueCells, last);
      return row;
    }));
    cells = [...rows.children].map((row) => [...row.querySelectorAll('td[data-quantity]')]);
    rowsUnchanged = cells.map(() => unchangedSince());
    pair.rebuild(letters);
    if (focusRow >= 0) {
      rows.children[Math.min(focusRow, letters.length - 1)]?.querySelector('button')?.focus();
      focusRow = -1;
    }
  };
  onLanguage(() => rebuild(lettersNow())); // the rows' names and numbers in the new language
  const settle = () => { // the pair at once, for the readouts a lesson's step judges
    const letters = lettersNow();
    lettersUnchanged(letters);
    rebuild(letters);
  };

  // a press in the place-event mode: on an event it takes it, elsewhere it places one
  const pressAt = (x, y) => {
    const hit = module._webEventAt(x, y);
    if (hit >= 0) {
      moving = hit;
      pair.select(hit);
      say('');
    } else if (module._webPlaceEventAt(x, y, snap.checked ? 1 : 0)) {
      moving = module._webEventCount() - 1;
      say('');
    } else {
      moving = -1;
      say(refused());
    }
  };
  const moveTo = (x, y) => {
    if (moving >= 0) module._webMoveEventTo(moving, x, y, snap.checked ? 1 : 0);
  };
  const release = () => { moving = -1; };

  const eventsOf = (text) => text.split(';').filter(Boolean).map((e) => e.split(',').map((c) => parseNumber(c)));
  const checks = {
    labels: (text) => (text === '0' || text === '1' ? '' : t('link.labels')),
    letters: (text) => (/^[A-Z]*$/.test(text) && new Set(text).size === text.length ? '' : t('link.letters')),
    show: (text) => (text.split(',').filter(Boolean).every((n) => OVERLAYS.some(([o]) => o === n)) ? ''
      : t('link.overlays', { overlays: OVERLAYS.map(([o]) => o).join(', ') })),
    ev(text) {
      const events = eventsOf(text);
      if (!events.every((e) => e.length === 2 && e.every(Number.isFinite))) return t('link.events');
      if (!events.every((e) => e.every((c) => Math.abs(c) <= REACH))) return t('link.eventsReach', { reach: REACH });
      return events.length > MAX_EVENTS ? `${MAX_EVENTS} events at most` : '';
    },
  };
  links.add({
    keys: ['ev', 'letters', 'show', 'labels'],
    check: (key, text) => checks[key](text),
    reset() {
      module._webClearEvents();
      for (const [, box] of boxes) box.checked = false;
      setOverlays();
      labels.checked = true;
      setLabels();
      settle();
    },
    apply(values, ignore) {
      for (const text of values.get('ev') || []) {
        const events = eventsOf(text);
        const good = events.filter((e) => e.length === 2 && e.every((c) => Math.abs(c) <= REACH));
        if (good.length < events.length) {
          ignore('ev', text, t('link.eventsBad', { count: events.length - good.length, reach: REACH }));
        }
        if (good.length > MAX_EVENTS) ignore('ev', text, t('link.eventsMany', { count: MAX_EVENTS }));
        module._webClearEvents();
        const added = good.slice(0, MAX_EVENTS).filter(([x, t]) => module._webAddEventOwn(x, t)).length;
        if (added < Math.min(good.length, MAX_EVENTS)) ignore('ev', text, t('link.eventsWhere'));
      }
      for (const text of values.get('letters') || []) {
        const fits = !checks.letters(text) && text.length === module._webEventCount();
        if (!fits) ignore('letters', text, checks.letters(text) || t('link.lettersEach'));
        else [...text].forEach((letter, i) => module._webSetEventLetter(i, letter.charCodeAt(0)));
      }
      for (const text of values.get('labels') || []) {
        if (checks.labels(text)) {
          ignore('labels', text, checks.labels(text));
        } else {
          labels.checked = text === '1';
          setLabels();
        }
      }
      for (const text of values.get('show') || []) {
        const names = text.split(',').filter(Boolean);
        for (const name of names.filter((n) => !OVERLAYS.some(([o]) => o === n))) ignore('show', name, checks.show(name));
        for (const [name, box] of boxes) box.checked = names.includes(name);
        setOverlays();
      }
      settle();
    },
    write() {
      const parts = [];
      const count = module._webEventCount();
      if (count > 0) {
        parts.push(`ev=${Array.from({ length: count }, (_, i) => {
          const q = new Float64Array(module.HEAPF64.buffer, module._webEventReadouts(i), EVENT_QUANTITIES.length);
          return `${linkNumber(q[2])},${linkNumber(q[3])}`;
        }).join(';')}`);
        const letters = lettersNow().join('');
        if (letters !== ALPHABET.slice(0, count)) parts.push(`letters=${letters}`);
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
    const letters = lettersNow();
    if (!lettersUnchanged(letters)) rebuild(letters);
    const own = [];
    for (let i = 0; i < letters.length; ++i) {
      const values = new Float64Array(module.HEAPF64.buffer, module._webEventReadouts(i), EVENT_QUANTITIES.length);
      own.push([values[2], values[3]]);
      if (rowsUnchanged[i](values)) continue;
      cells[i].forEach((cell, k) => {
        const text = formatNumber(values[k], TABLE_DECIMALS, false); // a table column keeps its width
        if (cell.textContent !== text) cell.textContent = text;
      });
    }
    pair.refresh(q, letters, own);
  };

  // what the legend adds for the overlays in use
  const legendEntries = () => {
    const on = Object.fromEntries(boxes.map(([name, box]) => [name, box.checked]));
    const some = module._webEventCount() > 0;
    return [
      ...(on.axes ? [['violet', t('legend.ownAxes')]] : []),
      ...(on.simultaneity && some ? [['violet', t('legend.simultaneityOwn')], ['mid grey', t('legend.simultaneityDiagram')]] : []),
      ...(on.cones && some ? [['sky', t('legend.eventCones')]] : []),
      ...(some ? [['dark green', t('legend.events')]] : []),
    ];
  };

  return { refresh, pressAt, moveTo, release, legendEntries };
}
