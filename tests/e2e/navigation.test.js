// Moving about a drawing as designers do: it opens fitted to the window;
// Ctrl+wheel and a pinch zoom about the pointer, + and - in steps, 1 is
// 100 %, 5 fits the page and 3 the selection; the wheel scrolls, Shift+wheel
// across, and space-drag and middle-drag pan; the zoom is held between 1 %
// and 25,600 %; the host's view zoom follows the page's, also while the
// settings dialog is open, and the dialog's zoom field zooms the page.
// Pixel probes check that what is painted follows.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  andRedraw, launchBrowser, openPage, pixelsAt, startEditor, state, stopEditor, twoShapes, viewSettled, workDir,
  writeDrawing,
} from './support/editor.js';

const SQUARE = [40, 40, 120, 120];  // the square, in the drawing's pixels (left, top, right, bottom)
const BLUE = [0x4e, 0x8c, 0xf2];
const near = (colour, expected, by = 40) => colour.every((v, i) => Math.abs(v - expected[i]) <= by);

describe('zoom and pan', () => {
  let editor, browser, page;

  const zoom = () => page.evaluate(() => window.contourEditor.zoom());
  const viewport = () => page.evaluate(() => {
    const v = document.getElementById('viewport'), box = v.getBoundingClientRect();
    return { left: box.left, top: box.top, width: v.clientWidth, height: v.clientHeight, x: v.scrollLeft, y: v.scrollTop };
  });
  // A point of the drawing (its own pixels) on the screen, at the zoom shown.
  async function screenPoint([x, y]) {
    const box = await page.locator('#drawing').boundingBox(), z = await zoom();
    return [box.x + x * z, box.y + y * z];
  }
  // The drawing's point under a screen point.
  async function drawingPoint([x, y]) {
    const box = await page.locator('#drawing').boundingBox(), z = await zoom();
    return [(x - box.x) / z, (y - box.y) / z];
  }
  async function ctrlWheel(at, deltaY, times = 1) {
    await page.mouse.move(...at);
    await page.keyboard.down('Control');
    for (let k = 0; k < times; k++) await page.mouse.wheel(0, deltaY);
    await page.keyboard.up('Control');
    await page.waitForTimeout(50);  // the zoom is applied on the next frame
    await viewSettled(page);
  }
  async function press(key) {
    await page.keyboard.press(key);
    await viewSettled(page);
  }
  const fitZoom = (v, w, h) => 0.75 * Math.min((v.width - 80) / (w * 0.75), (v.height - 80) / (h * 0.75));

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'shapes.svg', twoShapes));
    browser = await launchBrowser();
    page = await openPage(browser, editor, { fitted: true });
  });
  after(async () => {
    await browser?.close();
    await stopEditor(editor);
  });

  test('the drawing opens fitted to the window and in its middle; the host has the zoom', async () => {
    const v = await viewport(), z = await zoom();
    assert.ok(Math.abs(z - fitZoom(v, 400, 400)) < 1e-9, `zoom ${z}`);
    assert.ok(Math.abs((await state(page)).view.zoom - z) < 1e-6);
    const box = await page.locator('#drawing').boundingBox();
    assert.ok(Math.abs(box.x + box.width / 2 - (v.left + v.width / 2)) <= 1);
    assert.ok(Math.abs(box.y + box.height / 2 - (v.top + v.height / 2)) <= 1);
    assert.equal(await page.inputValue('#zoom-field'), `${Math.round(z * 10000) / 100}%`);
    const [inside] = await pixelsAt(browser, page, [await screenPoint([80, 80])]);
    assert.ok(near(inside, BLUE), `the square's middle: ${inside}`);
  });

  test('Ctrl+wheel zooms about the pointer, and what is painted follows', async () => {
    const corner = await screenPoint([SQUARE[0], SQUARE[1]]), before = await zoom();
    await ctrlWheel(corner, -100);
    assert.ok(Math.abs((await zoom()) / before - 1.25) < 1e-9);
    const [x, y] = await drawingPoint(corner);
    assert.ok(Math.abs(x - SQUARE[0]) < 0.5 && Math.abs(y - SQUARE[1]) < 0.5, `under the pointer: ${x}, ${y}`);
    const [inside, outside] = await pixelsAt(browser, page, [[corner[0] + 4, corner[1] + 4], [corner[0] - 4, corner[1] - 4]]);
    assert.ok(near(inside, BLUE), `inside the corner: ${inside}`);
    assert.ok(!near(outside, BLUE), `outside the corner: ${outside}`);
    await ctrlWheel(corner, 100);
    assert.ok(Math.abs((await zoom()) / before - 1) < 1e-9);
  });

  test('a pinch zooms about where it is made', async () => {
    const middle = await screenPoint([80, 80]), before = await zoom();
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Input.synthesizePinchGesture', { x: middle[0], y: middle[1], scaleFactor: 2, gestureSourceType: 'mouse' });
    await page.waitForTimeout(50);
    await viewSettled(page);
    assert.ok((await zoom()) / before > 1.5, `zoom ${before} -> ${await zoom()}`);
    const [x, y] = await drawingPoint(middle);
    assert.ok(Math.abs(x - 80) < 2 && Math.abs(y - 80) < 2, `under the pinch: ${x}, ${y}`);
  });

  test('+ and - zoom in steps, 1 is 100 %, 5 fits the page, 3 fits the selection', async () => {
    await press('1');
    assert.equal(await zoom(), 1);
    assert.equal(Math.round((await page.locator('#drawing').boundingBox()).width), 400);
    await press('+');
    assert.ok(Math.abs((await zoom()) - 1.25) < 1e-9);
    await press('-');
    await press('-');
    assert.ok(Math.abs((await zoom()) - 0.8) < 1e-9);
    await press('5');
    const v = await viewport();
    assert.ok(Math.abs((await zoom()) - fitZoom(v, 400, 400)) < 1e-9);
    await andRedraw(page, async () => page.mouse.click(...(await screenPoint([80, 80]))));
    await press('3');
    assert.ok(Math.abs((await zoom()) - fitZoom(v, 80, 80)) < 1e-9);
    const [left, top] = await screenPoint([SQUARE[0], SQUARE[1]]), [right, bottom] = await screenPoint([SQUARE[2], SQUARE[3]]);
    assert.ok(Math.abs((left + right) / 2 - (v.left + v.width / 2)) <= 1 && Math.abs((top + bottom) / 2 - (v.top + v.height / 2)) <= 1);
    assert.ok(Math.abs(right - left - (Math.min(v.width, v.height) - 80)) <= 1, `the square is ${right - left} wide`);
    // A square filling the window: its middle and its corners' insides (inside its thick stroke) are painted.
    const inset = (right - left) / 5;
    const probes = await pixelsAt(browser, page, [[(left + right) / 2, (top + bottom) / 2], [left + inset, top + inset], [right - inset, bottom - inset]]);
    for (const colour of probes) assert.ok(near(colour, BLUE), `the square: ${colour}`);
  });

  test('the zoom is held between 1 % and 25,600 %, by the wheel, the keys and the field', async () => {
    const middle = await screenPoint([80, 80]);
    await ctrlWheel(middle, -500, 8);
    assert.equal(await zoom(), 256);
    assert.equal((await state(page)).view.zoom, 256);
    assert.equal(await page.inputValue('#zoom-field'), '25600%');
    const [under] = await pixelsAt(browser, page, [middle]);
    assert.ok(near(under, BLUE), `deep in the square: ${under}`);
    for (let k = 0; k < 50; k++) await page.keyboard.press('-');  // 1.25 ** 46 > 25600
    await viewSettled(page);
    assert.equal(await zoom(), 0.01);
    assert.ok(Math.abs((await state(page)).view.zoom - 0.01) < 1e-6);
    await page.fill('#zoom-field', '1000000%');
    await page.press('#zoom-field', 'Enter');
    await viewSettled(page);
    assert.equal(await zoom(), 256);
  });

  test('the wheel scrolls, Shift+wheel scrolls across', async () => {
    await press('5');
    await press('1');  // the page in the middle of the window: room to scroll every way
    const middle = await screenPoint([80, 80]);
    await page.mouse.move(...middle);
    const start = await viewport();
    await page.mouse.wheel(0, 100);
    await page.waitForFunction((y) => document.getElementById('viewport').scrollTop === y + 100, start.y);
    await page.keyboard.down('Shift');
    await page.mouse.wheel(0, 100);
    await page.keyboard.up('Shift');
    await page.waitForFunction((x) => document.getElementById('viewport').scrollLeft === x + 100, start.x);
    assert.equal(await zoom(), 1);
  });

  test('space-drag and middle-drag pan, and select nothing', async () => {
    const selected = (await state(page)).selection;
    const from = await screenPoint([200, 200]), start = await viewport();
    await page.mouse.move(...from);
    await page.keyboard.down('Space');
    await page.mouse.down();
    await page.mouse.move(from[0] - 60, from[1] - 40, { steps: 4 });
    await page.mouse.up();
    await page.keyboard.up('Space');
    let now = await viewport();
    assert.deepEqual([now.x - start.x, now.y - start.y], [60, 40]);
    await page.mouse.down({ button: 'middle' });
    await page.mouse.move(from[0] - 30, from[1] - 10, { steps: 4 });
    await page.mouse.up({ button: 'middle' });
    now = await viewport();
    assert.deepEqual([now.x - start.x, now.y - start.y], [30, 10]);
    await page.waitForTimeout(100);
    assert.deepEqual((await state(page)).selection, selected);
  });

  test('while the dialog is open the host\'s view follows the page, and its zoom field zooms the page', async () => {
    await andRedraw(page, async () => page.mouse.click(...(await screenPoint([80, 80]))));
    await andRedraw(page, async () => {
      await page.click('.menu[data-menu="Filter"] > .title');
      await page.hover('.menu[data-menu="Filter"] .submenu');
      await page.locator('.menu[data-menu="Filter"] .menu-item', { hasText: 'Contour...' }).first().click();
    });
    await ctrlWheel(await screenPoint([80, 80]), -100);
    assert.ok(Math.abs((await state(page)).view.zoom - 1.25) < 1e-6);
    const field = page.locator('.window[data-dialog="Tesk_Contour"] [data-item-id="21"] input');
    await field.fill('150');
    await andRedraw(page, () => field.press('Tab'));
    await viewSettled(page);
    assert.ok(Math.abs((await zoom()) - 1.5) < 1e-6);
    assert.equal(Math.round((await page.locator('#drawing').boundingBox()).width), 600);
    await andRedraw(page, () => page.keyboard.press('Escape'));
  });
});
