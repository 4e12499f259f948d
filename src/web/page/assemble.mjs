// Assembles the one-file page: page.html with its help and the lesson format's
// help (help.html, lessonHelp.html), the style, the compiled program
// (its WebAssembly inlined by the build), the built-in lessons (data/lessons,
// as the module builtInLessons.js) and the page's ES modules put inside. The
// modules share one module script, in the order given: each but the last runs
// in a scope of its own and hands on only what it exports; their relative
// imports are dropped, as the names are then in scope.
// Usage: node assemble.mjs lorentz-demo.js out.html
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const LESSONS = ['time-dilation', 'length-contraction', 'simultaneity', 'twin-paradox', 'thomas-wigner', 'searchlight',
  'thomas-precession', 'terrell-penrose'];
// by folder: the page's plumbing (core), input, the 2D diagrams, the 3D scenes,
// lessons and what a class does with a picture (classroom)
const MODULES = ['lessons/builtInLessons.js', 'core/link.js', 'input/input.js', 'input/keys.js', 'core/announce.js',
  'core/panel.js', 'core/legend.js', 'diagrams/pair.js', 'diagrams/events.js', 'core/player.js', 'diagrams/twins.js',
  'scenes/camera.js', 'scenes/scenes.js', 'lessons/lessonText.js', 'lessons/lessons.js', 'classroom/picture.js',
  'lessons/lessonHelp.js',
  'classroom/fold.js', 'classroom/present.js', 'core/history.js', 'classroom/share.js', 'page.js'];
const [programPath, outPath] = process.argv.slice(2);
const read = (name) => readFileSync(join(here, name), 'utf8');
const lessonText = (id) => readFileSync(join(here, '../../../data/lessons', `${id}.txt`), 'utf8');
const generated = {
  'lessons/builtInLessons.js': `export const BUILT_IN_LESSONS = ${JSON.stringify(Object.fromEntries(LESSONS.map((id) => [id, lessonText(id)])), null, 1)};\n`,
};
const scriptSafe = (text) => text.replace(/<\/script/gi, '<\\/script');

function inlineModule(name, isLast) {
  const source = (generated[name] ?? read(name)).replace(/^import .* from '\.\.?\/.*';\n/gm, '');
  const exported = [...source.matchAll(/^export (?:async )?(?:function|const|let|class) (\w+)/gm)].map((m) => m[1]);
  const body = source.replace(/^export /gm, '');
  if (isLast) return body;
  return `const { ${exported.join(', ')} } = (() => {\n${body}\nreturn { ${exported.join(', ')} };\n})();\n`;
}

const parts = {
  '<!-- help -->': read('help.html').replace(/^<!--[\s\S]*?-->\n/, ''),
  '<!-- lesson format -->': read('lessonHelp.html').replace(/^<!--[\s\S]*?-->\n/, ''),
  '<!-- style -->': `<style>\n${read('page.css')}</style>`,
  '<!-- program -->': `<script>\n${scriptSafe(readFileSync(programPath, 'utf8'))}</script>`,
  '<!-- page -->': `<script type="module">\n${scriptSafe(MODULES.map((m, i) => inlineModule(m, i === MODULES.length - 1)).join('\n'))}</script>`,
};
let page = read('page.html');
for (const [marker, content] of Object.entries(parts)) {
  page = page.replace(marker, () => content);
}
writeFileSync(outPath, page);
