// The teaching panel: readouts computed by the program after every frame, the
// demonstration picker, Reset, an exact velocity (slider and number, for
// demonstrations 1-3), and the link parts demo= and v= (rapidity= where v is
// too close to c to hold the Lorentz factor; boosts= adds boosts in F4-F9, as
// drags would, for lessons). The readouts are spoken, as one labelled
// sentence, once a change settles.
import { parseNumber } from './link.js';

const DEMO_COUNT = 12;
const FIRST_DEFAULT_OBJECT = 12; // demonstrations from here on show the lit icosahedron
const SUBJECTS = { 10: 'the accelerating rocket', 11: 'Bell’s spaceships' }; // titled only "F10", "F11"
const MAX_VELOCITY = 0.99; // the controls' range, in units of c
const MOST_DECIMALS = 15;
const KEY_R = 114;

// x with `decimals` decimals, and no minus sign on a zero; nearOne: more decimals
// where a value below 1 would show as 1 (a velocity close to c is never c)
export function formatNumber(x, decimals = 4, nearOne = true) {
  if (!Number.isFinite(x)) return '';
  let d = decimals;
  while (nearOne && d < MOST_DECIMALS && Math.abs(x) < 1 && Math.abs(Number(x.toFixed(d))) === 1) ++d;
  const text = x.toFixed(d);
  return /^-0(\.0*)?$/.test(text) ? text.slice(1) : text;
}

// Readouts that count (pulses): shown as whole numbers.
const COUNTS = new Set(['signalsReceivedByTraveller', 'reunionHomeSent', 'reunionHomeReceived', 'reunionTravellerSent',
  'reunionTravellerReceived']);
export const decimalsOf = (name) => (COUNTS.has(name) ? 0 : 4);

// Readouts a lesson asks the student to predict: shown as '?' until Check,
// with every sentence and control that would give them away.
export const withheld = new Set();
export const WITHHELD_TEXT = '?';
export const anyWithheld = (...names) => names.some((name) => withheld.has(name));

// values (numbers, NaN too) the same as at the last call of the one made: a redraw
// that changed nothing then costs no formatting and no DOM work
export function unchangedSince() {
  let last = [];
  return (values) => {
    const same = values.length === last.length && values.every((x, i) => Object.is(x, last[i]));
    if (!same) last = [...values];
    return same;
  };
}

// The program's readouts by name (NaN: not shown in this demonstration).
export function readQuantities(module) {
  const count = module._webReadoutCount();
  if (!module.readoutNames) {
    module.readoutNames = Array.from({ length: count }, (_, i) => module.UTF8ToString(module._webReadoutName(i)));
  }
  const values = new Float64Array(module.HEAPF64.buffer, module._webReadouts(), count);
  return Object.fromEntries(module.readoutNames.map((name, i) => [name, values[i]]));
}

export function attachPanel(module, links, announce) {
  const picker = document.getElementById('demo-select');
  const velocityInputs = [...document.querySelectorAll('input[data-control="velocity"]')];
  const velocityRow = document.getElementById('velocity-row');
  const rows = [...document.querySelectorAll('#readouts [data-quantity]')];

  for (let n = 1; n <= DEMO_COUNT; ++n) {
    const title = module.UTF8ToString(module._webDemoTitle(n));
    const named = SUBJECTS[n] ? `${title}: ${SUBJECTS[n]}` : title;
    picker.add(new Option(n >= FIRST_DEFAULT_OBJECT ? `${title} (shows a lit icosahedron)` : named, String(n)));
  }
  picker.addEventListener('change', () => module._webSpecial(Number(picker.value), 0));
  document.getElementById('reset-button').addEventListener('click', () => module._webKeyboard(KEY_R, 0));

  const setVelocity = (value) => {
    const v = Math.max(-MAX_VELOCITY, Math.min(MAX_VELOCITY, Number(value)));
    if (Number.isFinite(v)) module._webSetVelocity(v);
  };
  for (const input of velocityInputs) {
    input.addEventListener(input.type === 'range' ? 'input' : 'change', () => setVelocity(input.value));
  }

  const boostsOf = (text) => text.split(';').map((b) => b.split(',').map(parseNumber));
  const checks = {
    demo: (text) => (Number.isInteger(parseNumber(text)) && parseNumber(text) >= 1 && parseNumber(text) <= DEMO_COUNT
      ? '' : `a demonstration is 1 to ${DEMO_COUNT}`),
    v: (text) => (Math.abs(parseNumber(text)) < 1 ? '' : 'a velocity is a number between -1 and 1'),
    rapidity: (text) => (Math.abs(parseNumber(text)) <= 50 ? '' : 'a rapidity is a number from -50 to 50'),
    boosts: (text) => (boostsOf(text).every((b) => b.length === 2 && b.every(Number.isFinite) && Math.hypot(...b) < 1)
      ? '' : "boosts are velocities vx,vy;vx,vy each slower than light"),
  };
  links.add({
    keys: ['demo', 'v', 'rapidity', 'boosts'],
    check: (key, text) => checks[key](text),
    reset: () => module._webKeyboard(KEY_R, 0),
    apply(values, ignore) {
      for (const text of values.get('demo') || []) {
        if (checks.demo(text)) ignore('demo', text, checks.demo(text));
        else module._webSpecial(parseNumber(text), 0);
      }
      for (const [key, setter] of [['v', '_webSetVelocity'], ['rapidity', '_webSetRapidity']]) {
        for (const text of values.get(key) || []) {
          if (checks[key](text)) ignore(key, text, checks[key](text));
          else if (!module[setter](parseNumber(text))) ignore(key, text, `${checks[key]('x')}, set in demonstrations 1 to 3`);
        }
      }
      for (const text of values.get('boosts') || []) {
        if (checks.boosts(text)) ignore('boosts', text, checks.boosts(text));
        else if (!boostsOf(text).every(([vx, vy]) => module._webAddBoost(vx, vy))) ignore('boosts', text, 'boosts are added in demonstrations 4 to 9');
      }
    },
    write(q) {
      const velocity = module.UTF8ToString(module._webLinkVelocity());
      return [`demo=${q.demo}`, ...(velocity ? [velocity] : [])];
    },
  });

  // After every frame: the readouts and the controls follow the state.
  const unchanged = unchangedSince();
  return function refresh() {
    const q = readQuantities(module);
    if (unchanged([...Object.values(q), ...withheld])) return q;
    const spoken = [];
    for (const element of rows) {
      const value = q[element.dataset.quantity];
      const shown = Number.isFinite(value);
      if (element.parentElement.hidden === shown) element.parentElement.hidden = !shown;
      const hidden = withheld.has(element.dataset.quantity);
      const text = !shown ? '' : hidden ? WITHHELD_TEXT : formatNumber(value, decimalsOf(element.dataset.quantity));
      if (element.textContent !== text) element.textContent = text;
      if (shown && !hidden) spoken.push(element.dataset.say.replace('{}', formatNumber(value, 2)));
    }
    announce(spoken.join(', '));
    if (picker.value !== String(q.demo)) picker.value = String(q.demo);
    const hasVelocityControl = q.demo >= 1 && q.demo <= 3;
    // elsewhere the field shows the speed of the boosts, or nothing where there is none
    if (velocityRow.hidden === Number.isFinite(q.velocity)) velocityRow.hidden = !Number.isFinite(q.velocity);
    for (const input of velocityInputs) {
      if (input.disabled === hasVelocityControl) input.disabled = !hasVelocityControl;
      const value = Number.isFinite(q.velocity) ? formatNumber(q.velocity, 2) : '';
      if (document.activeElement !== input && input.value !== value) input.value = value;
    }
    return q;
  };
}
