// An answer's drawing geometry, read in place: the words and floats of the
// buffer from `start` (DrawingGeometry.h's layout), whichever transport
// brought it.
export function withGeometry(reply, buffer, start = 0) {
  if (reply.drawing && buffer) {
    const count = (buffer.byteLength - start) / 4;
    reply.drawing.words = new Uint32Array(buffer, start, count);
    reply.drawing.floats = new Float32Array(buffer, start, count);
  }
  return reply;
}
