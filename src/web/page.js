// The page around the program: starts it on the canvas, passes the browser's
// input to it, sends its console lines to the browser console, refreshes the
// teaching panel after every frame, and shows the help on the page ('h' or
// the Help button) and the canvas full screen.
import { attachInput } from './input.js';
import { attachPanel } from './panel.js';

const canvas = document.getElementById('canvas');
const stage = document.getElementById('stage');
const helpPanel = document.getElementById('help');
const helpButton = document.getElementById('help-button');
const KEY_H = 104;

let captured = null; // console lines kept while the help is printed
const printLine = (text) => {
  console.log(text);
  if (captured) captured.push(text);
};

// For scripts that drive the page (tests, the benchmark): frames drawn so far
// and when the first one was done, in ms from the start of navigation.
const demo = { module: null, frames: 0, firstFrameMs: null };
window.lorentzDemo = demo;

let refreshPanel = null;
const countFrame = () => {
  demo.frames += 1;
  if (demo.firstFrameMs === null) demo.firstFrameMs = performance.now();
  if (refreshPanel) refreshPanel();
};
const module = await createLorentzDemo({ canvas, print: printLine, printErr: printLine, onFrame: countFrame });
demo.module = module;

// 'h' prints the help on the console, as on the desktop, and shows it here.
function showHelp(modifiers) {
  captured = [];
  module._webKeyboard(KEY_H, modifiers);
  helpPanel.textContent = captured.join('\n').replace(/^\n+|\s+$/g, '');
  captured = null;
  helpPanel.hidden = false;
  helpButton.setAttribute('aria-expanded', 'true');
}

const dragMode = document.getElementById('drag-mode');
refreshPanel = attachPanel(module, printLine);

attachInput(canvas, {
  mouse: (button, state, x, y, modifiers) => module._webMouse(button, state, x, y, modifiers),
  motion: (x, y) => module._webMotion(x, y),
  keyboard: (key, modifiers) => {
    if (key === KEY_H || key === KEY_H - 32) showHelp(modifiers);
    else module._webKeyboard(key, modifiers);
  },
  special: (key, modifiers) => module._webSpecial(key, modifiers),
}, () => dragMode.value);

helpButton.addEventListener('click', () => {
  if (helpPanel.hidden) {
    showHelp(0);
  } else {
    helpPanel.hidden = true;
    helpButton.setAttribute('aria-expanded', 'false');
  }
});

// On screens narrower than the canvas (phones), the canvas takes the width,
// square; the program's reshape keeps it at 200 px or more.
const START_SIDE = 512; // CSS pixels
const layout = document.getElementById('layout');
function fitCanvasToScreen() {
  if (document.fullscreenElement) return;
  const side = Math.min(START_SIDE, Math.floor(layout.clientWidth));
  if (side !== canvas.width || side !== canvas.height) module._webResize(side, side);
}
fitCanvasToScreen();
window.addEventListener('resize', fitCanvasToScreen);

// Full screen: the canvas takes the screen; the program's reshape holds its
// rules (200 px minimum, the fixed frustum, the report line) for that size.
let windowedSize = null;
document.getElementById('fullscreen-button').addEventListener('click', () => {
  stage.requestFullscreen().catch((error) => console.log(`Full screen refused: ${error.message}`));
});
document.addEventListener('fullscreenchange', () => {
  if (document.fullscreenElement === stage) {
    windowedSize = [canvas.width, canvas.height];
    module._webResize(window.innerWidth, window.innerHeight);
  } else if (windowedSize) {
    module._webResize(...windowedSize);
    windowedSize = null;
    fitCanvasToScreen();
  }
  canvas.focus();
});
