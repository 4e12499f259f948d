// Colours for the room and what they mean: the palette picker (the desktop's
// colours, high contrast on white, or dark for projectors; links carry it as
// colours=), the legend of the demonstration shown, and the canvas's
// accessible description, which names the demonstration and what it draws.
// The colours and their names come from the program's palette; colourName
// gives other modules a colour's name in the palette in use.

import { t, i18n } from './i18n.js';

const PALETTES = ['desktop', 'high-contrast', 'dark'];
const PRINTED_INSTEAD_OF_DARK = ['dark', 'high-contrast'];
// lit faces: the material's olive yellow under the light; no palette changes it
const LIT_RGB = [179, 179, 0];

// The colours each demonstration's legend names, in order; what each is comes
// from the message legend.<demonstration>.<n> (keys are the program's colours).
const LEGENDS = {
  1: ['red', 'blue', 'yellow', 'black', 'cyan'],
  2: ['red', 'blue', 'yellow', 'black'],
  3: ['red', 'green', 'teal', 'scale blue', 'grey', 'orange'],
  4: ['green', 'lit'],
  5: ['orange', 'sky', 'grey', 'dark green', 'magenta', 'red', 'pale grey'],
  6: ['orange', 'sky', 'grey', 'dark green', 'magenta', 'red', 'pale grey'],
  7: ['dark green', 'magenta', 'mid grey', 'black', 'sky', 'orange'],
  8: ['black', 'pale grey', 'mid grey', 'red', 'orange', 'sky', 'magenta', 'dark green'],
  9: ['black', 'pale grey', 'mid grey', 'red', 'grey'],
  10: ['red', 'blue', 'dark green', 'black', 'magenta', 'violet', 'sky', 'salmon'],
  11: ['red', 'blue', 'green', 'teal', 'magenta', 'black', 'mid grey', 'dark green', 'orange', 'grey'],
  other: ['lit'],
};
let program = null; // the module, once the legend is attached
let namesShown = { palette: null, names: {} }; // the names of the palette last asked about

// The name of the program's colour `key` ('red', 'pale grey', …; see LEGENDS) in
// the palette in use, as the legend names it.
export function colourName(key) {
  if (key === 'lit' || !program) return key === 'lit' ? t('legend.lit') : key;
  const palette = program._webPaletteEntryShown(0); // where this palette's colours are: one per palette
  if (namesShown.palette !== palette) {
    const names = {};
    for (let i = 0; i < program._webPaletteEntryCount(); ++i) {
      names[program.UTF8ToString(program._webPaletteEntryKey(i))] = program.UTF8ToString(program._webPaletteEntryName(i));
    }
    namesShown = { palette, names };
  }
  return namesShown.names[key] ? t(`colour.${namesShown.names[key]}`) : key;
}

// how to move what the legend names, where a demonstration has such a thing: the
// turnaround (F3), the camera's picture (F8, F9)
const howTo = (demo) => (demo === 3 ? t('legend.howTo.3')
  : demo === 8 || demo === 9 ? `${t('legend.camera')} ${t(`legend.howTo.${demo}`)}` : '');

export function attachLegend(module, links) {
  program = module;
  const picker = document.querySelector('select[data-control="palette"]');
  const list = document.getElementById('legend-list');
  const howToText = document.getElementById('legend-how');
  const description = document.getElementById('canvas-description');
  let shownDemo = null;
  let shownExtras = [];
  let language = i18n.version;

  // the palette's colours by key, with their names there
  const swatches = () => {
    const result = { lit: { name: t('legend.lit'), rgb: LIT_RGB } };
    for (let i = 0; i < module._webPaletteEntryCount(); ++i) {
      const rgb = new Float32Array(module.HEAPF32.buffer, module._webPaletteEntryShown(i), 3);
      result[module.UTF8ToString(module._webPaletteEntryKey(i))] = {
        name: t(`colour.${module.UTF8ToString(module._webPaletteEntryName(i))}`),
        rgb: [...rgb].map((c) => Math.round(c * 255)),
      };
    }
    return result;
  };

  const show = (demo, extras) => {
    shownDemo = demo;
    shownExtras = extras;
    const colours = swatches();
    const own = LEGENDS[demo] ? [demo, LEGENDS[demo]] : ['other', LEGENDS.other];
    const entries = [...own[1].map((key, i) => [key, t(`legend.${own[0]}.${i + 1}`)]), ...extras];
    list.replaceChildren(...entries.map(([key, meaning]) => {
      const item = document.createElement('li');
      const swatch = document.createElement('span');
      swatch.className = 'swatch';
      swatch.style.background = `rgb(${colours[key].rgb.join(',')})`;
      const name = document.createElement('b');
      name.textContent = colours[key].name;
      item.append(swatch, name, t('legend.meaning', { meaning }));
      return item;
    }));
    const how = howTo(demo);
    howToText.textContent = how;
    howToText.hidden = !how;
    description.textContent = t('legend.description', {
      demo: t(`demo.${demo}`), colours: entries.map(([key, meaning]) => t('legend.entry', { colour: colours[key].name, meaning }))
        .join(t('legend.between')), how }).trim();
  };

  // the picture, the page and the legend in a palette (the picker and the link keep the chosen one)
  const showPalette = (name) => {
    const index = Math.max(0, PALETTES.indexOf(name));
    document.body.dataset.palette = PALETTES[index];
    module._webSetPalette(index);
    if (shownDemo !== null) show(shownDemo, shownExtras);
  };
  const usePalette = (name) => {
    picker.value = PALETTES[Math.max(0, PALETTES.indexOf(name))];
    showPalette(picker.value);
  };
  picker.addEventListener('change', () => usePalette(picker.value));
  // paper is white: a dark screen prints in high contrast, picture and legend alike
  window.addEventListener('beforeprint', () => {
    if (picker.value !== PRINTED_INSTEAD_OF_DARK[0]) return;
    showPalette(PRINTED_INSTEAD_OF_DARK[1]);
    module._webRedraw();
  });
  window.addEventListener('afterprint', () => {
    if (document.body.dataset.palette === picker.value) return;
    showPalette(picker.value);
    module._webRedraw();
  });

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
    if (demo !== shownDemo || JSON.stringify(extras) !== JSON.stringify(shownExtras) || language !== i18n.version) {
      language = i18n.version;
      show(demo, extras);
    }
  };
}
