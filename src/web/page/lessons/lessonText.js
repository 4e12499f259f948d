// A lesson's text: read line by line, checked for form and then for meaning
// (each step's readouts shown by its state's demonstration), packed into a
// link and back, and the verdict on a prediction. The format is in lessonFormat
// below, which the page's help shows too.
import { parseNumber } from '../core/link.js';
import { t } from '../core/i18n.js';

export const MAX_BYTES = 64 * 1024;
const RIGHT_WITHIN = 0.01; // of the answer: a prediction this close is right
const RIGHT_NEAR_ZERO = 0.0005; // absolute, for answers close to 0
// readouts the panel shows as words, which no number typed can predict
const WORD_READOUTS = new Set(['demo', 'pairKind', 'pairFirstDiagram', 'pairFirstOwn']);
const STEP_KEYS = ['state', 'show', 'ask', 'answer', 'explain', 'tolerance'];
// readouts that are never negative: a prediction of the right size can have no "wrong sign"
const NEVER_NEGATIVE = new Set(['gamma', 'coordinateTime', 'length', 'properTimeHome', 'properTimeTraveller',
  'pairProperTime', 'travellerTime', 'tripProperTime', 'homeTimeSimultaneous', 'homeTimeSeen', 'dopplerOut',
  'dopplerBack', 'signalsReceivedByTraveller', 'reunionHomeSent', 'reunionHomeReceived', 'reunionTravellerSent',
  'reunionTravellerReceived', 'halfAngle', 'rayAngle', 'rayDoppler', 'thomasAngle', 'polygonAngle', 'orbitShare']);

// The format by example, in the page's language (the keys stay in English).
export const lessonFormat = () => t('lessonText.format');

// The tolerance a step sets: "5%" of the answer, or "0.01" either way.
function parseTolerance(text) {
  const percent = /^(.*?)\s*%$/.exec(text);
  const x = parseNumber((percent ? percent[1] : text).trim());
  if (!(x > 0) || (percent && x > 100)) return null;
  return percent ? { relative: x / 100 } : { absolute: x };
}

// The lesson in text, or the first line that is wrong in form.
// known: readout names; stateProblems(fragment): what is wrong with a state line
export function parseLesson(text, known, stateProblems) {
  if (new TextEncoder().encode(text).length > MAX_BYTES) return { error: t('lessonText.tooLarge', { most: MAX_BYTES / 1024 }) };
  if (text.includes('\0')) return { error: t('lessonText.notText') };
  const lines = text.split(/\r?\n/);
  const lesson = { title: '', intro: [], introNames: [], steps: [] };
  let step = null;
  const wrong = (n, what) => ({ error: t('lessonText.line', { line: n, problem: what }) });
  const prose = (target, line) => {
    if (line.trim() === '') {
      if (target.length && target.at(-1) !== '') target.push('');
    } else if (target.length && target.at(-1) !== '') {
      target[target.length - 1] += ` ${line.trim()}`;
    } else {
      if (target.at(-1) === '') target.pop();
      target.push(line.trim());
    }
  };
  for (const [i, line] of lines.entries()) {
    const n = i + 1;
    const names = [...line.matchAll(/\{([^{}\s]*)\}/g)].map((m) => m[1]);
    const unknown = names.find((name) => !known.has(name));
    if (unknown !== undefined) return wrong(n, t('lessonText.braces', { braced: `{${unknown}}` }));
    (step ? step.names : lesson.introNames).push(...names.map((name) => ({ name, line: n })));
    const match = /^(\w+)\s*:\s*(.*)$/.exec(line);
    const key = match && STEP_KEYS.includes(match[1].toLowerCase()) ? match[1].toLowerCase() : null;
    if (!lesson.title) {
      if (line.trim() === '') continue;
      if (!/^# \S/.test(line)) return wrong(n, t('lessonText.title'));
      lesson.title = line.slice(2).trim();
    } else if (/^## /.test(line)) {
      step = { title: line.slice(3).trim(), line: n, prose: [], names: [], state: null, show: null, ask: null,
        answer: null, explain: null, tolerance: null };
      if (!step.title) return wrong(n, t('lessonText.stepTitle'));
      lesson.steps.push(step);
    } else if (/^#/.test(line)) {
      return wrong(n, t('lessonText.titles'));
    } else if (key) {
      if (!step) return wrong(n, t('lessonText.keyOutside', { key }));
      if (step[key] !== null) return wrong(n, t('lessonText.keyTwice', { key }));
      step[key] = { text: match[2].trim(), line: n };
      if (key === 'answer') {
        if (!known.has(step.answer.text)) return wrong(n, t('lessonText.noReadout', { key, name: step.answer.text }));
        if (WORD_READOUTS.has(step.answer.text)) return wrong(n, t('lessonText.inWords', { name: step.answer.text }));
      }
      if (key === 'show') {
        step.show.names = step.show.text.split(/[\s,]+/).filter(Boolean);
        const unknownName = step.show.names.find((name) => !known.has(name));
        if (unknownName !== undefined) return wrong(n, t('lessonText.noReadout', { key, name: unknownName }));
      }
      if (key === 'state') {
        const problems = stateProblems(step.state.text);
        if (problems.length) return wrong(n, t('lessonText.state', { problem: problems[0] }));
      }
      if (key === 'tolerance') {
        step.tolerance.value = parseTolerance(step.tolerance.text);
        if (!step.tolerance.value) return wrong(n, t('lessonText.tolerance'));
      }
    } else {
      prose(step ? step.prose : lesson.intro, line);
    }
  }
  if (!lesson.title) return wrong(1, t('lessonText.title'));
  if (!lesson.steps.length) return wrong(lines.length, t('lessonText.noStep'));
  for (const s of lesson.steps) {
    if (Boolean(s.ask) !== Boolean(s.answer)) {
      return wrong((s.ask || s.answer).line, t(s.ask ? 'lessonText.askNeedsAnswer' : 'lessonText.answerNeedsAsk'));
    }
    if (s.tolerance && !s.answer) return wrong(s.tolerance.line, t('lessonText.toleranceWhere'));
    if (s.show && !s.answer) return wrong(s.show.line, t('lessonText.showWhere'));
    if (s.show?.names.includes(s.answer?.text)) return wrong(s.show.line, t('lessonText.showAnswer', { name: s.answer.text }));
    for (const target of [s.prose, lesson.intro]) if (target.at(-1) === '') target.pop();
  }
  return { lesson };
}

// The first step whose readouts its state's demonstration does not show, or
// whose state has a part that the demonstration does not take ('' for none).
// trial(state): { q: the readouts with that state set, unused: [part: reason] }
export function checkMeaning(lesson, trial) {
  let state = null; // a step without state: keeps the one before
  for (const [index, step] of lesson.steps.entries()) {
    state = step.state ? step.state.text : state;
    if (state === null) continue;
    const { q, unused } = trial(state);
    if (step.state && unused.length) return t('lessonText.line', { line: step.state.line, problem: t('lessonText.state', { problem: unused[0] }) });
    const names = [...(index === 0 ? lesson.introNames : []), ...step.names,
      ...(step.show ? step.show.names.map((name) => ({ name, line: step.show.line })) : []),
      ...(step.answer ? [{ name: step.answer.text, line: step.answer.line }] : [])];
    const missing = names.find(({ name }) => !Number.isFinite(q[name]));
    if (missing) {
      const problem = t(missing.name.startsWith('pair') ? 'lessonText.notShownPair' : 'lessonText.notShown', { name: missing.name, demo: q.demo });
      return t('lessonText.line', { line: missing.line, problem });
    }
  }
  return '';
}

// The readouts a question's step shows before Check: those on its show: line
// and those its prose and question name ({name}), the answer never.
export function shownBeforeCheck(step, introNames = []) {
  const names = [...(step.show?.names ?? []), ...[...introNames, ...step.names]
    .filter(({ line }) => line < (step.explain?.line ?? Infinity)).map(({ name }) => name)];
  return names.filter((name) => name !== step.answer?.text);
}

// 'right', 'sign' (the size right, the sign wrong; never for a readout that has
// no sign) or 'wrong'
export function judge(guess, truth, tolerance, name = '') {
  const allowed = tolerance?.absolute
    ?? Math.max((tolerance?.relative ?? RIGHT_WITHIN) * Math.abs(truth), RIGHT_NEAR_ZERO);
  if (Math.abs(guess - truth) <= allowed) return 'right';
  const signed = !NEVER_NEGATIVE.has(name);
  return signed && Math.sign(guess) === -Math.sign(truth) && Math.abs(-guess - truth) <= allowed ? 'sign' : 'wrong';
}

// Text to bytes and back, for links: deflate, then base64 for URLs.
export async function squeeze(text) {
  const stream = new Blob([text]).stream().pipeThrough(new CompressionStream('deflate-raw'));
  const bytes = new Uint8Array(await new Response(stream).arrayBuffer());
  let binary = '';
  for (const b of bytes) binary += String.fromCharCode(b);
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}
export async function unsqueeze(packed) {
  const binary = atob(packed.replace(/-/g, '+').replace(/_/g, '/'));
  const bytes = Uint8Array.from(binary, (c) => c.charCodeAt(0));
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
  return new TextDecoder('utf-8', { fatal: true }).decode(await new Response(stream).arrayBuffer());
}
