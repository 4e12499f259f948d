// Browser input to GLUT events for the program. Handles:
//   mouse: left, middle, right buttons in any combination, Shift/Ctrl/Alt at
//          the press, the wheel as buttons 3 and 4; every coalesced pointer
//          move is one motion event, so a fast drag loses no boost steps
//   touch: one finger drags as the left button, two fingers as the right
//   one pointer for every gesture: the left button (one finger) may instead
//          give what the right, middle, both left and middle (with Shift), or
//          the fifth button give on the desktop
//   keys:  F1-F12 (taken from the browser), Shift/Ctrl/Alt as special keys
//          112-117, arrows and paging keys, and characters as ASCII codes

const DOWN = 0;
const UP = 1;
// PointerEvent.buttons bit -> GLUT button: left, right, middle
const BUTTON_OF_BIT = new Map([[1, 0], [2, 2], [4, 1]]);
const SPECIAL_KEYS = {
  ArrowLeft: 100, ArrowUp: 101, ArrowRight: 102, ArrowDown: 103, PageUp: 104, PageDown: 105,
  Home: 106, End: 107, Insert: 108,
  ShiftLeft: 112, ShiftRight: 113, ControlLeft: 114, ControlRight: 115, AltLeft: 116, AltRight: 117,
};
const CHARACTER_KEYS = { Enter: 13, Backspace: 8, Tab: 9, Escape: 27, Delete: 127 };
const SHIFT = 1;
// what a left drag (one finger) presses, by the page's drag mode: GLUT buttons
// in order of pressing, and whether Shift is held at the presses
export const LEFT_DRAG_GESTURES = {
  boost: { buttons: [0], shift: false },
  rotate: { buttons: [2], shift: false },
  pan: { buttons: [0, 1], shift: false },
  'depth-pan': { buttons: [0, 1], shift: true },
  turnaround: { buttons: [1], shift: false },
  roll: { buttons: [5], shift: false },
};

function modifiersOf(e) {
  return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
}

// program: { mouse(button, state, x, y, modifiers), motion(x, y), keyboard(key, modifiers),
//            special(key, modifiers) }; leftDragMode(): a key of LEFT_DRAG_GESTURES
export function attachInput(canvas, program, leftDragMode = () => 'boost') {
  let heldBits = 0; // pointer buttons reported down to the program
  let leftGesture = null; // what the left button (one finger) holds down
  const touches = new Map(); // pointerId -> position of each finger down
  const movedFingers = new Set(); // fingers moved since the centre was last sent
  let touchButton = -1; // the GLUT button the fingers hold, -1 none

  const position = (e) => {
    const box = canvas.getBoundingClientRect();
    return [Math.floor(e.clientX - box.left), Math.floor(e.clientY - box.top)];
  };

  // The left button presses the buttons of the chosen gesture, and lets them go.
  const pressLeft = (x, y, modifiers) => {
    leftGesture = LEFT_DRAG_GESTURES[leftDragMode()] || LEFT_DRAG_GESTURES.boost;
    const held = modifiers | (leftGesture.shift ? SHIFT : 0);
    for (const button of leftGesture.buttons) program.mouse(button, DOWN, x, y, held);
  };
  const releaseLeft = (x, y, modifiers) => {
    if (!leftGesture) return;
    const held = modifiers | (leftGesture.shift ? SHIFT : 0);
    for (const button of [...leftGesture.buttons].reverse()) program.mouse(button, UP, x, y, held);
    leftGesture = null;
  };

  const syncButtons = (e) => {
    const [x, y] = position(e);
    for (const [bit, button] of BUTTON_OF_BIT) {
      if ((e.buttons & bit) !== (heldBits & bit)) {
        heldBits ^= bit;
        const down = (heldBits & bit) !== 0;
        if (button !== 0) program.mouse(button, down ? DOWN : UP, x, y, modifiersOf(e));
        else if (down) pressLeft(x, y, modifiersOf(e));
        else releaseLeft(x, y, modifiersOf(e));
      }
    }
  };

  const movesOf = (e) => (e.getCoalescedEvents && e.getCoalescedEvents().length ? e.getCoalescedEvents() : [e]);

  const centroid = () => {
    let sx = 0, sy = 0;
    for (const [x, y] of touches.values()) { sx += x; sy += y; }
    return [Math.floor(sx / touches.size), Math.floor(sy / touches.size)];
  };

  const touchDown = (e) => {
    touches.set(e.pointerId, position(e));
    if (touches.size === 1) {
      touchButton = 0;
      pressLeft(...centroid(), 0);
    } else if (touches.size === 2 && touchButton === 0) {
      releaseLeft(...centroid(), 0);
      touchButton = 2;
      program.mouse(2, DOWN, ...centroid(), 0);
    }
  };

  // Fingers report their moves one by one: the centre goes to the program once
  // all moving fingers have reported, so a two-finger step is one motion event.
  const sendCentre = () => {
    if (movedFingers.size && touchButton >= 0) program.motion(...centroid());
    movedFingers.clear();
  };

  const touchMove = (e) => {
    if (!touches.has(e.pointerId)) return;
    for (const move of movesOf(e)) {
      if (movedFingers.has(e.pointerId)) sendCentre();
      touches.set(e.pointerId, position(move));
      movedFingers.add(e.pointerId);
      if (movedFingers.size === touches.size) sendCentre();
    }
  };

  const touchUp = (e) => {
    if (!touches.has(e.pointerId)) return;
    sendCentre();
    if (touchButton === 0) releaseLeft(...centroid(), 0);
    else if (touchButton > 0) program.mouse(touchButton, UP, ...centroid(), 0);
    touchButton = -1; // the remaining fingers do nothing until all are lifted
    touches.delete(e.pointerId);
  };

  canvas.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    canvas.focus();
    canvas.setPointerCapture(e.pointerId);
    if (e.pointerType === 'touch') touchDown(e); else syncButtons(e);
  });
  canvas.addEventListener('pointermove', (e) => {
    if (e.pointerType === 'touch') { touchMove(e); return; }
    if (heldBits) {
      for (const move of movesOf(e)) program.motion(...position(move));
    }
    syncButtons(e); // chorded presses and releases arrive as moves
  });
  const release = (e) => {
    if (e.pointerType === 'touch') touchUp(e); else syncButtons(e);
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  canvas.addEventListener('wheel', (e) => {
    e.preventDefault();
    const [x, y] = position(e);
    const button = e.deltaY < 0 ? 3 : 4;
    program.mouse(button, DOWN, x, y, modifiersOf(e));
    program.mouse(button, UP, x, y, modifiersOf(e));
  }, { passive: false });

  document.addEventListener('keydown', (e) => {
    if (e.target.closest && e.target.closest('input, select, textarea')) return;
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
