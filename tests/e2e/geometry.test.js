// The page draws a drawing of plain art on a canvas from geometry: what it
// shows must be what the SVG shows. The page's picture is compared, pixel
// by pixel, with the same drawing's SVG (as the editor writes it) shown as
// an image in its place.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { andRedraw, launchBrowser, openPage, startEditor, stopEditor, workDir, writeDrawing } from './support/editor.js';

// Every kind of paint the canvas draws itself, at no pixel-aligned place;
// a path of more segments than one word of their kinds holds.
const plain = `<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200" viewBox="0 0 300 200">
  <path d="M 20.3,30.7 C 60,5 90,80 130.2,40.1 L 110,90 Z" fill="#3a7bd5" stroke="#102030" stroke-width="3.5"
        stroke-linejoin="round"/>
  <path d="M 150,20 h 60 v 60 h -60 Z M 165,35 h 30 v 30 h -30 Z" fill="#e06c2f" fill-rule="evenodd"/>
  <path d="M 230.5,20 L 280,70 L 240,90" fill="none" stroke="#2a9d3f" stroke-width="6" stroke-linecap="round"
        stroke-dasharray="12,7" stroke-dashoffset="3"/>
  <g transform="rotate(15 80 140)">
    <rect x="40.25" y="115.5" width="70" height="45" fill="#8e44ad" opacity="0.55"/>
    <path d="M 60,120 L 100,170" stroke="#000" stroke-width="9" stroke-linejoin="bevel" stroke-miterlimit="2"/>
  </g>
  <polygon points="170,110 260,130 190,185" fill="#f1c40f" stroke="#7f5f00" stroke-width="2" stroke-linejoin="miter"/>
  <path d="M 10,190 L 290,190" stroke="#c0392b" display="none"/>
  <path d="M 5,196 ${'l 4,-5 l 4,5 '.repeat(17)}c 3,-8 9,-8 12,0" fill="none" stroke="#34495e" stroke-width="2"/>
</svg>
`;

describe('a drawing of plain art on the canvas', () => {
  let editor, browser, page;

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'plain.svg', plain));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
  });
  after(async () => {
    await browser?.close();
    await stopEditor(editor);
  });

  // The viewport as the page shows it, then with the editor's SVG of the
  // drawing as an image in the canvas's place; the number of pixels that differ.
  async function compare() {
    const shown = page.locator('#viewport');
    const canvasShot = await shown.screenshot();
    await page.evaluate(async () => {
      const token = new URLSearchParams(location.search).get('token');
      const { drawing } = await (await fetch('/api/state', { headers: { 'X-Contour-Token': token } })).json();
      const canvas = document.getElementById('drawing-layers'), frame = document.getElementById('drawing');
      // Over the window's viewport rather than in it: the browser shades an
      // image's edges a little differently inside a scrolled box.
      const view = document.getElementById('viewport').getBoundingClientRect(), at = frame.getBoundingClientRect();
      const window = document.createElement('div');
      window.id = 'reference';
      window.style.cssText = `position:fixed;overflow:hidden;left:${view.left}px;top:${view.top}px;width:${view.width}px;height:${view.height}px`;
      const image = new Image();
      image.style.cssText = `position:absolute;left:${at.left - view.left}px;top:${at.top - view.top}px;width:${frame.style.width};height:${frame.style.height}`;
      await new Promise((resolve) => {
        image.onload = resolve;
        image.src = `data:image/svg+xml;base64,${btoa(unescape(encodeURIComponent(drawing.svg)))}`;
      });
      canvas.style.visibility = 'hidden';
      window.append(image);
      document.body.append(window);
    });
    const svgShot = await shown.screenshot();
    await page.evaluate(() => {
      document.getElementById('reference').remove();
      document.getElementById('drawing-layers').style.visibility = '';
    });
    // Compared in a page of its own, whose policy lets it read the screenshots.
    const blank = await browser.newPage();
    const difference = await blank.evaluate(async ([a, b]) => {
      const pixels = async (base64) => {
        const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${base64}`)).blob());
        const c = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
        c.drawImage(bitmap, 0, 0);
        return c.getImageData(0, 0, bitmap.width, bitmap.height).data;
      };
      const [p, q] = [await pixels(a), await pixels(b)];
      let largest = 0, differing = 0, coloured = 0;
      for (let i = 0; i < p.length; i++) {
        const d = Math.abs(p[i] - q[i]);
        largest = Math.max(largest, d);
        if (d > 2) differing++;
        if (i % 4 === 0 && p[i] < 150) coloured++;
      }
      return { largest, differing, coloured, total: p.length / 4 };
    }, [canvasShot.toString('base64'), svgShot.toString('base64')]);
    await blank.close();
    return difference;
  }

  test('shows what its SVG shows, at 100% and zoomed in', async () => {
    const shown = await page.evaluate(() => ({
      frameChildren: document.getElementById('drawing').contentDocument.body.children.length,
      canvasWidth: Math.min(...[...document.querySelectorAll('#drawing-layers canvas')].map((c) => c.width)),
    }));
    assert.equal(shown.frameChildren, 0, 'the frame holds no SVG');
    assert.ok(shown.canvasWidth > 0, 'the canvas is drawn');
    // At 100 % (one user unit a CSS pixel) the page lies on whole pixels, as
    // the image of the SVG does; at a fit zoom the image snaps to them.
    if ((await page.inputValue('#zoom-field')) !== '100%') {
      await andRedraw(page, async () => {
        await page.fill('#zoom-field', '100%');
        await page.press('#zoom-field', 'Enter');
      });
    }
    const whole = await compare();
    console.log(`canvas against SVG, at 100%: ${JSON.stringify(whole)}`);
    assert.ok(whole.coloured > 1000, 'the drawing shows');
    // The canvas scales artwork points to pixels (4/3 at 100 %) where the
    // image draws user units as they are: edge pixels may be shaded a little
    // differently (an eighth of a pixel's coverage), while a pixel's shift or
    // a wrong paint differs by far more.
    assert.ok(whole.largest <= 48 && whole.differing < whole.coloured / 8, `at 100%: ${JSON.stringify(whole)}`);

    // At 1200% the page is far larger than the window: the canvas draws the part in view.
    await andRedraw(page, async () => {
      await page.fill('#zoom-field', '1200%');
      await page.press('#zoom-field', 'Enter');
    });
    await page.evaluate(() => new Promise((resolve) => {
      // 660 and 460 pixels into the page (the sheet has room around it to scroll the page anywhere).
      const sheet = document.getElementById('sheet');
      document.getElementById('viewport').scrollTo(sheet.offsetLeft + 660, sheet.offsetTop + 460);
      requestAnimationFrame(() => requestAnimationFrame(() => requestAnimationFrame(resolve)));
    }));
    const zoomed = await compare();
    console.log(`canvas against SVG, zoomed: ${JSON.stringify(zoomed)}`);
    assert.ok(zoomed.coloured > 10000, 'the drawing shows');
    // Deep in, the renderer shades some edge pixels of paths that reach far
    // outside the surface differently (up to three eighths of a pixel's coverage);
    // a place off by a pixel, or a wrong scale, differs by far more.
    assert.ok(zoomed.largest <= 96 && zoomed.differing < zoomed.total / 50, `zoomed in: ${JSON.stringify(zoomed)}`);
  });

  // The screen's paths: a circle of 64 cubics of radius 20 bends 0.024 from
  // each chord (20 (1 - cos(pi / 64))), so at a tolerance of 0.2 its cubics
  // become lines; one line may then pass over points up to 0.1 away, an arc
  // of 2 acos(1 - 0.1 / 20) = 0.2 radian: about 32 lines in all. At 0.01 the
  // cubics bend too much and are drawn as they are; corners are always kept.
  test('draws barely bent cubics as lines within the tolerance', async () => {
    const cases = await page.evaluate(async () => {
      const { Flattener } = await import('/js/flatten.js');
      const k = (4 / 3) * Math.tan(Math.PI / 128), r = 20;
      const circle = (to) => {
        to.moveTo(r, 0);
        for (let j = 0; j < 64; j++) {
          const [a0, a1] = [(j * Math.PI) / 32, ((j + 1) * Math.PI) / 32];
          to.bezierCurveTo(r * (Math.cos(a0) - k * Math.sin(a0)), r * (Math.sin(a0) + k * Math.cos(a0)),
            r * (Math.cos(a1) + k * Math.sin(a1)), r * (Math.sin(a1) - k * Math.cos(a1)), r * Math.cos(a1), r * Math.sin(a1));
        }
        to.closePath();
      };
      const square = (to) => { to.moveTo(0, 0); to.lineTo(0.01, 0); to.lineTo(0.01, 0.01); to.lineTo(0, 0.01); to.closePath(); };
      const run = (draw, tolerance) => {
        const calls = [];
        const record = { moveTo: (...a) => calls.push(['M', ...a]), lineTo: (...a) => calls.push(['L', ...a]),
          bezierCurveTo: (...a) => calls.push(['C', ...a]), closePath: () => calls.push(['Z']) };
        draw(new Flattener(record, tolerance));
        const points = calls.filter((c) => c[0] === 'M' || c[0] === 'L').map((c) => [c[1], c[2]]);
        // How far the true circle strays from the lines drawn.
        let worst = 0;
        for (let i = 0; i < 2000; i++) {
          const a = (i * Math.PI) / 1000, [x, y] = [r * Math.cos(a), r * Math.sin(a)];
          let near = Infinity;
          for (let j = 0; j < points.length; j++) {
            const [p, q] = [points[j], points[(j + 1) % points.length]], [dx, dy] = [q[0] - p[0], q[1] - p[1]];
            const t = Math.max(0, Math.min(1, ((x - p[0]) * dx + (y - p[1]) * dy) / (dx * dx + dy * dy || 1)));
            near = Math.min(near, Math.hypot(x - p[0] - t * dx, y - p[1] - t * dy));
          }
          worst = Math.max(worst, near);
        }
        return { kinds: calls.map((c) => c[0]).join(''), worst };
      };
      return { flat: run(circle, 0.2), bent: run(circle, 0.01), corners: run(square, 1) };
    });
    const { flat, bent, corners } = cases;
    assert.match(flat.kinds, /^ML{28,36}Z$/, 'a circle at 0.2: about 32 lines');
    assert.ok(flat.worst <= 0.2, `the lines stay within 0.2 of the circle (${flat.worst})`);
    assert.equal(bent.kinds, `M${'C'.repeat(64)}Z`, 'a circle at 0.01: its cubics as they are');
    assert.equal(corners.kinds, 'MLLLZ', 'corners are kept');
  });
});
