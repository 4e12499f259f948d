// The message files, read as files: every language has exactly English's keys,
// each text keeps English's named placeholders and its markup; every key the
// page's markup and modules name is in English; and each translated built-in
// lesson keeps its English original's steps and keys (state:, show:, answer:,
// tolerance: as they are), so that one format serves every language.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, readdirSync, existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const ROOT = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const PAGE = join(ROOT, 'src/web/page');
const LESSONS = join(ROOT, 'data/lessons');
const read = (path) => readFileSync(path, 'utf8');
const english = JSON.parse(read(join(PAGE, 'i18n/en.json')));
const languages = readdirSync(join(PAGE, 'i18n')).filter((f) => f.endsWith('.json') && f !== 'en.json').map((f) => f.slice(0, -5));

const placeholders = (text) => [...text.matchAll(/\{(\w*)\}/g)].map((m) => m[1]).sort();
const tags = (text) => [...text.matchAll(/<\/?([a-z]+)([^>]*)>/g)].map((m) => `${m[1]}${m[2]}`).sort();
const sources = (folder) => readdirSync(folder, { withFileTypes: true }).flatMap((e) => (e.isDirectory()
  ? sources(join(folder, e.name)) : e.name.endsWith('.js') || e.name.endsWith('.html') ? [join(folder, e.name)] : []));

describe('the message files', () => {
  test('every language has exactly the keys, placeholders and markup of English', () => {
    assert.ok(languages.length >= 6, `languages: ${languages.join(', ')}`);
    for (const language of languages) {
      const messages = JSON.parse(read(join(PAGE, `i18n/${language}.json`)));
      const missing = Object.keys(english).filter((key) => !(key in messages));
      const extra = Object.keys(messages).filter((key) => !(key in english));
      assert.deepEqual([missing, extra], [[], []], `${language}: keys missing, keys English lacks`);
      for (const [key, text] of Object.entries(english)) {
        assert.deepEqual(placeholders(messages[key]), placeholders(text), `${language} ${key}: placeholders`);
        assert.deepEqual(tags(messages[key]), tags(text), `${language} ${key}: markup`);
        assert.ok(messages[key].trim(), `${language} ${key}: empty`);
      }
    }
  });

  test('every key the page names is in English', () => {
    const named = new Set();
    for (const path of sources(PAGE)) {
      const text = read(path);
      for (const m of text.matchAll(/data-i18n(?:-html)?="([^"]+)"/g)) named.add(m[1]);
      for (const m of text.matchAll(/data-i18n-attr="([^"]+)"/g)) m[1].split(';').forEach((p) => named.add(p.split('=')[1]));
      for (const m of text.matchAll(/\bt\('([\w.]+)'/g)) named.add(m[1]);
    }
    assert.deepEqual([...named].filter((key) => !(key in english)), []);
  });

  test('each translated lesson keeps its original’s steps, states, questions and answers', () => {
    const skeleton = (text) => text.split(/\r?\n/).filter((line) => /^(##? |state:|show:|answer:|tolerance:|ask:|explain:)/i.test(line))
      .map((line) => (/^(##? )/.test(line) ? line.slice(0, line.indexOf(' ')) : /^(ask|explain):/i.test(line)
        ? line.slice(0, line.indexOf(':')) : line.replace(/\s+/g, '')));
    const ids = readdirSync(LESSONS).filter((f) => f.endsWith('.txt')).map((f) => f.slice(0, -4));
    for (const language of languages) {
      for (const id of ids) {
        const path = join(LESSONS, language, `${id}.txt`);
        assert.ok(existsSync(path), `${language}: ${id} translated`);
        const [original, translated] = [read(join(LESSONS, `${id}.txt`)), read(path)];
        assert.deepEqual(skeleton(translated), skeleton(original), `${language} ${id}`);
        const names = (text) => [...text.matchAll(/\{([^{}\s]*)\}/g)].map((m) => m[1]).sort();
        assert.deepEqual(names(translated), names(original), `${language} ${id}: {readouts}`);
      }
    }
  });
});
