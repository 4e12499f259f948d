// The twins in time (demonstration 3): the traveller's proper time tau as a
// slider and a number, Play (a trip of a few seconds, a step every frame),
// light pulses every interval of each twin's proper time, and riding along
// with the traveller's leg; the readouts and pulse counts come from the
// program. Links carry tx= and tt= (the turnaround, where it was moved),
// tau=, sig= and ride=1; a link's turnaround is taken only where both legs
// stay slower than light.
import { parseNumber, linkNumber } from '../core/link.js';
import { formatNumber, withheld, anyWithheld, WITHHELD_TEXT } from '../core/panel.js';
import { t, readNumber, localNumber } from '../core/i18n.js';
import { attachPlayer } from '../core/player.js';

const START_TURNAROUND = [0.1, 1];
const DEFAULT_INTERVAL = 0.2; // of proper time, between pulses
const TRIP_SECONDS = 6; // Play takes the whole trip in this long
const TAU_ELSEWHERE = [10, 11]; // demonstrations whose tau= is another's

// readouts(): the program's readouts by name
export function attachTwins(module, links, readouts) {
  const section = document.getElementById('twins');
  const tauInputs = [...document.querySelectorAll('input[data-control="tau"]')];
  const play = section.querySelector('button[data-control="play"]');
  const signals = document.querySelector('input[data-control="signals"]');
  const interval = document.querySelector('input[data-control="signal-interval"]');
  const ride = document.querySelector('input[data-control="ride"]');
  const values = [...section.querySelectorAll('[data-quantity]')];
  const reunion = document.getElementById('reunion');
  const unplayable = document.getElementById('trip-unplayable');
  const setTau = (tau) => module._webSetTau(tau);
  const player = attachPlayer(play, {
    seconds: TRIP_SECONDS,
    from() {
      const q = readouts();
      return Number.isFinite(q.travellerTime) && q.travellerTime < q.tripProperTime ? q.travellerTime : 0;
    },
    end: () => readouts().tripProperTime,
    advance: setTau,
    stopped: () => module._webPostRedisplay(), // a last frame brings the panel up to date
  });
  const { pause } = player;
  for (const input of tauInputs) {
    input.addEventListener(input.type === 'range' ? 'input' : 'change', () => {
      pause();
      const tau = readNumber(input.value);
      if (Number.isFinite(tau)) setTau(tau);
    });
  }
  const signalMessage = document.getElementById('signal-message');
  let accepted = String(DEFAULT_INTERVAL); // the interval in use
  const setSignals = () => {
    const i = readNumber(interval.value);
    signalMessage.textContent = '';
    if (!signals.checked || i === 0) {
      module._webSetSignalInterval(0);
    } else if (module._webSetSignalInterval(i)) {
      accepted = interval.value;
    } else {
      signalMessage.textContent = t('twins.badInterval', { typed: interval.value || t('twins.that'), accepted });
      interval.value = accepted;
    }
  };
  signals.addEventListener('change', setSignals);
  interval.addEventListener('change', setSignals);
  ride.addEventListener('change', () => {
    if (!module._webSetRide(ride.checked ? 1 : 0)) ride.checked = false;
  });
  module._webSetSignalInterval(DEFAULT_INTERVAL);

  links.add({
    keys: ['tx', 'tt', 'tau', 'sig', 'ride'],
    check(key, text) {
      const x = parseNumber(text);
      if (key === 'ride') return text === '0' || text === '1' ? '' : t('link.ride');
      if (key === 'sig') return x === 0 || (x >= 0.02 && x <= 10) ? '' : t('link.sig');
      if (key === 'tau') return x >= 0 ? '' : t('link.tau');
      return Number.isFinite(x) ? '' : t('link.turnaroundNumbers');
    },
    reset() {
      pause();
      module._webHideTrip();
      module._webSetTurnaround(...START_TURNAROUND);
      signals.checked = true;
      interval.value = accepted = localNumber(String(DEFAULT_INTERVAL));
      module._webSetSignalInterval(DEFAULT_INTERVAL);
    },
    apply(given, ignore) {
      const last = (key) => given.get(key).at(-1);
      if (readouts().demo !== 3) {
        for (const key of given.keys()) {
          // the accelerated observers take their own tau (rocket.js)
          if (key !== 'tau' || !TAU_ELSEWHERE.includes(readouts().demo)) ignore(key, last(key), t('link.tripWhere'));
        }
        return;
      }
      if (given.has('tx') || given.has('tt')) {
        const q = readouts();
        const x = given.has('tx') ? parseNumber(last('tx')) : q.turnaroundX;
        const time = given.has('tt') ? parseNumber(last('tt')) : q.turnaroundT;
        if (!module._webSetTurnaround(x, time)) {
          const key = given.has('tx') ? 'tx' : 'tt';
          ignore(key, last(key), t('link.turnaround'));
        }
      }
      if (given.has('sig')) {
        const i = parseNumber(last('sig'));
        if (i === 0) {
          signals.checked = false;
          module._webSetSignalInterval(0);
        } else if (Number.isFinite(i) && module._webSetSignalInterval(i)) {
          signals.checked = true;
          interval.value = accepted = localNumber(String(i));
        } else {
          ignore('sig', last('sig'), t('link.sig'));
        }
      }
      if (given.has('tau')) {
        const tau = parseNumber(last('tau'));
        if (!Number.isFinite(tau) || !setTau(tau)) {
          ignore('tau', last('tau'), t('link.tauWhere'));
        }
      }
      if (given.has('ride')) {
        if (last('ride') !== '1' && last('ride') !== '0') ignore('ride', last('ride'), t('link.ride'));
        else if (last('ride') === '1' && !module._webSetRide(1)) ignore('ride', '1', t('link.rideWhere'));
      }
    },
    write(q) {
      if (q.demo !== 3) return [];
      const parts = [];
      if (q.turnaroundX !== START_TURNAROUND[0] || q.turnaroundT !== START_TURNAROUND[1]) {
        parts.push(`tx=${linkNumber(q.turnaroundX)}`, `tt=${linkNumber(q.turnaroundT)}`);
      }
      if (Number.isFinite(q.travellerTime)) parts.push(`tau=${linkNumber(q.travellerTime)}`);
      if (!signals.checked) parts.push('sig=0');
      else if (readNumber(interval.value) !== DEFAULT_INTERVAL) parts.push(`sig=${linkNumber(readNumber(interval.value))}`);
      if (Number.isFinite(q.rideVelocity)) parts.push('ride=1');
      return parts;
    },
  });

  // After every frame: the controls and numbers follow the state.
  const refresh = (q) => {
    const inTwins = q.demo === 3;
    if (section.hidden === inTwins) section.hidden = !inTwins;
    if (!inTwins) {
      pause();
      return;
    }
    const canPlay = Number.isFinite(q.tripProperTime);
    if (unplayable.hidden === !canPlay) unplayable.hidden = canPlay;
    // the reunion's counts and clocks, and playing to the reunion, would answer these before Check
    const givesAway = anyWithheld('properTimeTraveller', 'properTimeHome', 'tripProperTime', 'reunionHomeSent',
      'reunionHomeReceived', 'reunionTravellerSent', 'reunionTravellerReceived');
    for (const control of [...tauInputs, play, ride]) {
      const usable = canPlay && (control === ride || !givesAway);
      if (control.disabled === usable) control.disabled = !usable;
    }
    if (!canPlay || givesAway) pause();
    for (const input of tauInputs) {
      const max = canPlay ? q.tripProperTime.toFixed(4) : '0';
      if (input.max !== max) input.max = max;
      const value = withheld.has('travellerTime') ? '' // held back by a lesson's step
        : Number.isFinite(q.travellerTime) ? (input.type === 'range' ? q.travellerTime.toFixed(4) : localNumber(q.travellerTime.toFixed(3))) : '0';
      if (document.activeElement !== input && input.value !== value) input.value = value;
    }
    const riding = Number.isFinite(q.rideVelocity);
    if (ride.checked !== riding) ride.checked = riding;
    for (const element of values) {
      const value = q[element.dataset.quantity];
      const text = !Number.isFinite(value) ? '' : withheld.has(element.dataset.quantity) ? WITHHELD_TEXT
        : formatNumber(value, element.dataset.decimals ? Number(element.dataset.decimals) : 4);
      if (element.parentElement.hidden === Boolean(text)) element.parentElement.hidden = !text;
      if (element.textContent !== text) element.textContent = text;
    }
    const said = canPlay && signals.checked && !givesAway ? t('twins.reunion', {
      homeSent: q.reunionHomeSent, homeReceived: q.reunionHomeReceived, travellerSent: q.reunionTravellerSent,
      travellerReceived: q.reunionTravellerReceived,
      homeClock: formatNumber(q.reunionHomeSent * readNumber(interval.value), 2),
      travellerClock: formatNumber(q.reunionTravellerSent * readNumber(interval.value), 2),
    }) : '';
    if (reunion.textContent !== said) reunion.textContent = said;
  };

  const legendEntries = (q) => (Number.isFinite(q.travellerTime) ? [
    ['black', t('legend.travellerNow')],
    ['magenta', t('legend.travellerSimultaneity')],
    ['sky', t('legend.lightFromHome')],
    ...(signals.checked ? [['salmon', t('legend.pulsesHome')], ['light green', t('legend.pulsesTraveller')]] : []),
  ] : []);

  return { refresh, legendEntries, playing: player.playing };
}
