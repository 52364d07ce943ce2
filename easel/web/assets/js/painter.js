// Paints a geometry picture (geometry.js) on canvases in slices of a few
// milliseconds, one task each, so that the page answers and shows what is
// drawn so far while hundreds of thousands of paths are painted. A job
// paints ranges of the picture's order, bottom first, each on its own
// context; it can be abandoned at once (a newer change wants the canvas).
//
// A view says how artwork points map to device pixels: `matrix` [a, b, c,
// d, e, f] as the canvas takes it, `scale` (device pixels per point), `clip`
// [left, bottom, right, top] in artwork points (or null), `tolerance` for
// the lines that stand for curves (artwork points). With `detail` set, what
// the screen cannot tell apart is drawn more cheaply:
// - a path whose box (and stroke) is under a device pixel is drawn as a
//   dot of its colour, and not again where the dot before it was of the same
//   paint on the same pixel;
// - of a run of paths of one opaque paint and the same segments, one above
//   the other, whose points all lie within half a device pixel of the
//   first's, only the top one is drawn: it covers the others but for their
//   edges, which differ from its own by less than a pixel.
import { Flattener } from './flatten.js';
import { reach, samePaint } from './paints.js';
import { SLICE_MS, nextTask } from './slices.js';

const CHECK_EVERY = 8;  // paths drawn between looks at the clock
const PIXELS_PER_UNIT = 2048, WORDS_PER_UNIT = 64, DOT_UNITS = 0.25;  // a path costs 1 + its pixels and words in these
let unitsPerMs = 25;    // as the last slice measured, kept from job to job
const NEAR_PIXELS = 0.5;
const NONE = -1;

const flatten = (path, tolerance) => new Flattener(path, tolerance);

export class PaintJob {
  // `ranges`: [{context, from, to, order, started(), progressed(count)}]
  // painted in turn, each of its `order` of slots (the picture's order unless
  // given); `onSlice(job)` after each slice.
  constructor(picture, view, ranges, { onSlice = () => {} } = {}) {
    Object.assign(this, { picture, view, ranges, onSlice });
    this.pixels = Math.max(0, ...ranges.map((r) => r.context.canvas.width * r.context.canvas.height));
    this.total = ranges.reduce((n, r) => n + r.to - r.from, 0);
    this.painted = 0;          // paths of the ranges gone through
    this.range = 0;
    this.begun = NONE;         // the range the contexts are set up for
    this.at = ranges.length ? ranges[0].from : 0;
    this.over = false;
    this.done = new Promise((resolve) => { this.finish = resolve; });
  }

  // Paints the first slice now, the others in tasks of their own; `done`
  // resolves true once all is painted, false when abandoned.
  start() {
    this.slice();
    return this.done;
  }

  abandon() {
    if (this.over) return;
    this.over = true;
    this.finish(false);
  }

  slice() {
    if (this.over) return;
    const started = performance.now();
    this.deadline = started + SLICE_MS;
    this.units = unitsPerMs * SLICE_MS;  // what this slice may still draw
    const budget = this.units, touched = new Set();
    while (this.range < this.ranges.length) {
      const r = this.ranges[this.range];
      if (this.begun !== this.range) this.begin(r);
      touched.add(r.context);
      const before = this.at;
      this.paintRange(r);
      this.painted += this.at - before;
      if (r.progressed) r.progressed(this.at - r.from);
      if (this.at < r.to) break;
      if (++this.range < this.ranges.length) this.at = this.ranges[this.range].from;
    }
    for (const context of touched) context.getImageData(0, 0, 1, 1);  // the pixels filled now
    const ms = performance.now() - started, used = budget - this.units;
    if (used > 0 && ms > 0) unitsPerMs = Math.min(1e5, Math.max(1, (unitsPerMs + used / ms) / 2));
    this.over = this.range >= this.ranges.length;
    this.onSlice(this);
    if (this.over) this.finish(true); else nextTask(() => this.slice());
  }

  begin(r) {
    this.begun = this.range;
    if (r.started) r.started();
    r.context.setTransform(...this.view.matrix);
    this.paint = null;        // the paint the context is set to
    this.fill = null;         // its fill style
    this.run = NONE;          // the first path of the run being passed over
    this.dot = null;          // the last dot: [paint, x, y] in device pixels
  }

  // Whether slot `s` of paint `p` shows in the window.
  shows(s, p) {
    const { box } = this.picture, { clip } = this.view, at = 4 * s;
    const margin = reach(p);
    if (!(box[at] <= box[at + 2])) return false;  // no points
    if (!clip) return true;
    return box[at] - margin <= clip[2] && box[at + 2] + margin >= clip[0]
      && box[at + 1] - margin <= clip[3] && box[at + 3] + margin >= clip[1];
  }

  // Whether the path above `s` (at `next` in the order) is drawn in its
  // place: the same opaque paint and segments, close to the run's first.
  passedOver(s, p, order, next, to) {
    if (next >= to || p.opacity !== 1) return false;
    const picture = this.picture, t = order[next], q = picture.paintOf(t);
    if (!samePaint(p, q) || !this.shows(t, q)) return false;
    return picture.sameShape(this.run === NONE ? s : this.run, t, NEAR_PIXELS / this.view.scale);
  }

  // Paints the range from `at` on, until this slice's time or units are spent.
  paintRange(r) {
    const { picture, view } = this, { box } = picture, { context } = r, detail = view.detail;
    const order = r.order || picture.order;
    const area = view.scale * view.scale;
    let i = this.at;
    for (let n = 1; i < r.to && this.units > 0; i++, n++) {
      if (n % CHECK_EVERY === 0 && performance.now() > this.deadline) break;
      const s = order[i], p = picture.paintOf(s);
      if (!this.shows(s, p)) continue;
      if (detail) {
        if (this.passedOver(s, p, order, i + 1, r.to)) {
          if (this.run === NONE) this.run = s;
          continue;
        }
        this.run = NONE;
      }
      const at = 4 * s, w = box[at + 2] - box[at] + 2 * p.reach, h = box[at + 3] - box[at + 1] + 2 * p.reach;
      if (detail && w * view.scale < 1 && h * view.scale < 1) {
        this.drawDot(context, p, box[at] - p.reach, box[at + 1] - p.reach, w, h);
        this.units -= DOT_UNITS;
        continue;
      }
      this.setPaint(context, p);
      const path = picture.pathOf(s, view.tolerance, flatten);
      if (p.fill) context.fill(path, p.evenOdd ? 'evenodd' : 'nonzero');
      if (p.stroke) context.stroke(path);
      this.dot = null;
      this.units -= 1 + Math.min(w * h * area, this.pixels) / PIXELS_PER_UNIT + picture.size[s] / WORDS_PER_UNIT;
    }
    this.at = i;
  }

  drawDot(context, p, x, y, w, h) {
    const [a, b, c, d, e, f] = this.view.matrix, cx = x + w / 2, cy = y + h / 2;
    const px = Math.floor(a * cx + c * cy + e), py = Math.floor(b * cx + d * cy + f);
    const last = this.dot;
    if (last && p.opacity === 1 && samePaint(last[0], p) && last[1] === px && last[2] === py) return;
    this.dot = [p, px, py];
    this.setPaint(context, p);
    const colour = p.stroke || p.fill;
    if (this.fill !== colour) context.fillStyle = this.fill = colour;
    context.fillRect(x, y, w, h);
  }

  setPaint(context, p) {
    if (p !== this.paint) {
      this.paint = p;
      context.globalAlpha = p.opacity;
      if (p.stroke) {
        context.strokeStyle = p.stroke;
        context.lineWidth = p.width;
        context.lineCap = p.cap;
        context.lineJoin = p.join;
        context.miterLimit = p.miter;
        context.setLineDash(p.dash);
        context.lineDashOffset = p.dashOffset;
      }
    }
    if (p.fill && this.fill !== p.fill) context.fillStyle = this.fill = p.fill;
  }
}
