// The 3D scenes of F5 to F9 on the page: the probe ray of the light cones
// (F5, F6), the gyroscope's orbit speed, the polygon of boosts and Play
// (F7), the observer's time with Play through the fly-by and the faces seen
// (F8, F9) with the camera's switches (camera.js), and a "what to see"
// paragraph for each. Links carry ray=, orbit=,
// sides= and look=. The numbers come from the program; this module only
// passes them on.
import { parseNumber, linkNumber } from '../core/link.js';
import { attachPlayer } from '../core/player.js';
import { colourName } from '../core/legend.js';
import { t, readNumber, localNumber } from '../core/i18n.js';
import { withheld } from '../core/panel.js';
import { attachCamera } from './camera.js';

const DEFAULTS = { ray: 90, orbit: 0.6, sides: 4, look: 0 };
const ORBIT_SECONDS = 6; // Play takes the gyroscope once round in this long
const FLY_BY = [-3, 3]; // Play sweeps the observer's time through these
const FLY_BY_SECONDS = 8;
const CONE_DEMOS = [5, 6];
const THOMAS_DEMO = 7;
const SEEN_DEMOS = [8, 9];
const DEMOS_OF = { ray: CONE_DEMOS, orbit: [THOMAS_DEMO], sides: [THOMAS_DEMO], look: SEEN_DEMOS };
const demosText = (demos) => (demos.length > 1 ? t('rocket.or', { first: demos[0], second: demos[1] }) : String(demos[0]));
// each paragraph (scenes.see.<demonstration>) names its colours as the palette in use does
const COLOURS = ['red', 'orange', 'pale grey', 'magenta', 'mid grey', 'black', 'sky', 'dark green', 'grey'];
const seeText = (demo) => t(`scenes.see.${demo}`, Object.fromEntries(COLOURS
  .map((key) => [key.replace(/ (\w)/g, (_, c) => c.toUpperCase()), colourName(key)])));

export function attachScenes(module, links, readouts) {
  const section = document.getElementById('scenes');
  const blocks = {
    cones: document.getElementById('scene-cones'),
    thomas: document.getElementById('scene-thomas'),
    seen: document.getElementById('scene-seen'),
  };
  const faces = document.getElementById('seen-faces');
  const see = document.getElementById('scene-see');
  const rayName = document.getElementById('ray-name'); // names the probe ray's colour in the palette in use
  const inputs = (name) => [...section.querySelectorAll(`input[data-control="${name}"]`)];
  const controls = {
    ray: inputs('ray-angle'), orbit: inputs('orbit-speed'), sides: inputs('polygon-sides'), look: inputs('look-time'),
  };
  const valid = {
    ray: (x) => x >= 0 && x <= 180,
    orbit: (x) => x >= 0.05 && x <= 0.95,
    sides: (x) => Number.isInteger(x) && x >= 3 && x <= 12,
    look: (x) => x >= -5 && x <= 5,
  };
  const setters = {
    ray: (x) => module._webSetProbeRay(x),
    orbit: (x) => module._webSetOrbitSpeed(x),
    sides: (x) => module._webSetPolygonSides(x),
    look: (x) => module._webSetLookTime(x),
  };
  const limits = { ray: 'scenes.link.ray', orbit: 'scenes.link.orbit', sides: 'scenes.link.sides', look: 'scenes.link.look' };
  const values = { ...DEFAULTS };

  const show = (key) => {
    for (const input of controls[key]) {
      const text = input.type === 'range' ? String(values[key]) : localNumber(String(values[key]));
      if (input.value !== text) input.value = text;
    }
  };
  const set = (key, x) => {
    if (!valid[key](x) || !setters[key](x)) return false;
    values[key] = x;
    show(key);
    return true;
  };
  for (const [key, list] of Object.entries(controls)) {
    for (const input of list) {
      input.addEventListener(input.type === 'range' ? 'input' : 'change', () => {
        if (!set(key, readNumber(input.value))) show(key);
      });
    }
  }

  const orbitPlayer = attachPlayer(blocks.thomas.querySelector('button[data-control="play"]'), {
    seconds: ORBIT_SECONDS,
    from: () => (readouts().orbitShare < 1 ? readouts().orbitShare : 0),
    end: () => 1,
    advance: (share) => module._webSetOrbitShare(share),
    stopped: () => module._webPostRedisplay(),
  });
  // the fly-by: the observer's time from FLY_BY[0] to FLY_BY[1], as a share of the way
  const [first, last] = FLY_BY;
  const flyByPlayer = attachPlayer(blocks.seen.querySelector('button[data-control="play"]'), {
    seconds: FLY_BY_SECONDS,
    from() {
      const share = (values.look - first) / (last - first);
      return share >= 0 && share < 1 ? share : 0;
    },
    end: () => 1,
    advance(share) { // the fields follow at the panel's pace, in refresh
      const t = Number((first + (last - first) * share).toFixed(4));
      if (!setters.look(t)) return false;
      values.look = t;
      return true;
    },
    stopped: () => module._webPostRedisplay(),
  });
  const players = [orbitPlayer, flyByPlayer];
  const pause = () => players.forEach((p) => p.pause());

  const keysOf = (demo) => (CONE_DEMOS.includes(demo) ? ['ray'] : demo === THOMAS_DEMO ? ['orbit', 'sides']
    : SEEN_DEMOS.includes(demo) ? ['look'] : []);
  links.add({
    keys: Object.keys(DEFAULTS),
    check: (key, text) => (valid[key](parseNumber(text)) ? '' : t(limits[key])),
    reset() {
      pause();
      module._webResetScenes();
      Object.assign(values, DEFAULTS);
      for (const key of Object.keys(DEFAULTS)) show(key);
    },
    apply(given, ignore) {
      const mine = keysOf(readouts().demo);
      for (const [key, texts] of given) {
        for (const text of texts) {
          if (!mine.includes(key)) ignore(key, text, t('scenes.link.where', { key, demos: demosText(DEMOS_OF[key]) }));
          else if (!set(key, parseNumber(text))) ignore(key, text, t(limits[key]));
        }
      }
    },
    write(q) {
      return keysOf(q.demo).filter((key) => values[key] !== DEFAULTS[key]).map((key) => `${key}=${linkNumber(values[key])}`);
    },
  });

  attachCamera(module, links, readouts); // its parts after look=

  // after every frame: the scene's block and paragraph follow the demonstration
  const refresh = (q) => {
    const cones = CONE_DEMOS.includes(q.demo);
    const thomas = q.demo === THOMAS_DEMO;
    const seen = SEEN_DEMOS.includes(q.demo);
    if (section.hidden === (cones || thomas || seen)) section.hidden = !(cones || thomas || seen);
    if (blocks.cones.hidden === cones) blocks.cones.hidden = !cones;
    if (blocks.thomas.hidden === thomas) blocks.thomas.hidden = !thomas;
    if (blocks.seen.hidden === seen) blocks.seen.hidden = !seen;
    if (!thomas) orbitPlayer.pause();
    if (!seen) flyByPlayer.pause();
    if (seen && !controls.look.includes(document.activeElement)) show('look');
    // the program names the faces in English: near, far, leading, trailing
    const seenFaces = q.demo !== 8 ? '' : module.UTF8ToString(module._webSeenFaces()).split(', ').filter(Boolean)
      .map((face) => t(`face.${face}`)).join(t('list.between'));
    if (faces.textContent !== seenFaces) faces.textContent = seenFaces;
    if (faces.parentElement.hidden === !seenFaces) faces.parentElement.hidden = !seenFaces;
    const text = [5, 6, 7, 8, 9].includes(q.demo) ? seeText(q.demo) : '';
    if (see.textContent !== text) see.textContent = text;
    const ray = cones ? t('scenes.ray', { magenta: colourName('magenta') }) : '';
    if (cones && rayName.textContent !== ray) rayName.textContent = ray;
    // its worked numbers wait, with the readouts, while a lesson's question waits for Check
    if (see.hidden !== withheld.all) see.hidden = withheld.all;
  };
  return { refresh, playing: () => players.some((p) => p.playing()) };
}
