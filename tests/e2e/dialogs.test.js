// The settings dialog stays out of the way: it opens beside the selection,
// is dragged by its title bar and opens again where it was put, folds to its
// title bar; the busy state and picking speak inside it. A colour mode on
// gradients says what it kept. Help > Keyboard shortcuts lists the keys of
// every action, and Escape closes menus. Checked on a 1,024-pixel window by
// pixel probes of screenshots and by the page's state.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  andRedraw, launchBrowser, startEditor, state, stopEditor, twoShapes, workDir, writeDrawing,
} from './support/editor.js';
import { menu, openContour, typeInto } from './support/gestures.js';
import { near, pixelsAt } from './support/pixels.js';

const settings = '.window[data-dialog="Tesk_Contour"]';
const SQUARE_BLUE = '#4e8cf2';
const DIALOG_FACE = '#ece9d8';
const PICK_TEXT = 'Click on the artwork to pick a point (Escape to stop)';

async function openPage(browser, editor) {
  const page = await browser.newPage({ viewport: { width: 1024, height: 768 } });
  await page.goto(editor.address);
  await page.waitForFunction(() => window.contourEditor && window.contourEditor.drawn() > 0);
  return page;
}

// The selection's box on screen, from the state (artwork points, y up).
async function selectionOnScreen(page) {
  const s = await state(page);
  const sheet = await page.locator('#drawing').boundingBox();
  const k = s.view.zoom / 0.75;
  const [l, t, r, b] = s.selection.reduce((u, x) => [Math.min(u[0], x[0]), Math.max(u[1], x[1]),
    Math.max(u[2], x[2]), Math.min(u[3], x[3])]);
  return { x: sheet.x + l * k, y: sheet.y + (s.page[1] - t) * k, width: (r - l) * k, height: (t - b) * k };
}

const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
const centre = (box) => [box.x + box.width / 2, box.y + box.height / 2];

describe('the settings dialog stays out of the way', () => {
  let editor, browser, page;

  before(async () => {
    // The square on the right of a wide page, where the dialog would open by default.
    const wide = twoShapes.replace('width="400"', 'width="900"').replace('viewBox="0 0 400 400"', 'viewBox="0 0 900 400"')
      .replace('x="40" y="40"', 'x="600" y="40"');
    editor = await startEditor(writeDrawing(workDir(), 'wide.svg', wide));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  test('opens beside the selection, which stays in view', async () => {
    await andRedraw(page, async () => {
      const sheet = await page.locator('#drawing').boundingBox();
      const k = (await state(page)).view.zoom / 0.75;
      await page.mouse.click(sheet.x + 640 * 0.75 * k, sheet.y + 80 * 0.75 * k);
    });
    assert.equal((await state(page)).selection.length, 1);
    await openContour(page);
    const dialog = await page.locator(settings).boundingBox();
    const square = await selectionOnScreen(page);
    assert.ok(!overlap(dialog, square), `${JSON.stringify(dialog)} covers ${JSON.stringify(square)}`);
    const { colours } = await pixelsAt(browser, await page.screenshot(), [centre(square), centre(dialog)]);
    assert.ok(near(colours[0], SQUARE_BLUE, 40), `the square shows ${colours[0]}`);
    assert.ok(!near(colours[1], SQUARE_BLUE, 40));
  });

  test('has one Cancel, its own; the window adds only OK', async () => {
    assert.deepEqual(await page.locator(`${settings} .chrome button`).allTextContents(), ['OK']);
    assert.equal(await page.locator(`${settings} [data-item-id="2"]`).textContent(), 'Cancel');
  });

  test('is dragged by its title bar, and opens again where it was put', async () => {
    const before = await page.locator(settings).boundingBox();
    const caption = await page.locator(`${settings} .caption`).boundingBox();
    // To the bottom left of the window, clear of the square.
    const [dx, dy] = [40 - before.x, 420 - before.y];
    await page.mouse.move(caption.x + 60, caption.y + 8);
    await page.mouse.down();
    await page.mouse.move(caption.x + 60 + dx, caption.y + 8 + dy, { steps: 8 });
    await page.mouse.up();
    const moved = await page.locator(settings).boundingBox();
    assert.deepEqual([moved.x, moved.y], [40, 420]);
    // The face of the window's button row where it is now, and a corner of
    // where it was that it does not cover now.
    const inside = ([x, y], b) => x >= b.x && x <= b.x + b.width && y >= b.y && y <= b.y + b.height;
    const left = [[before.x + 3, before.y + before.height - 3], [before.x + before.width - 3, before.y + before.height - 3],
      [before.x + before.width - 3, before.y + 30], [before.x + 3, before.y + 30]].find((p) => !inside(p, moved));
    const { colours } = await pixelsAt(browser, await page.screenshot(), [[moved.x + 3, moved.y + moved.height - 3], left]);
    assert.ok(near(colours[0], DIALOG_FACE, 6), `the dialog's face is ${colours[0]}`);
    assert.ok(!near(colours[1], DIALOG_FACE, 6), `the dialog left its first place: ${colours[1]} at ${left}`);
    // The plug-in keeps the place with the values; OK, and the next opening finds it there.
    await typeInto(page, 4, 3);
    await andRedraw(page, () => page.keyboard.press('Enter'));
    await andRedraw(page, () => page.keyboard.press('Control+z'));
    await openContour(page);
    const again = await page.locator(settings).boundingBox();
    assert.deepEqual([again.x, again.y], [moved.x, moved.y]);
    assert.deepEqual((await state(page)).dialog.bounds.slice(0, 2), [moved.x, moved.y]);
  });

  test('folds to its title bar and opens again, by its button, a double-click or Shift+Ctrl+H', async () => {
    const open = await page.locator(settings).boundingBox();
    const client = page.locator(`${settings} .client`);
    const folds = [
      () => page.locator(`${settings} > .fold`).click(),
      () => page.locator(`${settings} .caption`).dblclick(),
      () => page.keyboard.press('Shift+Control+H'),
    ];
    for (const fold of folds) {
      await fold();
      assert.equal(await client.isVisible(), false);
      const folded = await page.locator(settings).boundingBox();
      assert.ok(folded.height < 30, `${folded.height} px high`);
      const { colours } = await pixelsAt(browser, await page.screenshot(), [[open.x + open.width / 2, open.y + open.height / 2]]);
      assert.ok(!near(colours[0], DIALOG_FACE, 6), 'what was under the dialog shows');
      await fold();
      assert.equal(await client.isVisible(), true);
    }
    assert.deepEqual(await page.locator(settings).boundingBox(), open);
  });

  test('pick mode says how to pick, in the status bar and the dialog; Escape stops it', async () => {
    await page.locator(`${settings} [data-item-id="120"]`).click();
    assert.equal(await page.locator('#status').textContent(), PICK_TEXT);
    assert.equal(await page.locator(`${settings} .chrome .progress`).textContent(), PICK_TEXT);
    assert.ok(await page.locator('.busy').evaluate((n) => n.classList.contains('hidden')));
    await page.keyboard.press('Escape');
    assert.equal(await page.locator('#status').textContent(), 'Nothing was picked');
    assert.equal(await page.locator(`${settings} .chrome .progress`).isVisible(), false);
    await andRedraw(page, () => page.keyboard.press('Escape'));
    assert.equal(await page.locator(settings).count(), 0);
  });
});

describe('colour modes and gradients', () => {
  let editor, browser, page;
  const shaded = `<svg xmlns="http://www.w3.org/2000/svg" width="300" height="120">
  <defs><linearGradient id="g"><stop offset="0" stop-color="#f00"/><stop offset="1" stop-color="#00f"/></linearGradient></defs>
  <rect x="10" y="10" width="80" height="80" fill="url(#g)"/><rect x="110" y="10" width="80" height="80" fill="url(#g)"/>
  <rect x="210" y="10" width="80" height="80" fill="#0a0"/></svg>`;

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'shaded.svg', shaded));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  test('"To black" on gradient fills says how many it kept, and why', async () => {
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    await openContour(page);
    await andRedraw(page, () => page.locator(`${settings} [data-item-id="104"]`).click());  // the Style page
    await andRedraw(page, () => page.locator(`${settings} [data-item-id="140"]`).selectOption('2'));  // " To black"
    await andRedraw(page, () => page.locator(`${settings} [data-chrome="OK"]`).click());
    assert.equal(await page.locator('#status').textContent(), '2 gradient fills kept: the colour modes change flat colours only');
  });
});

describe('keyboard shortcuts', () => {
  let editor, browser, page;

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'shapes.svg', twoShapes));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  test('Help > Keyboard Shortcuts lists the keys of every menu command and of the dialog', async () => {
    await menu(page, 'Help', 'Keyboard Shortcuts');
    const list = page.locator('.keys-list');
    await list.waitFor();
    const listed = await list.locator('kbd').allTextContents();
    const inMenus = (await page.locator('.menu-item .keys').allTextContents()).filter(Boolean);
    assert.ok(inMenus.length >= 8, inMenus.join());
    for (const keys of [...inMenus, 'Enter', 'Escape', 'Shift+Ctrl+H'])
      assert.ok(listed.includes(keys), `${keys} is not listed`);
    await page.keyboard.press('Escape');
    assert.equal(await list.count(), 0);
    await page.keyboard.press('F1');
    await list.waitFor();
    await page.keyboard.press('Escape');
  });

  test('Escape closes an open menu', async () => {
    for (const title of ['File', 'Edit', 'Filter', 'Help']) {
      await page.click(`.menu[data-menu="${title}"] > .title`);
      assert.equal(await page.locator('.menu.open > .menu-list').isVisible(), true);
      await page.keyboard.press('Escape');
      assert.equal(await page.locator('.menu.open').count(), 0, title);
    }
  });
});
