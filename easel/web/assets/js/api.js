// Talks to the editor's host. Every request carries the session token (from
// the page's address, or else asked of the editor with the session cookie)
// and the revision of the drawing the page shows, so that an answer leaves out
// a drawing the page already has.
import { nextTask } from './slices.js';

const TASK_BYTES = 4 << 20;  // bytes of an answer's body taken in one task
let token = new URLSearchParams(location.search).get('token') || '';

async function sessionToken() {
  if (!token) {
    try {
      token = (await (await fetch('/api/session')).json()).token || '';
    } catch {
      // Left empty: the request that follows is refused and says why.
    }
  }
  return token;
}
let revision = 0;
let order = 0;  // requests can overtake one another: the host keeps the newest change of an item
// This load of the page: a reloaded page counts its orders from 1 again.
const page = Array.from(crypto.getRandomValues(new Uint8Array(8)), (b) => b.toString(16).padStart(2, '0')).join('');

export function setRevision(value) { revision = value; }

// The body of an answer, read as it comes into one buffer, a task now and
// then: taking a body of tens of megabytes at once copies it in one task.
async function bodyOf(response) {
  const said = Number(response.headers.get('Content-Length'));
  if (!response.body || !(said > 0)) return response.arrayBuffer();
  let bytes = new Uint8Array(said), at = 0, taken = 0;
  for (const reader = response.body.getReader(); ;) {
    const { done, value } = await reader.read();
    if (done) break;
    if (at + value.length > bytes.length) {  // (a body longer than said)
      const more = new Uint8Array(2 * (at + value.length));
      more.set(bytes.subarray(0, at));
      bytes = more;
    }
    bytes.set(value, at);
    at += value.length;
    if (at - taken >= TASK_BYTES) {
      taken = at;
      await new Promise(nextTask);
    }
  }
  return at === bytes.length ? bytes.buffer : bytes.buffer.slice(0, at);
}

// An answer with geometry: the JSON's length (4 bytes, little-endian), the
// JSON, padding to 4 bytes, then the drawing's words and floats, read in place.
async function answer(response) {
  if (!(response.headers.get('Content-Type') || '').startsWith('application/vnd.contour.answer')) return response.json();
  const buffer = await bodyOf(response);
  const length = new DataView(buffer).getUint32(0, true);
  const reply = JSON.parse(new TextDecoder().decode(new Uint8Array(buffer, 4, length)));
  const start = 4 + length + ((4 - (length % 4)) % 4);
  if (reply.drawing) {
    reply.drawing.words = new Uint32Array(buffer, start, (buffer.byteLength - start) / 4);
    reply.drawing.floats = new Float32Array(buffer, start, (buffer.byteLength - start) / 4);
  }
  return reply;
}

async function request(method, path, body) {
  const headers = {
    'X-Contour-Token': await sessionToken(), 'X-Contour-Revision': String(revision), 'X-Contour-Order': String(++order),
    'X-Contour-Page': page, 'X-Contour-Draws': 'geometry',
  };
  const init = { method, headers };
  if (body !== undefined) {
    headers['Content-Type'] = 'application/json';
    init.body = JSON.stringify(body);
  }
  let response;
  try {
    response = await fetch(path, init);
  } catch {
    return { ok: false, offline: true, error: 'The editor does not answer: was it stopped?' };
  }
  try {
    return await answer(response);
  } catch {
    return { ok: false, error: `The editor answered HTTP ${response.status}` };
  }
}

export const getState = () => request('GET', '/api/state');
export const post = (action, body = {}) => request('POST', `/api/${action}`, body);
// How far the run the editor is busy with has got; answered during the run.
export const getProgress = () => request('GET', '/api/progress');
// Stops the run and cancels the settings dialog (ahead of anything queued).
export const cancelRun = () => request('POST', '/api/cancel');
// The user's actions in the settings dialog, as a dialog script.
export const sendDialogEvents = (events) => request('POST', '/api/dialog', events);

// The page is going away (closed or reloaded): the editor stops unless a page comes back.
export function sayGoodbye() {
  fetch('/api/close', { method: 'POST', keepalive: true, headers: { 'X-Contour-Token': token } });
}
