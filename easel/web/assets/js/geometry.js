// The page's own copy of a drawing made of plain art (paths with flat paint,
// and groups of them), from the geometry the host sends: no text of the
// drawing is parsed or shown. The host names objects by small ids. Each
// object is a record of the words the host writes (DrawingGeometry.h): its
// id, its container's, the one above it, its size, its paint (an index into
// the answer's paints; -1 for a group), whether it is hidden or has cubics,
// the box of its points, then its subpaths (records.js), in artwork points
// (y up). Each container keeps its objects bottom to top, each linked to the
// one above it.
//
// An answer may put in hundreds of thousands of objects, so each object is a
// slot of typed arrays rather than an object of its own: putting one in
// costs a few words written, and its points stay in the answer's buffer,
// read only once it is drawn. After each patch, `order` lists the slots of
// the paths shown, bottom first, and `serials` says which each is: a number
// given to each object put in, but a path that takes the place of one taken
// out by the same answer and looks exactly like it (the same segments,
// points and paint: a preview makes most of its contours again as they were)
// keeps that one's number. The host sends most such paths as the id of the
// one taken out alone: the path takes that one's slot again, as it was. A
// painter compares them with what it drew to know what it need not paint
// again.
import { IdTable } from './idtable.js';
import { samePaint } from './paints.js';
import { sameShapeWithin, walkPath } from './records.js';

const SVG_NS = 'http://www.w3.org/2000/svg';
const ROOT = 0;        // the slot of the top container
const NONE = -1;
// Where each part of a record starts, in words, and the bits of its flags, as
// DrawingGeometry.h numbers them (the PageConstants test holds them to it).
const AT_ID = 0, AT_CONTAINER = 1, AT_ABOVE = 2, AT_SIZE = 3, AT_PAINT = 4, AT_FLAGS = 5, AT_BOX = 6, AT_SUBPATHS = 10;
// A record of REPEATED_SIZE is a path as the one of the id at AT_SOURCE, which the answer takes out.
const AT_SOURCE = 4, REPEATED_SIZE = 1;
const HIDDEN = 1, CURVED = 2;
const CLOCK_EVERY = 256;  // records patched between looks at the clock
const COPIED_AT_ONCE = 1 << 18;  // elements of a column copied between looks at the clock
// Paths shown beyond which look-alikes are not looked for: it costs some
// hundred nanoseconds a path, and in a picture of hundreds of thousands
// (each mostly overlapping others) it held the first paths back by more
// than it spared.
const LOOKALIKES_MOST = 20000;

// A number for a record's look, from its size and box: records that look
// alike have the same one (others seldom do).
function lookOf(words, head) {
  let h = words[head + AT_SIZE];
  for (let k = AT_BOX; k < AT_BOX + 4; k++) h = Math.imul(h ^ words[head + k], 0x9e3779b1);
  return h;
}

// Whether `count` words of `wa` from `a` and of `wb` from `b` are the same.
function sameWords(wa, a, wb, b, count) {
  for (let k = 0; k < count; k++) if (wa[a + k] !== wb[b + k]) return false;
  return true;
}

// Path data text of the same commands.
class PathText {
  constructor() { this.d = ''; }
  moveTo(x, y) { this.d += `${this.d ? ' ' : ''}M${x},${y}`; }
  lineTo(x, y) { this.d += ` L${x},${y}`; }
  bezierCurveTo(a, b, c, d, x, y) { this.d += ` C${a},${b} ${c},${d} ${x},${y}`; }
  closePath() { this.d += ' Z'; }
}

// The typed arrays of the slots, by name and kind; `box` holds four floats a slot.
const COLUMNS = {
  serial: Uint32Array, key: Uint32Array, size: Uint32Array, flags: Uint8Array, paint: Int32Array, buffer: Int32Array, start: Int32Array,
  parent: Int32Array, below: Int32Array, above: Int32Array, first: Int32Array, last: Int32Array,
  tolerance: Float64Array, box: Float32Array,
};

export class GeometryPicture {
  constructor() {
    this.capacity = 0;
    this.growing = null;           // the column being copied into a longer one: {name, column, copied}
    this.paths = [];               // slot -> its Path2D once drawn, else null
    this.grow(1024);
    this.used = 1;                 // slots ever used; slot 0 is the top container
    this.first[ROOT] = this.last[ROOT] = NONE;
    this.spare = [];               // slots free to reuse
    this.slots = new IdTable();    // id -> slot
    this.buffers = [];             // the answers whose records are in use: {words, floats, paints, live}
    this.nextSerial = 1;
    this.order = new Int32Array(0);
    this.serials = new Uint32Array(0);
    this.count = 0;                // paths in `order`
  }

  // Makes room for `capacity` slots, a part of a column at a time until the
  // clock passes `until` (a column of a million slots takes milliseconds to
  // copy, more than a slice); says whether all columns have it. Each call
  // copies at least one part, so that calls in turn get there.
  grow(capacity, until = Infinity) {
    let moved = false;
    const late = () => moved && performance.now() > until;
    for (const [name, Type] of Object.entries(COLUMNS)) {
      const length = capacity * (name === 'box' ? 4 : 1), old = this[name];
      if (old && old.length >= length) continue;
      if (!this.growing || this.growing.name !== name || this.growing.column.length !== length) this.growing = { name, column: new Type(length), copied: 0 };
      const growing = this.growing;
      for (; old && growing.copied < old.length; moved = true) {
        if (late()) return false;
        const end = Math.min(old.length, growing.copied + COPIED_AT_ONCE);
        growing.column.set(old.subarray(growing.copied, end), growing.copied);
        growing.copied = end;
      }
      this[name] = growing.column;
      this.growing = null;
    }
    // Packed: a sparse array is slow.
    for (; this.paths.length < capacity; moved = true) {
      if (late()) return false;
      for (let n = 0; n < COPIED_AT_ONCE && this.paths.length < capacity; n++) this.paths.push(null);
    }
    this.capacity = capacity;
    return true;
  }

  // Takes out and puts in what an answer's `words` (and the same bytes as
  // `floats`) say, with the answer's `paints`; then lists the paths shown.
  // Says whether it could: false when the answer repeats a path the picture
  // did not have.
  patch(words, floats, paints) {
    const patching = this.patcher(words, floats, paints);
    while (!patching.step(Infinity));
    return !patching.failed;
  }

  // The same patch in steps, for answers of hundreds of thousands of
  // records: `step(until)` works until the clock passes `until` and says
  // whether the patch is done. Until it is, the picture must not be read.
  // Once done, `failed` says whether a record repeated a path the picture did
  // not have: the picture is then of no use.
  patcher(words, floats, paints) {
    let at = 1, removing = words[0], inserting = -1, buffer = -1, entry = null, room = 0, listing = null, released = 0;
    let failed = false;
    // look -> the paths taken out: [slot, words, start, paint]; null when not looked for
    const taken = this.findsLookalikes ? new Map() : null;
    // The slots taken out, by id, kept as they are until the records are in:
    // a record that repeats one of them takes it again, Path2D and all.
    const gone = new IdTable(), goneIds = [];
    const late = (n, until) => n % CLOCK_EVERY === 0 && performance.now() > until;
    return {
      get failed() { return failed; },
      step: (until) => {
        for (let n = 1; removing > 0; removing--, n++) {
          if (late(n, until)) return false;
          this.takeOut(this.slots.get(words[at++]), (s) => {
            const id = this.key[s];
            gone.set(id, s);
            goneIds.push(id);
            if (taken && this.paint[s] >= 0) this.listLook(taken, s);
          });
        }
        if (inserting < 0) {
          inserting = words[at++];
          buffer = this.buffers.length;
          entry = { words, floats, paints, live: 0 };
          this.buffers.push(entry);
          room = this.capacity;
          while (room < this.used + Math.max(0, inserting - this.spare.length)) room *= 2;
        }
        if (room > this.capacity && !this.grow(room, until)) return false;
        const { serial, key, size, paint, flags, box, start, tolerance, first, last, parent, slots, spare } = this;
        for (let n = 1; inserting > 0; inserting--, n++) {
          if (late(n, until)) return false;
          const id = words[at + AT_ID], parentId = words[at + AT_CONTAINER], aboveId = words[at + AT_ABOVE];
          const end = at + AT_SIZE + 1 + words[at + AT_SIZE];
          this.forget(slots.get(id));
          let s;
          if (words[at + AT_SIZE] === REPEATED_SIZE) {
            s = gone.get(words[at + AT_SOURCE]);
            if (s === undefined) {
              failed = true;
              at = end;
              continue;
            }
            gone.delete(words[at + AT_SOURCE]);
          } else {
            // The host gives each record's size and box: its points are read only once it is drawn.
            s = spare.length ? spare.pop() : this.used++;
            serial[s] = this.serialOf(taken, gone, words, floats, at, paints);
            size[s] = words[at + AT_SIZE];
            paint[s] = floats[at + AT_PAINT];
            flags[s] = words[at + AT_FLAGS];
            for (let k = 0; k < 4; k++) box[4 * s + k] = floats[at + AT_BOX + k];
            this.buffer[s] = buffer;
            start[s] = at + AT_SUBPATHS;
            tolerance[s] = NaN;
            first[s] = last[s] = NONE;
            entry.live++;
          }
          key[s] = id;
          const container = parentId ? slots.get(parentId) : undefined;
          parent[s] = container === undefined ? ROOT : container;
          this.link(s, aboveId ? slots.get(aboveId) : undefined);
          slots.set(id, s);
          at = end;
        }
        for (let n = 1; released < goneIds.length; released++, n++) {
          if (late(n, until)) return false;
          const s = gone.get(goneIds[released]);
          if (s !== undefined) this.release(s);
        }
        if (!listing) {
          if (taken) taken.clear();
          // (An id put in twice may have let go of the answer's buffer on the way.)
          this.buffers[buffer] = entry.live > 0 ? entry : null;
          listing = this.lister();
        }
        return listing(until);
      },
    };
  }

  // Whether a patch keeps the serials of look-alikes (see LOOKALIKES_MOST).
  get findsLookalikes() { return this.count <= LOOKALIKES_MOST; }

  // Puts slot `s` below `above` (when it is in the same container), else on top.
  link(s, above) {
    const list = this.parent[s];
    const next = above !== undefined && this.parent[above] === list ? above : NONE;
    this.above[s] = next;
    const below = next !== NONE ? this.below[next] : this.last[list];
    this.below[s] = below;
    if (below !== NONE) this.above[below] = s; else this.first[list] = s;
    if (next !== NONE) this.below[next] = s; else this.last[list] = s;
  }

  // The serial of the record at `at` of an answer: the one of a path in
  // `taken` that looks the same and is still `gone`, which it takes (the
  // path gets a new one, should a record repeat it), else a new one.
  serialOf(taken, gone, words, floats, at, paints) {
    const paint = floats[at + AT_PAINT], alike = taken && paint >= 0 && taken.get(lookOf(words, at));
    if (alike) {
      // The same look is the same words: comparing them is several times
      // quicker than comparing the points as floats.
      const size = words[at + AT_SIZE], count = size - (AT_SUBPATHS - AT_SIZE - 1);
      const i = alike.findIndex(([s, w, start, p]) => gone.get(this.key[s]) === s && samePaint(p, paints[paint])
        && w[start - AT_SUBPATHS + AT_SIZE] === size && sameWords(words, at + AT_SUBPATHS, w, start, count));
      if (i >= 0) {
        const s = alike.splice(i, 1)[0][0], kept = this.serial[s];
        this.serial[s] = this.nextSerial++;
        return kept;
      }
    }
    return this.nextSerial++;
  }

  // Lists path slot `s` in `taken` by its look.
  listLook(taken, s) {
    const b = this.buffers[this.buffer[s]], look = lookOf(b.words, this.start[s] - AT_SUBPATHS);
    const path = [s, b.words, this.start[s], this.paintOf(s)];
    if (taken.has(look)) taken.get(look).push(path); else taken.set(look, [path]);
  }

  // Takes slot `s` and what it holds out of the picture, giving each to `out`.
  takeOut(s, out) {
    if (s === undefined) return;
    for (let c = this.first[s]; c !== NONE; c = this.above[c]) this.takeOut(c, out);
    const list = this.parent[s], below = this.below[s], above = this.above[s];
    if (below !== NONE) this.above[below] = above; else this.first[list] = above;
    if (above !== NONE) this.below[above] = below; else this.last[list] = below;
    this.slots.delete(this.key[s]);
    out(s);
  }

  // Gives a slot taken out back: its Path2D, and its hold on its answer's buffer.
  release(s) {
    this.paths[s] = null;
    const entry = this.buffers[this.buffer[s]];
    if (--entry.live === 0) this.buffers[this.buffer[s]] = null;
    this.spare.push(s);
  }

  // Takes out slot `s` and what it holds for good.
  forget(s) { this.takeOut(s, (t) => this.release(t)); }

  // Lists the paths shown, bottom first: hidden objects and what they hold
  // are left out. In steps as the patch is: `step(until)` says whether the
  // list is done (a drawing of hundreds of thousands of paths takes tens of
  // milliseconds).
  lister() {
    if (this.order.length < this.used) {
      this.order = new Int32Array(this.capacity);
      this.serials = new Uint32Array(this.capacity);
    }
    const { order, serials, serial, flags, paint, first, above } = this;
    const resume = [];  // where each container being listed goes on
    let n = 0, s = first[ROOT];
    return (until) => {
      for (let k = 1; ; k++) {
        if (k % CLOCK_EVERY === 0 && performance.now() > until) return false;
        if (s === NONE) {
          if (resume.length === 0) break;
          s = resume.pop();
        } else if (flags[s] & HIDDEN) {
          s = above[s];
        } else if (paint[s] >= 0) {
          order[n] = s;
          serials[n++] = serial[s];
          s = above[s];
        } else {
          resume.push(above[s]);
          s = first[s];
        }
      }
      this.count = n;
      return true;
    };
  }

  // The paint of a path's slot: {fill, stroke, width, cap, join, miter, dash, dashOffset, evenOdd, opacity}.
  paintOf(s) { return this.buffers[this.buffer[s]].paints[this.paint[s]]; }

  // The words, floats and start of a path's subpaths.
  recordOf(s) {
    const b = this.buffers[this.buffer[s]];
    return [b.words, b.floats, this.start[s]];
  }

  // Whether the paths of slots `s` and `t` have the same subpaths and
  // segments, each point of one within `near` of the other's.
  sameShape(s, t, near) {
    // Points within `near` of each other make curves and boxes within `near`
    // (a little more for the rounding of curves' bounds): most paths differ there.
    const { box } = this, most = near * 1.001;
    for (let k = 0; k < 4; k++) if (!(Math.abs(box[4 * s + k] - box[4 * t + k]) <= most)) return false;
    const a = this.buffers[this.buffer[s]], b = this.buffers[this.buffer[t]];
    return sameShapeWithin(a.words, a.floats, this.start[s], b.words, b.floats, this.start[t], near);
  }

  // A path's Path2D, built when first asked for; given `tolerance` (artwork
  // points), curves are drawn as lines that close to them (`flatten`).
  pathOf(s, tolerance, flatten) {
    if (this.paths[s] && this.tolerance[s] === tolerance) return this.paths[s];
    const path = new Path2D();
    const [w, f, at] = this.recordOf(s);
    const flat = tolerance > 0 && (this.flags[s] & CURVED) !== 0;  // lines alone are drawn as they are
    walkPath(w, f, at, flat ? flatten(path, tolerance) : path);
    this.paths[s] = path;
    this.tolerance[s] = tolerance;
    return path;
  }

  // The picture as SVG text (for tests and the PNG's fallback): one element
  // per object, in the file's order, with its geometry and paint.
  text(page) {
    const out = [`<svg xmlns="${SVG_NS}" viewBox="0 0 ${page[0]} ${page[1]}"><g transform="matrix(1,0,0,-1,0,${page[1]})">`];
    const visit = (list) => {
      for (let s = this.first[list]; s !== NONE; s = this.above[s]) {
        const hidden = this.flags[s] & HIDDEN ? ' display="none"' : '';
        if (this.paint[s] < 0) {
          out.push(`<g data-contour-art="${this.key[s]}"${hidden}>`);
          visit(s);
          out.push('</g>');
          continue;
        }
        const p = this.paintOf(s), d = new PathText();
        const [w, f, at] = this.recordOf(s);
        walkPath(w, f, at, d);
        out.push(`<path data-contour-art="${this.key[s]}"${hidden} d="${d.d}" fill="${p.fill || 'none'}" stroke="${p.stroke || 'none'}"`
          + ` stroke-width="${p.width}" stroke-linecap="${p.cap}" stroke-linejoin="${p.join}" stroke-miterlimit="${p.miter}"`
          + ` stroke-dasharray="${p.dash.join(',') || 'none'}" stroke-dashoffset="${p.dashOffset}"`
          + ` fill-rule="${p.evenOdd ? 'evenodd' : 'nonzero'}" opacity="${p.opacity}"/>`);
      }
    };
    visit(ROOT);
    out.push('</g></svg>');
    return out.join('');
  }
}
