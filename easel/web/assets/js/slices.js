// Long work on the page's main thread is done in slices of a few
// milliseconds, each in a task of its own, so that input and frames are
// taken between them.
export const SLICE_MS = 8;

// The next slice runs in a task of its own, after what the browser has
// waiting (input, a frame to paint); a timer would wait at least 4 ms.
const channel = new MessageChannel();
const waiting = [];
channel.port1.onmessage = () => waiting.shift()();
export function nextTask(run) {
  waiting.push(run);
  channel.port2.postMessage(null);
}

// Runs `step(until)` in slices until it says it is done. Work that took more
// than one slice ends in a task of its own, so that what follows it (a
// painting's first slice) is not added to its last.
export async function inSlices(step) {
  if (step(performance.now() + SLICE_MS)) return;
  do await new Promise(nextTask); while (!step(performance.now() + SLICE_MS));
  await new Promise(nextTask);
}
