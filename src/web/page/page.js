// The page around the program: starts it on the canvas (or says what is
// missing where the browser gives it no WebGL), passes the browser's input to it,
// sends its console lines to the browser console, refreshes the panel, the
// events, the trip, the legend, the lesson, the link and the spoken readouts
// after every frame, and shows the help on the page ('h' or the Help button).
import { attachInput } from './input/input.js';
import { attachKeys } from './input/keys.js';
import { attachLinks } from './core/link.js';
import { attachAnnouncer } from './core/announce.js';
import { attachPanel, readQuantities } from './core/panel.js';
import { attachLegend } from './core/legend.js';
import { attachEvents } from './diagrams/events.js';
import { attachTwins } from './diagrams/twins.js';
import { attachScenes } from './scenes/scenes.js';
import { attachRocket } from './diagrams/rocket.js';
import { attachLessons } from './lessons/lessons.js';
import { attachLessonHelp, READOUT_GROUPS } from './lessons/lessonHelp.js';
import { BUILT_IN_LESSONS } from './lessons/builtInLessons.js';
import { attachPresentation } from './classroom/present.js';
import { attachFolds } from './classroom/fold.js';
import { attachHistory } from './core/history.js';
import { attachPicture } from './classroom/picture.js';
import { attachShare } from './classroom/share.js';
import { attachLanguages, setLanguage, preferredLanguage, addLanguage, onLanguage, pageLanguage } from './core/i18n.js';

const canvas = document.getElementById('canvas');
const helpPanel = document.getElementById('help');
const helpButton = document.getElementById('help-button');
const KEY_H = 104;
// while the trip plays the picture moves every frame, the numbers beside it
// about fifteen times a second (laying out the panel every frame would cost
// more than drawing the picture), and the address waits for the pause
const PANEL_EVERY_MS_WHILE_PLAYING = 66;

const printLine = (text) => console.log(text);

// For scripts that drive the page (tests, the benchmark): frames drawn so far,
// when the first one was done (ms from the start of navigation), the
// program's readouts and the page's link now.
const demo = { module: null, frames: 0, firstFrameMs: null };
window.lorentzDemo = demo;

function showNoWebGL() {
  canvas.hidden = true;
  document.getElementById('no-webgl').hidden = false;
  document.getElementById('panel').hidden = true;
  document.getElementById('hint').hidden = true;
  demo.noWebGL = true;
}

async function start() {
  let refresh = null;
  const countFrame = () => {
    demo.frames += 1;
    if (demo.firstFrameMs === null) demo.firstFrameMs = performance.now();
    if (refresh) refresh();
  };
  const module = await createLorentzDemo({
    canvas, print: printLine, printErr: printLine, onFrame: countFrame, wasmBinary: window.lorentzProgram,
  });
  demo.module = module;
  module._webShowScenes();
  module._webHoldBoostsToLinks();
  demo.readouts = () => readQuantities(module);

  // 'h' prints the program's help on the console, as on the desktop, and shows
  // the page's own here: what works on the page
  const showHelp = (modifiers) => {
    module._webKeyboard(KEY_H, modifiers);
    helpPanel.hidden = false;
    helpButton.setAttribute('aria-expanded', 'true');
    helpPanel.scrollIntoView({ block: 'nearest' });
  };
  helpButton.addEventListener('click', () => {
    if (helpPanel.hidden) {
      showHelp(0);
    } else {
      helpPanel.hidden = true;
      helpButton.setAttribute('aria-expanded', 'false');
    }
  });

  const linkProblem = document.getElementById('link-problem');
  let history = null;
  const links = attachLinks(printLine, demo.readouts, (unused) => {
    linkProblem.hidden = !unused.length;
    linkProblem.querySelector('ul').replaceChildren(...unused.map((text) => {
      const item = document.createElement('li');
      item.textContent = text;
      return item;
    }));
  }, (link) => history?.written(link));
  history = attachHistory(links, () => module._webPostRedisplay());
  attachLanguages(links, () => module._webPostRedisplay());
  // words in the picture (the strips' names) are English: shown on an English page only
  const pictureWords = () => module._webSetLabelWords(pageLanguage() === 'en' ? 1 : 0);
  pictureWords();
  onLanguage(pictureWords);
  demo.link = () => links.flush();
  // a translation tried without building the page: lorentzDemo.tryLanguage('xx', messages, 'rtl')
  demo.tryLanguage = async (code, messages, direction = 'ltr', mark = '.') => {
    addLanguage(code, [code, direction, mark], messages);
    await setLanguage(code);
    module._webPostRedisplay();
  };
  // the lesson first: its step's state is set, then the rest of a link on top
  const refreshLesson = attachLessons(module, links, demo.readouts, BUILT_IN_LESSONS);
  attachLessonHelp();
  demo.readoutGroups = READOUT_GROUPS;
  const announcer = attachAnnouncer(document.getElementById('announcer'));
  const refreshPanel = attachPanel(module, links, (sentence, atOnce) => (atOnce ? announcer.now(sentence) : announcer.note(sentence)));
  const refreshLegend = attachLegend(module, links);
  const twins = attachTwins(module, links, demo.readouts);
  const events = attachEvents(module, links, demo.readouts);
  const scenes = attachScenes(module, links, demo.readouts);
  const rocket = attachRocket(module, links, demo.readouts);
  const playing = () => twins.playing() || scenes.playing() || rocket.playing();
  const status = document.getElementById('picture-status');
  const say = (text) => { status.textContent = text; };
  const refreshPicture = attachPicture(canvas, demo.readouts, playing, say);
  attachShare(() => links.flush(), say);
  let spokenDemo = null;
  let panelShown = -Infinity;
  refresh = () => {
    const now = performance.now();
    refreshPicture();
    if (playing() && now - panelShown < PANEL_EVERY_MS_WHILE_PLAYING) return;
    panelShown = now;
    const q = refreshPanel();
    events.refresh(q);
    twins.refresh(q);
    scenes.refresh(q);
    rocket.refresh(q);
    refreshLegend(q.demo, q.demo >= 1 && q.demo <= 3 ? [...twins.legendEntries(q), ...events.legendEntries()]
      : rocket.legendEntries(q));
    refreshLesson(q);
    if (q.demo !== spokenDemo) {
      spokenDemo = q.demo;
      announcer.settle();
    }
    if (!playing()) links.refresh(); // the address follows once the trip or the orbit pauses
  };

  const dragMode = document.getElementById('drag-mode');
  const program = {
    mouse: (button, state, x, y, modifiers) => module._webMouse(button, state, x, y, modifiers),
    motion: (x, y) => module._webMotion(x, y),
    keyboard: (key, modifiers) => {
      if (key === KEY_H || key === KEY_H - 32) showHelp(modifiers);
      else module._webKeyboard(key, modifiers);
    },
    special: (key, modifiers) => module._webSpecial(key, modifiers),
  };
  const pointer = attachInput(canvas, program, {
    leftDragMode: () => dragMode.value,
    placePress: (x, y) => events.pressAt(x, y),
    placeMove: (x, y) => events.moveTo(x, y),
    placeRelease: () => events.release(),
    gestureStarted: () => {
      announcer.hold();
      history.gestureStarted();
    },
    gestureEnded: () => {
      announcer.settle();
      history.gestureEnded();
    },
  });
  attachKeys(canvas, program, pointer, () => dragMode.value);

  attachPresentation(module, canvas, document.getElementById('layout'),
    document.getElementById('fullscreen-button'), attachFolds());
  links.openStart();
  refresh();
}

// the page's language first, before any text is written: the link's, else the browser's
const linkLanguage = /(?:^#|&)\s*lang\s*=\s*([^&]*)/i.exec(window.location.hash)?.[1];
await setLanguage(linkLanguage ? decodeURIComponent(linkLanguage).trim() : preferredLanguage(), { byChoice: Boolean(linkLanguage) });

// WebGL asked of the program's own canvas, with the attributes the program asks
// for (webgl.js): a canvas has one context, so the program gets this very one
// and no second context is made
const WEBGL_ATTRIBUTES = { alpha: false, antialias: false, depth: true, preserveDrawingBuffer: true };
let hasWebGL = false;
try {
  hasWebGL = Boolean(canvas.getContext('webgl', WEBGL_ATTRIBUTES));
} catch {
  hasWebGL = false;
}
if (hasWebGL) await start();
else showNoWebGL();
