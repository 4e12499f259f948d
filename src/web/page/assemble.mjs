// Assembles the one-file page: page.html with its help and the lesson format's
// help (help.html, lessonHelp.html), its texts filled in English from
// i18n/en.json, and the style; then, packed (deflate, then base64, unpacked by
// unpack.js when the page starts), the compiled program's WebAssembly and one
// module script of its JavaScript and the page's ES modules, with the built-in
// lessons (data/lessons, as the module builtInLessons.js) and the other
// languages' messages and lessons (i18n/<language>.json,
// data/lessons/<language>/, as core/languagePacks.js). The modules share that
// script, in the order given: each but the last runs in a scope of its own and
// hands on only what it exports; their relative imports are dropped, as the
// names are then in scope.
// Usage: node assemble.mjs lorentz-demo.js out.html (lorentz-demo.wasm beside the .js)
import { existsSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { deflateRawSync } from 'node:zlib';

const here = dirname(fileURLToPath(import.meta.url));
const LESSONS = ['time-dilation', 'length-contraction', 'simultaneity', 'twin-paradox', 'thomas-wigner', 'searchlight',
  'thomas-precession', 'terrell-penrose', 'accelerated-rocket', 'bell-spaceships'];
// by folder: the page's plumbing (core), input, the 2D diagrams, the 3D scenes,
// lessons and what a class does with a picture (classroom)
const MODULES = ['lessons/builtInLessons.js', 'core/languagePacks.js', 'core/i18n.js', 'core/link.js', 'input/input.js', 'input/keys.js', 'core/announce.js',
  'core/panel.js', 'core/legend.js', 'diagrams/pair.js', 'diagrams/events.js', 'core/player.js', 'diagrams/twins.js',
  'scenes/camera.js', 'scenes/scenes.js', 'diagrams/rocket.js', 'lessons/lessonText.js', 'lessons/lessons.js',
  'classroom/picture.js', 'lessons/lessonHelp.js',
  'classroom/fold.js', 'classroom/present.js', 'core/history.js', 'classroom/share.js', 'page.js'];
const [programPath, outPath] = process.argv.slice(2);
const read = (name) => readFileSync(join(here, name), 'utf8');
const lessonsFolder = join(here, '../../../data/lessons');
const lessonText = (id, language = '') => readFileSync(join(lessonsFolder, language, `${id}.txt`), 'utf8');
const ENGLISH = JSON.parse(read('i18n/en.json'));
// each other language: its messages and its translated lessons
const packOf = (language) => {
  const lessons = Object.fromEntries(LESSONS.filter((id) => existsSync(join(lessonsFolder, language, `${id}.txt`)))
    .map((id) => [id, lessonText(id, language)]));
  return { messages: JSON.parse(read(`i18n/${language}.json`)), lessons };
};
const languages = readdirSync(join(here, 'i18n')).filter((f) => f.endsWith('.json') && f !== 'en.json').map((f) => f.slice(0, -5));
const generated = {
  'lessons/builtInLessons.js': `export const BUILT_IN_LESSONS = ${JSON.stringify(Object.fromEntries(LESSONS.map((id) => [id, lessonText(id)])), null, 1)};\n`,
  'core/languagePacks.js': `export const ENGLISH = ${JSON.stringify(ENGLISH)};\n`
    + `export const PACKS = ${JSON.stringify(Object.fromEntries(languages.map((l) => [l, packOf(l)])))};\n`,
};
const escapeText = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
const escapeAttribute = (text) => escapeText(text).replace(/"/g, '&quot;');
const english = (key) => {
  if (!(key in ENGLISH)) throw new Error(`i18n/en.json has no ${key}`);
  return ENGLISH[key];
};
// the page's own texts in English, as translateStatic (core/i18n.js) writes any language
const inEnglish = (html) => html
  .replace(/(<([a-z0-9]+)\b[^>]*\sdata-i18n="([^"]+)"[^>]*>)(<\/\2>)/g, (_, open, tag, key, close) => open + escapeText(english(key)) + close)
  .replace(/(<([a-z0-9]+)\b[^>]*\sdata-i18n-html="([^"]+)"[^>]*>)(<\/\2>)/g, (_, open, tag, key, close) => open + english(key) + close)
  .replace(/(<[a-z0-9]+\b[^>]*?\sdata-i18n-attr="([^"]+)")/g, (whole, open, spec) => open + spec.split(';')
    .map((pair) => { const [attribute, key] = pair.split('='); return ` ${attribute}="${escapeAttribute(english(key))}"`; }).join(''));
const scriptSafe = (text) => text.replace(/<\/script/gi, '<\\/script');

function inlineModule(name, isLast) {
  const source = (generated[name] ?? read(name)).replace(/^import .* from '\.\.?\/.*';\n/gm, '');
  const exported = [...source.matchAll(/^export (?:async )?(?:function|const|let|class) (\w+)/gm)].map((m) => m[1]);
  const body = source.replace(/^export /gm, '');
  if (isLast) return body;
  return `const { ${exported.join(', ')} } = (() => {\n${body}\nreturn { ${exported.join(', ')} };\n})();\n`;
}

// whole-line comments are for the sources' readers: the packed code leaves them out
const withoutComments = (text) => text.replace(/^\s*\/\/.*\n/gm, '');
const packed = (bytes) => deflateRawSync(bytes, { level: 9 }).toString('base64');
const code = `${readFileSync(programPath, 'utf8')}\n${MODULES.map((m, i) => withoutComments(inlineModule(m, i === MODULES.length - 1))).join('\n')}`;
const wasm = readFileSync(programPath.replace(/\.js$/, '.wasm'));
const parts = {
  '<!-- help -->': read('help.html').replace(/^<!--[\s\S]*?-->\n/, ''),
  '<!-- lesson format -->': read('lessonHelp.html').replace(/^<!--[\s\S]*?-->\n/, ''),
  '<!-- style -->': `<style>\n${read('page.css')}</style>`,
  '<!-- program -->': `<script id="packed-program" type="application/x-deflate-base64">${packed(wasm)}</script>`,
  '<!-- page -->': `<script id="packed-code" type="application/x-deflate-base64">${packed(Buffer.from(code))}</script>\n`
    + `<script type="module">\n${scriptSafe(read('unpack.js'))}</script>`,
};
let page = read('page.html');
for (const [marker, content] of Object.entries(parts)) {
  page = page.replace(marker, () => content);
}
// English in the markup before the scripts, so that the page reads before they run
page = inEnglish(page.slice(0, page.indexOf('<script'))) + page.slice(page.indexOf('<script'));
writeFileSync(outPath, page);
