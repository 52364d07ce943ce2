// The editor's host in the page: the same host, built for the browser, runs
// in a Web Worker and takes the same requests as messages. An answer's
// geometry comes as a buffer of its own, handed over (not copied), and the
// run's progress is pushed while the plug-in works.
//
// A Cancel must reach a run the worker is busy with. Where the page is
// cross-origin isolated it shares a stop flag with the worker, which the run
// reads as it makes contours; elsewhere the worker looks for messages between
// contours, a few times a second of a run. Should it not answer the Cancel
// within RESTART_AFTER ms (or fail), it is started again on the drawing as
// the page last kept it (below), or else as last opened or saved.
//
// The worker's memory ends with the page, so the changes not saved are kept
// in the browser's storage (recovery-store.js), asked of the host once the
// page has been idle for RECOVERY_AFTER ms, and opened again on the next visit.
import { withGeometry } from './api-answer.js';
import { drawPicture } from './draw-picture.js';
import * as browserStorage from './recovery-store.js';

const RESTART_AFTER = 2000, RECOVERY_AFTER = 2000;  // ms
// Answers after which the recovery copy no longer holds changes the user
// wants: they are saved, or the user let them go for another drawing.
const ENDS_RECOVERY = new Set(['save', 'saveAs', 'drop']);

// What the page's address may ask of the worker: ?seed=N repeats the random
// numbers of every run, as `contour edit --seed N` does; ?drawing=NAME opens
// that file of the page's own folder first, instead of the example.
function addressOptions() {
  const query = new URLSearchParams(globalThis.location ? globalThis.location.search : '');
  const seed = query.get('seed'), drawing = query.get('drawing');
  return {
    seed: seed !== null && /^[0-9]{1,15}$/.test(seed) ? Number(seed) : null,
    drawing: drawing !== null && /^[\w.-]+\.svgz?$/.test(drawing) ? drawing : null,
  };
}

export class WorkerTransport {
  // `url`: the worker's script; `storage`: where the recovery copy is kept.
  constructor(url, storage = browserStorage) {
    this.url = url;
    this.storage = storage;
    this.pending = new Map();    // request id -> what its answer resolves
    this.listeners = new Set();  // of the progress
    this.nextId = 1;
    this.drawing = null;         // {name, bytes, unsaved}: what a restarted worker opens
    this.keep = () => {};        // what the page does with a drawing saved
    this.carried = [];           // messages for the page's next answer
    this.recoveryTimer = null;
    this.unkept = null;          // the revision with changes not kept yet
    this.keptRevision = null;    // the one last kept
    this.opensUserFiles = true;  // its folder is in the worker's memory
    this.stopFlag = globalThis.crossOriginIsolated && typeof SharedArrayBuffer === 'function'
      ? new Int32Array(new SharedArrayBuffer(4)) : null;
    this.start();
    this.started = this.reopenKept();  // requests wait for it
  }

  // The changes a page did not save on its last visit are opened again.
  async reopenKept() {
    const copy = await this.storage.keptCopy();
    if (!copy) return;
    this.open(copy.name, new TextEncoder().encode(copy.text).buffer, true);
    this.carried.push(`${copy.name}: the changes not saved on ${new Date(copy.time).toLocaleString()} `
      + 'were kept in this browser and are open again: Save keeps them');
  }

  start() {
    this.worker = new Worker(this.url);
    this.worker.onmessage = (event) => this.take(event.data);
    this.worker.onerror = (event) => {
      event.preventDefault();
      this.restart(`the editor stopped (${event.message || 'an error'}) and was started again on the drawing `
        + 'as last kept: its undo history is lost');
    };
    this.worker.postMessage({ type: 'start', stopFlag: this.stopFlag ? this.stopFlag.buffer : null, ...addressOptions() });
    if (this.drawing) this.open(this.drawing.name, this.drawing.bytes.slice(0), this.drawing.unsaved);
  }

  // Every request waiting is told why it gets no answer; the new worker opens the drawing kept.
  restart(why) {
    this.worker.terminate();
    const waiting = [...this.pending.values()];
    this.pending.clear();
    for (const resolve of waiting) resolve({ ok: false, restarted: true, error: why });
    this.start();
  }

  take(message) {
    switch (message.type) {
      case 'answer': {
        const resolve = this.pending.get(message.id);
        this.pending.delete(message.id);
        const reply = withGeometry(JSON.parse(message.json), message.geometry);
        if (resolve) resolve(reply.export && reply.export.draw ? this.drawn(reply) : reply);
        if (reply.ok && reply.modified && reply.revision !== this.keptRevision) this.unkept = reply.revision;
        this.settle();
        break;
      }
      case 'progress':
        for (const listener of this.listeners) listener({ ok: true, ...message });
        break;
      case 'file':  // the drawing as read or saved (the one a restarted worker opens), or a picture exported
        if (!message.exported) this.drawing = { name: message.name, bytes: message.bytes.slice(0), unsaved: message.unsaved };
        if (message.saved) this.keep(message.name, message.bytes);
        break;
      case 'failed':
        for (const resolve of this.pending.values()) resolve({ ok: false, error: message.error });
        this.pending.clear();
        break;
      default:
        break;
    }
  }

  // `body`: the JSON text ('' for none); `page`: the revision, order and load
  // of the page; `upload`: a file's bytes that go with it, handed over.
  async request(name, body, page, upload = null) {
    await this.started;
    this.page = page;
    const reply = await this.ask(name, body, page, upload);
    if (this.carried.length) reply.messages = [...this.carried.splice(0), ...(reply.messages || [])];
    if (reply.ok && ENDS_RECOVERY.has(name)) await this.storage.dropCopy();
    return reply;
  }

  // A file's bytes for the action (a drop); what the host is to know of it in
  // `params`. A copy is handed over: the page sends the same bytes again once
  // the user has answered the host's question (replace a file, lose changes).
  sendFile(name, params, bytes, page) { return this.request(name, JSON.stringify(params), page, bytes.slice(0)); }

  ask(name, body, page, upload = null) {
    const id = this.nextId++;
    return new Promise((resolve) => {
      this.pending.set(id, resolve);
      const message = { type: 'request', id, name, body, revision: page.revision, order: page.order, page: page.id };
      if (upload) this.worker.postMessage({ ...message, upload }, [upload]);
      else this.worker.postMessage(message);
    });
  }

  // Nothing waits for an answer: the changes not saved are kept once the page stays idle.
  settle() {
    clearTimeout(this.recoveryTimer);
    if (this.pending.size || this.unkept === null) return;
    this.recoveryTimer = setTimeout(async () => {
      if (this.pending.size) return;
      const revision = this.unkept;
      [this.unkept, this.keptRevision] = [null, revision];
      const reply = await this.ask('recovery', '', { ...this.page, order: 0 });
      if (reply.messages && reply.messages.length) this.carried.push(...reply.messages);
      if (!reply.ok) {  // (a dialog opened meanwhile: kept once it is over)
        [this.unkept, this.keptRevision] = [revision, null];
        return;
      }
      if (!reply.recovery) return;
      this.storage.keepCopy({ name: reply.file, text: reply.recovery, time: Date.now() });
      // A worker started again opens the changes as kept, not the file as saved.
      this.drawing = { name: reply.file, bytes: new TextEncoder().encode(reply.recovery).buffer, unsaved: true };
    }, RECOVERY_AFTER);
  }

  // Opens a drawing in the worker (its bytes are handed over); `unsaved`: it
  // holds changes its file does not have, which count as not saved.
  open(name, bytes, unsaved = false) {
    this.drawing = { name, bytes: bytes.slice(0), unsaved };
    this.worker.postMessage({ type: 'open', name, bytes, unsaved }, [bytes]);
  }

  async cancel(page) {
    if (this.stopFlag) {
      Atomics.store(this.stopFlag, 0, 1);
      Atomics.notify(this.stopFlag, 0);
    }
    let timer;
    const late = new Promise((resolve) => {
      timer = setTimeout(() => resolve(null), RESTART_AFTER);
    });
    const reply = await Promise.race([this.request('cancel', '', page), late]);
    clearTimeout(timer);
    if (reply) return reply;
    const why = 'the editor did not stop: it was started again on the drawing as last kept: its undo history is lost';
    this.restart(why);
    const state = await this.request('state', '', { ...page, revision: 0 });
    return { ...state, messages: [...(state.messages || []), why] };
  }

  // The host works out an exported PNG, the page draws it: the answer once it is kept.
  async drawn(reply) {
    const { draw, ...exported } = reply.export;
    try {
      if (await this.keep(draw.name, await drawPicture(draw, exported)) === false)
        return { ...reply, ok: false, export: exported, error: `${draw.name} was not exported: no file was chosen` };
      return { ...reply, export: exported };
    } catch (error) {
      return { ...reply, ok: false, export: exported, error: `${draw.name} could not be drawn: ${error.message || error}` };
    }
  }

  onSavedFile(keep) { this.keep = keep; }

  followProgress(listener) {
    this.listeners.add(listener);
    return () => this.listeners.delete(listener);
  }

  // The worker ends with the page.
  goodbye() {}
}
