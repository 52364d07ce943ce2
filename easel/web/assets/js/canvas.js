// The document view: the drawing (drawing.js) at the view's zoom and scroll
// (view.js; at 100 % one SVG user unit is one CSS pixel), one box around the
// selection with each object's outline while the pointer is still, the
// group the user entered, and the pointer's selection tool: a click selects
// the object under it, Ctrl+click the deepest art, Alt+click the art under
// the selected one in turn, a double-click enters a group, Shift adds or
// removes, and a marquee selects what it touches; a pick gives an artwork
// point. Artwork points are y up from the page's bottom-left corner; the
// image is y down from its top-left corner.
import { Drawing } from './drawing.js';
import { element } from './text.js';
import { View } from './view.js';

const SVG_NS = 'http://www.w3.org/2000/svg';
const POINTS_PER_PIXEL = 0.75;  // an SVG user unit (CSS pixel) is 0.75 point
const DRAG_START = 4;           // pixels the pointer moves before a click becomes a marquee
const STILL_MS = 250;           // the pointer rests this long before the objects' outlines show
const HIT_PIXELS = 3;           // how near an outline a click counts as on it

function svgNode(tag, attributes, parent) {
  const node = document.createElementNS(SVG_NS, tag);
  for (const [k, v] of Object.entries(attributes)) node.setAttribute(k, v);
  parent.appendChild(node);
  return node;
}

// The box [left, top, right, bottom] around boxes of the same kind.
const union = (boxes) => boxes.reduce((u, b) => [Math.min(u[0], b[0]), Math.max(u[1], b[1]), Math.max(u[2], b[2]), Math.min(u[3], b[3])]);

// The pick a click makes with its modifiers (the host's names).
const pickOf = (e) => (e.altKey ? 'cycle' : e.ctrlKey || e.metaKey ? 'deepest' : 'top');

export class Canvas {
  // hooks: select(body), mode() -> 'select' | 'pick' | 'none',
  // painting(job): how far the painting of the drawing has got (painter.js), null when none goes on,
  // zoomed(zoom): the user zoomed the view (the host's view follows)
  constructor(hooks) {
    this.hooks = hooks;
    this.viewport = document.getElementById('viewport');
    this.image = document.getElementById('drawing');
    this.drawing = new Drawing(this.image, document.getElementById('drawing-layers'), this.viewport,
      (job) => hooks.painting(job));
    this.overlay = document.getElementById('overlay');
    this.view = new View(this.viewport, this.image, {
      resize: (w, h, place) => this.resize(w, h, place),
      zoomed: (zoom) => hooks.zoomed(zoom),
    });
    this.state = null;
    this.hostZoom = null;  // the view zoom the host said last
    this.hostBusyWithZoom = 0;  // zooms sent to the host and not answered yet
    this.drawn = 0;
    this.viewport.addEventListener('pointerdown', (e) => this.pointerDown(e));
    this.viewport.addEventListener('mousedown', (e) => { if (e.button === 1) e.preventDefault(); });  // no autoscroll
    this.viewport.addEventListener('dblclick', (e) => this.doubleClick(e));
    this.viewport.addEventListener('pointermove', () => this.pointerMoved(), { passive: true });
    this.viewport.addEventListener('scroll', () => this.drawing.moved(), { passive: true });
    addEventListener('resize', () => this.drawing.moved());
  }

  get zoom() { return this.view.zoom; }
  get page() { return this.view.page; }

  // Shows a state: resolves once its drawing is taken in, to null when the
  // state's drawing is changes to a revision the page does not have, else to
  // {painted}: a promise of whether the browser has painted the whole
  // picture of this state (false when a newer one took its place). The first
  // drawing is shown fitted to the window; later, a zoom the host's view was
  // given otherwise (the dialog's zoom field) is followed.
  async show(state) {
    const ticket = ++this.drawn;
    if (state.drawing && !(await this.drawing.apply(state.drawing, state.page))) return null;
    if (ticket !== this.drawn) return { painted: Promise.resolve(false) };  // a newer state is being shown
    const opening = !this.state;
    this.state = state;
    this.view.page = state.page;
    const hostZoom = state.view.zoom, followHost = hostZoom !== this.hostZoom && !this.hostBusyWithZoom;
    this.hostZoom = hostZoom;
    let painted;
    if (opening) painted = this.view.fitPage();
    else if (followHost && Math.abs(hostZoom - this.zoom) > 1e-6 * hostZoom) painted = this.view.zoomTo(hostZoom, undefined, { told: false });
    else painted = this.view.zoomTo(this.zoom, undefined, { told: false });  // (draws the selection)
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

  // The page's size in CSS pixels, the sheet placed by `place` before it is painted.
  resize(w, h, place) {
    this.overlay.setAttribute('width', w);
    this.overlay.setAttribute('height', h);
    const painted = this.drawing.size(w, h, place);
    if (this.state) this.drawSelection(this.state);
    return painted;
  }

  get svg() { return this.drawing.text(); }

  // Whether the picture is still being painted.
  get painting() { return !!this.drawing.job && !this.drawing.job.over; }

  toScreen([x, y]) { return [x * this.view.scale, (this.page[1] - y) * this.view.scale]; }

  // The artwork point under a pointer event.
  artworkPoint(event) { return this.view.artworkAt(event.clientX, event.clientY); }

  isOnArtwork(event) { return this.viewport.contains(event.target); }

  // The box around the selection, the group entered, and the selected
  // objects' outlines (one path, shown while the pointer is still). A
  // preview's answer usually keeps the selection, which may be thousands of
  // boxes: they are drawn again only when they or the zoom change.
  drawSelection({ selection: boxes, scope }) {
    const shown = `${this.view.scale} ${this.page[1]} ${JSON.stringify(boxes)} ${JSON.stringify(scope)}`;
    if (shown === this.selectionShown) return;
    this.selectionShown = shown;
    this.overlay.replaceChildren();
    const rect = ([left, top, right, bottom], attributes) => {
      const [x, y] = this.toScreen([left, top]);
      return svgNode('rect', {
        x: x - 0.5, y: y - 0.5, ...attributes,
        width: Math.max(1, (right - left) * this.view.scale + 1), height: Math.max(1, (top - bottom) * this.view.scale + 1),
      }, this.overlay);
    };
    if (scope) rect(scope, { class: 'scope' });
    if (!boxes.length) return;
    if (boxes.length > 1) {
      const d = boxes.map(([left, top, right, bottom]) => {
        const [x, y] = this.toScreen([left, top]);
        return `M${(x - 0.5).toFixed(1)} ${(y - 0.5).toFixed(1)}h${((right - left) * this.view.scale + 1).toFixed(1)}`
          + `v${((top - bottom) * this.view.scale + 1).toFixed(1)}H${(x - 0.5).toFixed(1)}Z`;
      }).join('');
      svgNode('path', { class: 'outlines', d }, this.overlay);
    }
    rect(union(boxes), { class: 'selected' });
  }

  // The box of what is selected (artwork points), or null.
  selectionBox() {
    const boxes = (this.state && this.state.selection) || [];
    return boxes.length ? union(boxes) : null;
  }

  // The outlines hide while the pointer moves, and show once it rests.
  pointerMoved() {
    this.overlay.classList.add('moving');
    clearTimeout(this.stillTimer);
    this.stillTimer = setTimeout(() => this.overlay.classList.remove('moving'), STILL_MS);
  }

  pointerDown(event) {
    if (this.view.wantsPan(event)) return this.view.pan(event);
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
        this.hooks.select({ at: start, add, pick: pickOf(e), tolerance: HIT_PIXELS / this.view.scale });
      }
    };
    addEventListener('pointermove', move);
    addEventListener('pointerup', up);
  }

  // A double-click enters the group under the pointer.
  doubleClick(event) {
    if (event.button !== 0 || this.hooks.mode() !== 'select' || this.view.spaceHeld) return;
    this.hooks.select({ at: this.artworkPoint(event), pick: 'enter', tolerance: HIT_PIXELS / this.view.scale });
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
