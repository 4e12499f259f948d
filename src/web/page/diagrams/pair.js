// A pair of events and what the program computes of it: the interval, its
// kind, which comes first in each frame, the velocity that makes the pair
// simultaneous or puts it at one place (with a button that boosts there), and
// the proper time between. The chooser stays in view while there are two
// events; a tap on an event chooses it, with the one chosen before; events at
// one place and time are "the same event".
// Controls: the two event pickers, the boost button.
import { formatNumber, withheld, anyWithheld, unchangedSince, WITHHELD_TEXT } from '../core/panel.js';
import { t, i18n } from '../core/i18n.js';

const KINDS = { 1: 'pair.timelike', '-1': 'pair.spacelike', 0: 'pair.lightlike' };

export function attachPair(module) {
  const box = document.getElementById('pair');
  const selects = ['pair-first', 'pair-second'].map((c) => document.querySelector(`select[data-control="${c}"]`));
  const note = document.getElementById('pair-note');
  const values = [...box.querySelectorAll('[data-quantity]')];
  const apply = document.querySelector('button[data-control="pair-apply"]');
  const unchanged = unchangedSince();
  let velocity = NaN;

  const setText = (element, text) => {
    if (element.textContent !== text) element.textContent = text;
  };
  const choose = () => {
    module._webSetPair(...selects.map((s) => (s.value === '' ? -1 : Number(s.value))));
    module._webPostRedisplay(); // the next frame brings the pair's readouts
  };
  for (const select of selects) select.addEventListener('change', choose);
  apply.addEventListener('click', () => {
    if (Number.isFinite(velocity)) module._webSetVelocity(velocity);
  });

  // the events changed: a new event forms the pair with the one placed before it;
  // otherwise the chosen pair is kept by letter where it can be, else the last two form it
  let shownCount = 0;
  const rebuild = (letters) => {
    const kept = selects.map((s) => s.selectedOptions[0]?.textContent);
    const added = letters.length > shownCount;
    shownCount = letters.length;
    for (const [k, select] of selects.entries()) {
      select.replaceChildren(...letters.map((letter, i) => new Option(letter, String(i))));
      const index = letters.indexOf(kept[k]);
      const keep = !added && kept.every((letter) => letters.includes(letter)) && index >= 0;
      select.value = keep ? String(index) : letters.length >= 2 ? String(letters.length - 2 + k) : '';
    }
    choose();
  };

  // a tap on event i: the pair is the one chosen last and i
  const select = (i) => {
    if (selects[1].value === String(i)) return;
    selects[0].value = selects[1].value === '' ? String(i) : selects[1].value;
    selects[1].value = String(i);
    choose();
  };

  // after every frame: letters of the events, own[i] their own-frame coordinates
  const refresh = (q, letters, own) => {
    const count = letters.length;
    if (box.hidden === count >= 2) box.hidden = count < 2;
    if (count < 2) return;
    const [i, j] = selects.map((s) => Number(s.value));
    const [first, second] = [letters[i], letters[j]];
    const names = values.map((element) => element.dataset.quantity);
    if (unchanged([i, j, ...letters, ...names.map((name) => q[name]), withheld.version, i18n.version, ...(own[i] || []), ...(own[j] || [])])) return;
    const same = i !== j && own[i] && own[j] && own[i][0] === own[j][0] && own[i][1] === own[j][1];
    const orderText = (order) => (order === 0 ? t('pair.together') : order < 0 ? first : second);
    const texts = {
      pairKind: same ? t('pair.same') : t(KINDS[q.pairKind]),
      pairFirstDiagram: orderText(q.pairFirstDiagram),
      pairFirstOwn: orderText(q.pairFirstOwn),
    };
    const hasPair = Number.isFinite(q.pairInterval);
    for (const element of values) {
      const name = element.dataset.quantity;
      const value = !hasPair ? '' : texts[name] ?? formatNumber(q[name], 4, name.endsWith('At')); // velocities keep "below c"
      const text = value && withheld.has(name) ? WITHHELD_TEXT : value;
      if (element.parentElement.hidden === Boolean(text)) element.parentElement.hidden = !text;
      setText(element, text);
    }
    velocity = Number.isFinite(q.pairSimultaneousAt) ? q.pairSimultaneousAt : q.pairSamePlaceAt;
    if (apply.hidden === Number.isFinite(velocity)) apply.hidden = !Number.isFinite(velocity);
    const givesAway = anyWithheld('pairSimultaneousAt', 'pairSamePlaceAt', 'velocity'); // the boost shows v
    if (apply.disabled !== givesAway) apply.disabled = givesAway;
    setText(apply, t(Number.isFinite(q.pairSimultaneousAt) ? 'pair.simultaneous' : 'pair.samePlace', { first, second }));
    // the kind in words gives away the interval's sign: it waits with the kind
    setText(note, withheld.has('pairKind') && hasPair ? '' : !hasPair ? t('pair.chosenTwice', { first })
      : same ? t('pair.sameNote', { first, second })
        : q.pairKind < 0 ? t('pair.spacelikeNote', { first, second })
          : q.pairKind > 0 ? t('pair.timelikeNote', { earlier: texts.pairFirstOwn }) : t('pair.lightlikeNote'));
  };

  return { rebuild, select, refresh };
}
