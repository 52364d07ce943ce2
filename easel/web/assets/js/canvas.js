// The document view: the drawing (drawing.js) at the view's zoom (at
// 100 % one SVG user unit is one CSS pixel), the page outline, the selection's
// bounds, and the pointer: click, shift-click and marquee select, and a pick
// gives an artwork point. Artwork points are y up from the page's bottom-left
// corner; the image is y down from its top-left corner.
import { Drawing } from './drawing.js';
import { element } from './text.js';

const SVG_NS = 'http://www.w3.org/2000/svg';
const POINTS_PER_PIXEL = 0.75;  // an SVG user unit (CSS pixel) is 0.75 point
const DRAG_START = 4;           // pixels the pointer moves before a click becomes a marquee

function svgNode(tag, attributes, parent) {
  const node = document.createElementNS(SVG_NS, tag);
  for (const [k, v] of Object.entries(attributes)) node.setAttribute(k, v);
  parent.appendChild(node);
  return node;
}

export class Canvas {
  // hooks: select(body), pick(point), mode() -> 'select' | 'pick' | 'none',
  // painting(job): how far the painting of the drawing has got (painter.js), null when none goes on
  constructor(hooks) {
    this.hooks = hooks;
    this.viewport = document.getElementById('viewport');
    this.image = document.getElementById('drawing');
    this.drawing = new Drawing(this.image, document.getElementById('drawing-layers'), this.viewport,
      (job) => hooks.painting(job));
    this.overlay = document.getElementById('overlay');
    this.zoom = 1;
    this.page = [612, 792];
    this.drawn = 0;
    this.viewport.addEventListener('pointerdown', (e) => this.pointerDown(e));
    this.viewport.addEventListener('scroll', () => this.drawing.moved(), { passive: true });
    addEventListener('resize', () => this.drawing.moved());
  }

  // Shows a state: resolves once its drawing is taken in, to null when the
  // state's drawing is changes to a revision the page does not have, else to
  // {painted}: a promise of whether the browser has painted the whole
  // picture of this state (false when a newer one took its place).
  async show(state) {
    // Zoom 100 % shows one SVG user unit as one CSS pixel: `zoom` here is pixels per point.
    this.zoom = state.view.zoom / POINTS_PER_PIXEL;
    this.page = state.page;
    const ticket = ++this.drawn;
    if (state.drawing && !(await this.drawing.apply(state.drawing, state.page))) return null;
    if (ticket !== this.drawn) return { painted: Promise.resolve(false) };  // a newer state is being shown
    const [w, h] = [this.page[0] * this.zoom, this.page[1] * this.zoom];
    const painted = this.drawing.size(w, h);
    this.overlay.setAttribute('width', w);
    this.overlay.setAttribute('height', h);
    this.drawSelection(state.selection);
    // The frame's callbacks run before it is painted, in the same task: a task
    // queued from them runs once the frame is painted.
    const frame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
    return {
      painted: painted.then(async (whole) => {
        if (whole) await frame();
        return whole;
      }),
    };
  }

  get svg() { return this.drawing.text(); }

  // Whether the picture is still being painted.
  get painting() { return !!this.drawing.job && !this.drawing.job.over; }

  toScreen([x, y]) { return [x * this.zoom, (this.page[1] - y) * this.zoom]; }

  // The artwork point under a pointer event.
  artworkPoint(event) {
    const box = this.image.getBoundingClientRect();
    return [(event.clientX - box.left) / this.zoom, this.page[1] - (event.clientY - box.top) / this.zoom];
  }

  isOnArtwork(event) { return this.viewport.contains(event.target); }

  // Outlines the selected objects' boxes; a preview's answer usually keeps
  // the selection, which may be thousands of boxes: they are drawn again only
  // when they change.
  drawSelection(boxes) {
    const shown = `${this.zoom} ${this.page[1]} ${JSON.stringify(boxes)}`;
    if (shown === this.selectionShown) return;
    this.selectionShown = shown;
    this.overlay.replaceChildren();
    for (const [left, top, right, bottom] of boxes) {
      const [x, y] = this.toScreen([left, top]);
      svgNode('rect', {
        class: 'selected', x: x - 0.5, y: y - 0.5,
        width: Math.max(1, (right - left) * this.zoom + 1), height: Math.max(1, (top - bottom) * this.zoom + 1),
      }, this.overlay);
    }
  }

  pointerDown(event) {
    if (event.button !== 0 || this.hooks.mode() !== 'select') return;
    event.preventDefault();
    const start = this.artworkPoint(event), startX = event.clientX, startY = event.clientY;
    let marquee = null;
    const move = (e) => {
      if (!marquee && Math.hypot(e.clientX - startX, e.clientY - startY) < DRAG_START) return;
      marquee = marquee || svgNode('rect', { class: 'marquee' }, this.overlay);
      const [ax, ay] = this.toScreen(start), [bx, by] = this.toScreen(this.artworkPoint(e));
      Object.entries({ x: Math.min(ax, bx), y: Math.min(ay, by), width: Math.abs(bx - ax), height: Math.abs(by - ay) })
        .forEach(([k, v]) => marquee.setAttribute(k, v));
    };
    const up = (e) => {
      removeEventListener('pointermove', move);
      removeEventListener('pointerup', up);
      const add = e.shiftKey;
      if (marquee) {
        const end = this.artworkPoint(e);
        marquee.remove();
        this.hooks.select({ rect: [start[0], start[1], end[0], end[1]], add });
      } else {
        this.hooks.select({ at: start, add, tolerance: 3 / this.zoom });
      }
    };
    addEventListener('pointermove', move);
    addEventListener('pointerup', up);
  }

  // The zoom that shows the whole page in the window.
  fitZoom() {
    const margin = 80;
    return Math.max(0.01, POINTS_PER_PIXEL * Math.min((this.viewport.clientWidth - margin) / this.page[0],
      (this.viewport.clientHeight - margin) / this.page[1]));
  }

  // A PNG of the drawing at its own size (one pixel per SVG user unit).
  async png() {
    const [w, h] = this.page.map((v) => Math.round(v / POINTS_PER_PIXEL));
    const canvas = element('canvas');
    canvas.width = w;
    canvas.height = h;
    const context = canvas.getContext('2d');
    if (this.drawing.picture) {
      await this.drawing.paint(context, w, h);
      return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
    }
    context.fillStyle = 'white';
    context.fillRect(0, 0, w, h);
    // The page's copy as an image: an image's SVG runs and loads nothing.
    const url = URL.createObjectURL(new Blob([this.svg], { type: 'image/svg+xml' }));
    const image = new Image();
    await new Promise((resolve) => { image.onload = image.onerror = resolve; image.src = url; });
    context.drawImage(image, 0, 0, w, h);
    URL.revokeObjectURL(url);
    return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
  }
}
