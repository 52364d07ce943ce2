// Whether paths painted by levels, each level over the ones below it (and in
// their order within a level), show what painting them in their order shows:
// so they do unless a path is put over one it overlaps that comes after it.
// Overlaps are judged on a grid of cells of the canvas, by the paths' boxes
// with their strokes and a pixel for the edges' antialiasing: paths whose
// boxes share a cell count as overlapping, which errs only towards painting
// more.
import { reach } from './paints.js';

const CELL = 4;  // device pixels

// `slots` the paths in their order, `levels` theirs; `view` as the painter takes it.
export function levelsKeepOverlaps(picture, view, width, height, slots, levels) {
  const { box } = picture, [a, b, c, d, e, f] = view.matrix;
  const columns = Math.ceil(width / CELL), rows = Math.ceil(height / CELL);
  const lowest = new Uint8Array(columns * rows).fill(255);  // the lowest level over each cell so far
  for (let i = slots.length - 1; i >= 0; i--) {
    const s = slots[i], at = 4 * s;
    if (!(box[at] <= box[at + 2])) continue;  // no points: not painted
    const margin = reach(picture.paintOf(s));
    const x0 = box[at] - margin, y0 = box[at + 1] - margin, x1 = box[at + 2] + margin, y1 = box[at + 3] + margin;
    const ax0 = a * x0, ax1 = a * x1, cy0 = c * y0, cy1 = c * y1, bx0 = b * x0, bx1 = b * x1, dy0 = d * y0, dy1 = d * y1;
    const left = Math.max(0, Math.floor((e + Math.min(ax0, ax1) + Math.min(cy0, cy1) - 1) / CELL));
    const right = Math.min(columns - 1, Math.floor((e + Math.max(ax0, ax1) + Math.max(cy0, cy1) + 1) / CELL));
    const top = Math.max(0, Math.floor((f + Math.min(bx0, bx1) + Math.min(dy0, dy1) - 1) / CELL));
    const bottom = Math.min(rows - 1, Math.floor((f + Math.max(bx0, bx1) + Math.max(dy0, dy1) + 1) / CELL));
    const level = levels[i];
    for (let row = top; row <= bottom; row++) {
      for (let k = row * columns + left, end = row * columns + right; k <= end; k++) {
        if (lowest[k] < level) return false;
        if (level < lowest[k]) lowest[k] = level;
      }
    }
  }
  return true;
}
