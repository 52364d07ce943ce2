// Reading the path of an object's record, as the host writes it
// (DrawingGeometry.h): at `at` the count of subpaths, then for each: its
// segments and whether it is closed, the segments' kinds (one bit each: set
// for a cubic), then the start point and each segment's points as floats:
// the end point for a line, two direction points and the end point for a
// cubic. `w` and `f` are the record's words and floats (the same bytes).

// Gives the path's commands to `to`: moveTo, lineTo, bezierCurveTo and closePath.
export function walkPath(w, f, at, to) {
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

// Whether two paths have the same subpaths and segments, each point of one
// within `near` of the other's in x and in y.
export function sameShapeWithin(wa, fa, a, wb, fb, b, near) {
  const count = wa[a++];
  if (wb[b++] !== count) return false;
  for (let s = 0; s < count; s++) {
    const segments = wa[a];
    if (wb[b] !== segments || wa[a + 1] !== wb[b + 1]) return false;
    const words = (segments + 31) >>> 5;
    let floats = 2;
    for (let k = 2; k < 2 + words; k++) {
      const kinds = wa[a + k];
      if (wb[b + k] !== kinds) return false;
      // A line gives one point, a cubic three: 2 + 4 floats for each bit set.
      let bits = kinds - ((kinds >>> 1) & 0x55555555);
      bits = (bits & 0x33333333) + ((bits >>> 2) & 0x33333333);
      floats += 4 * ((((bits + (bits >>> 4)) & 0x0f0f0f0f) * 0x01010101) >>> 24);
    }
    floats += 2 * segments;
    a += 2 + words;
    b += 2 + words;
    for (let end = a + floats; a < end; a++, b++) {
      if (!(Math.abs(fa[a] - fb[b]) <= near)) return false;
    }
  }
  return true;
}
