// Lessons: predict, then check. A lesson is plain text, one step after another:
//   # Title of the lesson
//   ## Title of a step
//   state: demo=1&v=0.6        the link of the step's state, set as the step opens
//   ask: How much ...?         a prediction, typed as a number
//   answer: coordinateTime     the readout that answers it: the program's own number
//   explain: gamma is {gamma}  shown after Check; {name} is that readout as the panel shows it
//   Any other line is prose of the step, shown before the question.
// Built-in lessons open by #lesson=ID; a teacher's own opens from a file (or
// dropped on the page) and the link then carries it, compressed. Lesson text
// is only ever text: no markup in it is interpreted.
import { parseNumber } from './link.js';
import { formatNumber, withheld } from './panel.js';

const MAX_BYTES = 64 * 1024;
const RIGHT_WITHIN = 0.02; // of the answer: a prediction this close is right
// readouts the panel shows as words, which no number typed can predict
const WORD_READOUTS = new Set(['demo', 'pairKind', 'pairFirstDiagram', 'pairFirstOwn']);
const STEP_KEYS = ['state', 'ask', 'answer', 'explain'];

// The lesson in text, or the first line that is wrong.
// known: readout names; stateProblems(fragment): what is wrong with a state line
export function parseLesson(text, known, stateProblems) {
  if (new TextEncoder().encode(text).length > MAX_BYTES) return { error: `The lesson is over ${MAX_BYTES / 1024} KB.` };
  if (text.includes('\0')) return { error: 'This is not a text file.' };
  const lines = text.split(/\r?\n/);
  const lesson = { title: '', intro: [], steps: [] };
  let step = null;
  const wrong = (n, what) => ({ error: `Line ${n}: ${what}` });
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
    if (unknown !== undefined) return wrong(n, `{${unknown}} names no readout`);
    const key = /^(\w+):\s*(.*)$/.exec(line);
    if (!lesson.title) {
      if (line.trim() === '') continue;
      if (!/^# \S/.test(line)) return wrong(n, "a lesson begins with its title, as '# Title'");
      lesson.title = line.slice(2).trim();
    } else if (/^## /.test(line)) {
      step = { title: line.slice(3).trim(), line: n, prose: [], state: null, ask: null, answer: null, explain: null };
      if (!step.title) return wrong(n, 'a step needs a title');
      lesson.steps.push(step);
    } else if (/^#/.test(line)) {
      return wrong(n, "a title is '# Title' for the lesson, '## Title' for a step");
    } else if (key && STEP_KEYS.includes(key[1])) {
      if (!step) return wrong(n, `${key[1]}: belongs to a step, after its '## Title'`);
      if (step[key[1]] !== null) return wrong(n, `the step has ${key[1]}: already`);
      step[key[1]] = { text: key[2].trim(), line: n };
      if (key[1] === 'answer') {
        if (!known.has(step.answer.text)) return wrong(n, `answer: ${step.answer.text} names no readout`);
        if (WORD_READOUTS.has(step.answer.text)) return wrong(n, `answer: ${step.answer.text} is shown in words, not predicted as a number`);
      }
      if (key[1] === 'state') {
        const problems = stateProblems(step.state.text);
        if (problems.length) return wrong(n, `state: ${problems[0]}`);
      }
    } else {
      prose(step ? step.prose : lesson.intro, line);
    }
  }
  if (!lesson.title) return { error: 'Line 1: a lesson begins with its title, as \'# Title\'' };
  if (!lesson.steps.length) return wrong(lines.length, "a lesson needs a step, as '## Title'");
  for (const s of lesson.steps) {
    if (Boolean(s.ask) !== Boolean(s.answer)) {
      return wrong((s.ask || s.answer).line, s.ask ? 'ask: needs an answer: naming a readout' : 'answer: needs an ask: with the question');
    }
    for (const target of [s.prose, lesson.intro]) if (target.at(-1) === '') target.pop();
  }
  return { lesson };
}

// Text to bytes and back, for links: deflate, then base64 for URLs.
async function squeeze(text) {
  const stream = new Blob([text]).stream().pipeThrough(new CompressionStream('deflate-raw'));
  const bytes = new Uint8Array(await new Response(stream).arrayBuffer());
  let binary = '';
  for (const b of bytes) binary += String.fromCharCode(b);
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}
async function unsqueeze(packed) {
  const binary = atob(packed.replace(/-/g, '+').replace(/_/g, '/'));
  const bytes = Uint8Array.from(binary, (c) => c.charCodeAt(0));
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
  return new Response(stream).text();
}

// builtIn: { id: text }; readouts(): the program's readouts by name
export function attachLessons(module, links, readouts, builtIn) {
  const box = document.getElementById('lesson');
  const title = box.querySelector('[data-lesson-title]');
  const counter = document.getElementById('lesson-counter');
  const stepTitle = document.getElementById('lesson-step-title');
  const stepText = document.getElementById('lesson-prose');
  const question = document.getElementById('lesson-question');
  const field = box.querySelector('[data-control="lesson-answer"]');
  const check = box.querySelector('[data-control="lesson-check"]');
  const reveal = document.getElementById('lesson-reveal');
  const answer = box.querySelector('[data-quantity="lessonAnswer"]');
  const verdict = box.querySelector('[data-lesson-verdict]');
  const explain = box.querySelector('[data-lesson-explain]');
  const back = box.querySelector('[data-control="lesson-back"]');
  const next = box.querySelector('[data-control="lesson-next"]');
  const problem = document.getElementById('lesson-error');
  const pick = document.querySelector('select[data-control="lesson-pick"]');
  const file = document.querySelector('input[type="file"][data-control="lesson-file"]');
  let lesson = null;
  let source = null; // { id } built in, or { packed } from a file
  let at = 0;
  let checked = false;

  const known = () => new Set(Object.keys(readouts()));
  // a readout as the panel shows it: its words, or its number with the panel's decimals
  const shown = (name, q = readouts()) => {
    const element = document.querySelector(`#panel [data-quantity="${name}"]:not(#lesson *):not(#events *)`);
    const value = q[name];
    if (element && !Number.isFinite(value)) return element.textContent || '–';
    if (['pairKind', 'pairFirstDiagram', 'pairFirstOwn'].includes(name)) return element?.textContent || '–';
    return formatNumber(value, element?.dataset.decimals ? Number(element.dataset.decimals) : 4) || '–';
  };
  const fill = (text, q) => text.replace(/\{([^{}\s]*)\}/g, (_, name) => shown(name, q));
  const setText = (element, text) => {
    if (element.textContent !== text) element.textContent = text;
  };
  let shownProse = null;
  const render = (q = readouts()) => {
    const step = lesson.steps[at];
    setText(title, lesson.title);
    setText(counter, `Step ${at + 1} of ${lesson.steps.length}`);
    setText(stepTitle, step.title);
    const prose = [...(at === 0 ? lesson.intro : []), ...step.prose].map((text) => fill(text, q));
    if (JSON.stringify(prose) !== shownProse) {
      shownProse = JSON.stringify(prose);
      stepText.replaceChildren(...prose.map((text) => {
        const p = document.createElement('p');
        p.textContent = text;
        return p;
      }));
    }
    question.hidden = !step.ask;
    setText(document.getElementById('lesson-ask'), step.ask ? fill(step.ask.text, q) : '');
    reveal.hidden = !checked;
    if (checked) setText(explain, step.explain ? fill(step.explain.text, q) : '');
    back.disabled = at === 0;
    next.disabled = at === lesson.steps.length - 1;
  };

  const showStep = (n, { applyState = true } = {}) => {
    at = Math.max(0, Math.min(lesson.steps.length - 1, n));
    checked = false;
    field.value = '';
    verdict.textContent = '';
    delete verdict.dataset.correct;
    const step = lesson.steps[at];
    withheld.clear();
    if (step.answer) withheld.add(step.answer.text);
    if (applyState && step.state) links.open(step.state.text, { fresh: true });
    render();
    module._webPostRedisplay(); // the step's numbers come with the next frame
  };

  const open = (text, from, options) => {
    const parsed = parseLesson(text, known(), links.problems);
    problem.textContent = parsed.error || '';
    problem.hidden = !parsed.error;
    if (parsed.error) return false;
    lesson = parsed.lesson;
    source = from;
    pick.value = from.id || '';
    box.hidden = false;
    showStep(options?.step ?? 0, options);
    return true;
  };
  const close = () => {
    withheld.clear();
    lesson = null;
    source = null;
    box.hidden = true;
    pick.value = '';
    module._webPostRedisplay();
  };

  const checkPrediction = () => {
    const step = lesson.steps[at];
    if (!step.answer) return;
    const guess = parseNumber(field.value.trim().replace(',', '.'));
    if (Number.isNaN(guess)) {
      verdict.textContent = 'Type your prediction as a number first.';
      delete verdict.dataset.correct;
      return;
    }
    const truth = readouts()[step.answer.text];
    const off = Math.abs(guess - truth);
    const right = off <= RIGHT_WITHIN * Math.max(Math.abs(truth), 1e-12) || off < 1e-12;
    answer.dataset.answerOf = step.answer.text;
    answer.textContent = shown(step.answer.text);
    verdict.dataset.correct = String(right);
    const relative = truth !== 0 ? ` (${Math.round((100 * off) / Math.abs(truth))}% ${guess > truth ? 'high' : 'low'})` : '';
    verdict.textContent = right ? `Right: you said ${field.value.trim()}, the program reads ${answer.textContent}.`
      : `Not quite: you said ${field.value.trim()}, the program reads ${answer.textContent}, ${formatNumber(off, 2)} off${relative}.`;
    checked = true;
    withheld.delete(step.answer.text);
    module._webPostRedisplay(); // the panel shows the readout again
    render();
  };

  check.addEventListener('click', checkPrediction);
  field.addEventListener('keydown', (e) => {
    if (e.key === 'Enter') checkPrediction();
  });
  back.addEventListener('click', () => showStep(at - 1));
  next.addEventListener('click', () => showStep(at + 1));
  box.querySelector('[data-control="lesson-close"]').addEventListener('click', close);

  for (const id of Object.keys(builtIn)) {
    pick.add(new Option(/^# (.*)$/m.exec(builtIn[id])[1], id));
  }
  pick.addEventListener('change', () => {
    if (pick.value) open(builtIn[pick.value], { id: pick.value });
  });

  const openFile = async (chosen) => {
    if (!chosen) return;
    if (chosen.size > MAX_BYTES) {
      problem.textContent = `${chosen.name} is ${Math.ceil(chosen.size / 1024)} KB: a lesson is at most ${MAX_BYTES / 1024} KB.`;
      problem.hidden = false;
      return;
    }
    const text = await chosen.text();
    if (open(text, { packed: null })) source.packed = await squeeze(text);
  };
  file.addEventListener('change', () => openFile(file.files[0]));
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    openFile(e.dataTransfer?.files?.[0]);
  });

  links.add({
    keys: ['lesson', 'lessontext', 'step'],
    check: (key, text) => (key === 'lesson' && !builtIn[text] ? `the lessons are ${Object.keys(builtIn).join(', ')}` : ''),
    apply(values, ignore, given) {
      const step = values.has('step') ? parseNumber(values.get('step').at(-1)) - 1 : 0;
      // the rest of the link is this very state: a step's own state is set only when it is alone
      const options = { step: Number.isInteger(step) ? step : 0, applyState: ![...given].some((k) => !this.keys.includes(k)) };
      if (values.has('lesson')) {
        const id = values.get('lesson').at(-1);
        if (builtIn[id]) open(builtIn[id], { id }, options);
        else ignore('lesson', id, this.check('lesson', id));
      } else if (values.has('lessontext')) {
        const packed = values.get('lessontext').at(-1);
        unsqueeze(packed).then((text) => open(text, { packed }, options))
          .catch(() => ignore('lessontext', packed, 'no lesson can be read from it'));
      }
    },
    write() {
      if (!lesson || !source || (!source.id && !source.packed)) return [];
      return [source.id ? `lesson=${source.id}` : `lessontext=${source.packed}`, `step=${at + 1}`];
    },
  });

  // after every frame: the readouts q in the step's text follow the picture
  return function refresh(q) {
    if (lesson) render(q);
  };
}
