// The camera's picture of F8 and F9 on the page: its switches, each a
// checkbox and a part of links: the picture alone, filling the canvas
// (view=camera), the light travel time (delay=0 turns it off), Doppler colour
// (doppler=1), the searchlight's brightness (brightness=1) and the camera fixed
// towards +y (aim=fixed). The program draws the picture and works out its
// readouts; this module only passes the switches on.

import { t } from '../core/i18n.js';

// in the program's order (webSetCamera)
const SWITCHES = [
  { key: 'view', control: 'camera-whole', on: 'camera', off: 'construction', start: false },
  { key: 'delay', control: 'light-delay', on: '1', off: '0', start: true },
  { key: 'doppler', control: 'doppler-colour', on: '1', off: '0', start: false },
  { key: 'brightness', control: 'brightness', on: '1', off: '0', start: false },
  { key: 'aim', control: 'aim-fixed', on: 'fixed', off: 'image', start: false },
];
const CAMERA_DEMOS = [8, 9];

export function attachCamera(module, links, readouts) {
  const boxes = SWITCHES.map(({ control }) => document.querySelector(`input[data-control="${control}"]`));
  const on = SWITCHES.map(({ start }) => start);
  const set = (i, value) => {
    if (!module._webSetCamera(i, value ? 1 : 0)) return;
    on[i] = value;
    boxes[i].checked = value;
  };
  boxes.forEach((box, i) => box.addEventListener('change', () => set(i, box.checked)));

  const indexOf = (key) => SWITCHES.findIndex((s) => s.key === key);
  const problem = (key, text) => {
    const { on: yes, off: no } = SWITCHES[indexOf(key)];
    return text === yes || text === no ? '' : t('camera.link.values', { key, on: yes, off: no });
  };
  links.add({
    keys: SWITCHES.map(({ key }) => key),
    check: problem,
    reset: () => SWITCHES.forEach(({ start }, i) => set(i, start)),
    apply(given, ignore) {
      const shown = CAMERA_DEMOS.includes(readouts().demo);
      for (const [key, texts] of given) {
        for (const text of texts) {
          if (!shown) ignore(key, text, t('scenes.link.where', { key, demos: t('rocket.or', { first: CAMERA_DEMOS[0], second: CAMERA_DEMOS[1] }) }));
          else if (problem(key, text)) ignore(key, text, problem(key, text));
          else set(indexOf(key), text === SWITCHES[indexOf(key)].on);
        }
      }
    },
    write: (q) => (CAMERA_DEMOS.includes(q.demo)
      ? SWITCHES.filter((s, i) => on[i] !== s.start).map((s) => `${s.key}=${on[indexOf(s.key)] ? s.on : s.off}`) : []),
  });
}
