// Starting `contour edit` and a headless Chromium for the browser tests.
//   CONTOUR_BIN            the built `contour` program (required)
//   CONTOUR_E2E_ARTIFACTS  where screenshots and figures go (default: a temporary folder)
//   CONTOUR_CHROMIUM       the browser (default: Debian's /usr/bin/chromium)
import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, writeFileSync } from 'node:fs';
import http from 'node:http';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const contourBin = process.env.CONTOUR_BIN;
if (!contourBin) throw new Error('set CONTOUR_BIN to the built contour program');

export const artifacts = process.env.CONTOUR_E2E_ARTIFACTS || mkdtempSync(path.join(tmpdir(), 'contour-e2e-art-'));
mkdirSync(artifacts, { recursive: true });

export function workDir() { return mkdtempSync(path.join(tmpdir(), 'contour-e2e-')); }

export function writeDrawing(dir, name, svg) {
  const file = path.join(dir, name);
  writeFileSync(file, svg);
  return file;
}

// A drawing of 400 x 400 px (300 x 300 points): a square at 40..120 px and a star.
export const twoShapes = `<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="400" height="400" viewBox="0 0 400 400">
  <rect id="square" x="40" y="40" width="80" height="80" fill="#4e8cf2" stroke="#222" stroke-width="2"/>
  <path id="star" d="M 280,150 L 294,190 L 336,191 L 303,217 L 315,257 L 280,233 L 245,257 L 257,217 L 224,191 L 266,190 Z"
        fill="#f2c14e" stroke="#5b3a29" stroke-width="2"/>
</svg>
`;

// A five-pointed star about (cx, cy), in SVG's y down.
function star(id, cx, cy) {
  const points = [];
  for (let k = 0; k < 10; k++) {
    const r = k % 2 === 0 ? 20 : 9, a = Math.PI / 2 + (k * Math.PI) / 5;
    points.push(`${(cx + r * Math.cos(a)).toFixed(2)},${(cy - r * Math.sin(a)).toFixed(2)}`);
  }
  return `<path id="${id}" d="M ${points.join(' L ')} Z" fill="#6090c0" stroke="#203040"/>`;
}

// `count` stars in rows of `columns`, on a page of 560 x 740 or, with
// `fill`, on a page that holds them all.
export function starGrid(count, { columns = 10, fill = false } = {}) {
  const stars = [];
  for (let i = 0; i < count; i++) stars.push(star(`s${i}`, 40 + (i % columns) * 52, 40 + Math.floor(i / columns) * 70));
  const [w, h] = fill ? [40 + columns * 52, 40 + Math.ceil(count / columns) * 70] : [560, 740];
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${w}" height="${h}" viewBox="0 0 ${w} ${h}">\n${stars.join('\n')}\n</svg>\n`;
}

// `count` rings in a square grid: circles of 64 cubic segments, filled and stroked.
export function ringGrid(count) {
  const side = Math.ceil(Math.sqrt(count)), pitch = 60, r = 20, k = (4 / 3) * Math.tan(Math.PI / 128);
  const rings = [];
  for (let i = 0; i < count; i++) {
    const cx = 40 + (i % side) * pitch, cy = 40 + Math.floor(i / side) * pitch;
    const at = (a, s = r) => [cx + s * Math.cos(a), cy + s * Math.sin(a)];
    let d = `M${at(0).map((v) => v.toFixed(3)).join(',')}`;
    for (let j = 0; j < 64; j++) {
      const a0 = (j * Math.PI) / 32, a1 = ((j + 1) * Math.PI) / 32;
      const [x0, y0] = at(a0), [x1, y1] = at(a1);
      const c1 = [x0 - k * r * Math.sin(a0), y0 + k * r * Math.cos(a0)];
      const c2 = [x1 + k * r * Math.sin(a1), y1 - k * r * Math.cos(a1)];
      d += `C${[...c1, ...c2, x1, y1].map((v) => v.toFixed(3)).join(',')}`;
    }
    rings.push(`<path d="${d}Z" fill="#c06060" stroke="#302020" stroke-width="1.5"/>`);
  }
  const size = 80 + side * pitch;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${size}" height="${size}" viewBox="0 0 ${size} ${size}">\n${rings.join('\n')}\n</svg>\n`;
}

// A server of another origin that counts what it is asked for, which a
// page must never ask.
export async function startLure() {
  let loads = 0;
  const server = http.createServer((req, res) => { loads += 1; res.end(); });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { address: `http://127.0.0.1:${server.address().port}`, loads: () => loads, stop: () => server.close() };
}

// A drawing whose script, event attributes, style sheet and image would set
// `parent.ran` or load from `lure` if the page let them.
export const hostileDrawing = (lure) => `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="400" height="400" onload="parent.ran = 'root'">
  <script>parent.ran = 'script';</script>
  <style>@import url("${lure}/sheet.css");</style>
  <image x="0" y="0" width="10" height="10" xlink:href="${lure}/picture.png"/>
  <rect id="bait" x="40" y="40" width="80" height="80" onload="parent.ran = 'rect'" onmouseover="parent.ran = 'hover'"/>
</svg>`;

// Runs `contour edit FILE --no-open` with more arguments; resolves once it
// prints its address, or rejects with what it printed when it exits first.
// With `open`, the editor opens the browser (the program xdg-open of `env`).
export function startEditor(file, args = [], { open = false, env = process.env } = {}) {
  const options = open ? [] : ['--no-open'];
  const child = spawn(contourBin, ['edit', file, ...options, '--seed', '7', ...args], { stdio: ['ignore', 'pipe', 'pipe'], env });
  let out = '', err = '';
  const exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve({ code, signal, out, err })));
  child.stderr.on('data', (d) => { err += d; });
  return new Promise((resolve, reject) => {
    child.stdout.on('data', (d) => {
      out += d;
      const found = /(http:\/\/127\.0\.0\.1:(\d+)\/\?token=([0-9a-f]+))/.exec(out);
      if (found) resolve({ address: found[1], port: Number(found[2]), token: found[3], child, exited, output: () => ({ out, err }) });
    });
    exited.then((r) => reject(new Error(`contour edit ended (${r.code}): ${r.err || r.out}`)));
  });
}

export async function stopEditor(editor) {
  if (editor.child.exitCode === null) editor.child.kill('SIGINT');
  return editor.exited;
}

export function launchBrowser() {
  return chromium.launch({
    executablePath: process.env.CONTOUR_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update', '--no-first-run',
      '--disable-sync', '--disable-default-apps', '--disable-dev-shm-usage'],
  });
}

// Opens the editor's page and waits until it shows the drawing. The page
// opens fitted to the window; unless `fitted`, the test presses 1 for 100 %,
// at which most tests click.
export async function openPage(browser, editor, { fitted = false, viewport = { width: 1280, height: 900 } } = {}) {
  const page = await browser.newPage({ viewport, acceptDownloads: true });
  await page.goto(editor.address);
  await page.waitForFunction(() => window.contourEditor && window.contourEditor.drawn() > 0);
  if (!fitted) await page.keyboard.press('1');
  await viewSettled(page);
  return page;
}

// Waits until the host's view has the page's zoom and the page is painted.
export async function viewSettled(page) {
  await page.waitForFunction(() => {
    const e = window.contourEditor;
    return !e.zooming() && Math.abs(e.state().view.zoom - e.zoom()) <= 1e-6 * e.zoom() && !e.busy() && !e.painting();
  });
}

// Runs `action` (a user's gesture) and waits until the page has painted the
// host's answer to it.
export async function andRedraw(page, action) {
  const before = await page.evaluate(() => window.contourEditor.drawn());
  await action();
  // A redraw alone may be an earlier answer's: wait for the menu command, and the painting of its answer, to end too.
  await page.waitForFunction((b) => {
    const e = window.contourEditor;
    return e.drawn() > b && !e.busy() && !e.painting?.();  // (a page of before painting() paints at once)
  }, before);
}

export const state = (page) => page.evaluate(() => window.contourEditor.state());
// The page's copy of the drawing as SVG text (the spacing between elements left out:
// patches put new art in without the file's line breaks).
export const drawing = (page) => page.evaluate(() => window.contourEditor.drawing().replace(/>\s+</g, '><'));
export const shapeCount = (svg) => (svg.match(/<path\b/g) || []).length + (svg.match(/<rect\b/g) || []).length;

// The colours [r, g, b] of the page's pixels at client points [x, y], from
// one screenshot, read in a blank page of the browser (whose policy lets it).
export async function pixelsAt(browser, page, points) {
  const shot = (await page.screenshot()).toString('base64');
  const blank = await browser.newPage();
  try {
    return await blank.evaluate(async ([base64, where]) => {
      const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const c = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      c.drawImage(bitmap, 0, 0);
      return where.map(([x, y]) => [...c.getImageData(Math.floor(x), Math.floor(y), 1, 1).data.slice(0, 3)]);
    }, [shot, points]);
  } finally {
    await blank.close();
  }
}
