// The page's own picture of a drawing made of plain art (paths with flat
// paint, and groups of them), drawn on a canvas from the geometry the host
// sends: no text of the drawing is parsed or shown. The host names objects
// by small ids. Each object is a record of the words the host writes
// (DrawingGeometry.h): its id, its container's, the one above it, its size,
// its paint (an index into the answer's paints; -1 for a group), whether it
// is hidden or has cubics, the box of its points, then its subpaths with
// their anchors and direction points, in artwork points (y up). Each container
// keeps its objects bottom to top, each object linked to the one above it.
// An object's bounds come with its record; its Path2D
// is built only once it is first drawn, so that objects outside the window
// cost neither the path's building nor its drawing. Its curves are drawn as
// lines at the view's resolution (flatten.js), rebuilt when that changes.
import { Flattener } from './flatten.js';

const SVG_NS = 'http://www.w3.org/2000/svg';

function container() { return { first: null, last: null }; }

// Walks a record's subpaths (at `at`: count, then each subpath: segments,
// closed, the kinds' words, then the start point and each segment's end
// point, after two direction points for a cubic), as the SVG writer writes
// them. `w` and `f` are the record's words and floats (the same bytes). `to`
// gets moveTo, lineTo, bezierCurveTo and closePath.
function walkPath(w, f, at, to) {
  const count = w[at++];
  for (let s = 0; s < count; s++) {
    const segments = w[at], closed = w[at + 1] === 1, kinds = at + 2;
    at = kinds + ((segments + 31) >>> 5);
    to.moveTo(f[at], f[at + 1]);
    at += 2;
    for (let i = 0; i < segments; i++) {
      if ((w[kinds + (i >>> 5)] & (1 << (i & 31))) === 0) {
        to.lineTo(f[at], f[at + 1]);
        at += 2;
      } else {
        to.bezierCurveTo(f[at], f[at + 1], f[at + 2], f[at + 3], f[at + 4], f[at + 5]);
        at += 6;
      }
    }
    if (closed) to.closePath();
  }
}

// How far a paint's stroke reaches outside its path: half its width, times
// the miter limit at sharp miter joins, and a square cap's corner.
function reach(p) {
  if (!p.stroke) return 0;
  return (p.width / 2) * Math.max(Math.SQRT2, p.join === 'miter' ? p.miter : 1);
}

function meets(box, clip, margin) {
  return box[0] - margin <= clip[2] && box[2] + margin >= clip[0] && box[1] - margin <= clip[3] && box[3] + margin >= clip[1];
}

// Path data text of the same commands.
class PathText {
  constructor() { this.d = ''; }
  moveTo(x, y) { this.d += `${this.d ? ' ' : ''}M${x},${y}`; }
  lineTo(x, y) { this.d += ` L${x},${y}`; }
  bezierCurveTo(a, b, c, d, x, y) { this.d += ` C${a},${b} ${c},${d} ${x},${y}`; }
  closePath() { this.d += ' Z'; }
}

export class GeometryPicture {
  constructor() {
    // id -> {paint, path, box, curved, words, floats, start, parent, below, above, first, last}
    this.items = new Map();
    this.root = container();
  }

  // Takes out and puts in what an answer's `words` (and the same bytes as
  // `floats`) say, with the answer's `paints`.
  patch(words, floats, paints) {
    let at = 0;
    const removed = words[at++];
    for (let i = 0; i < removed; i++) this.forget(this.items.get(words[at++]));
    const inserted = words[at++];
    for (let i = 0; i < inserted; i++) {
      // The host gives each record's size and box: its points are read only once it is drawn.
      const key = words[at], parent = words[at + 1], above = words[at + 2], end = at + 4 + words[at + 3];
      const paint = floats[at + 4], flags = words[at + 5], start = at + 10;
      const box = [floats[at + 6], floats[at + 7], floats[at + 8], floats[at + 9]];
      const hidden = (flags & 1) !== 0, curved = (flags & 2) !== 0;
      at = end;
      this.forget(this.items.get(key));
      const item = { key, paint: paint >= 0 ? paints[paint] : null, hidden, path: null, box, curved, words, floats,
        start, parent: this.items.get(parent) || this.root, below: null, above: null, first: null, last: null };
      this.link(item, above && this.items.get(above));
      this.items.set(key, item);
    }
  }

  link(item, above) {
    const list = item.parent;
    const next = above && above.parent === list ? above : null;
    item.above = next;
    item.below = next ? next.below : list.last;
    if (item.below) item.below.above = item; else list.first = item;
    if (next) next.below = item; else list.last = item;
  }

  forget(item) {
    if (!item) return;
    for (let c = item.first; c; c = c.above) this.forget(c);
    const list = item.parent;
    if (item.below) item.below.above = item.above; else list.first = item.above;
    if (item.above) item.above.below = item.below; else list.last = item.below;
    this.items.delete(item.key);
  }

  // Paints every object, bottom first, with `context` mapping artwork points
  // to pixels; given `clip` [left, bottom, right, top] in artwork points,
  // only the objects that reach into it; given `tolerance` (artwork points),
  // with curves drawn as lines that close to them.
  draw(context, { clip = null, tolerance = 0 } = {}) {
    let current = null;
    const visit = (list) => {
      for (let item = list.first; item; item = item.above) {
        if (item.hidden) continue;
        const p = item.paint;
        if (p && (!clip || meets(item.box, clip, reach(p)))) {
          if (!item.path || item.tolerance !== tolerance) {
            item.path = new Path2D();
            item.tolerance = tolerance;
            const flat = tolerance > 0 && item.curved;  // lines alone are drawn as they are
            walkPath(item.words, item.floats, item.start, flat ? new Flattener(item.path, tolerance) : item.path);
          }
          if (p !== current) {
            current = p;
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
            if (p.fill) context.fillStyle = p.fill;
          }
          if (p.fill) context.fill(item.path, p.evenOdd ? 'evenodd' : 'nonzero');
          if (p.stroke) context.stroke(item.path);
        }
        visit(item);
      }
    };
    visit(this.root);
    context.globalAlpha = 1;
  }

  // The picture as SVG text (for tests and the PNG's fallback): one element
  // per object, in the file's order, with its geometry and paint.
  text(page) {
    const out = [`<svg xmlns="${SVG_NS}" viewBox="0 0 ${page[0]} ${page[1]}"><g transform="matrix(1,0,0,-1,0,${page[1]})">`];
    const visit = (list) => {
      for (let item = list.first; item; item = item.above) {
        const hidden = item.hidden ? ' display="none"' : '';
        if (!item.paint) {
          out.push(`<g data-contour-art="${item.key}"${hidden}>`);
          visit(item);
          out.push('</g>');
          continue;
        }
        const p = item.paint, d = new PathText();
        walkPath(item.words, item.floats, item.start, d);
        out.push(`<path data-contour-art="${item.key}"${hidden} d="${d.d}" fill="${p.fill || 'none'}" stroke="${p.stroke || 'none'}"`
          + ` stroke-width="${p.width}" stroke-linecap="${p.cap}" stroke-linejoin="${p.join}" stroke-miterlimit="${p.miter}"`
          + ` stroke-dasharray="${p.dash.join(',') || 'none'}" stroke-dashoffset="${p.dashOffset}"`
          + ` fill-rule="${p.evenOdd ? 'evenodd' : 'nonzero'}" opacity="${p.opacity}"/>`);
      }
    };
    visit(this.root);
    out.push('</g></svg>');
    return out.join('');
  }
}
