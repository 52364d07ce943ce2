// The page's own copy of the drawing, in a frame sandboxed without scripts:
// the host sends the whole SVG once, then only what changed (art to take out,
// art to put in with its elements). Every element of art carries its ref in
// data-contour-art. SVG text is parsed by DOMParser, which runs nothing, and
// the nodes are moved into the frame, where scripts, event attributes and
// loads stay inert by its sandbox and its own Content-Security-Policy.
const MARK = 'data-contour-art';
const POINTS_PER_PIXEL = 0.75;  // an SVG user unit (CSS pixel) is 0.75 point

function parse(text) {
  const doc = new DOMParser().parseFromString(text, 'image/svg+xml');
  const root = doc.documentElement;
  return root && root.localName === 'svg' && !doc.querySelector('parsererror') ? root : null;
}

export class Drawing {
  constructor(frame) {
    this.frame = frame;
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
  async apply(update, page) {
    await this.ready;
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

  replace(update, page) {
    const root = parse(update.svg);
    if (!root) return false;
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

  size(width, height) {
    this.frame.style.width = `${width}px`;
    this.frame.style.height = `${height}px`;
    if (!this.root) return;
    this.root.setAttribute('width', width);
    this.root.setAttribute('height', height);
  }

  // The drawing as SVG text, as the page shows it.
  text() { return this.root ? new XMLSerializer().serializeToString(this.root) : ''; }
}
