// The picture on three canvases, one over the other: the art under what
// changed, what changed, and the art over it. A change (a preview's new
// contours) usually touches one stretch of the picture's order: what lies
// below it and above it stays on its canvas as it was painted, and only the
// stretch between is painted again. Or it puts paths in and takes paths out
// all over the order (a contour more or less on each of many objects): each
// canvas then stays as it is if all it shows is still in the picture, in its
// order, and only the paths new to the canvases are painted, over them all,
// when that puts no path over one it overlaps that comes after it. Each
// canvas remembers which paths it shows (by the picture's serials, bottom
// first) and at which view; a canvas whose paths or view no longer fit is
// cleared and painted again. Of the two ways, the one that paints fewer paths.
import { levelsKeepOverlaps } from './overlaps.js';
import { PaintJob } from './painter.js';

const UNDER = 0, LIVE = 1, OVER = 2;

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

const NOTHING = new Uint32Array(0);

export class Layers {
  constructor(under, live, over) {
    this.contexts = [under, live, over].map((c) => c.getContext('2d'));
    this.job = null;  // the painting under way or done last
    this.reset();
  }

  // Forgets what the canvases show (they are cleared or resized).
  reset() {
    this.view = '';
    this.last = NOTHING;   // the order the last job painted
    this.shown = [NOTHING, NOTHING, NOTHING];  // the serials each canvas shows, bottom first
  }

  // Starts painting `picture` at `view` (its `key` names it), in place of the
  // painting under way; returns the job.
  paint(picture, view, options) {
    this.stop();
    const order = picture.serials.slice(0, picture.count);
    if (view.key !== this.view) {
      this.view = view.key;
      this.shown = [NOTHING, NOTHING, NOTHING];
      this.contexts.forEach(clear);
    }
    const byOrder = this.byOrder(order);
    const onTop = byOrder.cost > 0 && picture.findsLookalikes ? this.onTop(picture, view, order, byOrder.cost) : null;
    this.last = order;
    this.job = new PaintJob(picture, view, (onTop || byOrder).ranges(), options);
    this.job.start();
    return this.job;
  }

  // The stretch of the order that differs from the one painted last is
  // painted on the canvas between: the canvas under goes on from where it
  // stopped (or again), the canvas over is kept only as it is.
  byOrder(order) {
    const n = order.length, [under, live, over] = this.contexts, [shownUnder, , shownOver] = this.shown;
    const below = samePrefix(this.last, order, Math.min(this.last.length, n));
    const above = sameSuffix(this.last, order, Math.min(this.last.length, n) - below);
    let from = shownUnder.length;
    const keepUnder = from <= below && samePrefix(shownUnder, order, from) === from;
    if (!keepUnder) from = 0;
    let kept = shownOver.length;
    if (kept > above || sameSuffix(shownOver, order, kept) < kept) kept = 0;
    const liveTo = kept ? n - kept : n - above;
    const cost = Math.max(0, below - from) + (liveTo - below) + (kept ? 0 : n - liveTo);
    return {
      cost,
      ranges: () => {
        if (!keepUnder) clear(under);
        this.shown[UNDER] = order.subarray(0, from);
        const ranges = [];
        if (from < below) ranges.push({ context: under, from, to: below, progressed: (count) => { this.shown[UNDER] = order.subarray(0, from + count); } });
        ranges.push({
          context: live, from: below, to: liveTo,
          started: () => { clear(live); this.shown[LIVE] = NOTHING; },
          progressed: (count) => { this.shown[LIVE] = order.subarray(below, below + count); },
        });
        if (!kept) {
          clear(over);
          this.shown[OVER] = NOTHING;
          if (liveTo < n) ranges.push({ context: over, from: liveTo, to: n, progressed: (count) => { this.shown[OVER] = order.subarray(liveTo, liveTo + count); } });
        }
        return ranges;
      },
    };
  }

  // Each canvas stays as it is when all it shows is in the order, in that
  // order. The paths none of them shows are painted on the canvas over, over
  // what it keeps; those of a canvas that is cleared (they showed with a path
  // that is gone) on the live canvas if they may be, so that the canvas over
  // keeps what comes and goes, apart from what stays. Null when that would
  // paint `most` paths or more, or would put a path over one it overlaps that
  // comes after it.
  onTop(picture, view, order, most) {
    const n = order.length, shown = this.shown, next = [0, 0, 0], gone = [false, false, false];
    const canvasOf = new Int8Array(n);  // the canvas that shows each path, or -1
    // A path gone from the picture is passed over, so that the paths shown
    // with it are still found where they are.
    const present = new Set(order);
    const passGone = (c) => {
      const list = shown[c];
      while (next[c] < list.length && !present.has(list[next[c]])) { next[c]++; gone[c] = true; }
    };
    for (let i = 0; i < n; i++) {
      const serial = order[i];
      let c = UNDER;
      for (; c <= OVER; c++) {
        passGone(c);
        if (shown[c][next[c]] === serial) break;
      }
      if (c <= OVER) next[c]++;
      canvasOf[i] = c <= OVER ? c : -1;
    }
    const keeps = shown.map((list, c) => { passGone(c); return !gone[c] && next[c] === list.length; });
    let fresh = 0;
    for (let i = 0; i < n; i++) if (canvasOf[i] < 0 || !keeps[canvasOf[i]]) fresh++;
    if (fresh >= most) return null;
    const { width, height } = this.contexts[0].canvas, slots = picture.order.subarray(0, n);
    // Where the paths shown on a cleared canvas go, and the new ones.
    const plan = [[LIVE, OVER], [OVER, OVER]].find(([again, added]) => {
      const levels = new Uint8Array(n);
      for (let i = 0; i < n; i++) {
        const c = canvasOf[i];
        levels[i] = c < 0 ? 2 * added + 1 : keeps[c] ? 2 * c : 2 * again + 1;
      }
      return levelsKeepOverlaps(picture, view, width, height, slots, levels);
    });
    if (!plan) return null;
    const [again, added] = plan;
    return {
      ranges: () => {
        keeps.forEach((keep, c) => { if (!keep) { clear(this.contexts[c]); shown[c] = NOTHING; } });
        const targets = again === added ? [[added, () => true]] : [[again, (c) => c >= 0], [added, (c) => c < 0]];
        return targets.map(([canvas, takes]) => {
          const list = [];
          for (let i = 0; i < n; i++) if ((canvasOf[i] < 0 || !keeps[canvasOf[i]]) && takes(canvasOf[i])) list.push(i);
          const below = shown[canvas].length, serials = new Uint32Array(below + list.length);
          serials.set(shown[canvas]);
          list.forEach((i, k) => { serials[below + k] = order[i]; });
          // Painted over what it kept, the canvas shows what painting its
          // paths in the picture's order shows: once all are painted it says
          // so, in that order, so that the next change finds them in it.
          const inOrder = () => {
            const all = new Uint32Array(serials.length);
            for (let i = 0, k = 0, next = 0; i < n; i++) {
              if (next < list.length && list[next] === i) {
                all[k++] = order[i];
                next++;
              } else if (keeps[canvas] && canvasOf[i] === canvas) {
                all[k++] = order[i];
              }
            }
            return all;
          };
          return {
            context: this.contexts[canvas], order: Int32Array.from(list, (i) => slots[i]), from: 0, to: list.length,
            progressed: (count) => { shown[canvas] = count === list.length ? inOrder() : serials.subarray(0, below + count); },
          };
        });
      },
    };
  }

  // Abandons the painting under way: the picture is about to change under it.
  stop() {
    if (this.job) this.job.abandon();
    this.job = null;
  }
}
