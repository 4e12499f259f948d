// A Play button: a press runs a value from where it is to its end in a fixed
// number of seconds, one step a frame; another press pauses. The value is the
// program's (the trip's tau, the gyroscope's place); this only paces it.
//   from(): the value to start from; end(): the value to stop at;
//   advance(value): sets it, false when the program refused it;
//   stopped(): after the last step or a pause
import { t, onLanguage } from './i18n.js';

export function attachPlayer(button, { seconds, from, end, advance, stopped }) {
  let request = null; // the animation frame request while playing

  const stop = () => {
    request = null;
    button.textContent = t('player.play');
    button.setAttribute('aria-pressed', 'false');
    stopped();
  };
  const pause = () => {
    if (request === null) return;
    cancelAnimationFrame(request);
    stop();
  };
  const start = () => {
    let value = from();
    let last = null;
    const step = (now) => {
      const total = end();
      if (last !== null) value = Math.min(total, value + (total * (now - last)) / (seconds * 1000));
      last = now;
      if (!advance(value) || value >= total) {
        stop();
        return;
      }
      request = requestAnimationFrame(step);
    };
    button.textContent = t('player.pause');
    button.setAttribute('aria-pressed', 'true');
    request = requestAnimationFrame(step);
  };
  button.addEventListener('click', () => (request === null ? start() : pause()));
  onLanguage(() => { button.textContent = t(request === null ? 'player.play' : 'player.pause'); });
  return { pause, playing: () => request !== null };
}
