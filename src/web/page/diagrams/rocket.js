// Accelerated observers (F10, F11): the proper acceleration g, the rocket's
// (rear ship's) proper time τ with Play, F10's trip (one way or round, each
// leg's proper time) and F11's separation L and the strain the string bears
// (per cent), what to see, and the program's readouts. Links carry g=, tau=,
// trip=round, leg=, L= and strain=.
import { parseNumber, linkNumber } from '../core/link.js';
import { formatNumber, withheld, WITHHELD_TEXT } from '../core/panel.js';
import { attachPlayer } from '../core/player.js';
import { t, readNumber, localNumber } from '../core/i18n.js';
import { colourName } from '../core/legend.js';

const ROCKET = 10, SHIPS = 11;
const DEFAULTS = { g: 1, tau: 1, trip: 'one-way', leg: 0.75, l: 0.5, strain: 10 };
const SETTING = { g: 0, tau: 1, trip: 2, leg: 3, l: 4, strain: 5 }; // webSetAccelerated's
const CAP = 300; // g τ at most: the numbers stay finite
const PLAY_TO = 3; // one way, Play runs to g τ = 3 (v = 0.995)
const SAY = { g: 'rocket.link.g', leg: 'rocket.link.leg', l: 'rocket.link.l', strain: 'rocket.link.strain',
  trip: 'rocket.link.trip' };
const DEMOS_OF = { g: [ROCKET, SHIPS], tau: [ROCKET, SHIPS], trip: [ROCKET], leg: [ROCKET], l: [SHIPS], strain: [SHIPS] };
// what to see, its colours named as the palette in use names them
const colours = () => ({ magenta: colourName('magenta'), orange: colourName('orange'), paleGrey: colourName('pale grey'),
  midGrey: colourName('mid grey'), darkGreen: colourName('dark green') });
const SEE = { 'one-way': 'rocket.see.oneWay', round: 'rocket.see.round', [SHIPS]: 'rocket.see.ships' };

export function attachRocket(module, links, readouts) {
  const section = document.getElementById('accelerated');
  const $ = (id) => document.getElementById(id);
  const inputs = (name) => [...section.querySelectorAll(`[data-control="${name}"]`)];
  const controls = { g: inputs('acceleration'), tau: inputs('rocket-tau'), trip: inputs('trip'), leg: inputs('leg'),
    l: inputs('separation'), strain: inputs('strain') };
  const play = section.querySelector('button[data-control="play"]');
  const rows = [...section.querySelectorAll('[data-demo]')];
  const values = [...section.querySelectorAll('[data-quantity]')];
  const settings = { ...DEFAULTS };
  const playEnd = () => (settings.trip === 'round' ? 4 * settings.leg : PLAY_TO / settings.g);
  const reason = (key) => (key === 'tau' ? t('rocket.link.tau', { most: formatNumber(CAP / settings.g, 1), g: localNumber(String(settings.g)) })
    : t(SAY[key]));

  // true when the program took it; read: how the number is written (a link's or a field's)
  const set = (key, text, read = parseNumber) => {
    const x = key === 'trip' ? ['one-way', 'round'].indexOf(text) : read(text);
    if (!module._webSetAccelerated(SETTING[key], x)) return false;
    if (key !== 'tau') settings[key] = key === 'trip' ? text : x;
    return true;
  };
  const show = (key, q) => {
    const text = key === 'trip' ? settings.trip : localNumber(String(key === 'tau' ? Number(q.rocketTime.toFixed(4)) : settings[key]));
    for (const input of controls[key]) if (document.activeElement !== input && input.value !== text) input.value = text;
  };

  const player = attachPlayer(play, {
    seconds: 6,
    from: () => (readouts().rocketTime < playEnd() ? readouts().rocketTime : 0),
    end: playEnd,
    advance: (tau) => module._webSetAccelerated(SETTING.tau, tau),
    stopped: () => module._webPostRedisplay(),
  });
  for (const [key, list] of Object.entries(controls)) {
    for (const input of list) {
      input.addEventListener(input.type === 'range' ? 'input' : 'change', () => {
        if (key === 'tau') player.pause();
        $('accelerated-message').textContent = set(key, input.value, readNumber) ? ''
          : t('rocket.refused', { typed: input.value, reason: reason(key) });
        show(key, readouts());
      });
    }
  }

  links.add({
    keys: ['g', 'trip', 'leg', 'l', 'strain', 'tau'], // applied in this order: τ is held to what the rest allow
    // the ranges are the program's, checked as the parts are applied
    check: (key, text) => (key === 'tau' || (key === 'trip' ? DEFAULTS.trip === text || text === 'round' : parseNumber(text) > 0)
      ? '' : t(SAY[key])),
    reset() {
      player.pause();
      module._webResetAccelerated();
      Object.assign(settings, DEFAULTS);
      $('accelerated-message').textContent = '';
    },
    apply(given, ignore) {
      const demo = readouts().demo;
      for (const key of this.keys.filter((k) => given.has(k))) {
        if (key === 'tau' && !DEMOS_OF.tau.includes(demo)) continue; // the twins' to take or refuse
        for (const text of given.get(key)) {
          const demos = DEMOS_OF[key].length > 1 ? t('rocket.or', { first: DEMOS_OF[key][0], second: DEMOS_OF[key][1] }) : DEMOS_OF[key][0];
          if (!DEMOS_OF[key].includes(demo)) ignore(key, text, t('rocket.link.where', { key: key === 'l' ? 'L' : key, demos }));
          else if (!set(key, text)) ignore(key, text, reason(key));
        }
      }
    },
    write(q) {
      if (q.demo !== ROCKET && q.demo !== SHIPS) return [];
      const keys = q.demo === ROCKET ? ['g', 'trip', ...(settings.trip === 'round' ? ['leg'] : [])] : ['g', 'l', 'strain'];
      return [...keys.filter((key) => settings[key] !== DEFAULTS[key])
        .map((key) => (key === 'trip' ? 'trip=round' : `${key === 'l' ? 'L' : key}=${linkNumber(settings[key])}`)),
      ...(q.rocketTime !== DEFAULTS.tau ? [`tau=${linkNumber(q.rocketTime)}`] : [])];
    },
  });

  // after every frame: the section, its controls and numbers follow the state
  const refresh = (q) => {
    const shown = q.demo === ROCKET || q.demo === SHIPS;
    if (section.hidden === shown) section.hidden = !shown;
    if (!shown) return player.pause();
    const texts = [[$('accelerated-heading'), t(`rocket.title.${q.demo}`)], [$('rocket-tau-name'), t(`rocket.tau.${q.demo}`)],
      [$('accelerated-see'), t(SEE[q.demo === SHIPS ? SHIPS : settings.trip], colours())]];
    for (const [element, text] of texts) if (element.textContent !== text) element.textContent = text;
    const see = $('accelerated-see'); // its numbers wait while a lesson's question waits for Check
    if (see.hidden !== withheld.all) see.hidden = withheld.all;
    for (const row of rows) if (row.hidden !== (Number(row.dataset.demo) !== q.demo)) row.hidden = !row.hidden;
    const leg = $('leg-control');
    if (leg.hidden === (settings.trip === 'round')) leg.hidden = !leg.hidden;
    const givesAway = withheld.has('breakTime'); // Play would show the string break
    for (const control of [...controls.tau, play]) if (control.disabled !== givesAway) control.disabled = givesAway;
    if (givesAway) player.pause();
    const max = playEnd().toFixed(4);
    if (controls.tau[0].max !== max) controls.tau[0].max = max;
    for (const key of Object.keys(controls)) show(key, q);
    for (const element of values) {
      const value = q[element.dataset.quantity];
      const text = !Number.isFinite(value) ? '' : withheld.has(element.dataset.quantity) ? WITHHELD_TEXT : formatNumber(value);
      if (element.parentElement.hidden === Boolean(text)) element.parentElement.hidden = !text;
      if (element.textContent !== text) element.textContent = text;
    }
  };

  const legendEntries = (q) => (q.demo !== ROCKET ? [] : settings.trip === 'round' ? [
    ['green', t('rocket.legend.out')], ['teal', t('rocket.legend.back')]] : [
    ['green', t('rocket.legend.hyperbola')], ['orange', t('rocket.legend.horizon')], ['pale grey', t('rocket.legend.late')]]);

  return { refresh, legendEntries, playing: player.playing };
}
