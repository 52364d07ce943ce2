// Selecting inside groups as designers do, on a drawing of groups three deep
// (tests/fixtures/drawings/nested-groups.svg: a garden and a house, whose
// windows are a group of two): a click takes the top-level group, double-
// clicks go in, Ctrl+click takes the deepest object, Alt+click cycles through
// what lies under the pointer, Escape and a click outside go out, Shift adds
// and removes, a rubber band selects in the group entered; the status bar
// says what is selected; one box is drawn around the selection, with each
// object's outline while the pointer rests. Then one window alone is
// contoured, saved and undone.
import assert from 'node:assert/strict';
import { copyFileSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import {
  andRedraw, drawing, launchBrowser, openPage, pixelsAt, shapeCount, startEditor, state, stopEditor, workDir,
} from './support/editor.js';

const fixture = path.join(path.dirname(fileURLToPath(import.meta.url)), '../fixtures/drawings/nested-groups.svg');
const BLUE = [0x1f, 0x6f, 0xe0];  // the selection's box
const WHITE = [255, 255, 255];
const near = (colour, expected, by = 40) => colour.every((v, i) => Math.abs(v - expected[i]) <= by);

describe('selecting inside groups', () => {
  let editor, browser, page, file, original;

  // A point of the drawing in its own pixels (at 100 % one CSS pixel each).
  async function at(x, y) {
    const box = await page.locator('#drawing').boundingBox();
    return [box.x + x, box.y + y];
  }
  async function click(x, y, modifiers = []) {
    const [px, py] = await at(x, y);
    for (const key of modifiers) await page.keyboard.down(key);
    await andRedraw(page, () => page.mouse.click(px, py));
    for (const key of modifiers) await page.keyboard.up(key);
  }
  async function doubleClick(x, y) {
    const [px, py] = await at(x, y);
    await andRedraw(page, () => page.mouse.dblclick(px, py));
  }
  const said = () => page.locator('#selection-info').textContent();

  before(async () => {
    const dir = workDir();
    file = path.join(dir, 'nested-groups.svg');
    copyFileSync(fixture, file);
    editor = await startEditor(file);
    browser = await launchBrowser();
    page = await openPage(browser, editor);
    original = await drawing(page);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  test('a click selects the top-level group, and the status bar says so', async () => {
    assert.equal(await said(), 'Nothing selected');
    await click(100, 157);  // on the left window
    assert.match(await said(), /^1 group of 4 objects\b/);
    assert.equal((await state(page)).scope, null);
  });

  test('double-clicks enter the house, then its windows, down to one window', async () => {
    await doubleClick(100, 157);
    assert.equal(await said(), '1 group of 2 objects in group house');
    assert.ok((await state(page)).scope, 'the house is entered');
    assert.equal(await page.locator('#overlay rect.scope').count(), 1);
    await doubleClick(100, 157);
    assert.equal(await said(), '1 path in group windows');
    const [box] = (await state(page)).selection;
    assert.deepEqual(box.map((v) => Math.round(v / 0.75)), [80, 300 - 140, 120, 300 - 175]);  // points, y up
  });

  test('Contour... on the one window: the saved file has contours of it alone, and undo takes them back', async () => {
    await andRedraw(page, () => page.click('.menu[data-menu="Filter"] > .title').then(async () => {
      await page.hover('.menu[data-menu="Filter"] .submenu');
      await page.locator('.menu[data-menu="Filter"] .menu-item', { hasText: 'Contour...' }).first().click();
    }));
    await andRedraw(page, () => page.keyboard.press('Enter'));
    assert.equal(shapeCount(await drawing(page)), shapeCount(original) + 13);
    await andRedraw(page, () => page.keyboard.press('Control+s'));
    const saved = readFileSync(file, 'utf8');
    const sources = [...saved.matchAll(/contour:source="([^"]*)"/g)].map((m) => m[1]);
    assert.equal(sources.length, 13);
    assert.deepEqual([...new Set(sources)], ['window-left']);
    // The contours sit in the windows' group, beside their source.
    const windows = /<g\b[^>]*id="windows"[^>]*>([\s\S]*?)<\/g>/.exec(saved)[1];
    assert.equal((windows.match(/contour:source="window-left"/g) || []).length, 13);
    assert.equal((saved.match(/id="window-right"/g) || []).length, 1);
    await andRedraw(page, () => page.keyboard.press('Control+z'));
    assert.equal(await drawing(page), original);
  });

  test('Escape goes out one group; a click outside the group leaves it', async () => {
    await andRedraw(page, () => page.keyboard.press('Escape'));
    assert.equal(await said(), '1 group of 2 objects in group house');
    await click(30, 270);  // the lawn, in the garden
    assert.match(await said(), /^1 group of 2 objects\b/);
    assert.equal((await state(page)).scope, null);
  });

  test('Ctrl+click selects the deepest object; Alt+click cycles through what lies under the pointer', async () => {
    await click(140, 210, ['Control']);  // the door
    assert.equal(await said(), '1 path in group house');
    const cycle = ['1 path in group windows', '1 path in group house', '1 path in group windows'];  // window, wall, window
    const texts = [];
    for (let k = 0; k < cycle.length; k++) {
      await click(100, 157, ['Alt']);
      texts.push(await said());
    }
    assert.deepEqual(texts, cycle);
  });

  test('Shift adds and removes; a rubber band selects in the group entered', async () => {
    await doubleClick(30, 270);  // into the garden, on the lawn
    assert.equal(await said(), '1 path in group garden');
    const [ax, ay] = await at(250, 60), [bx, by] = await at(380, 200);  // about the tree, above the lawn
    await andRedraw(page, async () => {
      await page.mouse.move(ax, ay);
      await page.mouse.down();
      await page.mouse.move(bx, by, { steps: 5 });
      await page.mouse.up();
    });
    assert.equal(await said(), '1 group of 2 objects in group garden');
    await click(30, 270, ['Shift']);
    assert.equal(await said(), '2 objects (1 path, 1 group) in group garden');
    await click(30, 270, ['Shift']);
    assert.equal(await said(), '1 group of 2 objects in group garden');
  });

  test('one box around the selection, each outline only while the pointer is still', async () => {
    await andRedraw(page, () => page.keyboard.press('Escape'));  // out of the garden
    await click(100, 157);                   // the house: 50..230 across, 50..240 down
    await click(300, 110, ['Control', 'Shift']);  // and the tree's crown: 255..345, 85..175
    assert.equal((await state(page)).selection.length, 2);
    assert.equal(await page.locator('#overlay rect.selected').count(), 1);
    const [rx, ry] = await at(345, 60), [ox, oy] = await at(254, 100);  // the box's right edge; the crown's left outline
    const [sx, sy] = await at(380, 280);  // a place over the page to rest and move on
    await page.mouse.move(sx, sy);
    await page.waitForFunction(() => !document.getElementById('overlay').classList.contains('moving'));
    const [edge, outline] = await pixelsAt(browser, page, [[rx, ry], [ox, oy]]);
    assert.ok(near(edge, BLUE), `the box's edge: ${edge}`);
    assert.ok(!near(outline, WHITE, 10), `the crown's outline shows while the pointer rests: ${outline}`);
    await page.mouse.move(sx - 10, sy - 10, { steps: 2 });
    const hidden = await page.evaluate(() => getComputedStyle(document.querySelector('#overlay .outlines')).display);
    assert.equal(hidden, 'none');
    await page.waitForFunction(() => !document.getElementById('overlay').classList.contains('moving'));
  });
});
