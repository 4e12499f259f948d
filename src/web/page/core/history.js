// Undo and redo: each change of state the address takes (a whole drag, a typed
// velocity, an event added, moved or deleted, Clear all, the turnaround, a
// change of demonstration, Reset) is a step, kept as its link; undo opens the
// link before it, redo the one after. A lesson's own place is not undone.
// Controls: Undo and Redo; Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo,
// anywhere on the page but in a text field.

import { stateOnly } from './link.js';

const DEPTH = 100; // steps kept
const TYPING = 'textarea, input:not([type="checkbox"]):not([type="radio"]):not([type="range"]):not([type="button"])';

// postRedisplay(): a frame with the state opened
export function attachHistory(links, postRedisplay) {
  const undoButton = document.querySelector('button[data-control="undo"]');
  const redoButton = document.querySelector('button[data-control="redo"]');
  const past = [];
  const future = [];
  let now = null; // the state's link, as last written
  let busy = false; // a drag is on: its end is the step

  const show = () => {
    undoButton.disabled = !past.length;
    redoButton.disabled = !future.length;
  };

  // the address was written: a new step when the state is not the one before
  const written = (link) => {
    const state = stateOnly(link);
    if (busy || state === now) return;
    if (now !== null) {
      past.push(now);
      if (past.length > DEPTH) past.shift();
      future.length = 0;
    }
    now = state;
    show();
  };

  const go = (from, to) => {
    if (!from.length) return;
    to.push(now);
    now = from.pop();
    links.open(now, { fresh: true });
    postRedisplay();
    show();
  };
  // a change not yet written (within the address's pause) is a step of its own first
  const undo = () => {
    links.flush();
    go(past, future);
  };
  const redo = () => go(future, past);
  undoButton.addEventListener('click', undo);
  redoButton.addEventListener('click', redo);
  window.addEventListener('keydown', (e) => {
    if (!(e.ctrlKey || e.metaKey) || e.altKey || e.target.closest?.(TYPING)) return;
    const key = e.key.toLowerCase();
    if (key === 'z' || key === 'y') {
      e.preventDefault();
      e.stopPropagation(); // not a key for the program
      if (key === 'z' && !e.shiftKey) undo();
      else redo();
    }
  }, { capture: true });
  show();

  return {
    written,
    gestureStarted() {
      busy = true;
    },
    // the drag's end: its state is the step, written soon after
    gestureEnded() {
      busy = false;
      links.refresh();
    },
  };
}
