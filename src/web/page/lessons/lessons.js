// Lessons: predict, then check. A lesson is plain text (its format is in
// lessonText.js); built-in lessons open by #lesson=ID, a teacher's own from a
// file (or dropped on the page) and the link then carries it, compressed.
// Each step sets its state; Check judges the readout of that state, whatever
// the picture shows by then, and brings the step's picture back. Lesson text
// is only ever text: no markup in it is interpreted.
// Controls: the picker, the file, Check (or Enter), ±, Back, Next, the step's
// picture and Close.
import { parseNumber, stateOnly } from '../core/link.js';
import { formatNumber, decimalsOf, withheld, WITHHELD_TEXT } from '../core/panel.js';
import { MAX_BYTES, parseLesson, checkMeaning, judge, squeeze, unsqueeze, shownBeforeCheck } from './lessonText.js';
import { t, readNumber, builtInLesson, onLanguage } from '../core/i18n.js';

// builtIn: { id: English text } (builtInLesson gives each in the page's language);
// readouts(): the program's readouts by name
export function attachLessons(module, links, readouts, builtIn) {
  const box = document.getElementById('lesson');
  const title = box.querySelector('[data-lesson-title]');
  const counter = document.getElementById('lesson-counter');
  const stepTitle = document.getElementById('lesson-step-title');
  const stepText = document.getElementById('lesson-prose');
  const ask = document.getElementById('lesson-ask');
  const question = document.getElementById('lesson-question');
  const field = box.querySelector('[data-control="lesson-answer"]');
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
  let stepQ = null; // the readouts of the step's own state, which Check judges
  let stepLink = ''; // that state as a link, to bring the step's picture back

  const known = () => new Set(Object.keys(readouts()));
  // the state now as a link, without the lesson's own parts
  const stateLink = () => stateOnly(links.current());
  // a readout as the panel shows it: its words, or its number with the panel's decimals;
  // '?' for the answer before Check
  const panelElements = new Map(); // each readout's element in the panel, looked up once
  const panelElement = (name) => {
    if (!panelElements.has(name)) {
      panelElements.set(name, document.querySelector(`#panel [data-quantity="${name}"]:not(#lesson *):not(#events *)`));
    }
    return panelElements.get(name);
  };
  const shown = (name, q) => {
    if (withheld.has(name)) return WITHHELD_TEXT;
    const element = panelElement(name);
    const value = q[name];
    if (element && !Number.isFinite(value)) return element.textContent || '–';
    if (['pairKind', 'pairFirstDiagram', 'pairFirstOwn'].includes(name)) return element?.textContent || '–';
    return formatNumber(value, element?.dataset.decimals ? Number(element.dataset.decimals) : decimalsOf(name)) || '–';
  };
  const fill = (text, q) => text.replace(/\{([^{}\s]*)\}/g, (_, name) => shown(name, q));
  const setText = (element, text) => {
    if (element.textContent !== text) element.textContent = text;
  };
  const setFlag = (element, flag, on) => {
    if (element[flag] !== on) element[flag] = on;
  };
  let shownProse = null;
  // q: the readouts of the picture now, which the step's prose follows
  const render = (q) => {
    const step = lesson.steps[at];
    setText(title, lesson.title);
    setText(counter, t('lesson.counter', { step: at + 1, steps: lesson.steps.length }));
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
    setFlag(question, 'hidden', !step.ask);
    setText(ask, step.ask ? fill(step.ask.text, stepQ) : '');
    setFlag(reveal, 'hidden', !checked);
    setText(explain, checked && step.explain ? fill(step.explain.text, stepQ) : '');
    setFlag(back, 'disabled', at === 0);
    setFlag(next, 'disabled', at === lesson.steps.length - 1);
  };

  // applyState false: the rest of the link being opened is the state, set after the
  // step's (rest: that link, when the lesson opens after the rest was set)
  const showStep = (n, { applyState = true, rest = null } = {}) => {
    at = Math.max(0, Math.min(lesson.steps.length - 1, n));
    checked = false;
    field.value = '';
    verdict.textContent = '';
    delete verdict.dataset.correct;
    const step = lesson.steps[at];
    // before Check a question's step shows only what it names (show:, and {name} in
    // its prose and question): no number the answer follows from
    if (step.answer) withheld.allBut(shownBeforeCheck(step, at === 0 ? lesson.introNames : []));
    else withheld.clear();
    if (step.state) links.open(step.state.text, { fresh: true });
    stepQ = readouts();
    stepLink = stateLink();
    if (rest !== null) links.open(rest, { fresh: true });
    else if (!applyState) links.resetAll();
    render(stepQ);
    module._webPostRedisplay(); // the step's numbers come with the next frame
  };

  // each step's state tried in turn, then the state before put back
  const meaningOf = (parsed) => {
    const before = stateLink();
    const tried = new Map();
    const error = checkMeaning(parsed, (state) => {
      if (!tried.has(state)) {
        const unused = [];
        links.open(state, { fresh: true, onIgnore: (part, reason) => unused.push(`${part}: ${reason}`) });
        tried.set(state, { q: readouts(), unused });
      }
      return tried.get(state);
    });
    links.open(before, { fresh: true });
    return error;
  };

  // the lesson opened, or what is wrong with it
  const open = (text, from, options) => {
    const parsed = parseLesson(text, known(), links.problems);
    const error = parsed.error || meaningOf(parsed.lesson);
    setText(problem, error);
    setFlag(problem, 'hidden', !error);
    if (error) return error;
    lesson = parsed.lesson;
    source = from;
    pick.value = from.id || '';
    box.hidden = false;
    showStep(options?.step ?? 0, options);
    return '';
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
    const said = field.value.trim();
    const guess = readNumber(said);
    if (Number.isNaN(guess)) {
      verdict.textContent = t('lesson.typeNumber');
      delete verdict.dataset.correct;
      return;
    }
    const name = step.answer.text;
    const truth = stepQ[name];
    if (!Number.isFinite(truth)) {
      verdict.textContent = t('lesson.notShown', { name });
      return;
    }
    const moved = stateLink() !== stepLink;
    if (moved) links.open(stepLink, { fresh: true });
    checked = true;
    withheld.clear(); // Check shows them all
    const reads = shown(name, stepQ);
    answer.dataset.answerOf = name;
    answer.textContent = reads;
    const result = judge(guess, truth, step.tolerance?.value, name);
    verdict.dataset.correct = String(result === 'right');
    const off = Math.abs(guess - truth);
    const words = { said, reads, off: formatNumber(off, 2), percent: truth !== 0 ? Math.round((100 * off) / Math.abs(truth)) : 0 };
    const wrong = truth === 0 ? 'lesson.notQuite' : guess > truth ? 'lesson.notQuiteHigh' : 'lesson.notQuiteLow';
    verdict.textContent = t({ right: 'lesson.right', sign: 'lesson.wrongSign', wrong }[result], words)
      + (moved ? ` ${t('lesson.pictureBack')}` : '');
    module._webPostRedisplay(); // the panel shows the readout again
    render(readouts());
  };

  box.querySelector('[data-control="lesson-check"]').addEventListener('click', checkPrediction);
  field.addEventListener('keydown', (e) => {
    if (e.key === 'Enter') checkPrediction();
  });
  // a minus sign where a phone's number keys have none
  box.querySelector('[data-control="lesson-sign"]').addEventListener('click', () => {
    field.value = field.value.startsWith('-') ? field.value.slice(1) : `-${field.value}`;
    field.focus();
  });
  back.addEventListener('click', () => showStep(at - 1));
  next.addEventListener('click', () => showStep(at + 1));
  box.querySelector('[data-control="lesson-restore"]').addEventListener('click', () => {
    links.open(stepLink, { fresh: true });
    module._webPostRedisplay();
  });
  box.querySelector('[data-control="lesson-close"]').addEventListener('click', close);

  // the built-in lessons by their titles, in the page's language
  const titles = () => {
    for (const id of Object.keys(builtIn)) {
      const title = /^# (.*)$/m.exec(builtInLesson(id))[1];
      const option = [...pick.options].find((o) => o.value === id);
      if (option) option.text = title;
      else pick.add(new Option(title, id));
    }
  };
  titles();
  pick.addEventListener('change', () => {
    if (pick.value) open(builtInLesson(pick.value), { id: pick.value });
  });
  // another language: the built-in lesson open again in it, at the same step and picture
  onLanguage(() => {
    titles();
    if (!lesson || !source?.id) return;
    const state = stateLink();
    open(builtInLesson(source.id), { id: source.id }, { step: at, rest: state });
  });

  const openFile = async (chosen) => {
    if (!chosen) return;
    if (chosen.size > MAX_BYTES) {
      problem.textContent = t('lesson.tooLarge', { file: chosen.name, size: Math.ceil(chosen.size / 1024), most: MAX_BYTES / 1024 });
      problem.hidden = false;
      return;
    }
    const text = await chosen.text();
    if (!open(text, { packed: null })) source.packed = await squeeze(text);
  };
  file.addEventListener('change', () => openFile(file.files[0]));
  document.querySelector('button[data-control="lesson-open"]').addEventListener('click', () => file.click());
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    openFile(e.dataTransfer?.files?.[0]);
  });

  links.add({
    keys: ['lesson', 'lessontext', 'step'],
    check: (key, text) => (key === 'lesson' && !builtIn[text] ? t('link.lessons', { lessons: Object.keys(builtIn).join(', ') }) : ''),
    apply(values, ignore, given) {
      const step = values.has('step') ? parseNumber(values.get('step').at(-1)) - 1 : 0;
      if (!Number.isInteger(step) || step < 0) ignore('step', values.get('step').at(-1), t('link.step'));
      // the rest of the link is this very state: it is set on top of the step's
      const options = { step: Number.isInteger(step) ? step : 0, applyState: ![...given].some((k) => !this.keys.includes(k)) };
      if (values.has('lesson')) {
        const id = values.get('lesson').at(-1);
        const error = builtIn[id] ? open(builtInLesson(id), { id }, options) : this.check('lesson', id);
        if (error) ignore('lesson', id, error);
      } else if (values.has('lessontext')) {
        const packed = values.get('lessontext').at(-1);
        const unreadable = t('link.lessonUnreadable');
        // read after the rest of the link is set: the step's state comes first, then that again
        const rest = options.applyState ? null : stateOnly(window.location.hash.slice(1));
        unsqueeze(packed).then((text) => {
          const error = open(text, { packed }, { ...options, rest });
          if (error) ignore('lessontext', packed, error);
        }, () => ignore('lessontext', packed, unreadable));
      }
    },
    write() {
      if (!lesson || !source || (!source.id && !source.packed)) return [];
      return [source.id ? `lesson=${source.id}` : `lessontext=${source.packed}`, `step=${at + 1}`];
    },
  });

  // after every frame: the readouts q in the step's prose follow the picture
  return function refresh(q) {
    if (lesson) render(q);
  };
}
