// The page's worker transport (api-worker.js) against a stand-in for the
// worker: answers found by their ids with the geometry read in place, the
// progress it pushes, the stop flag a Cancel sets, a worker that dies or
// does not answer a Cancel started again on the drawing the page kept, and
// the recovery copy kept once the page is idle and opened on the next visit.
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
// Requests are posted once the kept copy has been looked for.
const posted = () => new Promise(setImmediate);
// The browser's storage, in memory.
const memoryStorage = (copy) => ({
  copy,
  keptCopy: async function kept() { return this.copy; },
  keepCopy: async function keep(c) { this.copy = c; },
  dropCopy: async function drop() { this.copy = undefined; },
});
const answer = (worker, request, json) =>
  worker.say({ type: 'answer', id: request.id, status: 200, json: JSON.stringify(json), geometry: null });

test('answers are matched to requests by id, the geometry read in place', async () => {
  const transport = new WorkerTransport('contour-host.js', memoryStorage());
  const worker = latest();
  assert.equal(worker.posted[0].type, 'start');
  const [first, second] = [transport.request('state', '', page), transport.request('select', '{"all":true}', page)];
  await posted();
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

test('a file goes with its request, handed over', async () => {
  const transport = new WorkerTransport('contour-host.js', memoryStorage());
  const worker = latest();
  const bytes = new TextEncoder().encode('<svg/>').buffer;
  const dropped = transport.sendFile('drop', { name: 'd.svg' }, bytes, page);
  await posted();
  const drop = worker.requests().at(-1);
  assert.deepEqual([drop.name, drop.body, new TextDecoder().decode(drop.upload)], ['drop', '{"name":"d.svg"}', '<svg/>']);
  answer(worker, drop, { ok: true });
  assert.equal((await dropped).ok, true);
});

test('the progress is pushed to those following it, until they stop', () => {
  const transport = new WorkerTransport('contour-host.js', memoryStorage());
  const heard = [];
  const stop = transport.followProgress((p) => heard.push(p.made));
  latest().say({ type: 'progress', running: true, stoppable: true, made: 5, total: 9 });
  stop();
  latest().say({ type: 'progress', running: false, stoppable: false, made: 9, total: 9 });
  assert.deepEqual(heard, [5]);
});

test('a Cancel raises the shared stop flag before it is sent', async () => {
  const transport = new WorkerTransport('contour-host.js', memoryStorage());
  const worker = latest();
  const flag = new Int32Array(worker.posted[0].stopFlag);
  const cancelled = transport.cancel(page);
  assert.equal(Atomics.load(flag, 0), 1);
  await posted();
  const cancel = worker.requests().at(-1);
  assert.equal(cancel.name, 'cancel');
  worker.say({ type: 'answer', id: cancel.id, status: 200, json: '{"ok":true}', geometry: null });
  assert.equal((await cancelled).ok, true);
  assert.equal(StandInWorker.made.at(-1), worker);  // answered: no restart
});

test('a worker that dies is started again on the drawing as last saved', async () => {
  const transport = new WorkerTransport('contour-host.js', memoryStorage());
  const worker = latest();
  const saved = [];
  transport.onSavedFile((name) => saved.push(name));
  worker.say({ type: 'file', name: 'd.svg', bytes: new TextEncoder().encode('<svg/>').buffer, saved: true });
  const waiting = transport.request('state', '', page);
  await posted();
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
  const transport = new WorkerTransport('contour-host.js', memoryStorage());
  const worker = latest();
  const cancelled = transport.cancel(page);
  await posted();
  t.mock.timers.tick(1999);
  await Promise.resolve();
  assert.equal(latest(), worker);  // still waited for
  t.mock.timers.tick(1);
  for (let i = 0; i < 10 && latest() === worker; i++) await Promise.resolve();
  assert.ok(worker.terminated);
  await posted();
  // The page then shows the new worker's state, asked for whole.
  const state = latest().requests().at(-1);
  assert.deepEqual([state.name, state.revision], ['state', 0]);
  latest().say({ type: 'answer', id: state.id, status: 200, json: '{"ok":true,"revision":1}', geometry: null });
  const shown = await cancelled;
  assert.equal(shown.revision, 1);
  assert.match(shown.messages.at(-1), /started again/);  // the page says why its undo history is gone
});

test('the changes not saved are kept once the page is idle, and dropped once saved', async (t) => {
  t.mock.timers.enable({ apis: ['setTimeout'] });
  const storage = memoryStorage();
  const transport = new WorkerTransport('contour-host.js', storage);
  const worker = latest();
  const undone = transport.request('undo', '{}', page);
  await posted();
  answer(worker, worker.requests().at(-1), { ok: true, modified: true, revision: 8, file: 'd.svg' });
  await undone;
  t.mock.timers.tick(1999);
  assert.equal(worker.requests().length, 1);  // not before the page has been idle for a while
  t.mock.timers.tick(1);
  const asked = worker.requests().at(-1);
  assert.equal(asked.name, 'recovery');
  answer(worker, asked, { ok: true, modified: true, revision: 8, file: 'd.svg', recovery: '<svg>8</svg>' });
  await posted();
  assert.deepEqual([storage.copy.name, storage.copy.text], ['d.svg', '<svg>8</svg>']);
  t.mock.timers.tick(5000);
  assert.equal(worker.requests().length, 2);  // kept once: nothing changed since
  const saved = transport.request('save', '{}', page);
  await posted();
  answer(worker, worker.requests().at(-1), { ok: true, modified: false, revision: 8, file: 'd.svg' });
  await saved;
  assert.equal(storage.copy, undefined);
});

test('a worker started again opens the changes kept, not the file as saved', async (t) => {
  t.mock.timers.enable({ apis: ['setTimeout'] });
  const transport = new WorkerTransport('contour-host.js', memoryStorage());
  const worker = latest();
  worker.say({ type: 'file', name: 'd.svg', bytes: new TextEncoder().encode('<svg/>').buffer });
  const changed = transport.request('redo', '{}', page);
  await posted();
  answer(worker, worker.requests().at(-1), { ok: true, modified: true, revision: 2, file: 'd.svg' });
  await changed;
  t.mock.timers.tick(2000);
  answer(worker, worker.requests().at(-1), { ok: true, revision: 2, file: 'd.svg', recovery: '<svg>2</svg>' });
  await posted();
  worker.onerror({ message: 'lost', preventDefault() {} });
  assert.equal(new TextDecoder().decode(latest().posted[1].bytes), '<svg>2</svg>');
  assert.equal(latest().posted[1].unsaved, true);  // still changes to save
});

test('a copy kept on the last visit is opened before any request, and the page told', async () => {
  const transport = new WorkerTransport('contour-host.js', memoryStorage({ name: 'd.svg', text: '<svg/>', time: 0 }));
  const worker = latest();
  const first = transport.request('state', '', page);
  await posted();
  assert.deepEqual(worker.posted.map((m) => m.type), ['start', 'open', 'request']);
  assert.equal(new TextDecoder().decode(worker.posted[1].bytes), '<svg/>');
  assert.equal(worker.posted[1].unsaved, true);  // opened as changes not saved
  answer(worker, worker.requests()[0], { ok: true, messages: ['read d.svg'] });
  const shown = await first;
  assert.match(shown.messages[0], /d\.svg: the changes not saved on .* are open again/);
  assert.equal(shown.messages[1], 'read d.svg');
});

test('the copy kept goes once the user lets its changes go for a drawing dropped, not when a drop is refused', async () => {
  const storage = memoryStorage({ name: 'd.svg', text: '<svg/>', time: 0 });
  const transport = new WorkerTransport('contour-host.js', storage);
  const worker = latest();
  for (const [ok, kept] of [[false, true], [true, false]]) {
    const dropped = transport.sendFile('drop', { name: 'e.svg', discard: true }, new ArrayBuffer(1), page);
    await posted();
    answer(worker, worker.requests().at(-1), { ok, file: ok ? 'e.svg' : 'd.svg' });
    await dropped;
    assert.equal(storage.copy !== undefined, kept);
  }
});
