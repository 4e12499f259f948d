// The picture on any screen: the canvas's drawing buffer follows the screen's
// pixel ratio (measured again on zoom or a move to another screen), the canvas
// takes the width of a narrow screen and grows in a large window (square, as
// tall as the window allows beside the panel), and Full screen shows the picture square
// and as large as the screen allows, with the panel beside it (below it on a
// portrait screen), refitted on rotation and resize. The whole panel is scaled
// with the picture, as far as what is in use then fits beside it: the
// controls, the events and the legend fold to their headings (a heading unfolds its
// part), and the lesson and the numbers come first. Where the browser has no
// full-screen call the same layout fills the window. Esc or the button leaves.
// Controls: Full screen, and the Controls fold while presenting.
// The program is told CSS pixels only: its window is the canvas's CSS size.

import { t, onLanguage } from '../core/i18n.js';

const START_SIDE = 512; // CSS pixels, the desktop's window
const MAX_RATIO = 3;
const EDGE = 12; // CSS pixels around the presented layout, as page.css
const GAP = 16; // between the picture and the panel, as page.css
const PANEL_BESIDE = 340; // the panel's width beside the picture, presenting
const PANEL_WIDEST = 360; // the panel's widest on the page, as page.css
const PORTRAIT_PICTURE_SHARE = 0.6; // of the height on a portrait screen; the panel below
const FOLDED_WHEN_PRESENTING = ['frames', 'legend', 'help'];

// fold(id, folded): folds a section of the panel to its heading, or unfolds it
export function attachPresentation(module, canvas, layout, button, fold) {
  const panel = document.getElementById('panel');
  const controls = document.querySelector('button[data-control="fold-controls"]');
  let ratio = 0;
  let ratioQuery = null;
  const measureRatio = () => {
    const measured = Math.min(MAX_RATIO, Math.max(1, window.devicePixelRatio || 1));
    if (measured !== ratio) {
      ratio = measured;
      module._webSetPixelRatio(ratio);
    }
    // the ratio changes without a resize when the window moves to another screen
    ratioQuery?.removeEventListener('change', measureRatio);
    ratioQuery = window.matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    ratioQuery.addEventListener('change', measureRatio);
  };

  const fullScreenElement = () => document.fullscreenElement || document.webkitFullscreenElement || null;
  const presenting = () => fullScreenElement() === layout || layout.classList.contains('presenting');

  const fit = () => {
    let side;
    if (presenting()) {
      const width = window.innerWidth - 2 * EDGE, height = window.innerHeight - 2 * EDGE;
      const landscape = width >= height;
      layout.dataset.orientation = landscape ? 'landscape' : 'portrait';
      side = landscape ? Math.min(height, width - PANEL_BESIDE - GAP) : Math.min(width, height * PORTRAIT_PICTURE_SHARE);
      // the panel as much larger as the picture, as far as the room beside (or below) it
      // allows and what is in use still fits (measured once here, at its own size)
      const room = landscape ? [width - side - GAP, height] : [width, height - side - GAP];
      layout.style.setProperty('--panel-zoom', '1');
      const zoom = Math.min(side / START_SIDE, room[0] / PANEL_BESIDE, room[1] / panel.scrollHeight);
      layout.style.setProperty('--panel-zoom', String(Math.max(1, zoom)));
    } else {
      delete layout.dataset.orientation;
      layout.style.removeProperty('--panel-zoom');
      // beside the panel where there is room for the desktop's window, as tall as the window lets it be
      const beside = layout.clientWidth - PANEL_WIDEST - GAP;
      const below = window.innerHeight - (layout.getBoundingClientRect().top + window.scrollY) - EDGE;
      side = beside >= START_SIDE ? Math.max(START_SIDE, Math.min(beside, below)) : Math.min(START_SIDE, layout.clientWidth);
    }
    side = Math.floor(side);
    if (side > 0 && (side !== canvas.clientWidth || side !== canvas.clientHeight)) module._webResize(side, side);
  };

  const foldControls = (folded) => {
    panel.classList.toggle('controls-folded', folded);
    controls.setAttribute('aria-expanded', String(!folded));
  };
  controls.addEventListener('click', () => {
    foldControls(!panel.classList.contains('controls-folded'));
    fit();
  });
  panel.addEventListener('click', (e) => { // a section unfolded or folded: the panel refits
    if (presenting() && e.target.closest('h2 .fold')) fit();
  });
  let wasPresenting = false;
  const showState = () => {
    const on = presenting();
    if (on !== wasPresenting) {
      for (const id of FOLDED_WHEN_PRESENTING) fold(id, on);
      foldControls(on);
    }
    wasPresenting = on;
    button.textContent = t(on ? 'present.leave' : 'present.enter');
    button.setAttribute('aria-pressed', String(on));
    fit();
  };

  const fillWindow = (on) => {
    layout.classList.toggle('presenting', on);
    showState();
  };
  const enter = () => {
    const request = layout.requestFullscreen || layout.webkitRequestFullscreen;
    if (!request) {
      fillWindow(true);
      return;
    }
    try {
      Promise.resolve(request.call(layout)).catch(() => fillWindow(true));
    } catch {
      fillWindow(true);
    }
  };
  const leave = () => {
    if (fullScreenElement()) (document.exitFullscreen || document.webkitExitFullscreen).call(document);
    else fillWindow(false);
  };

  button.addEventListener('click', () => (presenting() ? leave() : enter()));
  for (const change of ['fullscreenchange', 'webkitfullscreenchange']) {
    document.addEventListener(change, () => {
      showState();
      canvas.focus();
    });
  }
  document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape' && layout.classList.contains('presenting')) fillWindow(false);
  });
  window.addEventListener('resize', () => {
    measureRatio();
    fit();
  });
  window.addEventListener('orientationchange', fit);

  onLanguage(showState); // the button's words, and the panel refitted to the new ones
  measureRatio();
  fit();
}
