// The teaching panel: readouts computed by the program after every frame, the
// demonstration picker, Reset, an exact velocity (slider and number; in the 3D
// scenes of F4-F9 a speed and its direction, from rest), and the link parts
// demo= and v= (rapidity= where v is too close to c to hold the Lorentz
// factor); in F4-F9 heading= and turn= too, which with v give any boost the
// drags leave (a pure boost times a turn), and boosts= adds boosts as drags
// would, for lessons. The readouts are spoken, as one labelled sentence, once
// a change settles. Readouts past what a panel shows are written as powers of ten.
import { parseNumber } from './link.js';
import { t, i18n, localNumber, readNumber, onLanguage } from './i18n.js';

const DEMO_COUNT = 12;
const FIRST_DEFAULT_OBJECT = 12; // demonstrations from here on show the lit icosahedron
const SUBJECTS = [10, 11]; // titled only "F10", "F11": the picker names what they show
const MAX_VELOCITY = 0.99; // the controls' range, in units of c
const MOST_DECIMALS = 15;
const KEY_R = 114;
const LARGEST_PLAIN = 1e6; // from here on a readout is written m.mm × 10ⁿ
const SUPERSCRIPTS = { '-': '⁻', 0: '⁰', 1: '¹', 2: '²', 3: '³', 4: '⁴', 5: '⁵', 6: '⁶', 7: '⁷', 8: '⁸', 9: '⁹' };
const FIRST_3D = 4; // demonstrations 4-9 boost in the plane
const LAST_3D = 9;

// x with `decimals` decimals, and no minus sign on a zero, written the page's
// language's way (0,60); nearOne: more decimals where a value below 1 would
// show as 1 (a velocity close to c is never c)
export function formatNumber(x, decimals = 4, nearOne = true) {
  if (!Number.isFinite(x)) return '';
  if (Math.abs(x) >= LARGEST_PLAIN) {
    const [mantissa, power] = x.toExponential(2).split('e');
    return `${localNumber(mantissa)} × 10${[...String(Number(power))].map((c) => SUPERSCRIPTS[c]).join('')}`;
  }
  let d = decimals;
  while (nearOne && d < MOST_DECIMALS && Math.abs(x) < 1 && Math.abs(Number(x.toFixed(d))) === 1) ++d;
  const text = x.toFixed(d);
  return localNumber(/^-0(\.0*)?$/.test(text) ? text.slice(1) : text);
}

// Readouts that count (pulses): shown as whole numbers.
const COUNTS = new Set(['signalsReceivedByTraveller', 'reunionHomeSent', 'reunionHomeReceived', 'reunionTravellerSent',
  'reunionTravellerReceived']);
export const decimalsOf = (name) => (COUNTS.has(name) ? 0 : 4);

// Readouts a lesson's step holds back until Check: all but those it shows,
// shown as '?', with every sentence and control that would give them away.
export const withheld = {
  all: false,
  shown: new Set(),
  version: 0, // changes with what is held back
  has(name) {
    return this.all && !this.shown.has(name);
  },
  allBut(names) {
    this.all = true;
    this.shown = new Set(names);
    this.version += 1;
  },
  clear() {
    this.all = false;
    this.shown = new Set();
    this.version += 1;
  },
};
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

// announce(sentence, atOnce): the readouts said; at once when what is held back changed
export function attachPanel(module, links, announce) {
  const picker = document.getElementById('demo-select');
  const velocityInputs = [...document.querySelectorAll('input[data-control="velocity"]')];
  const headingInputs = [...document.querySelectorAll('input[data-control="heading"]')];
  const velocityRow = document.getElementById('velocity-row');
  const headingRow = document.getElementById('heading-row');
  const demoNow = () => Number(picker.value);
  const in3D = (demo) => demo >= FIRST_3D && demo <= LAST_3D;
  const rows = [...document.querySelectorAll('#readouts [data-quantity]')];

  const titles = () => {
    for (let n = 1; n <= DEMO_COUNT; ++n) {
      const title = t(`demo.${n}`);
      const named = SUBJECTS.includes(n) ? t('demo.named', { title, subject: t(`demo.subject.${n}`) }) : title;
      const text = n >= FIRST_DEFAULT_OBJECT ? t('demo.icosahedron', { title }) : named;
      if (picker.options[n - 1]) picker.options[n - 1].text = text;
      else picker.add(new Option(text, String(n)));
    }
  };
  titles();
  onLanguage(titles);
  picker.addEventListener('change', () => module._webSpecial(Number(picker.value), 0));
  document.getElementById('reset-button').addEventListener('click', () => module._webKeyboard(KEY_R, 0));

  // typed or slid: the boost from rest, in the 3D scenes along the direction shown
  const valueOf = (input) => readNumber(input.value);
  const typedIn = (inputs) => valueOf(inputs.find((i) => i.type !== 'range') || inputs[0]);
  const setMotion = (v, heading) => {
    const speed = Math.max(-MAX_VELOCITY, Math.min(MAX_VELOCITY, v));
    if (!Number.isFinite(speed)) return;
    if (in3D(demoNow())) module._webSetBoostParts(speed, NaN, Number.isFinite(heading) ? heading : 0, 0);
    else module._webSetVelocity(speed);
  };
  for (const input of velocityInputs) {
    input.addEventListener(input.type === 'range' ? 'input' : 'change', () => setMotion(valueOf(input), typedIn(headingInputs)));
  }
  for (const input of headingInputs) {
    input.addEventListener(input.type === 'range' ? 'input' : 'change', () => setMotion(typedIn(velocityInputs), valueOf(input)));
  }

  const boostsOf = (text) => text.split(';').map((b) => b.split(',').map(parseNumber));
  const checks = {
    demo: (text) => (Number.isInteger(parseNumber(text)) && parseNumber(text) >= 1 && parseNumber(text) <= DEMO_COUNT
      ? '' : t('link.demo', { count: DEMO_COUNT })),
    v: (text) => (Math.abs(parseNumber(text)) < 1 ? '' : t('link.v')),
    rapidity: (text) => (Math.abs(parseNumber(text)) <= 50 ? '' : t('link.rapidity')),
    boosts: (text) => (boostsOf(text).every((b) => b.length === 2 && b.every(Number.isFinite) && Math.hypot(...b) < 1)
      ? '' : t('link.boosts')),
    heading: (text) => (Math.abs(parseNumber(text)) <= 360 ? '' : t('link.heading')),
    turn: (text) => (Math.abs(parseNumber(text)) <= 180 ? '' : t('link.turn')),
  };
  const last = (values, key) => values.get(key)?.at(-1);
  links.add({
    keys: ['demo', 'v', 'rapidity', 'boosts', 'heading', 'turn'],
    check: (key, text) => checks[key](text),
    reset: () => module._webKeyboard(KEY_R, 0),
    apply(values, ignore) {
      for (const text of values.get('demo') || []) {
        if (checks.demo(text)) ignore('demo', text, checks.demo(text));
        else module._webSpecial(parseNumber(text), 0);
      }
      // the last of each given, or null where it is refused (and said so)
      const good = (key) => {
        const text = last(values, key);
        if (text === undefined) return undefined;
        if (!checks[key](text)) return parseNumber(text);
        ignore(key, text, checks[key](text));
        return null;
      };
      const [v, rapidity, heading, turn] = ['v', 'rapidity', 'heading', 'turn'].map(good);
      if (in3D(readQuantities(module).demo)) {
        // v (or rapidity) towards heading, times turn: the boost from rest
        if (v != null || rapidity != null) module._webSetBoostParts(v ?? NaN, rapidity ?? 0, heading ?? 0, turn ?? 0);
        else if (turn != null) module._webSetBoostParts(0, 0, 0, turn);
        if (heading != null && v == null && rapidity == null) ignore('heading', last(values, 'heading'), t('link.headingAlone'));
      } else {
        for (const [key, value, setter] of [['v', v, '_webSetVelocity'], ['rapidity', rapidity, '_webSetRapidity']]) {
          if (value != null && !module[setter](value)) ignore(key, last(values, key), t('link.velocityWhere', { reason: checks[key]('x') }));
        }
        for (const key of ['heading', 'turn']) {
          if (values.has(key)) ignore(key, last(values, key), t('link.only3D', { key }));
        }
      }
      for (const text of values.get('boosts') || []) {
        if (checks.boosts(text)) ignore('boosts', text, checks.boosts(text));
        else if (!boostsOf(text).every(([vx, vy]) => module._webAddBoost(vx, vy))) ignore('boosts', text, t('link.boostsWhere'));
      }
    },
    write(q) {
      const velocity = module.UTF8ToString(module._webLinkVelocity());
      return [`demo=${q.demo}`, ...(velocity ? [velocity] : [])];
    },
  });

  // After every frame: the readouts and the controls follow the state.
  const unchanged = unchangedSince();
  let heldVersion = `${withheld.version} ${i18n.version}`;
  return function refresh() {
    const q = readQuantities(module);
    if (unchanged([...Object.values(q), withheld.version, i18n.version])) return q;
    const spoken = [];
    for (const element of rows) {
      const value = q[element.dataset.quantity];
      const shown = Number.isFinite(value);
      if (element.parentElement.hidden === shown) element.parentElement.hidden = !shown;
      const hidden = withheld.has(element.dataset.quantity);
      const text = !shown ? '' : hidden ? WITHHELD_TEXT : formatNumber(value, decimalsOf(element.dataset.quantity));
      if (element.textContent !== text) element.textContent = text;
      if (shown && !hidden) spoken.push(t(`say.${element.dataset.quantity}`, { value: formatNumber(value, 2) }));
    }
    // at once when a lesson holds numbers back, or the words are another language's
    announce(spoken.join(t('list.between')), heldVersion !== `${withheld.version} ${i18n.version}`);
    heldVersion = `${withheld.version} ${i18n.version}`;
    if (picker.value !== String(q.demo)) picker.value = String(q.demo);
    // the velocity (and in F4-F9 its direction), typed or slid; blank while a lesson holds it back
    const moving = Number.isFinite(q.velocity);
    if (velocityRow.hidden === moving) velocityRow.hidden = !moving;
    const scene = in3D(q.demo);
    if (headingRow.hidden === scene) headingRow.hidden = !scene;
    for (const [inputs, name] of [[velocityInputs, 'velocity'], [headingInputs, 'heading']]) {
      const held = withheld.has(name);
      for (const input of inputs) {
        if (input.disabled !== held) input.disabled = held;
        const value = held || !Number.isFinite(q[name]) ? '' : formatNumber(q[name], name === 'heading' ? 1 : 2);
        if (document.activeElement !== input && input.value !== value) input.value = value;
      }
    }
    return q;
  };
}
