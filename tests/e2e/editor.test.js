// The editor as a designer uses it: open a drawing, select, open Contour...,
// change values and watch the preview, switch pages, presets, Tumble, pick,
// cancel, accept, undo and redo, repeat, save, export, the About box; the
// plug-in's error dialog; and the question before a reload loses unsaved
// changes. Screenshots of the dialog's pages go to the artefacts.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { gunzipSync, gzipSync } from 'node:zlib';
import {
  andRedraw, artifacts, contourBin, drawing, launchBrowser, openPage, shapeCount, startEditor, state, stopEditor, twoShapes,
  workDir, writeDrawing,
} from './support/editor.js';
import {
  PAGE, artworkClick, dialogItem, menu, openContour, settingsWindow, spinValue, typeInto,
} from './support/gestures.js';

// The test drawing at zoom 1 (support/gestures.js): the square lies at 30..90 points.
const SQUARE = { left: 30, top: PAGE - 30, right: 90, bottom: PAGE - 90 };
const PAGES = ['Contour', 'Rotate', 'Shift', 'Points', 'Style', 'Settings'];
// The first value item of each page (it must be shown when its page is).
const FIRST_ITEM = [4, 11, 7, 16, 140, 51];

const boxes = async (page) => (await state(page)).selection;
const count = (text, what) => text.split(what).length - 1;

describe('contour edit in the browser', () => {
  let editor, browser, page, file, dir, original;

  before(async () => {
    dir = workDir();
    file = writeDrawing(dir, 'shapes.svg', twoShapes);
    editor = await startEditor(file);
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  test('opens the drawing with its page at the view zoom', async () => {
    original = await drawing(page);
    assert.equal(shapeCount(original), 2);
    const s = await state(page);
    assert.deepEqual(s.page, [PAGE, PAGE]);
    assert.equal(s.view.zoom, 1);
    const box = await page.locator('#drawing').boundingBox();
    assert.equal(Math.round(box.width), 400);  // the drawing's own size in pixels
    assert.equal(await page.locator('.menu[data-menu="Filter"] .submenu > .menu-item').textContent(), 'Zeph <Paths>');
  });

  test('selects by click, shift-click, marquee and select all', async () => {
    await andRedraw(page, () => artworkClick(page, 60, 240));  // inside the square
    const [square] = await boxes(page);
    assert.deepEqual(square.map(Math.round), [SQUARE.left, SQUARE.top, SQUARE.right, SQUARE.bottom]);
    await andRedraw(page, () => artworkClick(page, 210, 142, ['Shift']));  // the star's centre, (280, 210) px
    assert.equal((await boxes(page)).length, 2);
    await andRedraw(page, () => artworkClick(page, 60, 240, ['Shift']));
    assert.equal((await boxes(page)).length, 1);
    await andRedraw(page, () => artworkClick(page, 15, 15));  // nothing there
    assert.equal((await boxes(page)).length, 0);
    const box = await page.locator('#drawing').boundingBox();
    await andRedraw(page, async () => {
      await page.mouse.move(box.x + 5, box.y + 5);
      await page.mouse.down();
      await page.mouse.move(box.x + 150, box.y + 150, { steps: 5 });  // touches the square only
      await page.mouse.up();
    });
    assert.equal((await boxes(page)).length, 1);
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    assert.equal((await boxes(page)).length, 2);
    // One box around the selection, and each object's outline.
    assert.equal(await page.locator('#overlay rect.selected').count(), 1);
    assert.equal(await page.locator('#overlay path.outlines').count(), 1);
    await andRedraw(page, () => artworkClick(page, 60, 240));
    assert.equal((await boxes(page)).length, 1);
  });

  test('Contour... opens the default dialog on the Contour page with a preview', async () => {
    await openContour(page);
    const window = page.locator(settingsWindow);
    await window.waitFor();
    assert.equal(await window.locator('.caption').textContent(), 'Contour Plug-in');
    const client = await window.locator('.client').boundingBox();
    assert.deepEqual([client.width, client.height], [520, 240]);
    assert.equal(await spinValue(page, 4), '12');
    assert.equal(await spinValue(page, 5), '4.00');
    assert.equal(await spinValue(page, 6), '4.00');
    assert.equal(await spinValue(page, 9), '0');
    assert.equal(await spinValue(page, 10), '1');
    assert.equal(await spinValue(page, 21), '100.00');
    assert.equal(await dialogItem(page, 3).locator('input').isChecked(), true);
    assert.equal(await dialogItem(page, 30).inputValue(), '0');
    assert.equal((await dialogItem(page, 30).locator('option:checked').textContent()).trim(), 'Reset');
    // Items sit at their rectangles: spin edit 4 at (180, 60) - (240, 80).
    const spin = await dialogItem(page, 4).boundingBox();
    assert.deepEqual([spin.x - client.x, spin.y - client.y, spin.width, spin.height], [180, 60, 60, 20]);
    assert.ok(await dialogItem(page, 106).evaluate((n) => n.classList.contains('emphasised')));
    assert.ok(!(await dialogItem(page, 107).evaluate((n) => n.classList.contains('emphasised'))));
    assert.ok(await dialogItem(page, 4).isVisible());
    assert.ok(!(await dialogItem(page, 11).isVisible()));
    // The preview: the square and its 12 + 1 contours, and the star.
    assert.equal(shapeCount(await drawing(page)), 2 + 13);
  });

  test('changing the contour count redraws the preview', async () => {
    await typeInto(page, 4, 20);
    assert.equal(await spinValue(page, 4), '20');
    assert.equal(shapeCount(await drawing(page)), 2 + 21);
    await andRedraw(page, () => dialogItem(page, 4).locator('.arrows button').first().dispatchEvent('pointerdown'));
    await dialogItem(page, 4).locator('.arrows button').first().dispatchEvent('pointerup');
    assert.equal(await spinValue(page, 4), '21');
    assert.equal(shapeCount(await drawing(page)), 2 + 22);
  });

  test('switches pages; a screenshot of each', async () => {
    for (let k = 1; k <= 6; k++) {
      await andRedraw(page, () => dialogItem(page, 99 + k).click());
      for (let label = 1; label <= 6; label++) {
        const emphasised = await dialogItem(page, 105 + label).evaluate((n) => n.classList.contains('emphasised'));
        assert.equal(emphasised, label === k, `label ${105 + label} on page ${k}`);
      }
      for (let other = 0; other < 6; other++)
        assert.equal(await dialogItem(page, FIRST_ITEM[other]).isVisible(), other === k - 1, `item ${FIRST_ITEM[other]} on page ${k}`);
      await page.locator(settingsWindow).screenshot({
        path: path.join(artifacts, `dialog-page-${k}-${PAGES[k - 1].toLowerCase()}.png`),
      });
    }
    await andRedraw(page, () => dialogItem(page, 100).click());
  });

  test('a preset sets its values and draws its preview', async () => {
    await andRedraw(page, () => dialogItem(page, 30).selectOption('6'));  // " Twist"
    assert.equal(await spinValue(page, 4), '20');
    assert.equal(await spinValue(page, 11), '50.00');  // on the Rotate page, hidden here
    assert.equal(shapeCount(await drawing(page)), 2 + 21);
  });

  test('Tumble draws new settings and keeps Preview on', async () => {
    const before = await drawing(page);
    await andRedraw(page, () => dialogItem(page, 91).click());
    assert.equal(await dialogItem(page, 3).locator('input').isChecked(), true);
    const count = Number(await spinValue(page, 4));
    assert.ok(Number.isInteger(count) && count >= 0 && count <= 79, `contours ${count}`);
    assert.notEqual(await drawing(page), before);
  });

  test('a pick sets the value beside the pick button from the picked point', async () => {
    await andRedraw(page, () => dialogItem(page, 30).selectOption('0'));  // " Reset"
    await dialogItem(page, 120).click();
    assert.ok(await page.locator('#viewport.picking').count());
    // Contours = integer part of x / 10: any x from 150 to 160 gives 15.
    await andRedraw(page, () => artworkClick(page, 155, 40));
    assert.equal(await spinValue(page, 4), '15');
    assert.equal(shapeCount(await drawing(page)), 2 + 16);
    // A click that is not on the artwork picks nothing and says so.
    await dialogItem(page, 120).click();
    await page.locator('#status').click();
    assert.match(await page.locator('#status').textContent(), /not on the artwork/);
    assert.equal(await spinValue(page, 4), '15');
  });

  test('the zoom field zooms the view', async () => {
    await typeInto(page, 21, 200);
    assert.equal((await state(page)).view.zoom, 2);
    assert.equal(Math.round((await page.locator('#drawing').boundingBox()).width), 2 * 400);
    await typeInto(page, 21, 100);
  });

  test('Cancel leaves the document exactly as before', async () => {
    await andRedraw(page, () => dialogItem(page, 2).click());
    assert.equal(await page.locator(settingsWindow).count(), 0);
    assert.equal(await drawing(page), original);
    assert.equal((await state(page)).undo.undo, null);
  });

  test('opening again shows the values from before the cancel; Enter accepts a typed value', async () => {
    await openContour(page);
    assert.equal(await spinValue(page, 4), '12');
    await dialogItem(page, 4).locator('input').fill('5');
    await andRedraw(page, () => page.keyboard.press('Enter'));
    assert.equal(await page.locator(settingsWindow).count(), 0);
    assert.equal(shapeCount(await drawing(page)), 2 + 6);
    assert.equal((await state(page)).undo.undo, 'Contour...');
  });

  test('Escape cancels', async () => {
    const before = await drawing(page);
    await openContour(page);
    await typeInto(page, 4, 9);
    await andRedraw(page, () => page.keyboard.press('Escape'));
    assert.equal(await page.locator(settingsWindow).count(), 0);
    assert.equal(await drawing(page), before);
  });

  test('undo and redo act on whole commands', async () => {
    await andRedraw(page, () => menu(page, 'Edit', 'Undo Contour...'));
    assert.equal(await drawing(page), original);
    await andRedraw(page, () => page.keyboard.press('Control+Shift+z'));
    assert.equal(shapeCount(await drawing(page)), 2 + 6);
  });

  test('the last filter runs again with its kept parameters', async () => {
    await andRedraw(page, () => menu(page, 'Filter', 'Apply Contour'));
    assert.equal(await page.locator(settingsWindow).count(), 0);
    assert.equal(shapeCount(await drawing(page)), 2 + 6 + 6);
    await andRedraw(page, () => page.keyboard.press('Control+z'));
    assert.equal(shapeCount(await drawing(page)), 2 + 6);
  });

  test("the window's own OK accepts like Enter; the plug-in's items are as they were", async () => {
    await openContour(page);
    const items = (await state(page)).dialog.items.length;
    assert.equal(await page.locator(`${settingsWindow} .client > [data-item-id]`).count(), items);
    await typeInto(page, 4, 3);
    await andRedraw(page, () => page.locator(`${settingsWindow} [data-chrome="OK"]`).click());
    assert.equal(await page.locator(settingsWindow).count(), 0);
    assert.equal(shapeCount(await drawing(page)), 2 + 6 + 4);
    await andRedraw(page, () => page.keyboard.press('Control+z'));
    assert.equal(shapeCount(await drawing(page)), 2 + 6);
  });

  test('Save writes the drawing, Save As a copy; both read back', async () => {
    assert.equal((await state(page)).modified, true);
    await andRedraw(page, () => menu(page, 'File', 'Save'));
    const saved = readFileSync(file, 'utf8');
    assert.equal(shapeCount(saved), shapeCount(await drawing(page)));
    assert.equal(shapeCount(saved), 2 + 6);
    // The run is recorded as `contour apply` records it; the one undone is not.
    assert.equal(count(saved, ' contour:run="contour-run-1"'), 6);
    assert.equal(count(saved, '<contour:run '), 1);
    assert.ok(!saved.includes('data-contour-art'), 'the page\'s marks stay out of the file');
    assert.equal((await state(page)).modified, false);
    await menu(page, 'File', 'Save As');
    await page.locator('.prompt input').fill('copy.svg');
    await andRedraw(page, () => page.locator('.prompt input').press('Enter'));
    assert.equal(readFileSync(path.join(dir, 'copy.svg'), 'utf8'), saved);
    assert.equal((await state(page)).file, 'copy.svg');
    // Nothing is left behind by the writes.
    assert.ok(!existsSync(`${file}.tmp`));
  });

  test('Save As asks before it replaces a file, and replaces it only when the user agrees', async () => {
    const other = writeDrawing(dir, 'other.svg', 'mine');
    for (const agree of [false, true]) {
      const asked = new Promise((resolve) => page.once('dialog', async (dialog) => {
        resolve(dialog.message());
        await (agree ? dialog.accept() : dialog.dismiss());
      }));
      await menu(page, 'File', 'Save As');
      await page.locator('.prompt input').fill('other.svg');
      await page.locator('.prompt input').press('Enter');
      assert.match(await asked, /other\.svg already exists/);
      await page.waitForFunction(() => !window.contourEditor.busy());
      assert.equal(readFileSync(other, 'utf8') === 'mine', !agree);
    }
    assert.equal((await state(page)).file, 'other.svg');
  });

  test('a drawing changed on disk: the page says so when focused, and Save asks before replacing it', async () => {
    const other = path.join(dir, 'other.svg');
    writeFileSync(other, '<svg xmlns="http://www.w3.org/2000/svg">theirs</svg>');
    await page.evaluate(() => window.dispatchEvent(new Event('focus')));
    await page.waitForFunction(() => /changed on disk/.test(document.getElementById('file-name').textContent));
    assert.match(await page.locator('#status').textContent(), /other\.svg was changed on disk since it was opened/);
    for (const agree of [false, true]) {
      const asked = new Promise((resolve) => page.once('dialog', async (dialog) => {
        resolve(dialog.message());
        await (agree ? dialog.accept() : dialog.dismiss());
      }));
      await menu(page, 'File', 'Save');
      assert.match(await asked, /changed on disk since it was opened: replace it, or save under another name\?/);
      if (!agree) {
        // Declined: the page offers Save As instead, and nothing is written.
        await page.locator('.prompt input').press('Escape');
        assert.match(readFileSync(other, 'utf8'), /theirs/);
      }
      await page.waitForFunction(() => !window.contourEditor.busy());
    }
    assert.doesNotMatch(readFileSync(other, 'utf8'), /theirs/);
    assert.doesNotMatch(await page.locator('#file-name').textContent(), /changed on disk/);
  });

  test('Export writes a picture of the page beside the drawing', async () => {
    await menu(page, 'File', 'Export');
    await page.locator('.export input[value="page"]').check();  // not the selection
    await page.locator('.export .export-size', { hasText: '400 \u00d7 400 pixels' }).waitFor();
    await andRedraw(page, () => page.locator('.export button', { hasText: 'Export' }).click());
    const png = readFileSync(path.join(dir, 'other.png'));
    assert.deepEqual([...png.subarray(0, 8)], [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
    assert.equal(png.readUInt32BE(16), 400);  // 300 points = 400 SVG pixels
  });

  test('Help > About shows the About box from its template', async () => {
    await andRedraw(page, () => menu(page, 'Help', 'About Contour'));
    const box = page.locator('.window[data-dialog="About Dialog"]');
    await box.waitFor();
    assert.equal(await box.locator('.caption').textContent(), 'Contour Plug-in About');
    const client = await box.locator('.client').boundingBox();
    // 305 x 161 dialog units of an 8-point font: 6/4 pixel across and 13/8 down each.
    assert.ok(Math.abs(client.width - (305 * 6) / 4) < 1 && Math.abs(client.height - (161 * 13) / 8) < 1);
    assert.match(await box.textContent(), /Plugin Name: Zeph18 Contour/);
    assert.match(await box.textContent(), /Version Number: Vol 18.3/);
    await box.screenshot({ path: path.join(artifacts, 'about-box.png') });
    await page.keyboard.press('Enter');
    assert.equal(await box.count(), 0);
  });

  test('closing the page stops the editor, which keeps unsaved changes in a recovery copy', async () => {
    await andRedraw(page, () => page.keyboard.press('Control+z'));
    assert.equal((await state(page)).modified, true);
    await page.close();
    const result = await Promise.race([editor.exited, new Promise((r) => setTimeout(() => r(null), 8000))]);
    assert.ok(result, 'the editor did not stop');
    assert.equal(result.code, 0);
    assert.match(result.out, /the page was closed/);
    // The undone command is kept beside the drawing, under the name it was saved as last.
    const copy = /the changes were not saved; they are in (.*other\.contour-recovery-[\d-]+\.svg)$/m.exec(result.out);
    assert.ok(copy, result.out);
    assert.equal(path.dirname(copy[1]), dir);
    assert.ok(existsSync(copy[1]));
    editor = null;
  });
});

describe('Edit Contour... on a drawing that records a run', () => {
  const editItem = (page) => page.locator('.menu[data-menu="Filter"] .menu-item', { hasText: 'Edit Contour' });
  let editor, browser, page, file, recorded;

  before(async () => {
    const dir = workDir();
    file = path.join(dir, 'runs.svg');
    // Contours 0 to 3 of the square: four copies.
    execFileSync(contourBin, ['apply', writeDrawing(dir, 'shapes.svg', twoShapes), '-o', file, '--select', 'square',
      '--seed', '3', '--set', 'contourCount=3', '--quiet']);
    recorded = readFileSync(file, 'utf8');
    editor = await startEditor(file);
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  test('Chromium draws the marks and the record as nothing', async () => {
    const plain = recorded.replace(/ contour:(source|index|run)="[^"]*"/g, '')
      .replace(/<metadata contour:role="runs">.*<\/metadata>/s, '');
    assert.ok(!plain.includes('contour:run') && plain.length < recorded.length);
    const blank = await browser.newPage();
    const { differ, painted } = await blank.evaluate(async (files) => {
      const pixels = async (svg) => {
        const image = new Image();
        image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(svg)}`;
        await image.decode();
        const canvas = Object.assign(document.createElement('canvas'), { width: 400, height: 400 });
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        return context.getImageData(0, 0, 400, 400).data;
      };
      const [marked, unmarked] = await Promise.all(files.map(pixels));
      let different = 0, opaque = 0;
      for (let i = 0; i < marked.length; i++) different += marked[i] !== unmarked[i];
      for (let i = 3; i < marked.length; i += 4) opaque += marked[i] === 255;
      return { differ: different, painted: opaque };
    }, [recorded, plain]);
    await blank.close();
    assert.equal(differ, 0);
    assert.ok(painted > 80 * 80, 'the drawing was drawn');  // the square alone covers 80 x 80 pixels
  });

  test('is offered for a recorded contour; Cancel keeps it; OK replaces the run as one undo step', async () => {
    assert.equal(shapeCount(await drawing(page)), 2 + 4);
    assert.ok(await editItem(page).evaluate((n) => n.classList.contains('disabled')));  // nothing selected
    await andRedraw(page, () => artworkClick(page, 210, 142));  // the star: no run made anything from it
    assert.equal((await state(page)).editContour, false);
    await andRedraw(page, () => artworkClick(page, 60, 240));  // the square's innermost contour
    assert.equal((await state(page)).editContour, true);

    const editContour = () => andRedraw(page, () => menu(page, 'Filter', 'Edit Contour'));
    await editContour();
    assert.equal(await spinValue(page, 4), '3');  // the recorded record
    await andRedraw(page, () => page.keyboard.press('Escape'));
    assert.equal((await state(page)).modified, false);
    assert.equal(shapeCount(await drawing(page)), 2 + 4);

    await editContour();
    await typeInto(page, 4, 2);
    await andRedraw(page, () => page.keyboard.press('Enter'));
    assert.equal(shapeCount(await drawing(page)), 2 + 3);
    const save = async () => {
      await andRedraw(page, () => menu(page, 'File', 'Save'));
      return readFileSync(file, 'utf8');
    };
    const edited = await save();
    assert.equal(count(edited, 'contour:run="contour-run-1"'), 3);
    assert.equal(count(edited, '<contour:run '), 1);
    assert.match(edited, /contourCount="2"/);

    await andRedraw(page, () => page.keyboard.press('Control+z'));
    assert.equal(shapeCount(await drawing(page)), 2 + 4);
    assert.equal(await save(), recorded);  // the old contours and their record, as the file had them
  });
});

describe('the plug-in\'s error dialog', () => {
  let editor, browser, page;

  before(async () => {
    const file = writeDrawing(workDir(), 'shapes.svg', twoShapes);
    // The plug-in's first request for a parameter block fails: out of memory.
    editor = await startEditor(file, ['--fail-call', 'new handle:1:-108']);
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    await stopEditor(editor);
  });

  test('a failing filter shows the error dialog with the message for its code', async () => {
    const before = await drawing(page);
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    await openContour(page);
    const box = page.locator('.window[data-dialog="Error Dialog"]');
    await box.waitFor();
    assert.equal(await box.locator('.caption').textContent(), 'Plug-in Error');
    assert.match(await box.textContent(), /isn't enough memory \(RAM\) available\./);
    assert.equal(await box.locator('[data-item-id="3"]').textContent(), '-108');
    await box.screenshot({ path: path.join(artifacts, 'error-dialog.png') });
    await box.locator('[data-item-id="1"]').click();
    assert.equal(await box.count(), 0);
    assert.equal(await drawing(page), before);
    // The next use works.
    await openContour(page);
    await page.locator(settingsWindow).waitFor();
    await andRedraw(page, () => page.keyboard.press('Escape'));
    assert.ok(statSync(artifacts).isDirectory());
  });
});

// Chromium asks before unloading only a page the user has interacted with (the
// change below is made with keys and clicks), and only when the page navigates
// away, as on a reload: closing it through the automation protocol never asks.
describe('reloading the page with unsaved changes', () => {
  const WAIT = 5000;
  let editor, browser, page;

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'shapes.svg', twoShapes));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
    page.setDefaultTimeout(WAIT);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  // Reloads the page as the user would; resolves with the dialog that asks first, 'reloaded' or 'neither'.
  function reloadByUser() {
    return new Promise((resolve) => {
      const timer = setTimeout(() => answer('neither'), WAIT);
      function answer(value) {
        clearTimeout(timer);
        page.off('dialog', answer);
        page.off('framenavigated', reloaded);
        resolve(value);
      }
      const reloaded = () => answer('reloaded');
      page.on('dialog', answer);
      page.on('framenavigated', reloaded);
      page.reload({ waitUntil: 'commit', timeout: WAIT }).catch(() => {});  // a reload refused never commits
    });
  }

  test('asks before unsaved changes are lost, and not once they are saved', { timeout: 60000 }, async () => {
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    await openContour(page);
    await andRedraw(page, () => page.keyboard.press('Enter'));
    assert.equal((await state(page)).modified, true);

    const asked = await reloadByUser();
    assert.equal(asked?.type?.(), 'beforeunload', `the reload gave ${asked}`);
    await asked.dismiss();  // stay on the page
    assert.equal((await state(page)).modified, true);

    await andRedraw(page, () => menu(page, 'File', 'Save'));
    assert.equal((await state(page)).modified, false);
    const reload = await reloadByUser();
    if (typeof reload !== 'string') await reload.accept();
    assert.equal(typeof reload === 'string' ? reload : `a ${reload.type()} dialog`, 'reloaded');
  });
});

describe('a compressed drawing with a value viewers ignore', () => {
  test('opens, says what it passed over on its standard error and on the page, and saves compressed', async () => {
    const svg = twoShapes.replace('stroke-width="2"/>', 'stroke-width="2" stroke-linecap="miter"/>');
    const file = path.join(workDir(), 'lenient.svgz');
    writeFileSync(file, gzipSync(svg));
    // The place of the value, counted in the inflated text: the rect's line, the column of "miter".
    const line = svg.split('\n').findIndex((l) => l.includes('miter'));
    const warning = `${file}:${line + 1}:${svg.split('\n')[line].indexOf('miter') + 1}: ` +
      'ignored stroke-linecap "miter" (not a line cap)';
    const editor = await startEditor(file);
    const browser = await launchBrowser();
    try {
      const page = await openPage(browser, editor);
      assert.equal(shapeCount(await drawing(page)), 2);
      assert.equal(await page.locator('#status').textContent(), warning);
      await andRedraw(page, () => page.keyboard.press('Control+a'));
      await openContour(page);
      await andRedraw(page, () => page.keyboard.press('Enter'));
      await andRedraw(page, () => menu(page, 'File', 'Save'));
      assert.equal((await state(page)).modified, false);
    } finally {
      await browser.close();
    }
    const { err } = await stopEditor(editor);
    assert.ok(err.includes(`contour edit: warning: ${warning}\n`), err);
    const saved = readFileSync(file);
    assert.deepEqual([...saved.subarray(0, 2)], [0x1f, 0x8b]);
    assert.ok(shapeCount(gunzipSync(saved).toString()) > 2);
  });
});
