// The page's Web Worker: the editor's host, built for the browser
// (contour-worker.js and .wasm beside this file), fed the page's messages.
// Messages wait here in arrival order until the host asks for the next one;
// nothing calls into the host while it works (it may be suspended in the
// middle of a run, letting messages in). A 'cancel' also raises the stop the
// host looks at while it runs: the page's shared flag when it has one.
'use strict';
importScripts('contour-worker.js');

const queue = [];
let waiting = null;     // resolves the host's wait for the next message
let stopFlag = null;    // Int32Array over the page's SharedArrayBuffer
let cancelled = false;  // a 'cancel' came, where there is no shared flag
let started = false;
// The host's own work on the last answers (ms), for the benchmarks to read.
const timings = [];
self.contourTimings = timings;

function handOver() {
  if (!waiting || queue.length === 0) return;
  const resolve = waiting;
  waiting = null;
  const message = queue.shift();
  if (message.type === 'request' && message.name === 'cancel') {
    cancelled = false;
    if (stopFlag) Atomics.store(stopFlag, 0, 0);
  }
  resolve(message);
}

function take(message) {
  if (message.type === 'request' && message.name === 'cancel') cancelled = true;
  queue.push(message);
  handOver();
}

const page = {
  next: () => new Promise((resolve) => {
    waiting = resolve;
    handOver();
  }),
  stopAsked: () => (stopFlag ? Atomics.load(stopFlag, 0) !== 0 : cancelled) ? 1 : 0,
  sharesStopFlag: () => (stopFlag ? 1 : 0),
  post(message, bytes) {
    const transfer = [];
    if (message.type === 'answer') {
      timings.push({ run: message.run, answer: message.answer });
      if (timings.length > 100) timings.shift();
      message.geometry = bytes.byteLength ? bytes : null;
      if (message.geometry) transfer.push(bytes);
    } else if (message.type === 'file') {
      message.bytes = bytes;
      transfer.push(bytes);
    }
    self.postMessage(message, transfer);
  },
};

// The drawing the page opened, else the one its address names (a file of
// the page's own folder), else the example it ships with.
async function firstDrawing(name) {
  const at = queue.findIndex((m) => m.type === 'open');
  if (at >= 0) return queue.splice(at, 1)[0];
  const file = name || 'star.svg';
  const response = await fetch(file);
  if (!response.ok) throw new Error(`${file}: ${response.status} ${response.statusText}`);
  return { type: 'open', name: file, bytes: await response.arrayBuffer() };
}

async function start(seed, drawing) {
  if (started) return;
  started = true;
  try {
    const host = await createContourHost({ contourPage: page });
    queue.unshift(await firstDrawing(drawing));
    const hasSeed = typeof seed === 'number' ? 1 : 0;
    await host.ccall('contour_worker_run', null, ['number', 'number'], [hasSeed, hasSeed ? seed : 0], { async: true });
  } catch (error) {
    self.postMessage({ type: 'failed', error: `the editor could not start: ${error && error.message || error}` });
  }
}

self.onmessage = (event) => {
  const message = event.data;
  if (message.type === 'start') {
    stopFlag = message.stopFlag ? new Int32Array(message.stopFlag) : null;
    start(message.seed, message.drawing);
  } else if (message.type === 'open' || message.type === 'request') {
    take(message);
  }
};
