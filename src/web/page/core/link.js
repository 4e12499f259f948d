// Links: the page's address fragment follows the state (#demo=1&v=0.6), and
// opening or editing one sets it. Each feature owns some keys: it applies
// them when a link opens, in the order the features were added, and writes
// them when the address is written: at most a few times a second after
// frames, always to the latest state. A bad
// part is ignored with a console line and, in a link the user opened, a
// message on the page; the address then keeps what was opened until the
// state changes, so that the link can be reported as it was.

import { t } from './i18n.js';

const NUMBER = /^[+-]?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/i;
const ADDRESS_EVERY_MS = 250; // the browser throttles address changes, and each costs a layout

const LESSON_KEYS = /^(lesson|lessontext|step)=/;

// A link without a lesson's own parts: the state alone.
export const stateOnly = (link) => link.split('&').filter((part) => part && !LESSON_KEYS.test(part)).join('&');

// A number written plainly, NaN for anything else ('', 'NaN', '0x10', '1,5').
export const parseNumber = (text) => (NUMBER.test(text) ? Number(text) : NaN);

// A coordinate for a link: to 1e-12 and twelve significant digits, trailing
// zeros dropped (a tap's 1.2999999999999998 is written 1.3, and 5.6e-17 left
// by a boost and its inverse is written 0)
export const linkNumber = (x) => String(Number(Number(x.toFixed(12)).toPrecision(12)) || 0);

// feature: { keys: [...], apply(values, ignore, given), write(q), check(key, value), reset() }:
// values maps each of its keys in the link to the texts given, in order;
// ignore(key, value, reason) reports a bad one; given is every key of the link;
// write(q) returns its parts ('v=0.6', ...) for the readouts q, [] for none (called only
// when the address is written); check() says what is
// wrong with a part before any is applied ('' for nothing); reset() returns
// the feature to its start (a lesson's step begins from there).
// readouts(): the program's readouts by name
// report(lines): the parts of an opened link that were not used, [] for none;
// written(link): the state's link each time the address is due to be written
export function attachLinks(log, readouts, report = () => {}, written = () => {}) {
  const features = [];
  let fragment = null; // the address's
  let lastWrite = -Infinity;
  let timer = 0;
  let opened = undefined; // the state a link opened, kept in the address until it changes (null: not yet read)

  const ignore = (part, reason) => log(`Link ignored in part ${part.slice(0, 40)}: ${reason}`);
  const decode = (text) => {
    try {
      return decodeURIComponent(text);
    } catch {
      return text;
    }
  };

  // keys without regard to case, spaces around & and = (as a lesson may write them) dropped
  const parts = (hash) => hash.replace(/^#/, '').split('&').map((part) => part.trim()).filter(Boolean).map((part) => {
    const equals = part.indexOf('=');
    const key = decode(equals < 0 ? part : part.slice(0, equals)).trim().toLowerCase();
    return [part, key, decode(equals < 0 ? '' : part.slice(equals + 1)).trim()];
  });
  const ownerOf = (key) => features.find((f) => f.keys.includes(key));

  const resetAll = () => {
    for (const feature of features) feature.reset?.();
  };
  // fresh: every feature back at its start first; onIgnore(part, reason) takes
  // the parts not used instead of the console
  const open = (hash, { fresh = false, onIgnore = ignore } = {}) => {
    if (fresh) resetAll();
    const byKey = new Map();
    for (const [part, key, value] of parts(hash)) {
      if (!ownerOf(key)) {
        onIgnore(part, t('link.unknownKey'));
      } else {
        if (!byKey.has(key)) byKey.set(key, []);
        byKey.get(key).push(value);
      }
    }
    const given = new Set(byKey.keys());
    for (const feature of features) {
      const mine = new Map(feature.keys.filter((k) => byKey.has(k)).map((k) => [k, byKey.get(k)]));
      if (mine.size) feature.apply(mine, (key, value, reason) => onIgnore(`${key}=${value}`, reason), given);
    }
  };

  // a link the user opened, the whole state: what was not used is said on the page too
  const openAddress = (hash) => {
    const unused = [];
    report(unused);
    opened = null;
    open(hash, {
      fresh: true,
      onIgnore(part, reason) {
        ignore(part, reason);
        unused.push(`${part.slice(0, 40)}${part.length > 40 ? '…' : ''}: ${reason}`);
        report(unused);
      },
    });
  };

  // what is wrong with the parts of a fragment, before any is applied
  const problems = (hash) => parts(hash).flatMap(([part, key, value]) => {
    const owner = ownerOf(key);
    const reason = owner ? owner.check?.(key, value) || '' : t('link.unknownKey');
    return reason ? [`${part.slice(0, 40)}: ${reason}`] : [];
  });

  window.addEventListener('hashchange', () => {
    if (window.location.hash !== `#${fragment}`) {
      fragment = window.location.hash.slice(1);
      openAddress(window.location.hash);
    }
  });

  const linkOf = (q) => features.flatMap((f) => f.write(q)).join('&');

  // the link is built only here, when the address is due to be written
  const writeAddress = () => {
    clearTimeout(timer);
    timer = 0;
    lastWrite = performance.now();
    const latest = linkOf(readouts());
    written(latest);
    if (opened === null) opened = latest; // the state that the opened link gave
    if (opened !== undefined) {
      if (latest === opened) return;
      opened = undefined;
    }
    if (latest !== fragment) {
      fragment = latest;
      history.replaceState(null, '', `#${fragment}`);
    }
  };

  return {
    add(feature) {
      features.push(feature);
    },
    // the link the page was opened with, once every feature is added
    openStart() {
      if (window.location.hash) {
        fragment = window.location.hash.slice(1);
        openAddress(window.location.hash);
      }
    },
    open,
    resetAll,
    problems,
    // the link of the state now, not written to the address
    current: () => linkOf(readouts()),
    // the address of the state now, written at once (for scripts that read it)
    flush() {
      opened = undefined;
      writeAddress();
      return window.location.hash;
    },
    // after a frame: the address follows, a few times a second at most
    refresh() {
      if (timer) return;
      const wait = lastWrite + ADDRESS_EVERY_MS - performance.now();
      if (wait <= 0) writeAddress();
      else timer = setTimeout(writeAddress, wait);
    },
  };
}
