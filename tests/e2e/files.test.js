// Files as a designer handles them: File > Open... lists the folder's
// drawings, a drawing dropped on the page opens (saved beside the first one,
// asking before replacing anything), unsaved changes are asked about first,
// Save As lists the folder; what cannot be opened is said in one line and
// changes nothing. Export... says the size before it writes a PNG of the
// page, the drawing or the selection, on nothing or on white, or the SVG of
// the selection alone; a picture beyond the memory budget is refused first.
import assert from 'node:assert/strict';
import { existsSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import {
  andRedraw, artifacts, drawing, launchBrowser, openPage, shapeCount, startEditor, state, stopEditor, twoShapes, workDir,
  writeDrawing,
} from './support/editor.js';
import { answerNext, dropFile, menu } from './support/gestures.js';
import { near, pixelsAt } from './support/pixels.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const realDrawing = path.join(here, '..', 'fixtures', 'svg', 'tango-folder.svg');  // groups and gradients
const triangle = '<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200"><path d="M50 150 L100 50 L150 150 Z" fill="#c33"/></svg>';

const status = (page) => page.locator('#status').textContent();
const statusSays = (page, pattern) => page.waitForFunction(([source, flags]) =>
  new RegExp(source, flags).test(document.getElementById('status').textContent), [pattern.source, pattern.flags]);
// After a question answered no, nothing is done; after yes, `done` comes true.
const answered = (page, yes, done) => (yes ? page.waitForFunction(done) : statusSays(page, /^Nothing was done$/));
const idle = (page) => page.waitForFunction(() => !window.contourEditor.busy() && !window.contourEditor.painting());

describe('opening and dropping drawings', () => {
  let editor, browser, page, dir;

  before(async () => {
    dir = workDir();
    writeDrawing(dir, 'other.svg', triangle);
    writeDrawing(dir, 'notes.txt', 'not a drawing');
    editor = await startEditor(writeDrawing(dir, 'shapes.svg', twoShapes));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  test('File > Open... lists the folder\'s drawings and opens the one chosen', async () => {
    await page.keyboard.press('Control+o');
    await page.locator('.files .drawing').first().waitFor();
    const names = await page.locator('.files .drawing .name').allTextContents();
    assert.deepEqual(names, ['other.svg', 'shapes.svg']);
    await andRedraw(page, () => page.locator('.files .drawing[data-name="other.svg"]').dblclick());
    await idle(page);
    const s = await state(page);
    assert.equal(s.file, 'other.svg');
    assert.equal(s.modified, false);
    assert.equal(shapeCount(await drawing(page)), 1);  // the triangle
    assert.match(await status(page), /opened .*other\.svg/);
  });

  test('unsaved changes are asked about first', async () => {
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    await page.click('.menu[data-menu="Filter"] > .title');
    await page.hover('.menu[data-menu="Filter"] .submenu');
    await andRedraw(page, () => page.locator('.menu-item', { hasText: 'Contour...' }).click());
    await andRedraw(page, () => page.keyboard.press('Enter'));
    assert.equal((await state(page)).modified, true);
    const changed = await drawing(page);
    for (const yes of [false, true]) {
      await page.keyboard.press('Control+o');
      await page.locator('.files .drawing[data-name="shapes.svg"]').click();
      const asked = answerNext(page, yes);
      await page.locator('.files input').press('Enter');
      assert.match(await asked, /changes that are not saved/);
      await answered(page, yes, () => window.contourEditor.state().file === 'shapes.svg');
      await idle(page);
      assert.equal((await state(page)).file, yes ? 'shapes.svg' : 'other.svg');
      if (!yes) assert.equal(await drawing(page), changed);
    }
    assert.equal(shapeCount(await drawing(page)), 2);
    assert.equal((await state(page)).modified, false);
  });

  test('Save As lists the folder\'s drawings; a click takes a name', async () => {
    await page.keyboard.press('Control+Shift+s');
    await page.locator('.files .drawing[data-name="other.svg"]').click();
    assert.equal(await page.locator('.files input').inputValue(), 'other.svg');
    await page.locator('.files input').press('Escape');
    assert.equal(await page.locator('.files').count(), 0);
  });

  test('a real drawing dropped on the page opens, saved beside the first under its own name', async () => {
    const bytes = readFileSync(realDrawing);
    await andRedraw(page, () => dropFile(page, 'tango-folder.svg', bytes));
    await idle(page);
    assert.equal((await state(page)).file, 'tango-folder.svg');
    assert.deepEqual(readFileSync(path.join(dir, 'tango-folder.svg')), bytes);
    assert.ok(shapeCount(await drawing(page)) > 5);
    // The icon is painted: most probes across the middle of its page are not the page's white.
    const box = await page.locator('#drawing').boundingBox();
    const probes = [];
    for (let i = 1; i <= 3; i++) for (let j = 1; j <= 3; j++) probes.push([box.x + (box.width * i) / 4, box.y + (box.height * j) / 4]);
    const shot = await page.screenshot({ path: path.join(artifacts, 'dropped-drawing.png') });
    const { colours } = await pixelsAt(browser, shot, probes);
    assert.ok(colours.filter((c) => !near(c, '#ffffff', 3)).length >= 5, JSON.stringify(colours));
  });

  test('a dropped file is replaced only once the user says so', async () => {
    const before = await drawing(page);
    for (const yes of [false, true]) {
      const asked = answerNext(page, yes);
      await dropFile(page, 'tango-folder.svg', Buffer.from(triangle));
      assert.match(await asked, /tango-folder\.svg exists beside the drawing/);
      await answered(page, yes, () => /opened .*tango-folder/.test(document.getElementById('status').textContent)
        && !window.contourEditor.busy());
      await idle(page);
      assert.equal(readFileSync(path.join(dir, 'tango-folder.svg'), 'utf8') === triangle, yes);
      if (!yes) assert.equal(await drawing(page), before);
    }
    assert.equal(shapeCount(await drawing(page)), 1);
  });

  test('a file that is not SVG, too large or malformed gets one line, and nothing changes', async () => {
    const before = await drawing(page), files = readdirSync(dir).sort();
    const cases = [
      ['notes.txt', Buffer.from('plain text'), /^notes\.txt is not an SVG drawing: only \.svg and \.svgz files open$/],
      ['huge.svg', Buffer.alloc(33 << 20, 32), /^huge\.svg is too large to open: 33\.0 MB, at most 32 MB$/],
      ['broken.svg', Buffer.from('<svg xmlns="http://www.w3.org/2000/svg"><rect'), /broken\.svg/],
      ['broken.svgz', Buffer.from('not gzip at all'), /broken\.svgz/],
    ];
    for (const [name, bytes, says] of cases) {
      await dropFile(page, name, bytes);
      await statusSays(page, says);
      await idle(page);
      assert.ok(await page.locator('#status.error').count());
      const line = await status(page);
      assert.match(line, says);
      assert.ok(!line.includes('\n'), line);
      assert.equal(await drawing(page), before, name);
    }
    assert.deepEqual(readdirSync(dir).sort(), files);
  });

  test('a drop while the dialog is open, or while a command runs, is refused with a word', async () => {
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    await page.click('.menu[data-menu="Filter"] > .title');
    await page.hover('.menu[data-menu="Filter"] .submenu');
    await andRedraw(page, () => page.locator('.menu-item', { hasText: 'Contour...' }).click());
    await dropFile(page, 'other.svg', Buffer.from(triangle));
    assert.match(await status(page), /The Contour dialog is open: accept or cancel it/);
    await andRedraw(page, () => page.keyboard.press('Escape'));
    const before = await drawing(page);
    // Deselect is still being answered when the drop comes.
    const said = await page.evaluate((text) => {
      window.dispatchEvent(new KeyboardEvent('keydown', { key: 'A', ctrlKey: true, shiftKey: true }));
      const t = new DataTransfer();
      t.items.add(new File([text], 'other.svg'));
      document.getElementById('viewport').dispatchEvent(new DragEvent('drop', { dataTransfer: t, bubbles: true, cancelable: true }));
      return document.getElementById('status').textContent;
    }, triangle);
    assert.equal(said, 'A command is still running: drop the drawing again once it is done');
    await idle(page);
    assert.equal((await state(page)).file, 'tango-folder.svg');
    assert.equal(shapeCount(await drawing(page)), shapeCount(before));
  });
});

describe('Export...', () => {
  let editor, browser, page, dir;

  before(async () => {
    dir = workDir();
    editor = await startEditor(writeDrawing(dir, 'shapes.svg', twoShapes));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    if (editor) await stopEditor(editor);
  });

  const sizeLine = (page) => page.locator('.export .export-size');
  async function exportWith(page, choose) {
    await page.keyboard.press('Control+Shift+e');
    await sizeLine(page).filter({ hasText: /pixels|SVG/ }).waitFor();
    await choose();
  }
  const said = async (page, text) => page.locator('.export .export-size', { hasText: text }).waitFor();
  const write = (page) => andRedraw(page, () => page.locator('.export button', { hasText: 'Export' }).click());

  test('says the size before it writes: by DPI, or by width and height in proportion', async () => {
    await exportWith(page, async () => {
      await said(page, '400 \u00d7 400 pixels');
      assert.equal(await page.locator('.export input[value="selection"]').isDisabled(), true);  // nothing selected
      await page.locator('.export input[name="dpi"]').fill('192');
      await said(page, '800 \u00d7 800 pixels (2.4 MB in memory)');
      await page.locator('.export input[value="pixels"]').check();
      await page.locator('.export input[name="width"]').fill('200');
      assert.equal(await page.locator('.export input[name="height"]').inputValue(), '200');
      await said(page, '200 \u00d7 200 pixels');
      await page.keyboard.press('Escape');
    });
    assert.equal(readdirSync(dir).length, 1);  // nothing written
  });

  test('writes a PNG of the selection, on nothing or on white', async () => {
    const box = await page.locator('#drawing').boundingBox();
    const k = (await state(page)).view.zoom / 0.75;
    await andRedraw(page, () => page.mouse.click(box.x + 80 * k * 0.75, box.y + 80 * k * 0.75));  // the square
    for (const background of ['transparent', 'white']) {
      await exportWith(page, async () => {
        await said(page, '80 \u00d7 80 pixels');  // the square's bounds, at 96 dpi
        await page.locator('.export input[value="drawing"]').check();
        await said(page, '296 \u00d7 217 pixels');  // from the square's left and top to the star's right and bottom
        await page.locator(`.export input[value="${background}"]`).check();
        await page.locator('.export input[name="path"]').fill(`${background}.png`);
        await write(page);
      });
      const png = readFileSync(path.join(dir, `${background}.png`));
      // The square's centre, and the space right of it above the star.
      const { size, colours } = await pixelsAt(browser, png, [[40, 40], [250, 5]]);
      assert.deepEqual(size, [296, 217]);
      assert.ok(near(colours[0], '#4e8cf2'), `${colours[0]}`);
      assert.deepEqual(colours[1], background === 'white' ? [255, 255, 255, 255] : [0, 0, 0, 0]);
    }
  });

  test('writes the SVG of the selection alone, and asks before replacing a file', async () => {
    for (const yes of [true, false]) {
      await exportWith(page, async () => {
        await page.locator('.export input[value="svg"]').check();
        await said(page, 'SVG of the selection');
        assert.equal(await page.locator('.export input[name="path"]').inputValue(), 'shapes-selection.svg');
        if (!yes) writeFileSync(path.join(dir, 'shapes-selection.svg'), 'mine');
        const asked = yes ? null : answerNext(page, false);
        await write(page);
        if (asked) assert.match(await asked, /shapes-selection\.svg exists/);
      });
      if (!yes) await statusSays(page, /^Nothing was done$/);
      await idle(page);
    }
    assert.equal(readFileSync(path.join(dir, 'shapes-selection.svg'), 'utf8'), 'mine');
    await exportWith(page, async () => {
      await page.locator('.export input[value="svg"]').check();
      await page.locator('.export input[name="path"]').fill('part.svg');
      await write(page);
    });
    const part = readFileSync(path.join(dir, 'part.svg'), 'utf8');
    assert.match(part, /id="square"/);
    assert.doesNotMatch(part, /id="star"|data-contour-art/);
  });

  test('a picture larger than the memory budget is refused before it starts, with its size', async () => {
    await exportWith(page, async () => {
      await page.locator('.export input[value="page"]').check();
      await page.locator('.export input[name="dpi"]').fill('7200');  // 30,000 pixels a side
      await said(page, /a PNG of 30000 x 30000 pixels needs 3434 MB, more than the memory budget of 2048 MB/);
      assert.equal(await page.locator('.export button', { hasText: 'Export' }).isDisabled(), true);
      await page.keyboard.press('Escape');
    });
    const reply = await page.evaluate(async () => {
      const token = (await (await fetch('/api/session')).json()).token;
      const answer = await fetch('/api/export', { method: 'POST', headers: { 'X-Contour-Token': token, 'Content-Type': 'application/json' },
        body: JSON.stringify({ path: 'huge.png', dpi: 7200 }) });
      return answer.json();
    });
    assert.equal(reply.ok, false);
    assert.match(reply.error, /30000 x 30000 pixels.*nothing was written/);
    assert.ok(!existsSync(path.join(dir, 'huge.png')));
  });
});
