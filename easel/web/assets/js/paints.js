// What the painting needs to know of a paint (geometry.js gives them:
// {fill, stroke, width, cap, join, miter, dash, dashOffset, evenOdd, opacity}).

// How far a paint's stroke reaches outside its path: half its width, times
// the miter limit at sharp miter joins, and a square cap's corner.
// Kept with the paint, which many paths share.
export function reach(p) {
  if (p.reach === undefined) p.reach = p.stroke ? (p.width / 2) * Math.max(Math.SQRT2, p.join === 'miter' ? p.miter : 1) : 0;
  return p.reach;
}

// Whether two paints paint alike (answers give paints of their own).
export function samePaint(p, q) {
  return p === q || (p.fill === q.fill && p.stroke === q.stroke && p.width === q.width && p.cap === q.cap
    && p.join === q.join && p.miter === q.miter && p.dashOffset === q.dashOffset && p.evenOdd === q.evenOdd
    && p.opacity === q.opacity && p.dash.length === q.dash.length && p.dash.every((d, i) => d === q.dash[i]));
}
