// The picture on three canvases, one over the other: the art under what
// changed, what changed, and the art over it. A change (a preview's new
// contours) usually touches one stretch of the picture's order: what lies
// below it and above it stays on its canvas as it was painted, and only the
// stretch between is painted again. Each canvas remembers which paths it
// shows (by the picture's serials) and at which view; a canvas whose paths
// or view no longer fit is cleared and painted again.
import { PaintJob } from './painter.js';

function clear(context) {
  context.setTransform(1, 0, 0, 1, 0, 0);
  context.clearRect(0, 0, context.canvas.width, context.canvas.height);
}

// How many of the first `count` serials of `a` and `b` are the same.
function samePrefix(a, b, count) {
  let n = 0;
  while (n < count && a[n] === b[n]) n++;
  return n;
}

// How many of the last serials of `a` and `b` are the same, at most `count`.
function sameSuffix(a, b, count) {
  let n = 0;
  while (n < count && a[a.length - 1 - n] === b[b.length - 1 - n]) n++;
  return n;
}

export class Layers {
  constructor(under, live, over) {
    this.contexts = [under, live, over].map((c) => c.getContext('2d'));
    this.job = null;  // the painting under way or done last
    this.reset();
  }

  // Forgets what the canvases show (they are cleared or resized).
  reset() {
    this.view = '';
    this.last = new Uint32Array(0);   // the order the last job painted
    this.under = { serials: this.last, count: 0 };  // the canvas shows the first `count`
    this.over = { serials: this.last, count: 0 };   // the last `count`
  }

  // Starts painting `picture` at `view` (its `key` names it), in place of the
  // painting under way; returns the job.
  paint(picture, view, options) {
    this.stop();
    const [under, live, over] = this.contexts;
    const order = picture.serials.slice(0, picture.count), n = order.length;
    if (view.key !== this.view) {
      this.view = view.key;
      this.under.count = this.over.count = 0;
      clear(under);
      clear(over);
    }
    // What is the same as in the order painted last, below and above the change.
    const below = samePrefix(this.last, order, Math.min(this.last.length, n));
    const above = sameSuffix(this.last, order, Math.min(this.last.length, n) - below);
    this.last = order;
    const ranges = [];
    // The canvas under is painted on from where it stopped, or again.
    let from = this.under.count;
    if (from > below || samePrefix(this.under.serials, order, from) < from) {
      clear(under);
      from = 0;
    }
    const shownUnder = { serials: order, count: from };
    this.under = shownUnder;
    if (from < below) ranges.push({ context: under, from, to: below, progressed: (count) => { shownUnder.count = from + count; } });
    // The canvas over is kept only as it is: paths put in below it go to the live canvas.
    let kept = this.over.count;
    if (kept > above || sameSuffix(this.over.serials, order, kept) < kept) kept = 0;
    const liveTo = kept ? n - kept : n - above;
    ranges.push({ context: live, from: below, to: liveTo, started: () => clear(live) });
    if (!kept) {
      clear(over);
      const shownOver = { serials: order, count: 0 };
      this.over = shownOver;
      if (liveTo < n) ranges.push({ context: over, from: liveTo, to: n, progressed: (count) => { if (count === n - liveTo) shownOver.count = count; } });
    } else {
      this.over.serials = order;
    }
    this.job = new PaintJob(picture, view, ranges, options);
    this.job.start();
    return this.job;
  }

  // Abandons the painting under way: the picture is about to change under it.
  stop() {
    if (this.job) this.job.abandon();
    this.job = null;
  }
}
