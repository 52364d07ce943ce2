// The painting of a geometry picture in slices (painter.js, layers.js), on
// pictures made here as the host writes them (DrawingGeometry.h): level of
// detail draws what the rules say and looks as the full painting does; a
// painting spread over many slices and three canvases, with changes and
// abandoned paintings between, shows what one painting of the whole shows;
// a patch taken in steps makes the picture one taken at once makes.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { launchBrowser, openPage, startEditor, stopEditor, twoShapes, workDir, writeDrawing } from './support/editor.js';

// Runs in the page: `window.kit`, which writes answers and counts what a painting draws.
function installKit() {
  const PAINTS = [
    { fill: '#336699', stroke: '#000000', width: 1, opacity: 1 },
    { fill: '#336699', stroke: '#000000', width: 1, opacity: 0.5 },
    { fill: '#c04040', stroke: null, width: 1, opacity: 1 },
    { fill: '#40a040', stroke: '#202020', width: 1.5, opacity: 1 },
    { fill: '#c04040', stroke: null, width: 1, opacity: 0.5 },
  ].map((p) => ({ cap: 'butt', join: 'miter', miter: 4, dash: [], dashOffset: 0, evenOdd: false, ...p }));
  // An answer taking out the ids `remove` and putting in `paths` ({points, paint}: closed
  // polygons), bottom first, with ids from `first`, below the object `above` (0: on top).
  function answer(paths, { remove = [], first = 1, above = 0 } = {}) {
    const words = [remove.length, ...remove, paths.length], floats = new Map();
    paths.forEach(({ points, paint }, i) => {
      const xs = points.map((p) => p[0]), ys = points.map((p) => p[1]);
      const head = words.length;
      words.push(first + i, 0, above, 0, 0, 0, 0, 0, 0, 0, 1, points.length - 1, 1, 0);
      [paint, ...[Math.min(...xs), Math.min(...ys), Math.max(...xs), Math.max(...ys)]]
        .forEach((v, k) => floats.set(head + 4 + (k > 0 ? k + 1 : 0), v));
      for (const [x, y] of points) {
        floats.set(words.length, x);
        floats.set(words.length + 1, y);
        words.push(0, 0);
      }
      words[head + 3] = words.length - head - 4;
    });
    const buffer = new ArrayBuffer(4 * words.length), w = new Uint32Array(buffer), f = new Float32Array(buffer);
    w.set(words);
    for (const [at, v] of floats) f[at] = v;
    return [w, f, PAINTS];
  }
  const square = (x, y, side, paint) => ({ points: [[x, y], [x + side, y], [x + side, y + side], [x, y + side]], paint });
  const triangle = (x, y, side, paint) => ({ points: [[x, y], [x + side, y], [x, y + side]], paint });
  // A context that counts what it is asked to draw, or passes it on to `real` too.
  function counting(real) {
    const counts = { fill: 0, stroke: 0, fillRect: 0 };
    const target = real || { canvas: { width: 100, height: 100 } };
    const context = new Proxy(target, {
      get(t, k) {
        if (k in counts) return (...a) => { counts[k]++; if (real) real[k](...a); };
        if (k === 'counts') return counts;
        const v = t[k];
        return typeof v === 'function' ? v.bind(t) : v ?? (() => {});
      },
      set(t, k, v) { t[k] = v; return true; },
    });
    return context;
  }
  const pixels = (canvas) => canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  // How two canvases differ: the largest difference of a channel, its mean
  // over the pixels coloured in `a`, and their count.
  function difference(a, b) {
    const [p, q] = [pixels(a), pixels(b)];
    let largest = 0, sum = 0, coloured = 0;
    for (let i = 0; i < p.length; i += 4) {
      let d = 0;
      for (let k = 0; k < 4; k++) d = Math.max(d, Math.abs(p[i + k] - q[i + k]));
      largest = Math.max(largest, d);
      if (p[i + 3] > 0) {
        coloured++;
        sum += d;
      }
    }
    return { largest, mean: sum / coloured, coloured };
  }
  // A star of 10 points about (x, y), of radii 20 and 9 times `scale`.
  const star = (x, y, scale, paint) => ({
    paint,
    points: Array.from({ length: 10 }, (_, k) => {
      const r = (k % 2 === 0 ? 20 : 9) * scale, a = Math.PI / 2 + (k * Math.PI) / 5;
      return [x + r * Math.cos(a), y + r * Math.sin(a)];
    }),
  });
  const canvas = (width, height) => Object.assign(document.createElement('canvas'), { width, height });
  // The three canvases of `layers` on one, as the page shows them.
  function composite(canvases) {
    const out = canvas(canvases[0].width, canvases[0].height), context = out.getContext('2d');
    for (const c of canvases) context.drawImage(c, 0, 0);
    return out;
  }
  window.kit = { answer, square, triangle, star, canvas, composite, counting, difference };
}

describe('painting a geometry picture', () => {
  let editor, browser, page;

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'two.svg', twoShapes));
    browser = await launchBrowser();
    page = await openPage(browser, editor);
    await page.evaluate(installKit);
  });
  after(async () => {
    await browser?.close();
    await stopEditor(editor);
  });

  // At one device pixel a point, with the detail rules on unless said. The
  // squares and triangles are of side 20 unless tiny; paints 0 (opaque fill
  // and stroke), 1 (the same at half opacity), 2 (opaque fill alone), 3 (opaque,
  // other colours), 4 (fill alone at half opacity).
  test('level of detail draws what its rules say', async () => {
    const cases = await page.evaluate(async () => {
      const { GeometryPicture } = await import('/js/geometry.js');
      const { PaintJob } = await import('/js/painter.js');
      const { square, triangle } = window.kit;
      const ten = (make) => Array.from({ length: 10 }, (_, i) => make(i));
      const drawn = async (paths, detail = true) => {
        const picture = new GeometryPicture();
        picture.patch(...window.kit.answer(paths));
        const context = window.kit.counting();
        const view = { matrix: [1, 0, 0, 1, 0, 0], scale: 1, tolerance: 0.2, detail, clip: null };
        await new PaintJob(picture, view, [{ context, from: 0, to: picture.count }]).start();
        return context.counts;
      };
      return {
        // Each within half a pixel of the first: only the top one.
        closeRun: await drawn(ten((i) => square(100 + 0.04 * i, 100, 20, 0))),
        // A run ends where a path lies more than half a pixel from its first:
        // of shifts 0, 0.2, ..., 1.8 the runs are 0-0.4, 0.6-1.0, 1.2-1.6, 1.8.
        driftingRun: await drawn(ten((i) => square(100 + 0.2 * i, 100, 20, 0))),
        wholeDetail: await drawn(ten((i) => square(100 + 0.04 * i, 100, 20, 0)), false),
        translucent: await drawn(ten((i) => square(100 + 0.04 * i, 100, 20, 1))),
        otherPaints: await drawn(ten((i) => square(100 + 0.04 * i, 100, 20, i % 2 === 0 ? 0 : 3))),
        otherShapes: await drawn(ten((i) => (i % 2 === 0 ? square : triangle)(100 + 0.04 * i, 100, 20, 0))),
        // Under a pixel: dots, one for a pixel that the dot before already took.
        tinyApart: await drawn(ten((i) => square(10 + 5 * i, 10, 0.3, 2))),
        tinyOnePixel: await drawn(ten((i) => (i % 2 === 0 ? square : triangle)(10.1 + 0.01 * i, 10.1, 0.3, 2))),
        tinyOnePixelTranslucent: await drawn(ten((i) => (i % 2 === 0 ? square : triangle)(10.1 + 0.01 * i, 10.1, 0.3, 4))),
      };
    });
    const shows = (fills, dots) => ({ fill: fills, stroke: fills, fillRect: dots });
    assert.deepEqual(cases.closeRun, shows(1, 0));
    assert.deepEqual(cases.driftingRun, shows(4, 0));
    assert.deepEqual(cases.wholeDetail, shows(10, 0));
    assert.deepEqual(cases.translucent, shows(10, 0));
    assert.deepEqual(cases.otherPaints, shows(10, 0));
    assert.deepEqual(cases.otherShapes, shows(10, 0));
    assert.deepEqual(cases.tinyApart, { fill: 0, stroke: 0, fillRect: 10 });
    assert.deepEqual(cases.tinyOnePixel, { fill: 0, stroke: 0, fillRect: 1 });
    assert.deepEqual(cases.tinyOnePixelTranslucent, { fill: 0, stroke: 0, fillRect: 10 });
  });

  // 3,000 paths of four paints, some translucent; then changes to the middle
  // stretch of the order, a painting abandoned after its first slice, a view moved.
  test('a painting in slices and layers shows what one painting shows', async () => {
    const figures = await page.evaluate(async () => {
      const { GeometryPicture } = await import('/js/geometry.js');
      const { Layers } = await import('/js/layers.js');
      const { PaintJob } = await import('/js/painter.js');
      const { answer, square, triangle, canvas, composite, difference } = window.kit;
      let seed = 7;
      const random = () => (seed = (Math.imul(seed, 1103515245) + 12345) >>> 0) / 2 ** 32;
      const shapes = (n) => Array.from({ length: n }, (_, i) => (i % 3 ? square : triangle)(random() * 380, random() * 280,
        3 + random() * 30, i % 4));
      const ids = (first, n) => Array.from({ length: n }, (_, i) => first + i);
      const canvases = [canvas(400, 300), canvas(400, 300), canvas(400, 300)];
      const layers = new Layers(...canvases), picture = new GeometryPicture();
      let view = { matrix: [1, 0, 0, 1, 0, 0], scale: 1, tolerance: 0.2, detail: false, clip: [-1, -1, 401, 301], key: 'at 0' };
      const sameAsOnePainting = async () => {
        const one = canvas(400, 300);
        await new PaintJob(picture, view, [{ context: one.getContext('2d'), from: 0, to: picture.count }]).start();
        return difference(one, composite(canvases));
      };
      const out = {}, answers = [];
      const patch = (a) => { answers.push(a); picture.patch(...a); };
      patch(answer(shapes(3000)));  // ids 1 to 3000
      out.first = await layers.paint(picture, view).done;
      // The middle stretch changes: ids 1201-1800, then 5001-5500, then 6001-6500 take its place.
      patch(answer(shapes(500), { remove: ids(1201, 600), first: 5001, above: 1801 }));
      out.change = await layers.paint(picture, view).done;
      patch(answer(shapes(500), { remove: ids(5001, 500), first: 6001, above: 1801 }));
      const again = layers.paint(picture, view);
      out.again = { done: await again.done, total: again.total, ...(await sameAsOnePainting()) };
      // A change while a painting goes on takes its place at once.
      patch(answer(shapes(2500), { remove: ids(6001, 500), first: 7001, above: 1801 }));
      const abandoned = layers.paint(picture, view);
      patch(answer(shapes(500), { remove: ids(7001, 2500), first: 10001, above: 1801 }));
      const newer = layers.paint(picture, view);
      out.abandoned = { done: await abandoned.done, painted: abandoned.painted, total: abandoned.total };
      out.newer = { done: await newer.done, total: newer.total, ...(await sameAsOnePainting()) };
      view = { ...view, matrix: [1, 0, 0, 1, -30, 20], clip: [29, -21, 431, 281], key: 'moved' };
      const progress = [];
      const moved = layers.paint(picture, view, { onSlice: (job) => progress.push(job.painted) });
      out.moved = { done: await moved.done, total: moved.total, progress, ...(await sameAsOnePainting()) };
      // The same answers taken in steps of a thousand records or a column make the same picture.
      const stepped = new GeometryPicture();
      let steps = 0;
      for (const a of answers) for (const patching = stepped.patcher(...a); !patching.step(-1);) steps++;
      out.stepped = { steps, same: stepped.text([400, 300]) === picture.text([400, 300]) };
      return out;
    });
    console.log(`painting in layers: ${JSON.stringify({ ...figures, moved: { ...figures.moved, progress: undefined } })}`);
    assert.equal(figures.first, true);
    assert.equal(figures.change, true);
    // Only the stretch that changed is painted again; what is under and over it stays.
    assert.equal(figures.again.total, 500);
    // Drawn on one canvas or on three laid over one another: the same pixels
    // but for the rounding of translucent paint to 8 bits on each canvas.
    const same = (f) => f.coloured > 50000 && f.largest <= 4;
    assert.ok(same(figures.again), JSON.stringify(figures.again));
    assert.deepEqual([figures.abandoned.done, figures.abandoned.painted < figures.abandoned.total], [false, true]);
    assert.equal(figures.newer.done, true);
    assert.ok(same(figures.newer), JSON.stringify(figures.newer));
    // A new view paints all again, saying after each slice how far it has got.
    assert.equal(figures.moved.total, 3000 - 600 + 500);
    const { progress } = figures.moved;
    assert.ok(progress.every((n, i) => i === 0 || n >= progress[i - 1]) && progress.at(-1) === 2900, `${progress}`);
    assert.ok(figures.stepped.steps > 10 && figures.stepped.same, JSON.stringify(figures.stepped));
    assert.ok(same(figures.moved), JSON.stringify(figures.moved));
  });

  // Ten stacks of nested squares, each answer taking all out and putting in
  // stacks of one square more or less on top (new ids, the same looks but
  // the one square): where the stacks lie apart, only the squares that
  // differ are painted, soon also after a larger change; where each
  // overlaps the next, the painting goes by the order. Either way the canvases show what one painting shows.
  test('a square more or less on each stack paints only what differs', async () => {
    const cases = await page.evaluate(async () => {
      const { GeometryPicture } = await import('/js/geometry.js');
      const { Layers } = await import('/js/layers.js');
      const { PaintJob } = await import('/js/painter.js');
      const { answer, square, canvas, composite, difference } = window.kit;
      const run = async (pitch, sizes = [20, 21, 20, 21]) => {
        const stacks = (size) => Array.from({ length: 10 }, (_, k) => Array.from({ length: size },
          (_, j) => square(10 + k * pitch + j, 100 + j, 60 - 2 * j, j % 2 ? 0 : 3))).flat();
        const canvases = [canvas(800, 300), canvas(800, 300), canvas(800, 300)];
        const layers = new Layers(...canvases), picture = new GeometryPicture();
        const view = { matrix: [1, 0, 0, 1, 0, 0], scale: 1, tolerance: 0.2, detail: false, clip: [-1, -1, 801, 301], key: 'v' };
        let ids = [], first = 1;
        const totals = [];
        for (const size of sizes) {
          const paths = stacks(size);
          picture.patch(...answer(paths, { remove: ids, first }));
          ids = paths.map((_, i) => first + i);
          first += paths.length;
          const job = layers.paint(picture, view);
          await job.done;
          totals.push(job.total);
        }
        const one = canvas(800, 300);
        await new PaintJob(picture, view, [{ context: one.getContext('2d'), from: 0, to: picture.count }]).start();
        return { totals, ...difference(one, composite(canvases)) };
      };
      return { apart: await run(75), apartAfterMore: await run(75, [5, 20, 21, 20, 21, 20]), overlapping: await run(40) };
    });
    assert.deepEqual(cases.apart.totals, [200, 10, 0, 10]);
    // After a larger change, the squares that stay end on one canvas and those that come and go on another.
    assert.deepEqual(cases.apartAfterMore.totals, [50, 150, 10, 150, 10, 0]);
    assert.ok(cases.overlapping.totals.slice(1).every((t) => t > 100), JSON.stringify(cases.overlapping.totals));
    for (const [name, f] of Object.entries(cases)) assert.ok(f.coloured > 20000 && f.largest === 0, `${name}: ${JSON.stringify(f)}`);
  });

  // Stacks of contours as the filter makes them by default: 101 copies of a
  // star, each 3.62 % smaller than the one below it, through nothing to 2.66
  // times its size upside down, in one paint. Seen from afar (0.3 device
  // pixels a point) copies lie less than a pixel apart and many are under a
  // pixel in size; up close (4/3, the editor at 100 %) few are.
  test('level of detail looks as the full painting does, at a fraction of the paths', async () => {
    const figures = await page.evaluate(async () => {
      const { GeometryPicture } = await import('/js/geometry.js');
      const { PaintJob } = await import('/js/painter.js');
      const { answer, star, canvas, counting, difference } = window.kit;
      const paths = [];
      for (let i = 0; i < 100; i++) {
        const [x, y] = [60 + (i % 10) * 52, 60 + Math.floor(i / 10) * 70];
        for (let k = -1; k <= 100; k++) paths.push(star(x, y, 1 - 0.0362 * (k + 1), 0));
      }
      const picture = new GeometryPicture();
      picture.patch(...answer(paths));
      const paint = async (scale, detail) => {
        const out = canvas(Math.ceil(640 * scale), Math.ceil(800 * scale)), context = counting(out.getContext('2d'));
        const view = { matrix: [scale, 0, 0, scale, 0, 0], scale, tolerance: 0.2 / scale, detail, clip: null };
        await new PaintJob(picture, view, [{ context, from: 0, to: picture.count }]).start();
        return [out, context.counts];
      };
      const compare = async (scale) => {
        const [[full, fullCounts], [less, lessCounts]] = [await paint(scale, false), await paint(scale, true)];
        return { full: fullCounts, detail: lessCounts, ...difference(full, less) };
      };
      return { far: await compare(0.3), near: await compare(4 / 3) };
    });
    console.log(`level of detail against the full painting: ${JSON.stringify(figures)}`);
    for (const [name, f] of Object.entries(figures)) {
      assert.equal(f.full.fill, 10200, name);
      // The edges the copies left out would have drawn differ by under a pixel:
      // the tone of the picture stays within 4 % of the full painting's.
      assert.ok(f.mean < 10, `${name}: ${JSON.stringify(f)}`);
    }
    assert.ok(figures.far.detail.fill + figures.far.detail.fillRect < 10200 / 2, JSON.stringify(figures.far));
  });
});
