// Page benchmarks (not part of the test run): how the page paints a preview
// of many contours. On a grid of stars that fills its page, shown whole
// ("fit") or at a zoom in percent, the contour count in the dialog is set to
// each COUNT in turn, SAMPLES times:
//   node page-bench.js [STARS [ZOOM [SAMPLES [COUNT...]]]]   (3000 fit 1 100 200)
// For each count, medians of: the host's answer (the change to its last
// byte, and its Server-Timing figures), the first paths painted after it,
// the whole picture painted (`contour:drawn`), and the main thread's tasks
// over 50 ms from the answer on (Chromium's long-task records): how many
// went over 100 ms and the longest. Needs CONTOUR_BIN (and CONTOUR_CHROMIUM)
// as the tests do. Prints one JSON line per count.
import {
  andRedraw, launchBrowser, openPage, starGrid, startEditor, state, stopEditor, workDir, writeDrawing,
} from './support/editor.js';

const [starsText = '3000', zoom = 'fit', samplesText = '1', ...countTexts] = process.argv.slice(2);
const counts = (countTexts.length ? countTexts : ['100', '200']).map(Number);
const samples = Number(samplesText);
const median = (xs) => { const s = xs.filter((x) => x != null).sort((a, b) => a - b); return s.length ? Math.round(s[Math.floor(s.length / 2)]) : null; };

// Sets the contour count to `value`; resolves with the figures of its preview, in ms from the change.
const preview = (page, value) => page.evaluate((v) => new Promise((resolve) => {
  const input = document.querySelector('.window [data-item-id="4"] input');
  const tasks = [];
  const observer = new PerformanceObserver((list) => { for (const e of list.getEntries()) tasks.push([e.startTime, e.duration]); });
  observer.observe({ type: 'longtask' });
  performance.clearResourceTimings();
  let firstPainted = null;
  const painting = (e) => { if (firstPainted === null && e.detail.painted > 0) firstPainted = performance.now(); };
  document.addEventListener('contour:painting', painting);
  const start = performance.now();
  document.addEventListener('contour:drawn', () => {
    const whole = performance.now();
    document.removeEventListener('contour:painting', painting);
    // The long-task records of the last tasks come after them.
    setTimeout(() => {
      observer.disconnect();
      const timing = performance.getEntriesByType('resource').filter((e) => e.name.includes('/api/dialog')).pop();
      const answered = timing ? timing.responseEnd : start;
      const during = tasks.filter(([at, length]) => at + length > answered).map(([, length]) => length);
      resolve({
        answerMs: answered - start, firstPaintedMs: firstPainted && firstPainted - answered, wholeMs: whole - answered,
        tasksOver100: during.filter((d) => d > 100).length, longestTaskMs: Math.max(0, ...during),
        bytes: timing ? timing.encodedBodySize : null,
        host: timing ? Object.fromEntries(timing.serverTiming.map((s) => [s.name, s.duration])) : {},
      });
    }, 200);
  }, { once: true });
  input.value = String(v);
  input.dispatchEvent(new Event('change'));
}), value);

const editor = await startEditor(writeDrawing(workDir(), 'stars.svg', starGrid(Number(starsText), { columns: Math.ceil(Math.sqrt(Number(starsText))), fill: true })));
const browser = await launchBrowser();
try {
  const page = await openPage(browser, editor);
  if (zoom === 'fit') await andRedraw(page, () => page.click('#zoom-fit'));
  else if ((await state(page)).view.zoom !== Number(zoom) / 100) {
    await andRedraw(page, async () => { await page.fill('#zoom-field', `${zoom}%`); await page.press('#zoom-field', 'Enter'); });
  }
  await andRedraw(page, () => page.keyboard.press('Control+a'));
  await page.click('.menu[data-menu="Filter"] > .title');
  await page.hover('.menu[data-menu="Filter"] .submenu');
  await andRedraw(page, () => page.locator('.menu-item', { hasText: 'Contour...' }).click());
  const figures = new Map(counts.map((c) => [c, []]));
  for (let i = 0; i < samples; i++) for (const count of counts) figures.get(count).push(await preview(page, count));
  for (const [count, runs] of figures) {
    const of = (name) => median(runs.map((r) => r[name]));
    console.log(JSON.stringify({
      drawing: `${starsText} stars`, zoom, contours: count, samples,
      answerMs: of('answerMs'), firstPaintedMs: of('firstPaintedMs'), wholeMs: of('wholeMs'),
      tasksOver100: Math.max(...runs.map((r) => r.tasksOver100)), longestTaskMs: Math.max(...runs.map((r) => Math.round(r.longestTaskMs))),
      bytes: of('bytes'), hostMs: Object.fromEntries(Object.keys(runs[0].host).map((n) => [n, median(runs.map((r) => r.host[n]))])),
    }));
  }
} finally {
  await browser.close();
  await stopEditor(editor);
}
