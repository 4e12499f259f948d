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
import { attachCamera } from './camera.js';

const DEFAULTS = { ray: 90, orbit: 0.6, sides: 4, look: 0 };
const ORBIT_SECONDS = 6; // Play takes the gyroscope once round in this long
const FLY_BY = [-3, 3]; // Play sweeps the observer's time through these
const FLY_BY_SECONDS = 8;
const CONE_DEMOS = [5, 6];
const THOMAS_DEMO = 7;
const SEEN_DEMOS = [8, 9];
const DEMOS_OF = { ray: CONE_DEMOS.join(' or '), orbit: THOMAS_DEMO, sides: THOMAS_DEMO, look: SEEN_DEMOS.join(' or ') };
// each paragraph names its colours as the palette in use does: c(key) is the
// name of the program's colour key (legend.js)
const SEE = {
  5: (c) => `A flash at the origin, seen from a frame in which its source moves (${c('red')} arrow). The 24 rulings `
    + `are evenly spaced in the source’s own frame; boosted, the ${c('orange')} half crowds into a cone of half-angle `
    + 'acos v round the direction of motion, and each tip rises to its ray’s Doppler factor: the searchlight. '
    + `The faint ${c('pale grey')} cone is the same cone unboosted: light cones themselves do not move.`,
  6: (c) => 'The light reaching an observer at the origin, evenly spread in the observer’s own sky. Seen from a frame '
    + `in which the observer moves (${c('red')} arrow), the ${c('orange')} half comes from within acos v of straight `
    + 'behind: read the other way round, stars evenly spread in that frame crowd ahead of the moving observer '
    + '(aberration), and look bluer ahead.',
  7: (c) => `A gyroscope carried counter-clockwise round a circle keeps its spin (${c('magenta')}) at right angles `
    + `to its world line, yet after one orbit it points elsewhere than the spin that does not precess (${c('mid grey')}): `
    + 'turned against the orbit by 360 (γ − 1) degrees. The bowl is the hyperboloid of 4-velocities with the orbit’s '
    + 'ring on it; a drag boosts the picture and rolls the ball. Drag the pointer round a circle of radius about '
    + '100 v pixels, γ times round: the picture comes back to rest turned by about the Thomas angle, which the '
    + 'Thomas–Wigner readout shows.',
  8: (c) => `A square moves past the observer, whose world line is the ${c('black')} time axis. Its ${c('red')} `
    + 'outline is the square at the observer’s time: what is measured, contracted. What the observer sees is where '
    + 'the square’s world tube meets the observer’s past light cone (the light arriving now): light from the far '
    + 'parts left earlier. The strip below is the photograph, the sky from 0° (the direction of motion) to 360° '
    + '(−180° to 180° when the image spans the direction of motion), with the square at rest in the same place '
    + 'beneath. The camera’s picture (top right) is the square’s cube as a camera at the observer photographs it. '
    + 'Play the fly-by: once the cube has passed, its trailing face comes into view, and its edges bend. It looks '
    + 'turned, not squashed; with “Doppler colour” it reddens as it recedes.',
  9: (c) => `A disk moves past the observer. Measured (${c('red')}) it is an ellipse, contracted along the motion. `
    + 'Seen, it is where its world tube meets the past light cone, and the coloured ticks show which part of the rim '
    + 'is seen. The strip below is a one-dimensional photograph: it has only a width, and the width changes as the '
    + 'disk flies by (at time 0 and 0.6 c, 31.59° against 38.94° for the disk at rest beneath), because aberration '
    + 'spreads or crowds the sky, as a disk nearer or further away would look wider or narrower. That is no '
    + 'contraction: what stays is the shape, turned round in the sky and not squashed. The camera’s picture (top '
    + 'right) of the disk’s sphere shows it: round through the whole fly-by, where the ruler’s picture (light travel '
    + 'time off) is squashed; with “Doppler colour” it is bluer while it approaches and reddens as it recedes.',
};

export function attachScenes(module, links, readouts) {
  const section = document.getElementById('scenes');
  const blocks = {
    cones: document.getElementById('scene-cones'),
    thomas: document.getElementById('scene-thomas'),
    seen: document.getElementById('scene-seen'),
  };
  const faces = document.getElementById('seen-faces');
  const see = document.getElementById('scene-see');
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
  const limits = {
    ray: 'the probe ray is 0 to 180 degrees from the direction of motion',
    orbit: 'the orbit speed is 0.05 to 0.95',
    sides: 'the polygon has 3 to 12 sides',
    look: 'the observer’s time is -5 to 5',
  };
  const values = { ...DEFAULTS };

  const show = (key) => {
    for (const input of controls[key]) if (input.value !== String(values[key])) input.value = String(values[key]);
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
        if (!set(key, parseNumber(input.value))) show(key);
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
    check: (key, text) => (valid[key](parseNumber(text)) ? '' : limits[key]),
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
          if (!mine.includes(key)) ignore(key, text, `${key} is set in demonstration ${DEMOS_OF[key]}`);
          else if (!set(key, parseNumber(text))) ignore(key, text, limits[key]);
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
    const seenFaces = q.demo === 8 ? module.UTF8ToString(module._webSeenFaces()) : '';
    if (faces.textContent !== seenFaces) faces.textContent = seenFaces;
    if (faces.parentElement.hidden === !seenFaces) faces.parentElement.hidden = !seenFaces;
    const text = SEE[q.demo] ? SEE[q.demo](colourName) : '';
    if (see.textContent !== text) see.textContent = text;
  };
  return { refresh, playing: () => players.some((p) => p.playing()) };
}
