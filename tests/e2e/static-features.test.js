// The editor's features in the static page, its host in the page's worker:
// one smoke test each, with the gestures of the tests of `contour edit`
// (presets, Tumble, a pick, the zoom field, OK, undo and redo, Edit
// Contour..., Export of a PNG and of the selection, About, a drawing dropped
// on the page and saved, one chosen with File > Open...), and the changes
// not saved, offered again on the next visit from the browser's storage.
//   CONTOUR_WEB_PAGE  the built out/web/ folder (required)
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { andRedraw, drawing, launchBrowser, openPage, shapeCount, state, twoShapes } from './support/editor.js';
import {
  answerNext, artworkClick, dialogItem, dropFile, menu, openContour, settingsWindow, spinValue, typeInto,
} from './support/gestures.js';
import { near, pixelsAt } from './support/pixels.js';
import { serve, site, siteWith } from './support/static-site.js';

if (!site) throw new Error('set CONTOUR_WEB_PAGE to the built out/web folder');
const triangle = '<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200"><path d="M50 150 L100 50 L150 150 Z" fill="#c33"/></svg>';
const keptCopy = (page) => page.evaluate(async () => (await import('./js/recovery-store.js')).keptCopy());

describe('the static page\'s features', () => {
  let server, browser, context, page, original, accepted;

  before(async () => {
    server = await serve(siteWith('shapes.svg', twoShapes));
    browser = await launchBrowser();
    // One context for two visits: the browser's storage is the context's.
    context = await browser.newContext({ viewport: { width: 1280, height: 900 }, acceptDownloads: true });
    await context.addInitScript(() => { delete window.showSaveFilePicker; });  // Save and Export download
    page = await openPage(context, { address: `${server.address}?drawing=shapes.svg&seed=7` });
    original = await drawing(page);
    await andRedraw(page, () => artworkClick(page, 60, 240));  // the square
    await openContour(page);
  });
  after(async () => {
    await browser?.close();
    server?.stop();
  });

  test('a preset sets its values and draws its preview', async () => {
    assert.equal(shapeCount(await drawing(page)), 2 + 13);
    await andRedraw(page, () => dialogItem(page, 30).selectOption('6'));  // " Twist"
    assert.equal(await spinValue(page, 4), '20');
    assert.equal(shapeCount(await drawing(page)), 2 + 21);
  });

  test('Tumble draws new settings', async () => {
    const before = await drawing(page);
    await andRedraw(page, () => dialogItem(page, 91).click());
    assert.notEqual(await drawing(page), before);
  });

  test('a pick sets the value beside the pick button from the picked point', async () => {
    await andRedraw(page, () => dialogItem(page, 30).selectOption('0'));  // " Reset"
    await dialogItem(page, 120).click();
    await andRedraw(page, () => artworkClick(page, 155, 40));  // contours: the integer part of x / 10
    assert.equal(await spinValue(page, 4), '15');
    assert.equal(shapeCount(await drawing(page)), 2 + 16);
  });

  test('the zoom field zooms the view', async () => {
    await typeInto(page, 21, 200);
    assert.equal((await state(page)).view.zoom, 2);
    await typeInto(page, 21, 100);
  });

  test('OK makes one command, which undo and redo take back and make again', async () => {
    await andRedraw(page, () => page.keyboard.press('Enter'));
    assert.equal(await page.locator(settingsWindow).count(), 0);
    accepted = await drawing(page);
    assert.equal(shapeCount(accepted), 2 + 16);
    assert.equal((await state(page)).undo.undo, 'Contour...');
    await andRedraw(page, () => page.keyboard.press('Control+z'));
    assert.equal(await drawing(page), original);
    await andRedraw(page, () => page.keyboard.press('Control+Shift+z'));
    assert.equal(await drawing(page), accepted);
  });

  test('Edit Contour... opens the run\'s own settings, and Escape keeps the run', async () => {
    await andRedraw(page, () => artworkClick(page, 60, 240));  // a contour of the square
    assert.equal((await state(page)).editContour, true);
    await andRedraw(page, () => menu(page, 'Filter', 'Edit Contour'));
    assert.equal(await spinValue(page, 4), '15');
    await andRedraw(page, () => page.keyboard.press('Escape'));
    assert.equal(await drawing(page), accepted);
    assert.equal((await state(page)).undo.undo, 'Contour...');
  });

  test('Export downloads a PNG of the page, drawn by the browser', async () => {
    await menu(page, 'File', 'Export');
    await page.locator('.export input[value="page"]').check();
    await page.locator('.export input[value="white"]').check();
    await page.locator('.export .export-size', { hasText: '400 \u00d7 400 pixels' }).waitFor();
    const download = page.waitForEvent('download');
    await page.locator('.export button', { hasText: 'Export' }).click();
    assert.equal((await download).suggestedFilename(), 'shapes.png');
    const png = readFileSync(await (await download).path());
    // The square's centre and the page's corner, on white.
    const { size, colours } = await pixelsAt(browser, png, [[80, 80], [2, 398]]);
    assert.deepEqual(size, [400, 400]);  // 300 points = 400 SVG pixels
    assert.ok(near(colours[0], '#4e8cf2'), `${colours[0]}`);
    assert.deepEqual(colours[1], [255, 255, 255, 255]);
  });

  test('Export downloads the SVG of the selection', async () => {
    await menu(page, 'File', 'Export');
    await page.locator('.export input[value="svg"]').check();
    await page.locator('.export .export-size', { hasText: 'SVG of the selection' }).waitFor();
    const download = page.waitForEvent('download');
    await page.locator('.export button', { hasText: 'Export' }).click();
    assert.equal((await download).suggestedFilename(), 'shapes-selection.svg');
    const part = readFileSync(await (await download).path(), 'utf8');
    assert.equal(shapeCount(part), 1);  // the contour selected
    assert.doesNotMatch(part, /id="star"/);
  });

  test('Help > About shows the About box', async () => {
    await andRedraw(page, () => menu(page, 'Help', 'About Contour'));
    const box = page.locator('.window[data-dialog="About Dialog"]');
    assert.match(await box.textContent(), /Plugin Name: Zeph18 Contour/);
    await page.keyboard.press('Enter');
    assert.equal(await box.count(), 0);
  });

  test('Save with the browser\'s file window cancelled writes nothing, and the changes stay not saved', async () => {
    await page.evaluate(() => { window.showSaveFilePicker = async () => { throw new DOMException('closed', 'AbortError'); }; });
    await menu(page, 'File', 'Save');
    await page.waitForFunction(() => /Nothing was written/.test(document.querySelector('#status').textContent));
    assert.equal((await state(page)).modified, true);
    await page.evaluate(() => { delete window.showSaveFilePicker; });
  });

  test('the changes not saved are kept in the browser and opened on the next visit', async () => {
    while (!(await keptCopy(page))) await new Promise((resolve) => setTimeout(resolve, 100));
    const next = await openPage(context, { address: `${server.address}?drawing=shapes.svg&seed=7` });
    assert.match(await next.locator('#status').textContent(), /shapes\.svg: the changes not saved on .* are open again/);
    assert.equal(shapeCount(await drawing(next)), shapeCount(accepted));
    assert.equal((await state(next)).modified, true);  // still to be saved
    await next.close();
  });

  test('a drawing dropped on the page opens, once the user lets the changes go', async () => {
    const asked = answerNext(page, true);
    await andRedraw(page, () => dropFile(page, 'triangle.svg', Buffer.from(triangle)));
    assert.match(await asked, /changes that are not saved/);
    await page.waitForFunction(() => window.contourEditor.state().file === 'triangle.svg' && !window.contourEditor.busy());
    assert.equal(shapeCount(await drawing(page)), 1);
    assert.equal(await keptCopy(page), undefined);  // the changes let go are not offered again
    // Save gives the drawing now shown.
    const download = page.waitForEvent('download');
    await menu(page, 'File', 'Save');
    assert.equal((await download).suggestedFilename(), 'triangle.svg');
    assert.equal(shapeCount(readFileSync(await (await download).path(), 'utf8')), 1);
  });

  test('File > Open... opens a drawing chosen in the browser\'s window', async () => {
    const chooser = page.waitForEvent('filechooser');
    await menu(page, 'File', 'Open');
    await (await chooser).setFiles({ name: 'picked.svg', mimeType: 'image/svg+xml', buffer: Buffer.from(twoShapes) });
    await page.waitForFunction(() => window.contourEditor.state().file === 'picked.svg' && !window.contourEditor.busy());
    assert.equal(shapeCount(await drawing(page)), 2);
  });
});
