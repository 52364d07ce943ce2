// A path as the screen needs it: a cubic that bends less than a tolerance (a
// fraction of a device pixel) is drawn as its chord, and one line stands for
// a run of such chords while the points it passes over stay within the
// tolerance of it. A small ring's many short
// cubics become a few lines, which the canvas fills and strokes several
// times faster. Cubics that bend more are left to the canvas, which draws
// them as the SVG renderer does (its own lines differ from finer ones at
// edge pixels). Corners between line segments are kept, for their joins.
const LONGEST_RUN = 64;  // points one line may stand for: bounds the work per point

// How far a point lies from the line through `from` along (dx, dy), and
// whether it lies between its ends.
function offset(x, y, fromX, fromY, dx, dy, squared) {
  const ex = x - fromX, ey = y - fromY, along = ex * dx + ey * dy;
  const off = squared > 0 ? Math.abs(ex * dy - ey * dx) / Math.sqrt(squared) : Math.hypot(ex, ey);
  return along >= 0 && along <= squared ? off : Infinity;
}

export class Flattener {
  // `to` gets moveTo, lineTo, bezierCurveTo and closePath; `tolerance` is in
  // the path's units: half for a cubic's bend, half for a run's.
  constructor(to, tolerance) {
    this.to = to;
    this.half = tolerance / 2;
    this.run = [];  // points passed since the last point drawn, x y x y ...
    this.x = this.y = this.sx = this.sy = 0;
  }

  moveTo(x, y) { this.corner(x, y, 'moveTo'); }
  lineTo(x, y) { this.corner(x, y, 'lineTo'); }

  closePath() {
    this.flush();
    this.to.closePath();
  }

  // A cubic lies inside its points' hull: within the larger offset of its
  // direction points from its chord.
  bezierCurveTo(ax, ay, bx, by, ex, ey) {
    const { x, y } = this, dx = ex - x, dy = ey - y, squared = dx * dx + dy * dy;
    if (Math.max(offset(ax, ay, x, y, dx, dy, squared), offset(bx, by, x, y, dx, dy, squared)) <= this.half) {
      this.point(ex, ey);
      return;
    }
    this.flush();
    this.to.bezierCurveTo(ax, ay, bx, by, ex, ey);
    this.x = this.sx = ex;
    this.y = this.sy = ey;
  }

  corner(x, y, command) {
    this.flush();
    this.to[command](x, y);
    this.x = this.sx = x;
    this.y = this.sy = y;
  }

  // The end of a chord: one line from the last point drawn may stand for it
  // and the points passed before it when they all lie within half the
  // tolerance of that line, and along it; else the line to the point before is drawn.
  point(x, y) {
    const { sx, sy, run } = this, dx = x - sx, dy = y - sy, squared = dx * dx + dy * dy;
    let fits = run.length < 2 * LONGEST_RUN;
    for (let i = 0; fits && i < run.length; i += 2) fits = offset(run[i], run[i + 1], sx, sy, dx, dy, squared) <= this.half;
    if (!fits) this.flush();
    run.push(x, y);
    this.x = x;
    this.y = y;
  }

  flush() {
    const { run } = this;
    if (run.length === 0) return;
    this.sx = run[run.length - 2];
    this.sy = run[run.length - 1];
    this.to.lineTo(this.sx, this.sy);
    run.length = 0;
  }
}
