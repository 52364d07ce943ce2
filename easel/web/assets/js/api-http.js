// The editor's host over HTTP (`contour edit`): each request is /api/NAME
// with the session token and the page's revision and order in its headers.
// The host thread answers nothing while the plug-in works, so the run's
// progress is asked of the server's own threads, every POLL_EVERY ms.
import { withGeometry } from './api-answer.js';
import { nextTask } from './slices.js';

const TASK_BYTES = 4 << 20;  // bytes of an answer's body taken in one task
const POLL_EVERY = 100;      // ms

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
// JSON, padding to 4 bytes, then the drawing's words and floats.
async function answer(response) {
  if (!(response.headers.get('Content-Type') || '').startsWith('application/vnd.contour.answer')) return response.json();
  const buffer = await bodyOf(response);
  const length = new DataView(buffer).getUint32(0, true);
  const reply = JSON.parse(new TextDecoder().decode(new Uint8Array(buffer, 4, length)));
  return withGeometry(reply, buffer, 4 + length + ((4 - (length % 4)) % 4));
}

export class HttpTransport {
  constructor() {
    this.token = new URLSearchParams(location.search).get('token') || '';
  }

  // The session token: from the page's address, or else asked of the editor with the session cookie.
  async sessionToken() {
    if (!this.token) {
      try {
        this.token = (await (await fetch('/api/session')).json()).token || '';
      } catch {
        // Left empty: the request that follows is refused and says why.
      }
    }
    return this.token;
  }

  // `body`: the JSON text ('' for none), or a file's bytes (`type` says
  // which); `page`: the revision, order and load of the page.
  async request(name, body, page, type = 'application/json') {
    const headers = {
      'X-Contour-Token': await this.sessionToken(), 'X-Contour-Revision': String(page.revision),
      'X-Contour-Order': String(page.order), 'X-Contour-Page': page.id, 'X-Contour-Draws': 'geometry',
    };
    const init = { method: name === 'state' || name === 'progress' ? 'GET' : 'POST', headers };
    if (body) {
      headers['Content-Type'] = type;
      init.body = body;
    }
    let response;
    try {
      response = await fetch(`/api/${name}`, init);
    } catch {
      return { ok: false, offline: true, error: 'The editor does not answer: was it stopped?' };
    }
    try {
      return await answer(response);
    } catch {
      return { ok: false, error: `The editor answered HTTP ${response.status}` };
    }
  }

  // A dropped file: its bytes are the body, the rest is in the address (a
  // flag that is set as 1).
  sendFile(action, params, bytes, page) {
    const query = new URLSearchParams(Object.entries(params).map(([k, v]) => [k, v === true ? '1' : String(v)]));
    return this.request(`${action}?${query}`, bytes, page, 'application/octet-stream');
  }

  // The server stops the run at once and then cancels the dialog.
  cancel(page) { return this.request('cancel', '', page); }

  // The editor writes the files it saves itself.
  onSavedFile() {}

  // Asks how far the run has got until the returned function is called.
  followProgress(listener, page) {
    let following = true, timer = null;
    const poll = async () => {
      const progress = await this.request('progress', '', page);
      if (!following) return;
      if (progress.ok) listener(progress);
      timer = setTimeout(poll, POLL_EVERY);
    };
    poll();
    return () => {
      following = false;
      clearTimeout(timer);
    };
  }

  // The page is going away (closed or reloaded): the editor stops unless a page comes back.
  goodbye() {
    fetch('/api/close', { method: 'POST', keepalive: true, headers: { 'X-Contour-Token': this.token } });
  }
}
