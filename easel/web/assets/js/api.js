// The one module that talks to the editor's host. The host is the editor's
// over HTTP (`contour edit`), or the same host built for the browser in a
// Web Worker (the static page): the transport is chosen here, and nothing
// else in the page knows which it has. Every request carries the revision of
// the drawing the page shows, so that an answer leaves out a drawing the page
// already has, and the page's count of its requests.
import { HttpTransport } from './api-http.js';
import { WorkerTransport } from './api-worker.js';

const host = document.querySelector('meta[name="contour-host"]');
const transport = host && host.content === 'worker'
  ? new WorkerTransport(new URL('../contour-host.js', import.meta.url)) : new HttpTransport();

let revision = 0;
let order = 0;  // requests can overtake one another: the host keeps the newest change of an item
// This load of the page: a reloaded page counts its orders from 1 again.
const id = Array.from(crypto.getRandomValues(new Uint8Array(8)), (b) => b.toString(16).padStart(2, '0')).join('');
const page = () => ({ revision, order: ++order, id });

export function setRevision(value) { revision = value; }

const request = (name, body) => transport.request(name, body === undefined ? '' : JSON.stringify(body), page());

export const getState = () => request('state');
export const post = (action, body = {}) => request(action, body);
// A file's bytes for the action, what the host is to know of it in `params`
// (a drop); a transport without a folder of its own says it takes none.
export const sendFile = (action, params, bytes) => (transport.sendFile
  ? transport.sendFile(action, params, bytes, page())
  : Promise.resolve({ ok: false, error: 'This editor has no folder to keep a dropped drawing in: use File > Open' }));
// Whether the drawings to open are the user's own files, chosen in the
// browser's window, rather than those of the host's folder (a host in the
// page has no folder of the user's).
export const opensUserFiles = transport.opensUserFiles === true;
// Stops the run and cancels the settings dialog (ahead of anything queued).
export const cancelRun = () => transport.cancel(page());
// The user's actions in the settings dialog, as a dialog script.
export const sendDialogEvents = (events) => request('dialog', events);
// How far the run the host is busy with has got ({running, stoppable, made,
// total}), told to `listener` until the function returned is called.
export const followProgress = (listener) => transport.followProgress(listener, page());
// What to do with a drawing the host saved and hands to the page: `keep(name,
// bytes)` (a host in the page has no disk of its own; the editor's writes its files).
export const onSavedFile = (keep) => transport.onSavedFile(keep);
// The page is going away (closed or reloaded).
export const sayGoodbye = () => transport.goodbye();
