// What a reader of a generated document base sees, checked in headless Chromium.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, '..', '..');
const chromiumPath = process.env.CHROMIUM || '/usr/bin/chromium';

function findProgram() {
  if (process.env.DOCBASE_PROGRAM) return process.env.DOCBASE_PROGRAM;
  const build = path.join(repo, 'build', 'default');
  const found = fs.existsSync(build) && fs.readdirSync(build).find((n) => n.endsWith('.exe'));
  return found ? path.join(build, found) : null;
}

const program = findProgram();
let skipReason = null;
if (!fs.existsSync(chromiumPath)) skipReason = `no browser at ${chromiumPath}`;
else if (!program) skipReason = 'the program is not built (build/default/*.exe)';
if (skipReason && process.env.CI) {
  throw new Error(`browser tests cannot run in CI: ${skipReason}`);
}

let browser;
let base;  // the htm_out folder
let work;

function buildDocumentBase() {
  work = fs.mkdtempSync(path.join(os.tmpdir(), 'docbase_browser_'));
  const txtIn = path.join(work, 'txt_in');
  fs.mkdirSync(txtIn);
  const fixtures = path.join(repo, 'tests', 'fixtures', 'browser', 'txt_in');
  for (const name of fs.readdirSync(fixtures)) {
    fs.copyFileSync(path.join(fixtures, name), path.join(txtIn, name));
  }
  const local = path.join(work, path.basename(program));
  fs.copyFileSync(program, local);
  fs.chmodSync(local, 0o755);
  execFileSync(local, [], { cwd: work, input: '1111\n\n', stdio: ['pipe', 'ignore', 'ignore'] });
  base = path.join(work, 'htm_out');
}

function pageUrl(name, fragment = '') {
  return pathToFileURL(path.join(base, name)).href + fragment;
}

before(async () => {
  if (skipReason) return;
  buildDocumentBase();
  const { chromium } = await import('playwright-core');
  browser = await chromium.launch({
    executablePath: chromiumPath,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
});

after(async () => {
  if (browser) await browser.close();
  if (work) fs.rmSync(work, { recursive: true, force: true });
});

// The word id of the first span whose text is word, on an open page.
async function wordId(page, word) {
  return page.evaluate((w) => {
    const span = [...document.querySelectorAll('span[ondblclick]')].find((s) => s.textContent === w);
    return span ? span.id : null;
  }, word);
}

async function styleOf(page, selector) {
  return page.evaluate((sel) => [...document.querySelectorAll(sel)].map((e) => {
    const s = getComputedStyle(e);
    return { weight: s.fontWeight, color: s.color, size: s.fontSize, display: s.display };
  }), selector);
}

async function open(name, fragment = '') {
  const page = await browser.newPage();
  await page.goto(pageUrl(name, fragment));
  return page;
}

const skip = () => skipReason !== null;

test('a word opened by its fragment is highlighted with its link groups', { skip: skip() && skipReason }, async () => {
  const first = await open('page_02.htm');
  const id = await wordId(first, 'keeper');
  const other = await wordId(first, 'lighthouse');
  assert.ok(id && other, 'the page holds the words');
  const page = await open('page_02.htm', `#${id}`);
  const normal = (await styleOf(page, `span[ondblclick]#${other}`))[0];
  const spans = await styleOf(page, `span[ondblclick]#${id}`);
  assert.equal(spans.length, 3);
  for (const s of spans) {
    assert.equal(s.weight, '700');
    assert.equal(s.color, 'rgb(255, 0, 0)');
    assert.equal(parseFloat(s.size), parseFloat(normal.size) * 1.4);
  }
  assert.equal(normal.weight, '400');
  const groups = await styleOf(page, `span[hidden]#${id}`);
  assert.equal(groups.length, 3);
  for (const g of groups) assert.equal(g.display, 'inline');
  const hidden = await styleOf(page, `span[hidden]#${other}`);
  for (const g of hidden) assert.equal(g.display, 'none');
});

test('a double click opens the page with the word highlighted', { skip: skip() && skipReason }, async () => {
  const page = await open('page_02.htm');
  const id = await wordId(page, 'ships');
  const [popup] = await Promise.all([
    page.waitForEvent('popup'),
    page.dblclick(`span[ondblclick]#${id} >> nth=0`),
  ]);
  await popup.waitForLoadState();
  assert.ok(popup.url().endsWith(`page_02.htm#${id}`), popup.url());
  const spans = await styleOf(popup, `span[ondblclick]#${id}`);
  assert.ok(spans.length > 0);
  for (const s of spans) assert.equal(s.weight, '700');
});

// Follows a link of a visible link group and tells what element it lands on.
async function follow(page, selector) {
  const href = await page.getAttribute(selector, 'href');
  const target = new URL(href, page.url());
  const landed = await browser.newPage();
  await landed.goto(target.href);
  const fragment = decodeURIComponent(target.hash.slice(1));
  const found = fragment === '' ? true
    : await landed.evaluate((f) => document.getElementById(f) !== null, fragment);
  return { landed, href, fragment, found };
}

test('the links of a link group land on their targets', { skip: skip() && skipReason }, async () => {
  const first = await open('page_02.htm');
  const id = await wordId(first, 'keeper');
  const page = await open('page_02.htm', `#${id}`);
  const group = `span[hidden]#${id} >> nth=0`;
  const next = await follow(page, `${group} >> a:text-is(">")`);
  assert.equal(next.fragment, `${id}_2`);
  assert.ok(next.found, 'next occurrence anchor exists');
  const index = await follow(page, `${group} >> a:text-is("i")`);
  assert.match(index.href, /^i_1\.htm#/);
  assert.ok(index.found, 'word index entry exists');
  const search = await follow(page, `${group} >> a:text-is("s")`);
  assert.equal(search.href, `s_1.htm#${id}_1`);
  assert.ok(search.found, 'search page occurrence exists');
  const contents = await follow(page, `${group} >> a:text-is("c")`);
  assert.equal(contents.href, 'files_list.htm');
  const onward = await follow(page, `${group} >> a:text-is(">>)")`);
  assert.ok(onward.href.startsWith('page_0'), onward.href);
  assert.notEqual(onward.href.split('#')[0], 'page_02.htm');
  const there = await styleOf(onward.landed, `span[ondblclick]#${id}`);
  assert.ok(there.length > 0, 'the next page holds the word');
  for (const s of there) assert.equal(s.weight, '700');
});

test('a search page highlights the occurrence of its fragment', { skip: skip() && skipReason }, async () => {
  const first = await open('page_02.htm');
  const id = await wordId(first, 'lighthouse');
  const page = await open('s_1.htm', `#${id}_1`);
  const marked = await styleOf(page, `#${id}_1`);
  assert.equal(marked.length, 1);
  assert.equal(marked[0].weight, '700');
  assert.equal(marked[0].color, 'rgb(255, 0, 0)');
  const other = await styleOf(page, `#${id}_2`);
  assert.equal(other[0].weight, '400');
});

// The element ids of a page as the browser sees them; words of the title
// line stand inside the title element, whose content is text, so their ids
// are found in the title's text instead.
const idCache = new Map();
async function idsOf(file) {
  if (!idCache.has(file)) {
    const page = await open(file);
    const ids = await page.evaluate(() => {
      const found = [...document.querySelectorAll('[id]')].map((e) => e.id);
      for (const m of document.title.matchAll(/id="([^"]*)"/g)) found.push(m[1]);
      return found;
    });
    idCache.set(file, new Set(ids));
    await page.close();
  }
  return idCache.get(file);
}

test('every link of index.htm and i_1.htm reaches its target', { skip: skip() && skipReason }, async () => {
  for (const name of ['index.htm', 'i_1.htm']) {
    const page = await open(name);
    const hrefs = await page.evaluate(() => [...document.querySelectorAll('a[href]')]
      .map((a) => a.getAttribute('href')).filter((h) => !h.startsWith('http')));
    await page.close();
    assert.ok(hrefs.length > 0);
    for (const href of new Set(hrefs)) {
      const [file, fragment] = href.split('#');
      assert.ok(fs.existsSync(path.join(base, file)), `${name}: ${href}`);
      if (fragment) assert.ok((await idsOf(file)).has(fragment), `${name}: ${href}`);
    }
  }
});

test('non-ASCII words display as their characters', { skip: skip() && skipReason }, async () => {
  const page = await open('page_04.htm');
  const text = await page.evaluate(() => document.body.innerText);
  for (const word of ['čas', 'življenje', 'слово', '日本語', '東京']) {
    assert.ok(text.includes(word), word);
  }
  const index = await open('index.htm');
  const indexText = await index.evaluate(() => document.body.innerText);
  assert.ok(indexText.includes('книга'));
});
