// Bad input in the static page, whose host works in the page's worker:
// drawings that are malformed, nested too deep, full of entities or larger
// than the page's memory budget once inflated are refused on the page with
// the line `contour apply` gives for them, and the worker goes on with the
// drawing it had; a hostile drawing's scripts and references stay inert, and
// the page asks nothing of any other origin.
//   CONTOUR_WEB_PAGE  the built out/web/ folder (required)
//   CONTOUR_BIN       the built `contour` program (required)
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { gzipSync } from 'node:zlib';
import {
  andRedraw, contourBin, drawing, hostileDrawing, launchBrowser, openPage, shapeCount, startLure, state, twoShapes, workDir,
  writeDrawing,
} from './support/editor.js';
import { dropFile, openContour } from './support/gestures.js';
import { serve, site, siteWith } from './support/static-site.js';

if (!site) throw new Error('set CONTOUR_WEB_PAGE to the built out/web folder');
// The page's memory budget: a quarter of its WebAssembly memory
// (CONTOUR_WASM_MEMORY_MB, 1024 MB; easel/wasm/WorkerHost.cpp).
const PAGE_BUDGET_MB = 256;
const SVG = 'xmlns="http://www.w3.org/2000/svg"';

// A drawing of a few hundred kilobytes that inflates past the budget: one
// gzip member of the root's start, then members of 16 MB of spaces.
function inflatingPast(mb) {
  const spaces = gzipSync(Buffer.alloc(16 << 20, 32), { level: 1 });
  return Buffer.concat([gzipSync(`<svg ${SVG}>`), ...Array(Math.ceil(mb / 16) + 1).fill(spaces), gzipSync('</svg>')]);
}

// The line `contour apply` gives for the drawing, with the page's budget.
function applyLine(name, bytes) {
  const dir = workDir();
  writeDrawing(dir, name, bytes);
  const run = spawnSync(contourBin, ['apply', name, '-o', 'out.svg', '--memory-budget', String(PAGE_BUDGET_MB)],
    { cwd: dir, encoding: 'utf8' });
  assert.notEqual(run.status, 0, `contour apply took ${name}`);
  return run.stderr.trim().replace(/^contour: /, '');
}

describe('drawings the static page refuses', () => {
  let server, browser, page, asked;

  before(async () => {
    server = await serve(siteWith('shapes.svg', twoShapes));
    browser = await launchBrowser();
    const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
    asked = [];
    context.on('requestfinished', (r) => asked.push(r.url()));  // the worker's too; none a policy refused
    page = await openPage(context, { address: `${server.address}?drawing=shapes.svg` });
  });
  after(async () => {
    await browser?.close();
    server?.stop();
  });

  const cases = [
    ['broken.svg', Buffer.from(`<svg ${SVG}><rect`)],
    ['deep.svg', Buffer.from(`<svg ${SVG}>${'<g>'.repeat(2001)}${'</g>'.repeat(2001)}</svg>`)],
    ['laughs.svg', Buffer.from(`<?xml version="1.0"?><!DOCTYPE svg [<!ENTITY a "${'a'.repeat(100)}">`
      + [...'bcdefgh'].map((e, i) => `<!ENTITY ${e} "${`&${'abcdefgh'[i]};`.repeat(10)}">`).join('')
      + `]><svg ${SVG}><text>&h;</text></svg>`)],
    ['huge.svgz', inflatingPast(PAGE_BUDGET_MB)],
  ];
  for (const [name, bytes] of cases) {
    test(`${name}: the line contour apply gives, and the drawing stays`, async () => {
      const line = applyLine(name, bytes);
      const before = await drawing(page);
      await dropFile(page, name, bytes);
      await page.waitForFunction((n) => document.getElementById('status').textContent.includes(n)
        && !window.contourEditor.busy(), name);
      const said = await page.locator('#status').textContent();
      assert.ok(said.includes(line.slice(line.indexOf(name))), `${said}\nnot: ${line}`);
      assert.ok(!said.includes('\n'), said);
      assert.ok(!said.includes(`/${name}`), said);  // as it was dropped, not where the worker keeps it
      assert.ok(await page.locator('#status.error').count());
      const now = await page.evaluate(async () => (await import('./js/api.js')).getState());
      assert.equal(now.file, 'shapes.svg');  // the worker answers, with the drawing it had
      assert.equal(await drawing(page), before);
    });
  }

  test('nothing was asked of another origin', () => {
    assert.deepEqual(asked.filter((url) => !url.startsWith(server.address)), []);
  });
});

describe('a hostile drawing in the static page', () => {
  test('its scripts, event attributes and references stay inert, also in a preview', async () => {
    const lure = await startLure();
    const server = await serve(siteWith('bait.svg', hostileDrawing(lure.address)));
    const browser = await launchBrowser();
    try {
      const context = await browser.newContext();
      const asked = [];
      context.on('requestfinished', (r) => asked.push(r.url()));
      const page = await openPage(context, { address: `${server.address}?drawing=bait.svg` });
      await andRedraw(page, () => page.keyboard.press('Control+a'));
      await openContour(page);
      assert.equal(shapeCount(await drawing(page)), 1 + 13);  // the rect's contours were patched in
      await page.mouse.move(120, 180);
      await page.mouse.move(140, 200);
      assert.equal(await page.evaluate(() => window.ran), undefined);
      assert.equal((await state(page)).file, 'bait.svg');
      assert.equal(lure.loads(), 0);
      assert.deepEqual(asked.filter((url) => !url.startsWith(server.address)), []);
    } finally {
      await browser.close();
      server.stop();
      lure.stop();
    }
  });
});
