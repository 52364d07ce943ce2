// How fast the preview answers: on a drawing of 100 objects with 50 contours
// each, the time from a change of the contour count in the dialog to the page
// painted with the new document, measured in the page with performance.now().
// The figures go to the artefacts (latency.json) and to the test's output.
// Also: changes that come faster than the engine are coalesced, the newest wins.
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
  andRedraw, artifacts, drawing, launchBrowser, openPage, shapeCount, starGrid, startEditor, state, stopEditor,
  workDir, writeDrawing,
} from './support/editor.js';

const OBJECTS = 100;
const CONTOURS = 50;
const SAMPLES = 8;
// Every selected object and its contours + 1 copies.
const shapesWith = (contours) => OBJECTS + OBJECTS * (contours + 1);

describe('preview latency', () => {
  let editor, browser, page;

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'grid.svg', starGrid(OBJECTS)));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    await page.click('.menu[data-menu="Filter"] > .title');
    await page.hover('.menu[data-menu="Filter"] .submenu');
    await andRedraw(page, () => page.locator('.menu-item', { hasText: 'Contour...' }).click());
  });
  after(async () => {
    await browser?.close();
    await stopEditor(editor);
  });

  test(`a change is drawn quickly with ${OBJECTS} objects x ${CONTOURS} contours`, async () => {
    const times = [];
    for (let i = 0; i <= SAMPLES; i++) {
      const value = i % 2 === 0 ? CONTOURS : CONTOURS - 1;
      const ms = await page.evaluate((v) => new Promise((resolve) => {
        const input = document.querySelector('.window [data-item-id="4"] input');
        const start = performance.now();
        document.addEventListener('contour:drawn', () => resolve(performance.now() - start), { once: true });
        input.value = String(v);
        input.dispatchEvent(new Event('change'));
      }), value);
      if (i > 0) times.push(ms);  // the first change from 12 contours is not like the others
      assert.equal(shapeCount(await drawing(page)), shapesWith(value));
    }
    times.sort((a, b) => a - b);
    const figure = {
      drawing: `${OBJECTS} objects`, contours: CONTOURS, samples: times.length,
      medianMs: Math.round(times[Math.floor(times.length / 2)]), maxMs: Math.round(times[times.length - 1]),
      minMs: Math.round(times[0]),
    };
    writeFileSync(path.join(artifacts, 'latency.json'), `${JSON.stringify(figure, null, 2)}\n`);
    console.log(`preview latency: ${JSON.stringify(figure)}`);
    // Loose, for loaded machines and sanitizer builds; it catches answers that
    // take seconds (as compressing a megabyte of drawing on the loopback once did).
    assert.ok(figure.medianMs < 4000, `median ${figure.medianMs} ms`);
  });

  test('changes faster than the engine: the newest wins', async () => {
    const replies = await page.evaluate(async () => {
      const token = new URLSearchParams(location.search).get('token');
      // As the page sends them: numbered, all at once, on connections of their own.
      const send = (value, i) => fetch('/api/dialog', {
        method: 'POST',
        headers: { 'X-Contour-Token': token, 'Content-Type': 'application/json', 'X-Contour-Order': String(1e6 + i) },
        body: JSON.stringify([{ item: 4, value }]),
      }).then((r) => r.json());
      const answers = await Promise.all([40, 41, 42, 43, 44, 45].map(send));
      return answers.map((a) => (a.superseded ? 'superseded' : a.dialog.items.find((i) => i.id === 4).value));
    });
    assert.ok(replies.includes('superseded'), `no change was coalesced: ${replies}`);
    const last = await page.evaluate(() => fetch('/api/state', {
      headers: { 'X-Contour-Token': new URLSearchParams(location.search).get('token') },
    }).then((r) => r.json()));
    assert.equal(last.dialog.items.find((i) => i.id === 4).value, 45);
    assert.equal(shapeCount(last.drawing.svg), shapesWith(45));  // a request without a revision gets the whole drawing
    await andRedraw(page, () => page.keyboard.press('Escape'));
    assert.equal(shapeCount(await drawing(page)), OBJECTS);
    assert.equal((await state(page)).dialog, null);
  });
});
