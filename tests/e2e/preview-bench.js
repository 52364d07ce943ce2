// Preview benchmarks (not part of the test run): the time from a change of
// the contour count in the dialog to the repainted page, on the latency
// drawing (100 stars x 50 contours) and on rings of 64 cubic segments.
//   node preview-bench.js stars            100 objects, 50 <-> 49 contours
//   node preview-bench.js rings N [SAMPLES] N rings, 13 <-> 12 contours
//   node preview-bench.js memory N CHANGES  the editor's resident memory after
//                                          10 changes and after CHANGES on N rings
//   node preview-bench.js cancel N [SAMPLES] on N rings: "Contour..." to its
//                                          dialog shown, and Escape during a
//                                          long preview to the run ended, to
//                                          the dialog closed and to the drawing
//                                          repainted as it was
//   node preview-bench.js firstpaint 0 [SAMPLES] the example drawing: a fresh
//                                          page opened to its first paint
// Needs CONTOUR_BIN (and CONTOUR_CHROMIUM) as the tests do. With
// CONTOUR_WEB_PAGE (out/web/) the same figures of the static page, its host
// in the page's worker. Prints one JSON line: page figures (median, p95, max)
// and the host's own (from its Server-Timing header, or the worker's answers).
import { readFileSync } from 'node:fs';
import {
  andRedraw, launchBrowser, openPage, ringGrid, starGrid, startEditor, stopEditor, workDir, writeDrawing,
} from './support/editor.js';
import { serve, site, siteWith } from './support/static-site.js';

const [kind = 'stars', countText = '1000', samplesText = '8'] = process.argv.slice(2);
const svg = kind === 'stars' ? starGrid(100) : ringGrid(Number(countText));
const example = new URL('../../examples/star.svg', import.meta.url).pathname;
const residentKiB = (pid) => Number(/VmRSS:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);
const [high, low] = kind === 'stars' ? [50, 49] : [13, 12];
const samples = Number(samplesText);

const median = (xs) => { const s = xs.filter((x) => x != null).sort((a, b) => a - b); return s.length ? Math.round(s[Math.floor(s.length / 2)] * 10) / 10 : null; };
const settingsWindow = '.window[data-dialog="Tesk_Contour"]';
const openContour = async (page) => {
  await page.click('.menu[data-menu="Filter"] > .title');
  await page.hover('.menu[data-menu="Filter"] .submenu');
  await page.locator('.menu-item', { hasText: 'Contour...' }).click();
};

// The preview that is cancelled: 25 contours of each ring, their points
// moved, which makes them slow: seconds long on 4,000 rings, and within the
// page's memory budget (a preview past it ends by itself, and an Escape
// would wait for its answer, not stop a run). The points are moved first,
// and the long run is known by its total. Resolves once it makes contours.
const startLongPreview = (page) => page.evaluate(async (least) => {
  const api = await import('./js/api.js');
  await new Promise((resolve) => {
    const stop = api.followProgress((p) => {
      if (p.running && p.made > 0 && p.total >= least) { stop(); resolve(); }
    });
    for (const [item, value] of [[16, 50], [4, 25]]) {
      const input = document.querySelector(`.window [data-item-id="${item}"] input`);
      input.value = String(value);
      input.dispatchEvent(new Event('change'));
    }
  });
}, Number(countText) * 25);

// "Contour..." to its dialog shown; then a long preview, and Escape once it
// makes contours: to the run ended, as the host tells the page's progress;
// to the dialog closed; and to the drawing repainted as it was (the
// preview's partial answer may still be painted after the close).
async function cancelFigures(page) {
  await page.evaluate(() => { window.contourBefore = window.contourEditor.drawing(); });
  const shown = [], ended = [], closed = [], restored = [];
  for (let i = 0; i < samples; i++) {
    let start = Date.now();
    await openContour(page);
    await page.waitForSelector(settingsWindow);
    shown.push(Date.now() - start);
    await page.waitForFunction(() => !window.contourEditor.busy());
    await startLongPreview(page);
    await page.evaluate(async () => {
      const api = await import('./js/api.js');
      window.contourRunEnded = new Promise((resolve) => {
        const stop = api.followProgress((p) => {
          if (p.running) return;
          stop();
          resolve(Date.now());
        });
      });
    });
    start = Date.now();
    await page.keyboard.press('Escape');
    ended.push((await page.evaluate(() => window.contourRunEnded)) - start);
    await page.waitForFunction((w) => !document.querySelector(w) && !window.contourEditor.busy(), settingsWindow);
    closed.push(Date.now() - start);
    // Once the last answer is painted whole, its text is compared once: the
    // text of a large preview's picture is slow to make, or too long for a string.
    await page.waitForFunction(() => !window.contourEditor.painting() &&
      window.contourEditor.drawn() >= window.contourEditor.state().sequence, null, { timeout: 60000 });
    restored.push(Date.now() - start);
    if (await page.evaluate(() => window.contourEditor.drawing() !== window.contourBefore))
      throw new Error(`sample ${i}: the drawing changed after a cancel`);
  }
  return { dialogShownMs: median(shown), escapeToRunEndedMs: median(ended), escapeToDialogClosedMs: median(closed),
    escapeToDrawingRestoredMs: median(restored), runEndedMs: ended, dialogClosedMs: closed, drawingRestoredMs: restored };
}

// A fresh page (no cache, no storage of an earlier one) opened to the
// example drawing painted: the static page's own drawing is the example.
async function firstPaintFigures(browser) {
  const painted = [];
  for (let i = 0; i < samples; i++) {
    const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
    const page = await context.newPage();
    const start = Date.now();
    await page.goto(site ? `${editor.address}?seed=7` : editor.address);
    await page.waitForFunction(() => window.contourEditor && window.contourEditor.drawn() > 0);
    painted.push(Date.now() - start);
    await context.close();
  }
  return { drawing: 'star.svg', samples, firstPaintMs: median(painted), samplesMs: painted };
}

const editor = kind === 'firstpaint'
  ? await (site ? serve() : startEditor(writeDrawing(workDir(), 'star.svg', readFileSync(example, 'utf8'))))
  : await (site ? serve(siteWith('bench.svg', svg)) : startEditor(writeDrawing(workDir(), 'bench.svg', svg)));
const browser = await launchBrowser();
try {
  if (kind === 'firstpaint') console.log(JSON.stringify(await firstPaintFigures(browser)));
  else {
    const page = site ? await openStaticPage(browser, `${editor.address}?drawing=bench.svg&seed=7`) : await openPage(browser, editor);
    await andRedraw(page, () => page.keyboard.press('Control+a'));
    if (kind === 'cancel') console.log(JSON.stringify({ drawing: `${countText} rings`, samples, ...(await cancelFigures(page)) }));
    else await previewFigures(page);
  }
} finally {
  await browser.close();
  if (site) editor.stop();
  else
    await stopEditor(editor);
}

async function openStaticPage(browser, address) {
  const page = await browser.newPage({ viewport: { width: 1280, height: 900 } });
  await page.goto(address);
  await page.waitForFunction(() => window.contourEditor && window.contourEditor.drawn() > 0);
  return page;
}

// The worker's own figures of its last answers.
function workerTimings(page) { return page.workers()[0].evaluate(() => self.contourTimings.splice(0)); }

async function previewFigures(page) {
  await page.click('.menu[data-menu="Filter"] > .title');
  await page.hover('.menu[data-menu="Filter"] .submenu');
  await andRedraw(page, () => page.locator('.menu-item', { hasText: 'Contour...' }).click());
  const times = [], host = [], resident = {};
  for (let i = 0; i <= samples; i++) {
    if (kind === 'memory' && (i === 10 || i % 100 === 0 || i === samples)) resident[i] = residentKiB(editor.child.pid);
    const value = i % 2 === 0 ? high : low;
    const figure = await page.evaluate((v) => new Promise((resolve) => {
      const input = document.querySelector('.window [data-item-id="4"] input');
      performance.clearResourceTimings();
      const start = performance.now();
      document.addEventListener('contour:drawn', () => {
        const total = performance.now() - start;
        const timing = performance.getEntriesByType('resource').filter((e) => e.name.includes('/api/dialog')).pop();
        resolve({ total, response: timing ? timing.responseEnd - timing.startTime : null,
          bytes: timing ? timing.encodedBodySize : null,
          server: timing ? Object.fromEntries(timing.serverTiming.map((s) => [s.name, s.duration])) : {} });
      }, { once: true });
      input.value = String(v);
      input.dispatchEvent(new Event('change'));
    }), value);
    if (site) {
      const last = (await workerTimings(page)).pop();
      if (last) figure.server = last;
    }
    if (i > 0) { times.push(figure.total); host.push(figure); }
  }
  const sorted = [...times].sort((a, b) => a - b);
  const at = (q) => Math.round(sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))]);
  const serverNames = [...new Set(host.flatMap((h) => Object.keys(h.server)))];
  console.log(JSON.stringify({
    drawing: kind === 'stars' ? '100 stars' : `${countText} rings`, contours: `${high}<->${low}`, samples,
    ...(kind === 'memory' ? { residentKiB: resident } : {}),
    repaintMs: { median: at(0.5), p95: at(0.95), max: Math.round(sorted[sorted.length - 1]) },
    responseMs: median(host.map((h) => h.response)), bytes: median(host.map((h) => h.bytes)),
    hostMs: Object.fromEntries(serverNames.map((n) => [n, median(host.map((h) => h.server[n]))])),
  }));
}
