// The document view's zoom and scroll, as designers move about a drawing:
// Ctrl+wheel (and a touchpad's pinch, which the browser gives as one) zooms
// about the pointer, the wheel scrolls and Shift+wheel scrolls across, and a
// drag with the middle button or with the space bar held pans. The page's
// sheet has a window's width and height of room on each side, so that any
// point of the page can be brought under any point of the window, and a
// zoom keeps the artwork point under the pointer where it was.
const POINTS_PER_PIXEL = 0.75;  // an SVG user unit (CSS pixel) is 0.75 point
const LEAST_ZOOM_PERCENT = 1;
const MOST_ZOOM_PERCENT = 25600;
export const ZOOM_STEP = 1.25;  // one press of + or -, one notch of the wheel
const FIT_MARGIN = 40;          // CSS pixels left around what a fit shows
const LINE_PIXELS = 40, PAGE_LINES = 20;  // wheel deltas given in lines and pages

export function clampZoom(zoom) {
  return Math.min(MOST_ZOOM_PERCENT / 100, Math.max(LEAST_ZOOM_PERCENT / 100, zoom));
}

const editable = (node) => !!node && (node.isContentEditable || /^(INPUT|SELECT|TEXTAREA|BUTTON)$/.test(node.tagName));

export class View {
  // hooks: resize(width, height, place) sets the page's size in CSS pixels and
  // calls place() once it is set, before painting; zoomed(zoom) hears every
  // zoom the user makes.
  constructor(viewport, image, hooks) {
    Object.assign(this, { viewport, image, hooks });
    this.sheet = image.parentElement;
    this.zoom = 1;          // 1 is 100 %: a point is 1 / 0.75 CSS pixels
    this.page = [612, 792];  // points
    this.wheelZoom = null;   // a wheel's zoom not yet applied: {factor, at}
    this.spaceHeld = false;
    this.panning = null;
    viewport.addEventListener('wheel', (e) => this.wheel(e), { passive: false });
    addEventListener('keydown', (e) => this.space(e, true));
    addEventListener('keyup', (e) => this.space(e, false));
    addEventListener('blur', () => this.setSpace(false));
    addEventListener('resize', () => this.zoomTo(this.zoom, this.middle()));
  }

  // CSS pixels per point.
  get scale() { return this.zoom / POINTS_PER_PIXEL; }

  // The artwork point (y up) at a client position, and back.
  artworkAt(clientX, clientY) {
    const box = this.image.getBoundingClientRect();
    return [(clientX - box.left) / this.scale, this.page[1] - (clientY - box.top) / this.scale];
  }

  // The middle of the window, as an anchor.
  middle() {
    const box = this.viewport.getBoundingClientRect();
    const x = box.left + this.viewport.clientLeft + this.viewport.clientWidth / 2;
    const y = box.top + this.viewport.clientTop + this.viewport.clientHeight / 2;
    return { client: [x, y], point: this.artworkAt(x, y) };
  }

  // Sets the zoom (held between 1 % and 25,600 %), keeping the anchor's
  // artwork point at its client position; resolves as the painting does.
  zoomTo(zoom, anchor = this.middle(), { told = true } = {}) {
    const before = this.zoom;
    this.zoom = clampZoom(zoom);
    const [w, h] = [this.page[0] * this.scale, this.page[1] * this.scale];
    const painted = this.hooks.resize(w, h, () => {
      const vp = this.viewport;
      this.sheet.style.margin = `${vp.clientHeight}px ${vp.clientWidth}px`;
      const box = this.image.getBoundingClientRect();
      const [x, y] = [box.left + anchor.point[0] * this.scale, box.top + (this.page[1] - anchor.point[1]) * this.scale];
      // On whole pixels: at 100 % the page's pixels are then the screen's.
      vp.scrollLeft = Math.round(vp.scrollLeft + x - anchor.client[0]);
      vp.scrollTop = Math.round(vp.scrollTop + y - anchor.client[1]);
    });
    if (told && this.zoom !== before) this.hooks.zoomed(this.zoom);
    return painted;
  }

  // The zoom that shows the box [left, top, right, bottom] (artwork points)
  // whole in the window, with the box in its middle.
  fit([left, top, right, bottom]) {
    const vp = this.viewport;
    const [w, h] = [Math.max(right - left, 1e-3), Math.max(top - bottom, 1e-3)];
    const zoom = POINTS_PER_PIXEL * Math.min((vp.clientWidth - 2 * FIT_MARGIN) / w, (vp.clientHeight - 2 * FIT_MARGIN) / h);
    const { client } = this.middle();
    return this.zoomTo(zoom, { client, point: [(left + right) / 2, (top + bottom) / 2] });
  }

  fitPage() { return this.fit([0, this.page[1], this.page[0], 0]); }

  // Ctrl+wheel zooms about the pointer, a frame's worth of notches at once;
  // Shift+wheel scrolls across. The plain wheel scrolls as the browser does.
  wheel(event) {
    const unit = event.deltaMode === 1 ? LINE_PIXELS : event.deltaMode === 2 ? LINE_PIXELS * PAGE_LINES : 1;
    if (event.ctrlKey || event.metaKey) {
      event.preventDefault();
      // A notch of a wheel is a whole number of pixels, one zoom step each;
      // a pinch comes in fractions, whose scale the zoom follows as it is.
      const delta = event.deltaY * unit;
      const factor = Number.isInteger(delta) ? ZOOM_STEP ** (-delta / 100) : Math.exp(-delta / 100);
      const client = [event.clientX, event.clientY];
      if (this.wheelZoom) {
        this.wheelZoom.factor *= factor;
        return;
      }
      this.wheelZoom = { factor, anchor: { client, point: this.artworkAt(...client) } };
      requestAnimationFrame(() => {
        const { factor: f, anchor } = this.wheelZoom;
        this.wheelZoom = null;
        this.zoomTo(this.zoom * f, anchor);
      });
    } else if (event.shiftKey && !event.deltaX) {
      event.preventDefault();
      this.viewport.scrollLeft += event.deltaY * unit;
    }
  }

  // The space bar held (not while typing or on a button) readies a pan.
  space(event, down) {
    if (event.key !== ' ' || editable(event.target)) return;
    event.preventDefault();  // else the window scrolls a page
    this.setSpace(down);
  }

  setSpace(held) {
    this.spaceHeld = held;
    this.viewport.classList.toggle('pan-ready', held);
  }

  // Whether a press starts a pan: the middle button, or any with space held.
  wantsPan(event) { return this.viewport.contains(event.target) && (event.button === 1 || this.spaceHeld); }

  // Pans while the button is down: the page follows the pointer.
  pan(event) {
    event.preventDefault();
    const vp = this.viewport, start = [event.clientX, event.clientY, vp.scrollLeft, vp.scrollTop];
    vp.classList.add('panning');
    const move = (e) => {
      vp.scrollLeft = start[2] - (e.clientX - start[0]);
      vp.scrollTop = start[3] - (e.clientY - start[1]);
    };
    const up = () => {
      vp.classList.remove('panning');
      removeEventListener('pointermove', move);
      removeEventListener('pointerup', up);
    };
    addEventListener('pointermove', move);
    addEventListener('pointerup', up);
  }
}
