// The editor page: shows the host's state (drawing, selection, dialogs) and
// turns what the user does into requests. The host answers every request
// with its new state; the page keeps nothing the host does not say.
import * as api from './api.js';
import { BusyState } from './busy.js';
import { Canvas } from './canvas.js';
import { DialogView, TEMPLATE_UNITS } from './dialog.js';
import { chooseTarget, keepFile } from './keep.js';
import { MenuBar } from './menus.js';
import { chooseDrawing, chooseUserFile, exportDialog } from './files.js';
import { addShortcuts, shortcutFor, showShortcuts } from './shortcuts.js';
import { ZOOM_STEP } from './view.js';

// The items that end a dialog, as the dialog interface numbers them
// (ADMDialog.h; the page_constants test holds them to it).
const ACCEPT_ITEM = 1, CANCEL_ITEM = 2;
const PICK_TEXT = 'Click on the artwork to pick a point (Escape to stop)';
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
function command(action, body = {}, send = () => api.post(action, body)) {
  queued += 1;
  busy = true;
  buildMenus();
  const run = lastCommand.then(async () => {
    const reply = await busyState.track(send());
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
// The selection's box on screen, which the dialog keeps clear of when it opens.
function selectionOnScreen() {
  const boxes = state ? state.selection : [];
  if (!boxes.length) return null;
  const sheet = document.getElementById('drawing').getBoundingClientRect();
  const [l, t] = canvas.toScreen([Math.min(...boxes.map((b) => b[0])), Math.max(...boxes.map((b) => b[1]))]);
  const [r, b] = canvas.toScreen([Math.max(...boxes.map((b) => b[2])), Math.min(...boxes.map((b) => b[3]))]);
  return { left: sheet.left + l, top: sheet.top + t, right: sheet.left + r, bottom: sheet.top + b };
}

// The dialog's place as the dialog manager has it: the plug-in restores the
// place it was last used at; one at the origin was never placed.
const placeOf = (model) => (model.bounds[0] || model.bounds[1] ? [model.bounds[0], model.bounds[1]] : null);

// Requests made beside the commands (the dialog's place, an export's size)
// are answered with the state too: what it says for the user is shown.
function aside(reply) {
  if (reply.messages?.length || reply.shown?.length || reply.alerts?.length) show(reply);
  return reply;
}

function placeDialog(left, top) {
  api.post('placeDialog', { left, top }).then((reply) => {
    if (!aside(reply).ok && settings) say(reply.error, true);
  });
}

function showSettings(model) {
  if (model && !settings) {
    const at = placeOf(model);
    // The dialog has a Cancel of its own: the window adds only OK, and the busy state shows inside it.
    settings = new DialogView(model, {
      send: sendEvents,
      press: (id) => (id === CANCEL_ITEM ? cancelRun() : sendEvents([{ item: id, press: true }])),
      pick: armPick,
      say,
    }, layer, { placement: { at, avoid: selectionOnScreen() }, chrome: [{ label: 'OK', run: accept }], moved: placeDialog });
    settings.letClicksThrough(true);  // the drawing stays visible and takes picks
    busyState.within(settings);
    const placed = settings.window.getBoundingClientRect();
    if (!at || at[0] !== placed.left || at[1] !== placed.top) placeDialog(placed.left, placed.top);
    // The plug-in's dialog has no OK button of its own: the window's OK and Enter accept.
    if (!status.textContent) say('OK or Enter applies Contour with these settings; Escape or Cancel cancels');
  } else if (model) {
    settings.show(model);
  } else if (settings) {
    stopPicking();
    busyState.within(null);
    settings.close();
    settings = null;
  }
}

function armPick(itemId, button) {
  stopPicking();
  picking = { itemId, button };
  button.classList.add('armed');
  viewport.classList.add('picking');
  say(PICK_TEXT);
  busyState.rest(PICK_TEXT);
}

function stopPicking() {
  if (!picking) return;
  picking.button.classList.remove('armed');
  viewport.classList.remove('picking');
  picking = null;
  busyState.rest('');
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
      { label: 'Open\u2026', keys: 'Ctrl+O', run: openDrawing, enabled: idle },
      '-',
      { label: 'Save', keys: 'Ctrl+S', run: save, enabled: idle },
      { label: 'Save As\u2026', keys: 'Shift+Ctrl+S', run: saveAs, enabled: idle },
      '-',
      { label: 'Export\u2026', keys: 'Shift+Ctrl+E', run: exportPicture, enabled: idle },
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
    { title: 'Help', items: [
      { label: 'Keyboard Shortcuts', keys: 'F1', run: showShortcuts, enabled: true },
      { label: `About ${name}\u2026`, run: () => command('about'), enabled: idle },
    ] },
  ]);
}

// A host in the page makes the file and the page keeps it where the user
// says: the user chooses first, and a window cancelled writes nothing.
async function targetChosen(name) {
  if (!api.opensUserFiles || await chooseTarget(name)) return true;
  say(`Nothing was written: no file was chosen for ${name}`);
  return false;
}

// A drawing someone changed on disk since it was opened or saved is replaced
// only once the user says so; else it may go under another name.
async function save() {
  if (!(await targetChosen(state.file))) return;
  const reply = await command('save');
  if (!reply || reply.reason !== 'changed') return;
  if (confirm(`${reply.error}\n\nOK replaces it; Cancel lets you choose another name.`))
    await command('save', { overwrite: true });
  else
    await saveAs();
}

// The folder's drawings, for Open and Save As; null (and a word why) when the editor does not say.
async function folderDrawings() {
  const reply = aside(await api.post('drawings'));
  if (!reply.ok) say(reply.error, true);
  return reply.ok ? reply : null;
}

async function saveAs() {
  const folder = await folderDrawings();
  const name = folder && await chooseDrawing('Save As', 'Save', folder, state.file);
  if (!name || !(await targetChosen(name))) return;
  // The editor replaces an existing file only once the user has said so.
  const reply = await command('saveAs', { path: name });
  if (reply && reply.reason === 'exists' && confirm(`${name} already exists. Replace it?`))
    await command('saveAs', { path: name, overwrite: true });
}

// A command that the host may answer with a question: changes not saved
// ("unsaved") or a file to replace ("exists"). Asked again with the user's
// yes until the host needs nothing more; null once the user says no.
async function askingCommand(action, body, send = (b) => api.post(action, b)) {
  const flags = { unsaved: 'discard', exists: 'overwrite' };
  for (;;) {
    const reply = await command(action, body, () => send(body));
    const flag = reply && flags[reply.reason];
    if (!flag || body[flag]) return reply;
    if (!confirm(reply.error)) {
      say('Nothing was done');
      return null;
    }
    body = { ...body, [flag]: true };
  }
}

// A drawing opened is shown whole in the window.
async function opened(reply) {
  if (reply && reply.ok) await canvas.view.fitPage();
}

// File > Open...: another drawing of the folder, after asking about unsaved
// changes. A host in the page has no folder of the user's: there the
// browser's own window chooses one of the user's files, opened as a dropped one.
async function openDrawing() {
  if (api.opensUserFiles) {
    const file = await chooseUserFile();
    if (file) await openUserFile([file]);
    return;
  }
  const folder = await folderDrawings();
  const name = folder && await chooseDrawing('Open', 'Open', folder, '');
  if (name) await opened(await askingCommand('open', { path: name }));
}

// File > Export...: the host writes the picture beside the drawing.
async function exportPicture() {
  const measure = async (request) => {
    const reply = aside(await api.post('export', { ...request, measure: true }));
    return reply.ok ? reply.export : { error: reply.error };
  };
  const request = await exportDialog({ file: state.file, selected: state.selection.length > 0 }, measure);
  if (request && await targetChosen(request.path)) await askingCommand('export', request);
}

// ---- A drawing dropped on the page opens, saved beside the first one under
// its own name. What cannot be opened is said in one line, and nothing changes.
const MOST_DROPPED = 32 << 20;  // bytes (the host's limit)

function refusalOfDrop(files) {
  if (settings) return 'The Contour dialog is open: accept or cancel it, then drop the drawing again';
  if (busy || busyState.active) return 'A command is still running: drop the drawing again once it is done';
  if (notice || document.querySelector('.prompt')) return 'Close the open window first, then drop the drawing again';
  if (files.length !== 1) return 'Drop one drawing at a time';
  const [file] = files;
  if (!/\.svgz?$/i.test(file.name)) return `${file.name} is not an SVG drawing: only .svg and .svgz files open`;
  if (file.size > MOST_DROPPED)
    return `${file.name} is too large to open: ${(file.size / (1 << 20)).toFixed(1)} MB, at most ${MOST_DROPPED >> 20} MB`;
  return null;
}

addEventListener('dragover', (event) => {
  if (!event.dataTransfer.types.includes('Files')) return;
  event.preventDefault();
  event.dataTransfer.dropEffect = 'copy';
});
// Files the user gave: dropped, or chosen in the browser's window.
async function openUserFile(files) {
  const refused = state ? refusalOfDrop(files) : 'The editor is not ready yet';
  if (refused) return say(refused, true);
  const bytes = await files[0].arrayBuffer();
  await opened(await askingCommand('drop', { name: files[0].name }, (b) => api.sendFile('drop', b, bytes)));
}
addEventListener('drop', (event) => {
  if (!event.dataTransfer.types.includes('Files')) return;
  event.preventDefault();
  openUserFile([...event.dataTransfer.files]);
});

// ---- Keys.
addShortcuts([
  { keys: 'Ctrl+O', what: 'Open\u2026 a drawing of the folder', scope: 'page', run: openDrawing },
  { keys: 'Ctrl+S', what: 'Save', scope: 'page', run: save },
  { keys: 'Shift+Ctrl+S', what: 'Save As\u2026', scope: 'page', run: saveAs },
  { keys: 'Shift+Ctrl+E', what: 'Export\u2026 a picture, or the SVG of the selection', scope: 'page', run: exportPicture },
  { keys: 'Ctrl+Z', what: 'Undo', scope: 'page', run: () => command('undo') },
  { keys: 'Shift+Ctrl+Z', what: 'Redo', scope: 'page', run: () => command('redo') },
  { keys: 'Ctrl+Y', what: 'Redo', scope: 'page', run: () => command('redo') },
  { keys: 'Ctrl+A', what: 'Select all', scope: 'page', run: () => command('select', { all: true }) },
  { keys: 'Shift+Ctrl+A', what: 'Deselect', scope: 'page', run: () => command('select', { none: true }) },
  { keys: 'Ctrl+E', what: 'Apply the last filter again', scope: 'page',
    run: () => state.filter && state.filter.repeat && command('repeat') },
  { keys: 'Enter', what: 'OK: apply Contour with these settings', scope: 'dialog', run: () => accept() },
  { keys: 'Escape', what: 'Cancel (a running preview stops at once); while picking a point: pick nothing', scope: 'dialog',
    run: () => {
      if (picking && !busyState.active) { stopPicking(); say('Nothing was picked'); } else cancelRun();
    } },
  { keys: 'Shift+Ctrl+H', what: 'Collapse the dialog to its title bar, or open it again', scope: 'dialog',
    run: () => settings.collapse() },
  { keys: 'Escape', what: 'Leave the group entered (selecting it), or select nothing', scope: 'page',
    run: () => command('select', { leave: true }) },
  { keys: 'Escape', what: 'Close the open menu', scope: 'menu', run: () => menuBar.close() },
  // The view's own keys and gestures, handled where they belong (viewKeys, view.js).
  { keys: '+', what: 'Zoom in', scope: 'any' },
  { keys: '-', what: 'Zoom out', scope: 'any' },
  { keys: '1', what: 'Zoom to 100 %', scope: 'any' },
  { keys: '5', what: 'Fit the page in the window', scope: 'any' },
  { keys: '3', what: 'Fit the selection in the window', scope: 'any' },
  { keys: 'Ctrl+click', what: 'Select the deepest object under the pointer, inside its groups', scope: 'page' },
  { keys: 'Alt+click', what: 'Select what lies under the selected object there, in turn', scope: 'page' },
  { keys: 'Shift+click', what: 'Add to the selection, or take away', scope: 'page' },
  { keys: 'Double-click', what: 'Enter the group under the pointer (a click outside, or Escape, leaves it)', scope: 'page' },
  { keys: 'Ctrl+wheel', what: 'Zoom about the pointer (or pinch)', scope: 'any' },
  { keys: 'Space+drag', what: 'Pan (or drag with the middle button; the wheel scrolls, Shift+wheel across)', scope: 'any' },
  { keys: 'F1', what: 'This list of keyboard shortcuts', scope: 'any', run: showShortcuts },
]);

addEventListener('keydown', (event) => {
  const run = (shortcut) => {
    if (!shortcut) return;
    event.preventDefault();
    shortcut.run();
  };
  if (menuBar.open && shortcutFor(event, 'menu')) return run(shortcutFor(event, 'menu'));
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
  if (document.querySelector('.prompt') || !state) return;
  // Enter in a list chooses an entry there; it does not end the dialog.
  if (settings) return event.key === 'Enter' && event.target.tagName === 'SELECT' ? null : run(shortcutFor(event, 'dialog'));
  if (event.key === 'Escape' && typing(event.target)) return;
  run(shortcutFor(event, 'page'));
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
