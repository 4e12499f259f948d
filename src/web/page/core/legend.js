// Colours for the room and what they mean: the palette picker (the desktop's
// colours, high contrast on white, or dark for projectors; links carry it as
// colours=), the legend of the demonstration shown, and the canvas's
// accessible description, which names the demonstration and what it draws.
// The colours and their names come from the program's palette; colourName
// gives other modules a colour's name in the palette in use.

const PALETTES = ['desktop', 'high-contrast', 'dark'];
// lit faces: the material's olive yellow under the light; no palette changes it
const LIT = { name: 'olive yellow, shaded', rgb: [179, 179, 0] };

// What each colour is, by demonstration; keys are the program's colours.
const LEGENDS = {
  1: [['red', 'the axes: space x across, time t up'], ['blue', 'light, along x = ±t'],
    ['yellow', 'the unit hyperbolas t² − x² = ±1'], ['black', 'a lattice of events at rest in the objects’ frame'],
    ['cyan', 'a clock at rest from t = −1 to 1 (proper time 2)']],
  2: [['red', 'the axes: space x across, time t up'], ['blue', 'light, along x = ±t'],
    ['yellow', 'the unit hyperbolas t² − x² = ±1'], ['black', 'the world lines of a rod’s two ends (proper length 2)']],
  3: [['red', 'the home twin: world line, and the proper-time bar at the left'],
    ['green', 'the traveller going out: world line, and the lower bar at the right'],
    ['teal', 'the traveller coming back: world line, and the bar stacked on it'],
    ['scale blue', 'velocity scale from 0 to +1'], ['grey', 'velocity scale from 0 to −1'],
    ['orange', 'the velocity at which the home frame is seen moving (the frame you look from moves the other way)']],
  4: [['green', 'a rod along the time axis, which points towards you'],
    ['lit', 'an icosahedron and a wire cube, boosted with the rod']],
  5: [['orange', 'the half of the light sent within acos v of the direction of motion'],
    ['sky', 'the other half: 24 rulings in all, evenly spaced in the source’s frame, each up to its own time 1'],
    ['grey', 'the rim: where the light is at the source’s time 1; a tip’s height is its Doppler factor'],
    ['dark green', 'the source’s world line'], ['magenta', 'the probe ray'],
    ['red', 'the direction of motion, in the frame drawn'], ['pale grey', 'the same cone unboosted']],
  6: [['orange', 'the half of the light arriving from within acos v of straight behind'],
    ['sky', 'the other half: 24 rays in all, evenly spread in the observer’s sky'],
    ['grey', 'the rim: where the light was at the observer’s time −1'],
    ['dark green', 'the observer’s world line'], ['magenta', 'the probe ray'],
    ['red', 'the direction of motion, in the frame drawn'], ['pale grey', 'the same cone unboosted']],
  7: [['dark green', 'the gyroscope’s world line, once round the orbit (time up)'],
    ['magenta', 'its spin: unit 4-vectors at right angles to the world line, drawn half as long'],
    ['mid grey', 'a spin that does not precess, for comparison'],
    ['black', 'the gyroscope now, its spin, and its 4-velocity on the ball'],
    ['sky', 'the ball: the hyperboloid t² − x² − y² = 1 of 4-velocities'],
    ['orange', 'the orbit’s 4-velocities, a ring on the ball']],
  8: [['black', 'the observer’s world line (time up) and its event now, the apex of its light cones'],
    ['pale grey', 'the light cones: below, the light seen now; above, where a flash sent now goes; and what is not seen'],
    ['mid grey', 'the square’s world tube, moving at v; the photograph’s sky from 0° (the direction of motion) to 360°, '
      + 'or −180° to 180° when the image spans 0°'],
    ['red', 'the square at the observer’s time: what is measured, contracted'],
    ['orange', 'the near face, where seen: on the cones, in the rulings of the light, in the photograph and the camera’s'],
    ['sky', 'the far face, where seen'], ['magenta', 'the leading face, where seen'],
    ['dark green', 'the trailing face, where seen (the strip beneath: the square at rest in the same place)']],
  9: [['black', 'the observer’s world line (time up) and its event now, the apex of its light cones'],
    ['pale grey', 'the light cones, and the part of the rim not seen'],
    ['mid grey', 'the disk’s world tube; the photograph’s sky from 0° to 360°, or −180° to 180°'],
    ['red', 'the disk at the observer’s time: what is measured, an ellipse'],
    ['grey', 'the seen part of the rim, on the past cone and in the photograph (beneath: the disk at rest in the same place)']],
  other: [['lit', 'a lit icosahedron: this demonstration has no scene of its own']],
};
let program = null; // the module, once the legend is attached
let namesShown = { palette: null, names: {} }; // the names of the palette last asked about

// The name of the program's colour `key` ('red', 'pale grey', …; see LEGENDS) in
// the palette in use, as the legend names it.
export function colourName(key) {
  if (key === 'lit' || !program) return key === 'lit' ? LIT.name : key;
  const palette = program._webPaletteEntryShown(0); // where this palette's colours are: one per palette
  if (namesShown.palette !== palette) {
    const names = {};
    for (let i = 0; i < program._webPaletteEntryCount(); ++i) {
      names[program.UTF8ToString(program._webPaletteEntryKey(i))] = program.UTF8ToString(program._webPaletteEntryName(i));
    }
    namesShown = { palette, names };
  }
  return namesShown.names[key] ?? key;
}

// the camera's picture of F8 and F9, whose colours are the light's own
const CAMERA = 'The camera’s picture (top right, or the whole picture with “the camera’s picture alone”): a pinhole ' +
  'camera at the observer, its field of view 70° across, aimed at the middle of the image (or fixed towards +y), ' +
  'against the night sky. With “Doppler colour” each point shows its light shifted by its Doppler factor D: redder ' +
  'where D < 1, bluer where D > 1, and not seen once shifted past the visible (the bar beneath: a near-white point ' +
  'from D = 0.5 to 2); with “brightness” its intensity is scaled by D⁴ (the searchlight), capped at full.';
const HOW_TO = {
  3: 'Move the turnaround with a middle drag, or choose “move the turnaround” for a one-finger or left drag ' +
    '(arrow keys on the focused canvas do the same). It stays where both legs are slower than light.',
  8: `${CAMERA} The cube’s faces in the square’s colours; its top and bottom are never seen from the plane of ` +
    'the motion.',
  9: `${CAMERA} The sphere is near white, with meridians and parallels every 30° and its equator in the 12 colours ` +
    'of the disk’s ticks.',
};

export function attachLegend(module, links, title) {
  program = module;
  const picker = document.querySelector('select[data-control="palette"]');
  const list = document.getElementById('legend-list');
  const howTo = document.getElementById('legend-how');
  const description = document.getElementById('canvas-description');
  let shownDemo = null;
  let shownExtras = [];

  // the palette's colours by key, with their names there
  const swatches = () => {
    const result = { lit: LIT };
    for (let i = 0; i < module._webPaletteEntryCount(); ++i) {
      const rgb = new Float32Array(module.HEAPF32.buffer, module._webPaletteEntryShown(i), 3);
      result[module.UTF8ToString(module._webPaletteEntryKey(i))] = {
        name: module.UTF8ToString(module._webPaletteEntryName(i)),
        rgb: [...rgb].map((c) => Math.round(c * 255)),
      };
    }
    return result;
  };

  const show = (demo, extras) => {
    shownDemo = demo;
    shownExtras = extras;
    const colours = swatches();
    const entries = [...(LEGENDS[demo] || LEGENDS.other), ...extras];
    list.replaceChildren(...entries.map(([key, meaning]) => {
      const item = document.createElement('li');
      const swatch = document.createElement('span');
      swatch.className = 'swatch';
      swatch.style.background = `rgb(${colours[key].rgb.join(',')})`;
      const name = document.createElement('b');
      name.textContent = colours[key].name;
      item.append(swatch, name, `: ${meaning}`);
      return item;
    }));
    howTo.textContent = HOW_TO[demo] || '';
    howTo.hidden = !HOW_TO[demo];
    description.textContent = `${title(demo)}. ${entries.map(([key, meaning]) => `${colours[key].name}: ${meaning}`)
      .join('; ')}.${HOW_TO[demo] ? ` ${HOW_TO[demo]}` : ''}`;
  };

  const usePalette = (name) => {
    const index = Math.max(0, PALETTES.indexOf(name));
    picker.value = PALETTES[index];
    document.body.dataset.palette = PALETTES[index];
    module._webSetPalette(index);
    if (shownDemo !== null) show(shownDemo, shownExtras);
  };
  picker.addEventListener('change', () => usePalette(picker.value));

  links.add({
    keys: ['colours'],
    check: (key, text) => (PALETTES.includes(text) ? '' : `the colours are ${PALETTES.join(', ')}`),
    apply(values, ignore) {
      for (const text of values.get('colours')) {
        if (PALETTES.includes(text)) usePalette(text);
        else ignore('colours', text, `the colours are ${PALETTES.join(', ')}`);
      }
    },
    write: () => (picker.value === PALETTES[0] ? [] : [`colours=${picker.value}`]),
  });

  // after every frame: the legend follows the demonstration and the overlays
  // (extras: [colour key, meaning] pairs added to the demonstration's own)
  return function refresh(demo, extras = []) {
    if (demo !== shownDemo || JSON.stringify(extras) !== JSON.stringify(shownExtras)) show(demo, extras);
  };
}
