// The page as a static site (out/web/ from scripts/build-web.sh), served by a
// plain file server on 127.0.0.1 with no project code behind it: the editor's
// host runs in the page's Web Worker. What the transport changes: the first
// paint, a preview and its Cancel, and Save, whose drawing must be the bytes
// `contour apply` writes for the same drawing, settings and seed.
//   CONTOUR_WEB_PAGE  the built out/web/ folder (required)
//   CONTOUR_BIN       the built `contour` program (required)
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { andRedraw, contourBin, launchBrowser, state } from './support/editor.js';
import { menu, settingsWindow } from './support/gestures.js';
import { serve, site, siteWith } from './support/static-site.js';

if (!site) throw new Error('set CONTOUR_WEB_PAGE to the built out/web folder');
const root = path.resolve(import.meta.dirname, '..', '..');
const SEED = 7;

const settings = (page) => page.locator(settingsWindow);

describe('the static page', () => {
  let server, browser, page;
  const requests = [];

  before(async () => {
    server = await serve();
    browser = await launchBrowser();
    page = await browser.newPage({ viewport: { width: 1280, height: 900 }, acceptDownloads: true });
    // As in a browser without the File System Access API: Save downloads.
    await page.addInitScript(() => { delete window.showSaveFilePicker; });
    page.on('request', (r) => requests.push(r.url()));
    await page.goto(`${server.address}?seed=${SEED}`);
    await page.waitForFunction(() => window.contourEditor && window.contourEditor.drawn() > 0);
  });

  after(async () => {
    await browser?.close();
    server?.stop();
  });

  // How soon it paints is a benchmark's figure (preview-bench.js firstpaint), not a test's.
  test('paints the example drawing, asking nothing of any other origin', async () => {
    assert.deepEqual(requests.filter((url) => !url.startsWith(server.address)), []);
    assert.equal((await state(page)).file, 'star.svg');
  });

  test("OK and Save give the bytes of `contour apply` with the same seed", async () => {
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    await andRedraw(page, () => menu(page, 'Filter', 'Contour...', true));
    await andRedraw(page, () => page.keyboard.press('Enter'));
    assert.equal((await state(page)).undo.undo, 'Contour...');
    const download = page.waitForEvent('download');
    await menu(page, 'File', 'Save');
    const saved = readFileSync(await (await download).path());
    const applied = execFileSync(contourBin, ['apply', path.join(root, 'examples', 'star.svg'), '-o', '-',
      '--seed', String(SEED)], { stdio: ['ignore', 'pipe', 'ignore'] });
    if (!saved.equals(applied)) writeFileSync(path.join(tmpdir(), 'contour-static-saved.svg'), saved);
    assert.ok(saved.equals(applied), 'the saved drawing differs from contour apply\'s');
  });

  test('Cancel of a preview leaves the drawing and its undo as they were', async () => {
    const before = await state(page);
    await andRedraw(page, () => menu(page, 'Filter', 'Contour...', true));
    assert.equal(await settings(page).count(), 1);
    await andRedraw(page, () => settings(page).locator('[data-item-id="2"]').click());
    assert.equal(await settings(page).count(), 0);
    const after = await state(page);
    assert.deepEqual([after.undo, after.modified], [before.undo, before.modified]);
  });
});

describe('a drawing the static page cannot read', () => {
  test('is refused with the line contour apply gives, and the worker keeps answering', async () => {
    const broken = "<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1 1'/>";
    const server = await serve(siteWith('broken.svg', broken));
    const browser = await launchBrowser();
    try {
      const page = await browser.newPage();
      await page.goto(`${server.address}?drawing=broken.svg`);
      const line = 'broken.svg:1:60: not an SVG file: Start-end tags mismatch';
      await page.waitForFunction((l) => document.body.textContent.includes(l), line);
      const again = await page.evaluate(async () => (await import('./js/api.js')).getState());
      assert.equal(again.error, line);
    } finally {
      await browser.close();
      server.stop();
    }
  });
});
