// The twins in time (demonstration 3): the traveller's proper time tau as a
// slider and a number, Play (a trip of a few seconds, a step every frame),
// light pulses every interval of each twin's proper time, and riding along
// with the traveller's leg; the readouts and pulse counts come from the
// program. Links carry tx= and tt= (the turnaround, where it was moved),
// tau=, sig= and ride=1; a link's turnaround is taken only where both legs
// stay slower than light.
import { parseNumber, linkNumber } from '../core/link.js';
import { formatNumber, withheld, anyWithheld, WITHHELD_TEXT } from '../core/panel.js';
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
      const tau = parseNumber(input.value);
      if (Number.isFinite(tau)) setTau(tau);
    });
  }
  const signalMessage = document.getElementById('signal-message');
  let accepted = String(DEFAULT_INTERVAL); // the interval in use
  const setSignals = () => {
    const i = parseNumber(interval.value);
    signalMessage.textContent = '';
    if (!signals.checked || i === 0) {
      module._webSetSignalInterval(0);
    } else if (module._webSetSignalInterval(i)) {
      accepted = interval.value;
    } else {
      signalMessage.textContent = `${interval.value || 'That'} is not an interval between pulses: 0.02 to 10 of proper time. `
        + `The pulses stay every ${accepted}.`;
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
      if (key === 'ride') return text === '0' || text === '1' ? '' : 'ride is 1 or 0';
      if (key === 'sig') return x === 0 || (x >= 0.02 && x <= 10) ? '' : 'the interval between pulses is 0 (none) or 0.02 to 10';
      if (key === 'tau') return x >= 0 ? '' : 'tau is a proper time, 0 or more';
      return Number.isFinite(x) ? '' : 'the turnaround is given by numbers';
    },
    reset() {
      pause();
      module._webHideTrip();
      module._webSetTurnaround(...START_TURNAROUND);
      signals.checked = true;
      interval.value = accepted = String(DEFAULT_INTERVAL);
      module._webSetSignalInterval(DEFAULT_INTERVAL);
    },
    apply(given, ignore) {
      const last = (key) => given.get(key).at(-1);
      if (readouts().demo !== 3) {
        for (const key of given.keys()) {
          // the accelerated observers take their own tau (rocket.js)
          if (key !== 'tau' || !TAU_ELSEWHERE.includes(readouts().demo)) ignore(key, last(key), 'the trip is in demonstration 3');
        }
        return;
      }
      if (given.has('tx') || given.has('tt')) {
        const q = readouts();
        const x = given.has('tx') ? parseNumber(last('tx')) : q.turnaroundX;
        const t = given.has('tt') ? parseNumber(last('tt')) : q.turnaroundT;
        if (!module._webSetTurnaround(x, t)) {
          const key = given.has('tx') ? 'tx' : 'tt';
          ignore(key, last(key), 'the turnaround is an event both legs reach slower than light (|x| below t and below 2 - t)');
        }
      }
      if (given.has('sig')) {
        const i = parseNumber(last('sig'));
        if (i === 0) {
          signals.checked = false;
          module._webSetSignalInterval(0);
        } else if (Number.isFinite(i) && module._webSetSignalInterval(i)) {
          signals.checked = true;
          interval.value = accepted = String(i);
        } else {
          ignore('sig', last('sig'), 'the interval between pulses is 0 (none) or 0.02 to 10');
        }
      }
      if (given.has('tau')) {
        const tau = parseNumber(last('tau'));
        if (!Number.isFinite(tau) || !setTau(tau)) {
          ignore('tau', last('tau'), 'tau is a proper time of the trip, in demonstration 3 with the turnaround between departure and reunion');
        }
      }
      if (given.has('ride')) {
        if (last('ride') !== '1' && last('ride') !== '0') ignore('ride', last('ride'), 'ride is 1 or 0');
        else if (last('ride') === '1' && !module._webSetRide(1)) ignore('ride', '1', 'riding is in demonstration 3');
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
      else if (parseNumber(interval.value) !== DEFAULT_INTERVAL) parts.push(`sig=${interval.value}`);
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
      const value = Number.isFinite(q.travellerTime) ? q.travellerTime.toFixed(input.type === 'range' ? 4 : 3) : '0';
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
    const said = canPlay && signals.checked && !givesAway
      ? `At the reunion home has sent ${q.reunionHomeSent} pulses and received ${q.reunionHomeReceived}; the traveller has ` +
        `sent ${q.reunionTravellerSent} and received ${q.reunionTravellerReceived}. So home's clock read about ` +
        `${formatNumber(q.reunionHomeSent * parseNumber(interval.value), 2)} and the traveller's about ` +
        `${formatNumber(q.reunionTravellerSent * parseNumber(interval.value), 2)}: both twins count the same pulses.`
      : '';
    if (reunion.textContent !== said) reunion.textContent = said;
  };

  const legendEntries = (q) => (Number.isFinite(q.travellerTime) ? [
    ['black', 'the traveller now (proper time τ), and the home clock its line of simultaneity meets'],
    ['magenta', 'the traveller’s line of simultaneity, in the frame of its leg: it swings at the turnaround'],
    ['sky', 'the light from home reaching the traveller now: the home clock it sees'],
    ...(signals.checked ? [['salmon', 'pulses from home, every interval of home’s time'],
      ['light green', 'pulses from the traveller, every interval of its proper time']] : []),
  ] : []);

  return { refresh, legendEntries, playing: player.playing };
}
