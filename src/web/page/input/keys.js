// The keyboard to GLUT keys for the program. Handles:
//   arrows on the focused canvas: a short drag in their direction in the
//          chosen gesture (Shift: five times as far); none in the place-event
//          mode, where events are typed; elsewhere arrows are special keys
//   keys:  F1-F12 (taken from the browser), Shift/Ctrl/Alt as special keys
//          112-117, paging keys, and characters as ASCII codes
// Keys typed into the page's own fields stay there.
import { LEFT_DRAG_GESTURES } from './input.js';

const SPECIAL_KEYS = {
  ArrowLeft: 100, ArrowUp: 101, ArrowRight: 102, ArrowDown: 103, PageUp: 104, PageDown: 105,
  Home: 106, End: 107, Insert: 108,
  ShiftLeft: 112, ShiftRight: 113, ControlLeft: 114, ControlRight: 115, AltLeft: 116, AltRight: 117,
};
const CHARACTER_KEYS = { Enter: 13, Backspace: 8, Tab: 9, Escape: 27, Delete: 127 };
// an arrow key's drag: one motion event of this many CSS pixels (a boost step
// of 0.01 c in F1-F3, 0.04 c in F4; 4 degrees; 0.04 units of pan)
const ARROW_STEP_PX = 4;
const SHIFT_ARROW_MOVES = 5;
const ARROW_DIRECTIONS = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };

// pointer: what attachInput returned (its left button and release of everything);
// leftDragMode(): the page's drag mode
export function attachKeys(canvas, program, pointer, leftDragMode) {
  const { pressLeft, releaseLeft, releaseEverything, modifiersOf } = pointer;

  // An arrow key on the canvas: the chosen gesture's buttons pressed at the
  // canvas's centre, moved in the arrow's direction, and released.
  const arrowDrag = (e) => {
    releaseEverything();
    if (LEFT_DRAG_GESTURES[leftDragMode()]?.place) return; // events are typed from the keyboard
    const [dx, dy] = ARROW_DIRECTIONS[e.key];
    let x = Math.floor(canvas.clientWidth / 2), y = Math.floor(canvas.clientHeight / 2);
    pressLeft(x, y, 0);
    for (let i = 0; i < (e.shiftKey ? SHIFT_ARROW_MOVES : 1); ++i) {
      x += dx * ARROW_STEP_PX;
      y += dy * ARROW_STEP_PX;
      program.motion(x, y);
    }
    releaseLeft(x, y, 0);
  };

  document.addEventListener('keydown', (e) => {
    if (e.target.closest && e.target.closest('input, select, textarea')) return;
    if (e.target === canvas && e.key in ARROW_DIRECTIONS && !e.ctrlKey && !e.altKey && !e.metaKey) {
      e.preventDefault();
      arrowDrag(e);
      return;
    }
    const fKey = /^F([1-9]|1[0-2])$/.exec(e.key);
    if (fKey) {
      e.preventDefault();
      program.special(Number(fKey[1]), modifiersOf(e));
    } else if (e.code in SPECIAL_KEYS) {
      program.special(SPECIAL_KEYS[e.code], modifiersOf(e));
    } else if (e.key in CHARACTER_KEYS || e.key.length === 1) {
      let key = e.key in CHARACTER_KEYS ? CHARACTER_KEYS[e.key] : e.key.charCodeAt(0);
      if (key > 255) return;
      if (e.ctrlKey && /^[a-z]$/i.test(e.key)) key &= 31; // control codes, as X sends them
      // Tab still moves the focus: the canvas must not trap keyboard users
      if (!e.ctrlKey && !e.metaKey && e.key !== 'Tab' && e.target.tagName !== 'BUTTON') e.preventDefault();
      program.keyboard(key, modifiersOf(e));
    }
  });
}
