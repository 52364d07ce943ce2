// The editor page: shows the host's state (drawing, selection, dialogs) and
// turns what the user does into requests. The host answers every request
// with its new state; the page keeps nothing the host does not say.
import * as api from './api.js';
import { BusyState } from './busy.js';
import { Canvas } from './canvas.js';
import { DialogView, TEMPLATE_UNITS } from './dialog.js';
import { keepFile } from './keep.js';
import { MenuBar } from './menus.js';
import { askText } from './prompt.js';
import { ZOOM_STEP } from './view.js';

// The items that end a dialog, as the dialog interface numbers them
// (ADMDialog.h; the page_constants test holds them to it).
const ACCEPT_ITEM = 1, CANCEL_ITEM = 2;
const status = document.getElementById('status');
const selectionInfo = document.getElementById('selection-info');
const layer = document.getElementById('dialog-layer');
const viewport = document.getElementById('viewport');
const zoomField = document.getElementById('zoom-field');
const menuBar = new MenuBar(document.getElementById('menubar'));

let state = null;      // the last state shown
let drawn = 0;         // the sequence of the last state painted
let sequence = -1;     // its place in the host's order of answers
let settings = null;   // the settings dialog while it is open
let picking = null;    // {itemId, button} while a pick button waits for a point
let swallowClick = false;
let busy = false;      // a menu command is running
let notice = null;     // the About box, an error dialog or an alert being shown
const notices = [];

// Text set only when it changes: every answer sets it, and a changed node costs a layout.
function setText(node, text) {
  if (node.textContent !== text) node.textContent = text;
}

function say(text, isError = false) {
  setText(status, text);
  status.classList.toggle('error', isError);
}

const busyState = new BusyState(document.body, { cancel: () => cancelRun() });

const canvas = new Canvas({
  mode: () => (picking ? 'pick' : settings || notice ? 'none' : 'select'),
  select: (body) => command('select', body),
  zoomed: (zoom) => {
    showZoom(zoom);
    tellHostZoom(zoom);
  },
  painting: (job) => {
    busyState.painting(job);
    if (job) document.dispatchEvent(new CustomEvent('contour:painting', { detail: { painted: job.painted, total: job.total } }));
  },
});

// ---- Answers.
// `quiet`: an answer to what the page did by itself (the view's zoom), which
// leaves the status line as it is unless it has something to say.
async function show(reply, { quiet = false } = {}) {
  if (!reply || reply.superseded) return;
  const texts = [...(reply.messages || []), ...(reply.error ? [reply.error] : [])];
  if (reply.page === undefined || reply.sequence <= sequence) {
    if (texts.length) say(texts.join(' \u2014 '), !reply.ok);
    return;
  }
  sequence = reply.sequence;
  if (reply.changedOnDisk && !(state && state.changedOnDisk))
    texts.push(`${reply.file} was changed on disk since it was opened: Save will ask before replacing it`);
  state = reply;
  if (texts.length || !quiet) say(texts.join(' \u2014 '), !reply.ok);
  showSettings(reply.dialog);
  notices.push(...reply.shown.map((model) => ({ model, scale: TEMPLATE_UNITS })),
    ...reply.alerts.map((text) => ({ model: alertModel(text) })));
  showNextNotice();
  buildMenus();
  document.title = `${reply.file}${reply.modified ? ' *' : ''} \u2014 Contour editor`;
  setText(document.getElementById('file-name'),
    reply.file + (reply.modified ? ' (modified)' : '') + (reply.changedOnDisk ? ' (changed on disk)' : ''));
  setText(selectionInfo, reply.selectionText || '');
  const shown = await canvas.show(reply);
  showZoom(canvas.zoom);
  if (!shown) {
    // Changes to a drawing the page does not have: ask for all of it.
    api.setRevision(0);
    await show(await api.getState());
    return;
  }
  // The page holds this revision now, while its picture is still being painted.
  api.setRevision(reply.revision);
  shown.painted.then((whole) => {
    if (!whole) return;
    drawn = Math.max(drawn, reply.sequence);
    document.dispatchEvent(new CustomEvent('contour:drawn', { detail: { sequence: reply.sequence } }));
  });
}

// Commands run one after another: keys and menu picks that come while one
// runs wait their turn (Ctrl+Z pressed during a click is not lost).
let queued = 0;
let lastCommand = Promise.resolve();
function command(action, body = {}) {
  queued += 1;
  busy = true;
  buildMenus();
  const run = lastCommand.then(async () => {
    const reply = await busyState.track(api.post(action, body));
    await show(reply);
    // The dialog is shown while its first preview is made: the state once it is done.
    if (reply.running) await show(await busyState.track(api.getState()));
    return reply;
  }).finally(() => {
    queued -= 1;
    busy = queued > 0;
    buildMenus();
  });
  lastCommand = run.catch(() => {});
  return run;
}

async function sendEvents(events) {
  const reply = await busyState.track(api.sendDialogEvents(events));
  // Changes sent before a Cancel overtook them find the dialog closed: nothing to say.
  if (!reply.ok && !settings) return;
  await show(reply);
}

// Escape, Cancel and the busy state's Cancel: a running preview is stopped at
// once and the dialog cancelled, its contours taken back.
async function cancelRun() {
  stopPicking();
  await show(await api.cancelRun());
}

// Enter and the window's OK: a value being typed counts.
const accept = () => sendEvents([...settings.pendingEvents(), { end: ACCEPT_ITEM }]);

// ---- The view's zoom: the page zooms at once, and the host's view follows
// (the plug-in reads it), one request at a time with the newest zoom.
function showZoom(zoom) { zoomField.value = `${Math.round(zoom * 10000) / 100}%`; }

let zoomWanted = null;
async function tellHostZoom(zoom) {
  const sending = zoomWanted !== null || canvas.hostBusyWithZoom;
  zoomWanted = zoom;
  if (sending) return;
  canvas.hostBusyWithZoom += 1;
  try {
    while (zoomWanted !== null) {
      const body = { zoom: zoomWanted };
      zoomWanted = null;
      await show(await api.post('view', body), { quiet: true });
    }
  } finally {
    canvas.hostBusyWithZoom -= 1;
  }
}

// The keys of the view, as vector editors have them (no modifier, not while typing).
const viewKeys = {
  '+': () => canvas.view.zoomTo(canvas.zoom * ZOOM_STEP), '=': () => canvas.view.zoomTo(canvas.zoom * ZOOM_STEP),
  '-': () => canvas.view.zoomTo(canvas.zoom / ZOOM_STEP),
  1: () => canvas.view.zoomTo(1),
  5: () => canvas.view.fitPage(),
  3: () => {
    const box = canvas.selectionBox();
    if (box) canvas.view.fit(box); else say('Nothing is selected: 3 zooms to fit the selection');
  },
};
const typing = (target) => /^(INPUT|SELECT|TEXTAREA)$/.test(target.tagName) || target.isContentEditable;

// ---- The settings dialog and picking.
function showSettings(model) {
  if (model && !settings) {
    settings = new DialogView(model, {
      send: sendEvents,
      press: (id) => (id === CANCEL_ITEM ? cancelRun() : sendEvents([{ item: id, press: true }])),
      pick: armPick,
      say,
    }, layer, { placement: 'side', chrome: [{ label: 'OK', run: accept }, { label: 'Cancel', run: cancelRun }] });
    settings.letClicksThrough(true);  // the drawing stays visible and takes picks
    // The plug-in's dialog has no OK button of its own: the window's OK and Enter accept.
    if (!status.textContent) say('OK or Enter applies Contour with these settings; Escape or Cancel cancels');
  } else if (model) {
    settings.show(model);
  } else if (settings) {
    stopPicking();
    settings.close();
    settings = null;
  }
}

function armPick(itemId, button) {
  stopPicking();
  picking = { itemId, button };
  button.classList.add('armed');
  viewport.classList.add('picking');
  say('Click a point on the artwork to pick it (Escape: pick nothing)');
}

function stopPicking() {
  if (!picking) return;
  picking.button.classList.remove('armed');
  viewport.classList.remove('picking');
  picking = null;
}

addEventListener('pointerdown', (event) => {
  if (!picking || picking.button.contains(event.target) || canvas.view.wantsPan(event)) return;
  event.preventDefault();
  event.stopPropagation();
  swallowClick = true;  // the click that follows must not press what lies under it
  const { itemId } = picking;
  stopPicking();
  if (!canvas.isOnArtwork(event)) {
    say('That click was not on the artwork: to pick a point, press the pick button and click in the drawing. Nothing was picked.', true);
    return;
  }
  sendEvents([{ item: itemId, pick: canvas.artworkPoint(event) }]);
}, true);

addEventListener('click', (event) => {
  if (!swallowClick) return;
  swallowClick = false;
  event.preventDefault();
  event.stopPropagation();
}, true);

// ---- Dialogs shown by the plug-in and closed already: the user reads and dismisses them.
function alertModel(text) {
  const line = (id, type, rect, t) => ({ id, type, rect, text: t, shown: true, enabled: true, font: 0 });
  return {
    name: 'Alert', title: 'Contour', bounds: [0, 0, 320, 100],
    items: [line(-1, 'static text', [12, 10, 308, 62], text), line(1, 'default push button', [130, 70, 190, 90], 'OK')],
  };
}

function showNextNotice() {
  if (notice || notices.length === 0) return;
  const close = () => {
    notice.close();
    notice = null;
    buildMenus();
    showNextNotice();
  };
  const { model, scale } = notices.shift();
  notice = new DialogView(model, { send() {}, pick() {}, press: close, say }, layer, { scale });
  notice.dismiss = close;
  buildMenus();
}

// ---- Menus.
function buildMenus() {
  const s = state;
  const idle = !!s && !settings && !notice;  // commands given while one runs are queued
  const filter = s && s.filter;
  const name = filter ? filter.title.replace(/(\.\.\.|\u2026)$/, '') : 'Contour';
  const undo = s && s.undo.undo, redo = s && s.undo.redo;
  menuBar.build([
    { title: 'File', items: [
      { label: 'Save', keys: 'Ctrl+S', run: save, enabled: idle },
      { label: 'Save As\u2026', keys: 'Shift+Ctrl+S', run: saveAs, enabled: idle },
      '-',
      { label: 'Export PNG\u2026', run: exportPng, enabled: !!s },
    ] },
    { title: 'Edit', items: [
      { label: undo ? `Undo ${undo}` : 'Undo', keys: 'Ctrl+Z', run: () => command('undo'), enabled: idle && !!undo },
      { label: redo ? `Redo ${redo}` : 'Redo', keys: 'Shift+Ctrl+Z', run: () => command('redo'), enabled: idle && !!redo },
      '-',
      { label: 'Select All', keys: 'Ctrl+A', run: () => command('select', { all: true }), enabled: idle },
      { label: 'Deselect', keys: 'Shift+Ctrl+A', run: () => command('select', { none: true }), enabled: idle },
    ] },
    { title: 'Filter', items: [
      { label: `Apply ${name}`, keys: 'Ctrl+E', run: () => command('repeat'), enabled: idle && !!filter && filter.repeat },
      // The recorded run of the selected contour or source, in the dialog again.
      { label: 'Edit Contour\u2026', run: () => command('editContour'), enabled: idle && !!filter && !!s.editContour },
      '-',
      filter ? { label: filter.category, items: [{ label: filter.title, run: () => command('filter'), enabled: idle }] }
        : { label: 'No filter was registered', enabled: false },
    ] },
    { title: 'Help', items: [{ label: `About ${name}\u2026`, run: () => command('about'), enabled: idle }] },
  ]);
}

// A drawing someone changed on disk since it was opened or saved is replaced
// only once the user says so; else it may go under another name.
async function save() {
  const reply = await command('save');
  if (!reply || reply.reason !== 'changed') return;
  if (confirm(`${reply.error}\n\nOK replaces it; Cancel lets you choose another name.`))
    await command('save', { overwrite: true });
  else
    await saveAs();
}

async function saveAs() {
  const name = await askText('Save As', 'File name (SVG): ', state.file);
  if (!name) return;
  // The editor replaces an existing file only once the user has said so.
  const reply = await command('saveAs', { path: name });
  if (reply && reply.reason === 'exists' && confirm(`${name} already exists. Replace it?`))
    await command('saveAs', { path: name, overwrite: true });
}

async function exportPng() {
  const blob = await canvas.png();
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = `${state.file.replace(/\.svg$/i, '')}.png`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  say(`Exported ${link.download}`);
}

// ---- Keys.
const shortcuts = {
  z: () => command('undo'), Z: () => command('redo'), y: () => command('redo'),
  a: () => command('select', { all: true }), A: () => command('select', { none: true }),
  s: save, S: saveAs, e: () => state.filter && state.filter.repeat && command('repeat'),
};

addEventListener('keydown', (event) => {
  if (event.key === 'Escape' && menuBar.open) {
    event.preventDefault();
    menuBar.close();
    return;
  }
  if (notice) {
    if (event.key === 'Enter' || event.key === 'Escape') { event.preventDefault(); notice.dismiss(); }
    return;
  }
  const viewKey = !(event.ctrlKey || event.metaKey || event.altKey) && !typing(event.target) && viewKeys[event.key];
  if (viewKey && state && !document.querySelector('.prompt')) {
    event.preventDefault();
    viewKey();
    return;
  }
  if (settings) {
    if (event.key === 'Escape') {
      event.preventDefault();
      if (picking && !busyState.active) { stopPicking(); say('Nothing was picked'); } else cancelRun();
    } else if (event.key === 'Enter' && event.target.tagName !== 'SELECT') {
      event.preventDefault();
      accept();
    }
    return;
  }
  if (document.querySelector('.prompt') || !state) return;
  // Escape leaves the group entered (selecting it), or else selects nothing.
  if (event.key === 'Escape' && !typing(event.target)) {
    event.preventDefault();
    command('select', { leave: true });
    return;
  }
  if (!(event.ctrlKey || event.metaKey)) return;
  const run = shortcuts[event.shiftKey ? event.key.toUpperCase() : event.key.toLowerCase()];
  if (run) { event.preventDefault(); run(); }
});

// ---- The tool bar.
document.getElementById('zoom-in').addEventListener('click', viewKeys['+']);
document.getElementById('zoom-out').addEventListener('click', viewKeys['-']);
document.getElementById('zoom-fit').addEventListener('click', viewKeys[5]);
zoomField.addEventListener('change', () => {
  const percent = parseFloat(zoomField.value);
  if (Number.isFinite(percent) && percent > 0) canvas.view.zoomTo(percent / 100);
  else say(`"${zoomField.value}" is not a zoom in percent`, true);
  showZoom(canvas.zoom);
});
// Enter or Escape in the field gives the keys back to the drawing (+, -, space...).
zoomField.addEventListener('keydown', (event) => {
  if (event.key === 'Enter' || event.key === 'Escape') zoomField.blur();
});

addEventListener('pagehide', () => api.sayGoodbye());
api.onSavedFile(keepFile);
// Coming back to the page: the drawing may have been changed on disk meanwhile.
addEventListener('focus', async () => {
  if (state && !busy && !settings) await show(await api.getState());
});
// Closing or reloading the page with unsaved changes asks first.
addEventListener('beforeunload', (event) => {
  if (state && state.modified) {
    event.preventDefault();
    event.returnValue = '';  // browsers that ask only when a text is set
  }
});
// For the browser tests: the state the page shows.
window.contourEditor = {
  state: () => state, zoom: () => canvas.zoom, zooming: () => canvas.hostBusyWithZoom > 0, drawing: () => canvas.svg, drawn: () => drawn, busy: () => busy, painting: () => canvas.painting,
};
// A page loaded while a run goes on (a reload) shows it busy, and may cancel it.
show(await busyState.track(api.getState()));
