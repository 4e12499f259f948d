// What a screen reader says: the readouts as one labelled sentence, put into a
// polite live region once a change settles (a drag ends, or nothing has
// changed for a short pause), never frame by frame and never during a drag;
// at once when a lesson's step holds numbers back, so none lingers there.

const SETTLE_MS = 800;
const AFTER_GESTURE_MS = 100; // the frame of the last move comes first

export function attachAnnouncer(region) {
  let spoken = '';
  let pending = null;
  let timer = 0;
  let settling = false;
  let holding = false; // a drag is on: wait for its end

  const speak = () => {
    clearTimeout(timer);
    timer = 0;
    settling = false;
    if (pending !== null && pending !== spoken) {
      spoken = pending;
      region.textContent = spoken;
    }
    pending = null;
  };

  return {
    // the sentence now; it is said once it has stopped changing
    note(sentence) {
      if (sentence === (pending ?? spoken)) return;
      pending = sentence;
      if (settling || holding) return;
      clearTimeout(timer);
      timer = setTimeout(speak, SETTLE_MS);
    },
    // the sentence now, in the region at once
    now(sentence) {
      pending = sentence;
      speak();
    },
    // a drag began: nothing is said until it ends
    hold() {
      holding = true;
      clearTimeout(timer);
    },
    // a gesture ended: say it as soon as its last frame is drawn
    settle() {
      holding = false;
      if (pending === null) return;
      settling = true;
      clearTimeout(timer);
      timer = setTimeout(speak, AFTER_GESTURE_MS);
    },
  };
}
