// The page's worker transport (api-worker.js) against a stand-in for the
// worker: answers found by their ids with the geometry read in place, the
// progress it pushes, the stop flag a Cancel sets, and a worker that dies or
// does not answer a Cancel started again on the drawing the page kept.
import assert from 'node:assert/strict';
import { test } from 'node:test';

// What the page posts, and a way to answer as the worker would.
class StandInWorker {
  static made = [];
  constructor(url) {
    this.url = url;
    this.posted = [];
    this.terminated = false;
    StandInWorker.made.push(this);
  }
  postMessage(message) { this.posted.push(message); }
  terminate() { this.terminated = true; }
  say(message) { this.onmessage({ data: message }); }
  requests() { return this.posted.filter((m) => m.type === 'request'); }
}
globalThis.Worker = StandInWorker;
globalThis.crossOriginIsolated = true;
const { WorkerTransport } = await import('../../easel/web/assets/js/api-worker.js');
const page = { revision: 3, order: 1, id: 'p' };
const latest = () => StandInWorker.made.at(-1);

test('answers are matched to requests by id, the geometry read in place', async () => {
  const transport = new WorkerTransport('contour-host.js');
  const worker = latest();
  assert.equal(worker.posted[0].type, 'start');
  const [first, second] = [transport.request('state', '', page), transport.request('select', '{"all":true}', page)];
  const [a, b] = worker.requests();
  assert.deepEqual([b.name, b.body, b.revision, b.page], ['select', '{"all":true}', 3, 'p']);
  const geometry = new Float32Array([1.5, 2.5]).buffer;
  worker.say({ type: 'answer', id: b.id, status: 200, json: '{"ok":true,"drawing":{"revision":4}}', geometry });
  worker.say({ type: 'answer', id: a.id, status: 200, json: '{"ok":true,"drawing":null}', geometry: null });
  const [stateReply, selectReply] = await Promise.all([first, second]);
  assert.equal(stateReply.drawing, null);
  assert.deepEqual(Array.from(selectReply.drawing.floats), [1.5, 2.5]);
  assert.equal(selectReply.drawing.words.buffer, geometry);  // not copied
});

test('the progress is pushed to those following it, until they stop', () => {
  const transport = new WorkerTransport('contour-host.js');
  const heard = [];
  const stop = transport.followProgress((p) => heard.push(p.made));
  latest().say({ type: 'progress', running: true, stoppable: true, made: 5, total: 9 });
  stop();
  latest().say({ type: 'progress', running: false, stoppable: false, made: 9, total: 9 });
  assert.deepEqual(heard, [5]);
});

test('a Cancel raises the shared stop flag before it is sent', async () => {
  const transport = new WorkerTransport('contour-host.js');
  const worker = latest();
  const flag = new Int32Array(worker.posted[0].stopFlag);
  const cancelled = transport.cancel(page);
  assert.equal(Atomics.load(flag, 0), 1);
  const cancel = worker.requests().at(-1);
  assert.equal(cancel.name, 'cancel');
  worker.say({ type: 'answer', id: cancel.id, status: 200, json: '{"ok":true}', geometry: null });
  assert.equal((await cancelled).ok, true);
  assert.equal(StandInWorker.made.at(-1), worker);  // answered: no restart
});

test('a worker that dies is started again on the drawing as last saved', async () => {
  const transport = new WorkerTransport('contour-host.js');
  const worker = latest();
  const saved = [];
  transport.onSavedFile((name) => saved.push(name));
  worker.say({ type: 'file', name: 'd.svg', bytes: new TextEncoder().encode('<svg/>').buffer, saved: true });
  const waiting = transport.request('state', '', page);
  worker.onerror({ message: 'out of memory', preventDefault() {} });
  const reply = await waiting;
  assert.equal(reply.ok, false);
  assert.match(reply.error, /out of memory/);
  assert.ok(worker.terminated);
  const again = latest();
  assert.notEqual(again, worker);
  assert.deepEqual(again.posted.map((m) => m.type), ['start', 'open']);
  assert.equal(new TextDecoder().decode(again.posted[1].bytes), '<svg/>');
  assert.deepEqual(saved, ['d.svg']);
});

test('a Cancel the worker does not answer in time starts it again', async (t) => {
  t.mock.timers.enable({ apis: ['setTimeout'] });
  const transport = new WorkerTransport('contour-host.js');
  const worker = latest();
  const cancelled = transport.cancel(page);
  t.mock.timers.tick(1999);
  await Promise.resolve();
  assert.equal(latest(), worker);  // still waited for
  t.mock.timers.tick(1);
  for (let i = 0; i < 10 && latest() === worker; i++) await Promise.resolve();
  assert.ok(worker.terminated);
  // The page then shows the new worker's state, asked for whole.
  const state = latest().requests().at(-1);
  assert.deepEqual([state.name, state.revision], ['state', 0]);
  latest().say({ type: 'answer', id: state.id, status: 200, json: '{"ok":true,"revision":1}', geometry: null });
  const shown = await cancelled;
  assert.equal(shown.revision, 1);
  assert.match(shown.messages.at(-1), /started again/);  // the page says why its undo history is gone
});
