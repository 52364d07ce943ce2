// The busy state and Cancel: a preview that takes seconds (many stars, the
// largest contour count) shows the contours made so far against the total
// inside the dialog, and Escape or the dialog's own Cancel stop it; the
// dialog is then cancelled and the drawing is exactly as before. The busy
// panel, with its Cancel, is for a run the page shows no dialog for. A cancel
// that comes when nothing runs changes nothing, and a page reloaded during a
// run can still cancel it.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  andRedraw, drawing, launchBrowser, openPage, shapeCount, starGrid, startEditor, state, stopEditor, workDir, writeDrawing,
} from './support/editor.js';

const OBJECTS = 2000;
const CONTOURS = 200;  // the contour count's largest value: 201 contours per object
const TOTAL = OBJECTS * (CONTOURS + 1);
const settingsWindow = '.window[data-dialog="Tesk_Contour"]';

async function openContour(page) {
  await page.click('.menu[data-menu="Filter"] > .title');
  await page.hover('.menu[data-menu="Filter"] .submenu');
  await andRedraw(page, () => page.locator('.menu-item', { hasText: 'Contour...' }).click());
}

// Moves the points of every contour (the slowest work per contour, so that
// the preview takes seconds on a quick machine too) and sets the contour
// count, without waiting for the preview.
async function changeToLongPreview(page) {
  await page.evaluate(async () => {
    const token = (await (await fetch('/api/session')).json()).token;
    await fetch('/api/dialog', {
      method: 'POST',
      headers: { 'X-Contour-Token': token, 'Content-Type': 'application/json' },
      body: JSON.stringify([{ item: 16, value: 50 }]),  // the points' move per contour
    });
  });
  await page.evaluate((v) => {
    const input = document.querySelector('.window [data-item-id="4"] input');
    input.value = String(v);
    input.dispatchEvent(new Event('change'));
  }, CONTOURS);
}

// As changeToLongPreview, then waits for the busy state, which the dialog shows.
async function startLongPreview(page) {
  await changeToLongPreview(page);
  const progress = `${settingsWindow} .chrome .progress`;
  await page.waitForFunction((p) => /of [\d,]+ contours/.test(document.querySelector(`${p}:not(.hidden)`)?.textContent || ''),
    progress);
  assert.ok(await page.locator('.busy').evaluate((n) => n.classList.contains('hidden')), 'the panel stays hidden');
  const text = await page.locator(progress).textContent();
  const [made, total] = /([\d,]+) of ([\d,]+) contours/.exec(text).slice(1).map((n) => Number(n.replaceAll(',', '')));
  assert.equal(total, TOTAL);
  assert.ok(made >= 0 && made < total, text);
}

// Cancels with `how`; the run must end and the dialog close, the drawing as it was.
async function cancelledBy(page, original, how) {
  const started = Date.now();
  await how();
  await page.waitForFunction((w) => !document.querySelector(w) && !window.contourEditor.busy()
    && window.contourEditor.drawn() > 0, settingsWindow);
  const ms = Date.now() - started;
  await page.waitForFunction(() => document.querySelector('.busy').classList.contains('hidden'));
  const s = await state(page);
  assert.equal(await page.locator('.window').count(), 0);  // no error dialog for a cancel
  assert.equal(await drawing(page), original);
  assert.equal(s.modified, false);
  assert.equal(s.undo.undo, null);
  assert.doesNotMatch(await page.locator('#file-name').textContent(), /modified/);
  return ms;
}

describe('the busy state and cancelling a long preview', () => {
  let editor, browser, page, original;

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'stars.svg', starGrid(OBJECTS)));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    original = await drawing(page);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  const ways = [
    ['Escape', (page) => page.keyboard.press('Escape')],
    ["the dialog's Cancel", (page) => page.locator(`${settingsWindow} [data-item-id="2"]`).click()],
  ];
  for (const [name, press] of ways) {
    test(`${name} stops a running preview and takes it back`, async () => {
      await openContour(page);
      await startLongPreview(page);
      const ms = await cancelledBy(page, original, () => press(page));
      console.log(`cancel by ${name}: the run ended and the dialog closed in ${ms} ms`);
      assert.ok(ms < 5000, `${ms} ms`);  // loose: sanitizer builds on a loaded machine
    });
  }

  test('a page reloaded during a preview may cancel it, and then its own changes count', async () => {
    await openContour(page);
    await changeToLongPreview(page);
    await page.reload();
    // The run goes on while the page comes back (or, on a quick machine, has just ended):
    // the busy state's Cancel or the dialog's is shown, and either leaves the drawing as it was.
    const cancel = page.locator(`.busy:not(.hidden) button:not(.hidden), ${settingsWindow} [data-item-id="2"]`);
    await cancelledBy(page, original, () => cancel.first().click());
    // The reloaded page counts its changes from 1 again: they must not be taken for the old page's.
    await openContour(page);
    await andRedraw(page, () => page.evaluate(() => {
      const input = document.querySelector('.window [data-item-id="4"] input');
      input.value = '2';
      input.dispatchEvent(new Event('change'));
    }));
    assert.equal(shapeCount(await drawing(page)), OBJECTS * (1 + 3));  // each star and its three contours
    await cancelledBy(page, original, () => page.keyboard.press('Escape'));
  });

  test('a cancel when nothing runs changes nothing', async () => {
    const reply = await page.evaluate(async () => {
      const token = (await (await fetch('/api/session')).json()).token;
      return (await fetch('/api/cancel', { method: 'POST', headers: { 'X-Contour-Token': token } })).json();
    });
    assert.equal(reply.ok, true);
    assert.equal(reply.modified, false);
    assert.equal(reply.dialog, null);
    assert.equal((await state(page)).undo.undo, null);
  });
});
