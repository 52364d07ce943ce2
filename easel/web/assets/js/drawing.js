// The page's own picture of the drawing, of one of two kinds. A drawing made
// only of plain art comes as geometry and is drawn on a canvas over the frame
// (geometry.js). Any other comes as SVG, kept in a frame sandboxed without
// scripts: the host sends the whole SVG once, then only what changed (art to
// take out, art to put in with its elements). Every element of art carries
// its ref in data-contour-art. SVG text is parsed by DOMParser, which runs
// nothing, and the nodes are moved into the frame, where scripts, event
// attributes and loads stay inert by its sandbox and its own
// Content-Security-Policy. Either way the host sends only what changed since
// the revision the page shows, and the whole drawing when the kind changes.
// The geometry is painted in slices (painter.js) on three canvases (layers.js).
import { GeometryPicture } from './geometry.js';
import { Layers } from './layers.js';
import { PaintJob } from './painter.js';
import { inSlices } from './slices.js';

const MARK = 'data-contour-art';
const POINTS_PER_PIXEL = 0.75;  // an SVG user unit (CSS pixel) is 0.75 point
const FLATNESS = 0.2;           // device pixels a curve's lines may stray from it

function parse(text) {
  const doc = new DOMParser().parseFromString(text, 'image/svg+xml');
  const root = doc.documentElement;
  return root && root.localName === 'svg' && !doc.querySelector('parsererror') ? root : null;
}

export class Drawing {
  // `layers` holds the three canvases (under, live, over); `progress(job)`
  // hears how far the painting has got after each slice.
  constructor(frame, layers, viewport, progress = () => {}) {
    this.frame = frame;
    this.canvases = [...layers.querySelectorAll('canvas')];
    this.layers = new Layers(...this.canvases);
    this.progress = progress;
    this.exports = new Set();  // the paintings of PNG exports under way
    this.applying = Promise.resolve();  // the answers taken in, one after another
    this.patching = false;     // the picture is half patched: nothing may read it
    this.viewport = viewport;  // what scrolls the page into view
    this.picture = null;  // the geometry picture, when the drawing is shown as one
    this.box = [0, 0];    // CSS pixels
    this.page = [612, 792];
    this.stale = false;   // the canvas does not show the picture yet
    this.root = null;
    this.revision = 0;
    this.elements = new Map();  // art ref -> element
    this.ready = new Promise((resolve) => {
      if (frame.contentDocument && frame.contentDocument.readyState === 'complete' && frame.contentDocument.body) resolve();
      frame.addEventListener('load', resolve, { once: true });
    });
  }

  // Applies an answer's "drawing"; false when it is changes to a revision
  // this copy does not have (the page must ask for the whole drawing).
  // Answers are taken in in the order they are given, each after the last.
  apply(update, page) {
    const applied = this.applying.then(() => this.applyNow(update, page));
    this.applying = applied.catch(() => {});
    return applied;
  }

  async applyNow(update, page) {
    await this.ready;
    this.page = page;
    if (update.geometry) return this.patchGeometry(update);
    if (update.base === undefined) return this.replace(update, page);
    if (update.base !== this.revision || !this.root) return false;
    for (const key of update.remove) this.forget(this.elements.get(key));
    const places = new Map(update.insert.map(([key, parent, above]) => [key, { parent, above }]));
    const wrapper = parse(update.svg);
    if (!wrapper) return false;
    const doc = this.frame.contentDocument;
    for (const source of [...wrapper.children]) {
      const place = places.get(source.getAttribute(MARK));
      if (!place) continue;
      const node = doc.importNode(source, true);
      const parent = this.elements.get(place.parent) || this.root;
      const above = place.above && this.elements.get(place.above);
      parent.insertBefore(node, above && above.parentNode === parent ? above : null);
      this.index(node);
    }
    this.revision = update.revision;
    return true;
  }

  // Patches the picture in slices: an answer may hold hundreds of thousands of records.
  async patchGeometry(update) {
    if (update.base !== undefined && (update.base !== this.revision || !this.picture)) return false;
    // A painting under way reads the picture's slots: it stops before they change.
    this.layers.stop();
    for (const job of this.exports) job.abandon();
    if (update.base === undefined) {
      this.picture = new GeometryPicture();
      this.root = null;
      this.elements.clear();
      this.frame.contentDocument.body.replaceChildren();
    }
    this.patching = true;
    this.stale = true;
    let patching;
    try {
      patching = this.picture.patcher(update.words, update.floats, update.geometry.paints);
      await inSlices(patching.step);
    } finally {
      this.patching = false;
    }
    if (patching.failed) {
      this.picture = null;
      return false;
    }
    this.revision = update.revision;
    return true;
  }

  replace(update, page) {
    const root = parse(update.svg);
    if (!root) return false;
    this.picture = null;
    this.stale = true;
    // Scaled with its box: a root without a viewBox gets the one its page size implies.
    if (!root.hasAttribute('viewBox')) root.setAttribute('viewBox', `0 0 ${page[0] / POINTS_PER_PIXEL} ${page[1] / POINTS_PER_PIXEL}`);
    this.root = this.frame.contentDocument.importNode(root, true);
    this.root.style.display = 'block';
    this.frame.contentDocument.body.replaceChildren(this.root);
    this.elements.clear();
    this.index(this.root);
    this.revision = update.revision;
    return true;
  }

  index(node) {
    if (node.hasAttribute(MARK)) this.elements.set(node.getAttribute(MARK), node);
    for (const inner of node.querySelectorAll(`[${MARK}]`)) this.elements.set(inner.getAttribute(MARK), inner);
  }

  forget(node) {
    if (!node) return;
    this.elements.delete(node.getAttribute(MARK));
    for (const inner of node.querySelectorAll(`[${MARK}]`)) this.elements.delete(inner.getAttribute(MARK));
    node.remove();
  }

  // Sets the page's size in CSS pixels, then lets `place()` scroll it into
  // place before it is painted; resolves as render() does.
  size(width, height, place = () => {}) {
    this.frame.style.width = `${width}px`;
    this.frame.style.height = `${height}px`;
    if (this.box[0] !== width || this.box[1] !== height) this.stale = true;
    this.box = [width, height];
    place();
    const painted = this.render();
    if (this.root) {
      this.root.setAttribute('width', width);
      this.root.setAttribute('height', height);
    }
    return painted;
  }

  // The page scrolled or the window changed: draw what is now in view.
  moved() {
    if (!this.picture || this.moving) return;
    this.moving = true;
    requestAnimationFrame(() => {
      this.moving = false;
      if (!this.stale && this.visible().join() === this.rendered) return;  // painted there already
      this.stale = true;
      this.render();
    });
  }

  // The part of the page in the window, in CSS pixels from its top-left corner.
  visible() {
    const [width, height] = this.box;
    const page = this.frame.getBoundingClientRect(), view = this.viewport.getBoundingClientRect();
    const clamp = (v, most) => Math.min(most, Math.max(0, v));
    return [Math.floor(clamp(view.left - page.left, width)), Math.floor(clamp(view.top - page.top, height)),
      Math.ceil(clamp(view.left + this.viewport.clientWidth - page.left, width)),
      Math.ceil(clamp(view.top + this.viewport.clientHeight - page.top, height))];
  }

  // Paints the geometry picture on the canvases (and clears them for SVG):
  // only the part in the window, at the screen's resolution, so that a deep
  // zoom costs no more than the window's pixels. Starts a painting, which
  // stops the one under way; resolves true once the picture is all painted,
  // false when a newer painting took its place.
  render() {
    // A half-patched picture is painted once its patch is done.
    if (this.patching) return Promise.resolve(false);
    if (!this.stale) return this.job ? this.job.done : Promise.resolve(true);
    this.stale = false;
    this.layers.stop();
    const [width, height] = this.box;
    const [x0, y0, x1, y1] = this.picture ? this.visible() : [0, 0, 0, 0];
    this.rendered = [x0, y0, x1, y1].join();
    const ratio = devicePixelRatio || 1;
    const [w, h] = [Math.ceil((x1 - x0) * ratio), Math.ceil((y1 - y0) * ratio)];
    for (const canvas of this.canvases) {
      Object.assign(canvas.style, { left: `${x0}px`, top: `${y0}px`, width: `${x1 - x0}px`, height: `${y1 - y0}px` });
      if (canvas.width !== w || canvas.height !== h) {
        canvas.width = w;  // also clears it
        canvas.height = h;
        this.layers.reset();
      }
    }
    if (!this.picture || !w || !h) {
      for (const canvas of this.canvases) canvas.getContext('2d').clearRect(0, 0, w, h);
      this.layers.reset();
      this.progress(null);
      return Promise.resolve(true);
    }
    const [sx, sy] = [this.page[0] / width, this.page[1] / height];  // points per CSS pixel
    const matrix = [(ratio * width) / this.page[0], 0, 0, (-ratio * height) / this.page[1], -ratio * x0, ratio * (height - y0)];
    const view = {
      matrix, scale: ratio / sx, tolerance: (FLATNESS * sx) / ratio, detail: true, key: `${w}x${h} ${matrix}`,
      // The window in artwork points, a pixel wider on each side for the edges' antialiasing.
      clip: [(x0 - 1) * sx, this.page[1] - (y1 + 1) * sy, (x1 + 1) * sx, this.page[1] - (y0 - 1) * sy],
    };
    return this.layers.paint(this.picture, view, { onSlice: this.progress }).done;
  }

  // The painting of the picture on the canvases, under way or done last.
  get job() { return this.layers.job; }

  // Paints the whole geometry picture, every path as it is, on white on a
  // context of w x h pixels showing the page; resolves once it is painted
  // (of the newest picture, when it changed meanwhile).
  async paint(context, w, h) {
    const matrix = [w / this.page[0], 0, 0, -h / this.page[1], 0, h];
    const view = { matrix, scale: w / this.page[0], tolerance: (FLATNESS * this.page[0]) / w, detail: false, clip: null };
    for (let whole = false; !whole;) {
      await this.applying;
      context.setTransform(1, 0, 0, 1, 0, 0);
      context.fillStyle = 'white';
      context.fillRect(0, 0, w, h);
      const job = new PaintJob(this.picture, view, [{ context, from: 0, to: this.picture.count }]);
      this.exports.add(job);
      whole = await job.start();
      this.exports.delete(job);
    }
  }

  // The drawing as SVG text, as the page shows it (of a geometry picture, one
  // element per object with its geometry and paint).
  text() {
    if (this.picture) return this.picture.text(this.page);
    return this.root ? new XMLSerializer().serializeToString(this.root) : '';
  }
}
