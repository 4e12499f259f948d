// The teaching panel: readouts computed by the program after every frame, the
// demonstration picker, Reset, an exact velocity (slider and number, for
// demonstrations 1-3), and links: the address fragment (#demo=1&v=0.6) follows
// the state, and opening or editing one sets it. Bad fragment parts are
// ignored with a console line.

// The program's readouts, in the order webReadouts() returns them.
const QUANTITIES = ['demo', 'velocity', 'gamma', 'coordinateTime', 'length', 'properTimeHome',
  'properTimeTraveller', 'turnaroundX', 'turnaroundT', 'velocityX', 'velocityY', 'wignerAngle'];
const DEMO_COUNT = 12;
const MAX_VELOCITY = 0.99; // the controls' range, in units of c
const KEY_R = 114;

const format = (x) => (Math.abs(x) < 5e-5 ? 0 : x).toFixed(4);
const linkVelocity = (v) => String(Number(v.toFixed(4)));

export function readQuantities(module) {
  const values = new Float64Array(module.HEAPF64.buffer, module._webReadouts(), QUANTITIES.length);
  return Object.fromEntries(QUANTITIES.map((name, i) => [name, values[i]]));
}

// Parts of a fragment such as "demo=3&v=-0.5": { demo, v } of the good ones,
// and a reason for each bad one.
export function parseFragment(fragment) {
  const state = {};
  const problems = [];
  for (const part of fragment.replace(/^#/, '').split('&').filter(Boolean)) {
    const [key, value = ''] = part.split('=');
    const number = /^[+-]?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/i.test(value) ? Number(value) : NaN;
    if (key === 'demo' && Number.isInteger(number) && number >= 1 && number <= DEMO_COUNT) {
      state.demo = number;
    } else if (key === 'v' && Math.abs(number) < 1) {
      state.v = number;
    } else if (key === 'demo' || key === 'v') {
      problems.push(`${part.slice(0, 40)}: ${key === 'demo' ? 'a demonstration is 1 to 12' : 'a velocity is a number between -1 and 1'}`);
    } else {
      problems.push(`${part.slice(0, 40)}: unknown key`);
    }
  }
  return { state, problems };
}

export function attachPanel(module, log) {
  const picker = document.getElementById('demo-select');
  const velocityInputs = [...document.querySelectorAll('input[data-control="velocity"]')];
  const rows = new Map([...document.querySelectorAll('#readouts [data-quantity]')]
    .map((element) => [element.dataset.quantity, element]));
  let fragment = '';

  for (let n = 1; n <= DEMO_COUNT; ++n) {
    picker.add(new Option(module.UTF8ToString(module._webDemoTitle(n)), String(n)));
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

  const applyFragment = (hash) => {
    const { state, problems } = parseFragment(hash);
    for (const problem of problems) log(`Link ignored in part ${problem}`);
    if (state.demo) module._webSpecial(state.demo, 0);
    if (state.v !== undefined && !module._webSetVelocity(state.v)) {
      log('Link ignored in part v: a velocity is set in demonstrations 1 to 3');
    }
  };
  window.addEventListener('hashchange', () => {
    if (window.location.hash !== `#${fragment}`) applyFragment(window.location.hash);
  });
  if (window.location.hash) applyFragment(window.location.hash);

  // After every frame: the readouts, the controls and the address follow the state.
  return function refresh() {
    const q = readQuantities(module);
    for (const [name, element] of rows) {
      const shown = Number.isFinite(q[name]);
      if (element.parentElement.hidden === shown) element.parentElement.hidden = !shown;
      const text = shown ? format(q[name]) : '';
      if (element.textContent !== text) element.textContent = text;
    }
    if (picker.value !== String(q.demo)) picker.value = String(q.demo);
    const hasVelocityControl = q.demo >= 1 && q.demo <= 3;
    for (const input of velocityInputs) {
      if (input.disabled === hasVelocityControl) input.disabled = !hasVelocityControl;
      const value = hasVelocityControl ? q.velocity.toFixed(2) : input.value;
      if (document.activeElement !== input && input.value !== value) input.value = value;
    }
    const next = `demo=${q.demo}${hasVelocityControl && format(q.velocity) !== '0.0000' ? `&v=${linkVelocity(q.velocity)}` : ''}`;
    if (next !== fragment) {
      fragment = next;
      history.replaceState(null, '', `#${fragment}`);
    }
  };
}
