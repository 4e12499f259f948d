// Browser input to GLUT events for the program. Handles:
//   mouse, pen: left, middle, right buttons in any combination, Shift/Ctrl/Alt
//          at the press, the wheel as buttons 3 and 4; every coalesced pointer
//          move is one motion event, so a fast drag loses no boost steps
//   touch: one finger drags as the left button, two fingers as the right
//   one pointer for every gesture: the left button (one finger) may instead
//          give what the right, middle, both left and middle (with Shift), or
//          the fifth button give on the desktop, or place an event where it presses
//   place an event: a press places or takes an event, its drag moves it
// (the keyboard is keys.js's, which makes its arrow drags through this).
// Any mix of pointers: the latest to press drives the program, and the
// buttons it held are released first; a cancelled pointer, lost capture, a
// lost focus or a hidden tab release everything. The program sees each
// button pressed and released in turn, never twice.

const DOWN = 0;
const UP = 1;
// PointerEvent.buttons bit -> GLUT button: left, right, middle
const BUTTON_OF_BIT = new Map([[1, 0], [2, 2], [4, 1]]);
const LEFT_BIT = 1;
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
  'place-event': { buttons: [], shift: false, place: true }, // a tap places an event instead
};

export function modifiersOf(e) {
  return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
}

// The buttons the program holds, each pressed once however many holders it has;
// began() before the first press, ended() after the last release.
function buttonLedger(program, began, ended) {
  const holders = new Map(); // GLUT button -> holders
  let at = [0, 0];
  return {
    press(button, x, y, modifiers) {
      at = [x, y];
      const n = holders.get(button) || 0;
      if (holders.size === 0) began();
      holders.set(button, n + 1);
      if (n === 0) program.mouse(button, DOWN, x, y, modifiers);
    },
    release(button, x, y, modifiers) {
      at = [x, y];
      const n = holders.get(button) || 0;
      if (n === 0) return;
      if (n === 1) {
        holders.delete(button);
        program.mouse(button, UP, x, y, modifiers);
        if (holders.size === 0) ended();
      } else {
        holders.set(button, n - 1);
      }
    },
    // every held button let go, the last pressed first, where the pointer was last
    releaseAll() {
      if (holders.size === 0) return;
      for (const button of [...holders.keys()].reverse()) program.mouse(button, UP, ...at, 0);
      holders.clear();
      ended();
    },
    holding: () => holders.size > 0,
  };
}

// program: { mouse(button, state, x, y, modifiers), motion(x, y), keyboard(key, modifiers),
//            special(key, modifiers) }
// options: leftDragMode() a key of LEFT_DRAG_GESTURES; gestureStarted() at the first
// press and gestureEnded() after the last release of the buttons; placePress(x, y),
// placeMove(x, y) and placeRelease() for the place-event mode's gesture
export function attachInput(canvas, program, options = {}) {
  const leftDragMode = options.leftDragMode || (() => 'boost');
  const ledger = buttonLedger(program, options.gestureStarted || (() => {}), options.gestureEnded || (() => {}));
  // the source that drives the program: a mouse or pen pointer ('pointer:<id>'), the
  // fingers together ('touch'), or none
  let owner = null;
  let ownerBits = 0; // PointerEvent.buttons of the driving pointer, as applied
  let leftGesture = null; // what the left button (one finger) holds down
  const fingers = new Map(); // pointerId -> position of each finger of the touch gesture
  const restingFingers = new Set(); // fingers down before another source took over
  const movedFingers = new Set(); // fingers moved since the centre was last sent
  let touchButton = -1; // the GLUT button the fingers hold, -1 none
  let rightDragged = false; // the right button moved since its press

  // the canvas's place on the page, kept by a ResizeObserver (its callbacks come after
  // layout): a move is placed by its pageX and pageY, with no layout forced
  let place = [0, 0];
  const measure = () => {
    const box = canvas.getBoundingClientRect();
    place = [box.left + window.scrollX, box.top + window.scrollY];
  };
  measure();
  const watcher = new ResizeObserver(measure);
  [canvas, document.body, document.documentElement].forEach((element) => watcher.observe(element));
  const position = (e) => [Math.floor(e.pageX - place[0]), Math.floor(e.pageY - place[1])];
  // a move: the program's, or the place gesture's event's
  const motion = (x, y) => (leftGesture?.place ? options.placeMove?.(x, y) : program.motion(x, y));

  // The left button presses the buttons of the chosen gesture, and lets them go.
  // (a place gesture holds no button: it is a gesture of its own, one undo step)
  const pressLeft = (x, y, modifiers) => {
    leftGesture = LEFT_DRAG_GESTURES[leftDragMode()] || LEFT_DRAG_GESTURES.boost;
    if (leftGesture.place) {
      options.gestureStarted?.();
      options.placePress?.(x, y);
    }
    const held = modifiers | (leftGesture.shift ? SHIFT : 0);
    for (const button of leftGesture.buttons) ledger.press(button, x, y, held);
  };
  const releasePlace = () => {
    options.placeRelease?.();
    options.gestureEnded?.();
  };
  const releaseLeft = (x, y, modifiers) => {
    if (!leftGesture) return;
    if (leftGesture.place) releasePlace();
    const held = modifiers | (leftGesture.shift ? SHIFT : 0);
    for (const button of [...leftGesture.buttons].reverse()) ledger.release(button, x, y, held);
    leftGesture = null;
  };

  // Whatever drives the program lets go; fingers still down rest until lifted.
  const releaseEverything = () => {
    if (leftGesture?.place) releasePlace();
    ledger.releaseAll();
    leftGesture = null;
    owner = null;
    ownerBits = 0;
    for (const id of fingers.keys()) restingFingers.add(id);
    fingers.clear();
    movedFingers.clear();
    touchButton = -1;
  };
  const takeOver = (source) => {
    if (owner !== source) releaseEverything();
    owner = source;
  };
  const endIfIdle = () => {
    if (!ledger.holding() && !leftGesture?.place && fingers.size === 0) {
      owner = null;
      ownerBits = 0;
    }
  };

  const syncButtons = (e) => {
    const [x, y] = position(e);
    for (const [bit, button] of BUTTON_OF_BIT) {
      if ((e.buttons & bit) !== (ownerBits & bit)) {
        ownerBits ^= bit;
        const down = (ownerBits & bit) !== 0;
        if (bit !== LEFT_BIT) {
          if (down) ledger.press(button, x, y, modifiersOf(e));
          else ledger.release(button, x, y, modifiersOf(e));
        } else if (down) {
          pressLeft(x, y, modifiersOf(e));
        } else {
          releaseLeft(x, y, modifiersOf(e));
        }
      }
    }
  };

  const movesOf = (e) => (e.getCoalescedEvents && e.getCoalescedEvents().length ? e.getCoalescedEvents() : [e]);

  const centroid = () => {
    let sx = 0, sy = 0;
    for (const [x, y] of fingers.values()) { sx += x; sy += y; }
    return [Math.floor(sx / fingers.size), Math.floor(sy / fingers.size)];
  };

  const touchDown = (e) => {
    takeOver('touch');
    fingers.set(e.pointerId, position(e));
    if (fingers.size === 1) {
      touchButton = 0;
      pressLeft(...centroid(), 0);
    } else if (fingers.size === 2 && touchButton === 0) {
      releaseLeft(...centroid(), 0);
      touchButton = 2;
      ledger.press(2, ...centroid(), 0);
    }
  };

  // Fingers report their moves one by one: the centre goes to the program once
  // all moving fingers have reported, so a two-finger step is one motion event.
  const sendCentre = () => {
    if (movedFingers.size && (touchButton >= 0 || leftGesture?.place)) motion(...centroid());
    movedFingers.clear();
  };

  const touchMove = (e) => {
    if (!fingers.has(e.pointerId)) return;
    for (const move of movesOf(e)) {
      if (movedFingers.has(e.pointerId)) sendCentre();
      fingers.set(e.pointerId, position(move));
      movedFingers.add(e.pointerId);
      if (movedFingers.size === fingers.size) sendCentre();
    }
  };

  const touchUp = (e, cancelled) => {
    restingFingers.delete(e.pointerId);
    if (!fingers.has(e.pointerId)) return;
    if (!cancelled) sendCentre();
    movedFingers.clear();
    if (touchButton === 0) releaseLeft(...centroid(), 0);
    else if (touchButton > 0) ledger.release(touchButton, ...centroid(), 0);
    touchButton = -1; // the remaining fingers do nothing until all are lifted
    fingers.delete(e.pointerId);
    endIfIdle();
  };

  const pointerKey = (e) => `pointer:${e.pointerId}`;

  canvas.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    canvas.focus();
    if (e.button === 2) rightDragged = false;
    try {
      canvas.setPointerCapture(e.pointerId);
    } catch {
      // a pointer the browser no longer knows: its events still arrive here
    }
    if (e.pointerType === 'touch') {
      touchDown(e);
    } else {
      takeOver(pointerKey(e));
      syncButtons(e);
    }
  });
  canvas.addEventListener('pointermove', (e) => {
    if (e.pointerType === 'touch') { touchMove(e); return; }
    if (owner !== pointerKey(e)) return; // a pointer that did not press here, or was overtaken
    if (ownerBits) {
      for (const move of movesOf(e)) motion(...position(move));
      if (ownerBits & 2) rightDragged = true;
    }
    syncButtons(e); // chorded presses and releases arrive as moves
    endIfIdle();
  });
  canvas.addEventListener('pointerup', (e) => {
    if (e.pointerType === 'touch') { touchUp(e, false); return; }
    if (owner !== pointerKey(e)) return;
    syncButtons(e);
    endIfIdle();
  });
  const cancel = (e) => {
    if (e.pointerType === 'touch') touchUp(e, true);
    else if (owner === pointerKey(e)) releaseEverything();
  };
  canvas.addEventListener('pointercancel', cancel);
  canvas.addEventListener('lostpointercapture', cancel);
  window.addEventListener('blur', releaseEverything);
  document.addEventListener('visibilitychange', () => {
    if (document.hidden) releaseEverything();
  });
  // The browser's own menu (Save image…) after a right click without a drag, where
  // it comes at the release; where it comes at the press, the right drag has the button.
  canvas.addEventListener('contextmenu', (e) => {
    if (ownerBits & 2 || rightDragged || fingers.size) e.preventDefault();
  });
  canvas.addEventListener('wheel', (e) => {
    e.preventDefault();
    const [x, y] = position(e);
    const button = e.deltaY < 0 ? 3 : 4;
    program.mouse(button, DOWN, x, y, modifiersOf(e));
    program.mouse(button, UP, x, y, modifiersOf(e));
  }, { passive: false });

  return { pressLeft, releaseLeft, releaseEverything, modifiersOf };
}
