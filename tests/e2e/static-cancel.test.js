// Cancel in the static page, whose host works in the page's worker: during
// a long preview of many rings, Escape ends the run before its last contour
// (how soon is a benchmark's figure: preview-bench.js cancel), and the
// drawing and its undo history are exactly as before the preview (a worker
// started again would have lost the history). Once where the page is
// cross-origin isolated (the stop is a flag the page shares with the worker)
// and once where it is not (the worker lets the page's messages in as it runs).
//   CONTOUR_WEB_PAGE  the built out/web/ folder (required)
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { andRedraw, drawing, launchBrowser, openPage, ringGrid, state } from './support/editor.js';
import { openContour, settingsWindow } from './support/gestures.js';
import { serve, site, siteWith } from './support/static-site.js';

if (!site) throw new Error('set CONTOUR_WEB_PAGE to the built out/web folder');
// The preview that is cancelled: LONG contours per ring, each with its points
// moved (slow to make), seconds long and well within the page's memory
// budget, so that only a stop ends it before its last contour.
const RINGS = 1000, LONG = 60, MOVED_POINTS = 50;
const folder = siteWith('rings.svg', ringGrid(RINGS));
const RINGS_WIDE = 80 + Math.ceil(Math.sqrt(RINGS)) * 60;  // the drawing's width in pixels (ringGrid)

// Sets the moved points and the contour count without waiting for the
// previews; resolves once the long one runs.
async function startLongPreview(page) {
  await page.evaluate((values) => {
    for (const [item, value] of values) {
      const input = document.querySelector(`.window [data-item-id="${item}"] input`);
      input.value = String(value);
      input.dispatchEvent(new Event('change'));
    }
  }, [[16, MOVED_POINTS], [4, LONG]]);
  await page.waitForFunction(([w, least]) => {
    const shown = /([\d,]+) of ([\d,]+) contours/.exec(document.querySelector(`${w} .chrome .progress:not(.hidden)`)?.textContent);
    const [made, total] = shown ? shown.slice(1).map((n) => Number(n.replaceAll(',', ''))) : [0, 0];
    return made > 0 && total >= least;
  }, [settingsWindow, RINGS * LONG]);
}

// Presses Escape; resolves with the milliseconds from the key to the end of
// the run, as the worker tells the page (null: it ended before the key), and
// the contours it had made then of its total.
async function escapeToRunEnded(page) {
  await page.evaluate(async () => {
    const api = await import('./js/api.js');
    window.contourRunEnded = new Promise((resolve) => {
      let pressed = null;
      addEventListener('keydown', () => { pressed = performance.now(); }, { capture: true, once: true });
      const stop = api.followProgress((p) => {
        if (p.running) return;
        stop();
        resolve({ ms: pressed === null ? null : performance.now() - pressed, made: p.made, total: p.total });
      });
    });
  });
  await page.keyboard.press('Escape');
  return page.evaluate(() => window.contourRunEnded);
}

for (const isolated of [true, false]) {
  describe(`a long preview in the static page ${isolated ? '' : 'not '}cross-origin isolated`, () => {
    let server, browser, page;

    before(async () => {
      server = await serve(folder, { isolated });
      browser = await launchBrowser();
      page = await openPage(browser, { address: `${server.address}?drawing=rings.svg&seed=7` }, { fitted: true });
    });
    after(async () => {
      await browser?.close();
      server?.stop();
    });

    test('stops on Escape, before its last contour, the drawing and its undo history as they were', async () => {
      assert.equal(await page.evaluate(() => crossOriginIsolated), isolated);
      // A command to undo: the contours of the first ring.
      const box = await page.locator('#drawing').boundingBox(), k = box.width / RINGS_WIDE;
      await andRedraw(page, () => page.mouse.click(box.x + 40 * k, box.y + 40 * k));  // its centre
      assert.equal((await state(page)).selection.length, 1);
      await openContour(page);
      await andRedraw(page, () => page.keyboard.press('Enter'));
      const before = { ...(await state(page)), svg: await drawing(page) };
      assert.equal(before.undo.undo, 'Contour...');

      await andRedraw(page, () => page.keyboard.press('Control+a'));
      await openContour(page);
      await startLongPreview(page);
      const { ms, made, total } = await escapeToRunEnded(page);
      assert.notEqual(ms, null, 'the preview ended before Escape was pressed');
      console.log(`${isolated ? 'isolated' : 'not isolated'}: Escape to the run ended ${Math.round(ms)} ms, ${made} of ${total} contours made`);
      await page.waitForFunction((w) => !document.querySelector(w) && !window.contourEditor.busy(), settingsWindow);
      const after = await state(page);
      assert.equal(await drawing(page), before.svg);
      assert.deepEqual([after.undo, after.modified], [before.undo, before.modified]);
      assert.doesNotMatch(await page.locator('#status').textContent(), /started again/);
      assert.ok(made < total, `${made} of ${total} contours made`);
    });
  });
}
