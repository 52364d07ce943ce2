// The page's file windows: Open and Save As list the drawings of the
// drawing's folder (the host says which), and Export sets what a picture
// shows and how large it is, and says its size before it is written.
import { element } from './text.js';
import { buttonRow, pageWindow } from './prompt.js';

const sizeText = (bytes) => (bytes < 1024 ? `${bytes} B` : bytes < 1 << 20 ? `${(bytes / 1024).toFixed(1)} KB`
  : `${(bytes / (1 << 20)).toFixed(1)} MB`);

// Open and Save As: the folder's drawings, a click puts one's name in the
// field and a double-click takes it. Resolves with the name, or null.
export function chooseDrawing(title, verb, { folder, drawings }, name) {
  return pageWindow(title, (body, finish, window) => {
    element('div', 'folder', body).textContent = folder;
    const list = element('div', 'drawings', body);
    list.setAttribute('role', 'listbox');
    if (!drawings.length) element('div', 'empty', list).textContent = 'No drawings in this folder';
    const caption = element('label', '', body);
    caption.textContent = 'File name: ';
    const input = element('input', '', caption);
    input.value = name;
    const choose = (row, file) => {
      for (const other of list.children) other.classList.toggle('chosen', other === row);
      input.value = file.name;
    };
    for (const file of drawings) {
      const row = element('div', 'drawing', list);
      row.setAttribute('role', 'option');
      row.dataset.name = file.name;
      element('span', 'name', row).textContent = file.name;
      element('span', 'about', row).textContent =
        `${sizeText(file.bytes)}, ${new Date(file.modified * 1000).toLocaleString('en-GB')}`;
      row.addEventListener('click', () => choose(row, file));
      row.addEventListener('dblclick', () => finish(file.name));
      if (file.name === name) choose(row, file);
    }
    buttonRow(body, [{ label: verb }, { label: 'Cancel', run: () => finish(null) }]);
    window.addEventListener('submit', (e) => {
      e.preventDefault();
      if (input.value.trim()) finish(input.value.trim());
    });
    queueMicrotask(() => { input.focus(); input.select(); });
  }, { className: 'prompt files' });
}

// The browser's own window for one of the user's drawings: resolves with
// the file chosen, or null.
export function chooseUserFile() {
  return new Promise((resolve) => {
    const input = Object.assign(document.createElement('input'), { type: 'file', accept: '.svg,.svgz' });
    input.addEventListener('change', () => resolve(input.files[0] || null), { once: true });
    input.addEventListener('cancel', () => resolve(null), { once: true });
    input.click();
  });
}

// A labelled group of radio buttons; `choices` are [value, label]. Returns the inputs by value.
function choiceGroup(body, legend, name, choices, value) {
  const set = element('fieldset', '', body);
  element('legend', '', set).textContent = legend;
  const inputs = {};
  for (const [v, label] of choices) {
    const line = element('label', '', set);
    const input = element('input', '', line);
    input.type = 'radio';
    input.name = name;
    input.value = v;
    input.checked = v === value;
    line.append(` ${label}`);
    inputs[v] = input;
  }
  return inputs;
}

function numberField(parent, label, value, name) {
  const caption = element('label', '', parent);
  caption.textContent = label;
  const input = element('input', '', caption);
  input.type = 'number';
  input.min = '1';
  input.name = name;
  input.value = String(value);
  return input;
}

// File > Export...: `measure(request)` asks the host the size of the picture
// ({width, height, bytes}, or {error}); resolves with the request to write, or null.
export function exportDialog({ file, selected }, measure) {
  const stem = file.replace(/\.svgz?$/i, '');
  return pageWindow('Export', (body, finish, window) => {
    const area = choiceGroup(body, 'Area', 'area',
      [['page', 'Page'], ['drawing', 'Drawing'], ['selection', 'Selection']], selected ? 'selection' : 'page');
    area.selection.disabled = !selected;
    const format = choiceGroup(body, 'Format', 'format', [['png', 'PNG'], ['svg', 'SVG of the selection alone']], 'png');
    format.svg.disabled = !selected;
    const sizing = element('fieldset', 'sizing', body);
    element('legend', '', sizing).textContent = 'Size';
    const by = choiceGroup(sizing, '', 'by', [['dpi', 'Pixels per inch'], ['pixels', 'Width and height']], 'dpi');
    const dpi = numberField(sizing, 'DPI ', 96, 'dpi');
    const width = numberField(sizing, 'Width ', 1, 'width'), height = numberField(sizing, ' \u00d7 height (px) ', 1, 'height');
    const background = choiceGroup(body, 'Background', 'background',
      [['transparent', 'Transparent'], ['white', 'White']], 'transparent');
    const caption = element('label', '', body);
    caption.textContent = 'File name: ';
    const name = element('input', '', caption);
    name.name = 'path';
    const said = element('div', 'export-size', body);
    said.setAttribute('role', 'status');
    const [write] = buttonRow(body, [{ label: 'Export' }, { label: 'Cancel', run: () => finish(null) }]);

    const chosen = (inputs) => Object.values(inputs).find((i) => i.checked).value;
    let natural = null;  // the area's size in pixels at 96 dpi, which width and height keep the proportions of
    const request = () => {
      const r = { format: chosen(format), area: chosen(area), background: chosen(background), path: name.value.trim() };
      if (chosen(by) === 'dpi') r.dpi = Number(dpi.value);
      else Object.assign(r, { width: Number(width.value), height: Number(height.value) });
      return r;
    };
    let asked = 0;
    const update = async ({ areaChanged = false } = {}) => {
      const svg = chosen(format) === 'svg';
      for (const input of [...Object.values(area), ...Object.values(by), ...Object.values(background), dpi, width, height])
        input.disabled = svg || (input === area.selection && !selected);
      dpi.disabled ||= chosen(by) !== 'dpi';
      width.disabled ||= chosen(by) !== 'pixels';
      height.disabled ||= chosen(by) !== 'pixels';
      if (!name.dataset.typed) name.value = `${stem}${svg ? '-selection.svg' : '.png'}`;
      const ticket = ++asked;
      if (areaChanged || !natural) {
        const size = await measure({ ...request(), dpi: 96, width: undefined, height: undefined });
        if (ticket !== asked) return;
        natural = size.error ? null : size;
        if (natural && chosen(by) === 'dpi') {
          width.value = String(Math.round(natural.width * Number(dpi.value) / 96));
          height.value = String(Math.round(natural.height * Number(dpi.value) / 96));
        }
      }
      const size = await measure(request());
      if (ticket !== asked) return;
      said.classList.toggle('error', !!size.error);
      write.disabled = !!size.error;
      said.textContent = size.error || (svg ? `SVG of the selection: ${sizeText(size.bytes)}`
        : `${size.width.toLocaleString('en')} \u00d7 ${size.height.toLocaleString('en')} pixels `
          + `(${sizeText(size.bytes)} in memory)`);
    };
    // Width and height keep the area's proportions: the other follows the one typed.
    const follow = (typed, other, ratio) => typed.addEventListener('input', () => {
      if (natural && Number(typed.value) > 0) other.value = String(Math.max(1, Math.round(Number(typed.value) * ratio())));
    });
    follow(width, height, () => natural.height / natural.width);
    follow(height, width, () => natural.width / natural.height);
    name.addEventListener('input', () => { name.dataset.typed = '1'; });
    for (const input of Object.values(area)) input.addEventListener('change', () => update({ areaChanged: true }));
    for (const input of [...Object.values(format), ...Object.values(by), ...Object.values(background)])
      input.addEventListener('change', () => update());
    for (const input of [dpi, width, height]) input.addEventListener('input', () => update());
    window.addEventListener('submit', (e) => {
      e.preventDefault();
      if (!write.disabled && name.value.trim()) finish(request());
    });
    update({ areaChanged: true });
    queueMicrotask(() => write.focus());
  }, { className: 'prompt export' });
}
