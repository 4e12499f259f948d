// The page in the class's language: every word it shows or speaks comes from
// a message file per language (src/web/page/i18n/*.json, with the page's code
// in the page, packed). The
// language comes from the link (lang=), else the browser's preferred
// languages, else English; a chooser in the panel names each language in its
// own name, and the link keeps lang= once one is chosen. <html lang> and dir
// follow; Arabic lays the page out right to left, never the picture. Numbers
// are written the local way (0,60) and read with a comma or a point; links
// always write a point.
// Controls: the language chooser.
import { ENGLISH, PACKS } from './languagePacks.js';
import { BUILT_IN_LESSONS } from '../lessons/builtInLessons.js';

// code: [own name, direction, decimal mark]
export const LANGUAGES = {
  en: ['English', 'ltr', '.'],
  es: ['Español', 'ltr', ','],
  'pt-BR': ['Português (Brasil)', 'ltr', ','],
  fr: ['Français', 'ltr', ','],
  de: ['Deutsch', 'ltr', ','],
  'zh-CN': ['简体中文', 'ltr', '.'],
  ar: ['العربية', 'rtl', '.'],
};
// a regional variant falls back to its language
const FALLBACK = { es: 'es', pt: 'pt-BR', fr: 'fr', de: 'de', zh: 'zh-CN', ar: 'ar', en: 'en' };

let code = 'en';
let messages = ENGLISH;
let lessons = {};
let chosen = false; // a language given by a link or the chooser: the link keeps it
export const i18n = { version: 0 }; // changes with the language, for what caches its texts
const listeners = [];

// the languages this page has messages for
const available = () => Object.keys(LANGUAGES).filter((c) => c === 'en' || PACKS[c]);

// The language code for a tag ('es-MX' gives 'es', 'pt-PT' 'pt-BR'), or '' for none we have.
export function languageOf(tag) {
  const exact = available().find((c) => c.toLowerCase() === String(tag).toLowerCase());
  const fallback = FALLBACK[String(tag).toLowerCase().split(/[-_]/)[0]];
  return exact || (available().includes(fallback) ? fallback : '');
}

export const pageLanguage = () => code;
export const textDirection = () => LANGUAGES[code][1];

// The text of key in the page's language (English where a pack lacks it), its
// {name} placeholders filled from params.
export function t(key, params = {}) {
  const text = messages[key] ?? ENGLISH[key];
  if (text === undefined) {
    console.error(`no message ${key}`);
    return key;
  }
  return text.replace(/\{(\w+)\}/g, (whole, name) => (name in params ? String(params[name]) : whole));
}

// A number written with a point (0.60) the local way (0,60); in a right-to-left
// language isolated left to right, so that its minus stays in front (-0.60).
export function localNumber(text) {
  const local = LANGUAGES[code][2] === '.' ? text : text.replace('.', LANGUAGES[code][2]);
  return LANGUAGES[code][1] === 'rtl' ? `\u2066${local}\u2069` : local;
}
// A number typed the local way or with a point, or with the Unicode minus; NaN for anything else.
const NUMBER = /^[+-]?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/i;
export function readNumber(text) {
  const plain = String(text).replace(/[\u200e\u200f\u2066-\u2069]/g, '').trim().replace(/^\u2212/, '-').replace(',', '.');
  return NUMBER.test(plain) ? Number(plain) : NaN;
}

// A built-in lesson in the page's language, else in English.
export const builtInLesson = (id) => lessons[id] ?? BUILT_IN_LESSONS[id];


// The page's fixed texts: data-i18n (text), data-i18n-html (our own markup:
// <kbd>, <code>, <strong>), data-i18n-attr ("aria-label=key;title=key").
export function translateStatic(root = document) {
  for (const e of root.querySelectorAll('[data-i18n]')) e.textContent = t(e.dataset.i18n);
  for (const e of root.querySelectorAll('[data-i18n-html]')) e.innerHTML = t(e.dataset.i18nHtml);
  for (const e of root.querySelectorAll('[data-i18n-attr]')) {
    for (const pair of e.dataset.i18nAttr.split(';')) {
      const [attribute, key] = pair.split('=');
      e.setAttribute(attribute, t(key));
    }
  }
}

// A language from a message file not built into the page (a translation being
// written, or a test's), with meta [own name, direction, decimal mark].
export function addLanguage(code, meta, messages, lessons = {}) {
  LANGUAGES[code] = meta;
  PACKS[code] = { messages, lessons };
}

// listener(): texts to write again in the new language
export const onLanguage = (listener) => listeners.push(listener);

export async function setLanguage(wanted, { byChoice = true } = {}) {
  const next = languageOf(wanted) || 'en';
  const pack = next === 'en' ? { messages: ENGLISH, lessons: {} } : PACKS[next];
  code = next;
  messages = pack.messages;
  lessons = pack.lessons;
  chosen = chosen || byChoice;
  i18n.version += 1;
  document.documentElement.lang = code;
  document.documentElement.dir = textDirection();
  translateStatic();
  for (const listener of listeners) listener();
  const picker = document.querySelector('select[data-control="language"]');
  if (picker && picker.value !== code) picker.value = code;
  return next;
}

// The browser's preferred language we have, else English.
export const preferredLanguage = () => (navigator.languages || [navigator.language]).map(languageOf).find(Boolean) || 'en';

// The chooser and the link part lang=; settled(): the page's language is set (the
// link's, or the browser's), before anything reads a text.
export function attachLanguages(links, redisplay) {
  const picker = document.querySelector('select[data-control="language"]');
  for (const c of available()) {
    const option = new Option(LANGUAGES[c][0], c);
    option.lang = c;
    picker.add(option);
  }
  picker.value = code;
  picker.addEventListener('change', async () => {
    await setLanguage(picker.value);
    redisplay();
  });
  links.add({
    keys: ['lang'],
    check: (key, text) => (languageOf(text) ? '' : t('link.lang', { languages: available().join(', ') })),
    apply(values, ignore) {
      const text = values.get('lang').at(-1);
      if (!languageOf(text)) ignore('lang', text, t('link.lang', { languages: available().join(', ') }));
      else if (languageOf(text) !== code) setLanguage(text).then(redisplay);
      chosen = true;
    },
    write: () => (chosen ? [`lang=${code}`] : []),
  });
}
