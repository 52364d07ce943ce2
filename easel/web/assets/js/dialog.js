// A dialog drawn from the dialog manager's model: the window at its bounds'
// size, each item at its rectangle with its type, text, font, shown and
// enabled state, value, limits and list entries. The view keeps no value of
// its own: it shows the model it is given and reports what the user does as
// dialog events ({"item": 4, "value": 20}, {"item": 30, "entry": 3},
// {"item": 91, "press": true}); a pick button asks the page for a point.
import { pictureFor } from './pictures.js';
import { element, setMnemonicText } from './text.js';

const SPIN = 'ADM Spin Edit Type';
const CHECK = 'ADM Text Check Box Type';
const POPUP = 'ADM Popup List Type';
const PICTURE_BUTTON = 'ADM Picture Push Button Type';
const TEXT_BUTTONS = ['ADM Text Push Button Type', 'default push button', 'push button'];
const STATICS = ['ADM Text Static Type', 'static text'];
const EMPHASISED_FONT = 5;
const REPEAT_DELAY = 400, REPEAT_EVERY = 60;  // a held spin arrow, in ms

// Template dialogs are laid out in dialog units of their 8-point font; on
// screen a unit is 6/4 of a pixel across and 13/8 down, as Windows draws them.
export const TEMPLATE_UNITS = [1.5, 1.625];

function place(node, [left, top, right, bottom], [sx, sy]) {
  node.style.left = `${left * sx}px`;
  node.style.top = `${top * sy}px`;
  node.style.width = `${(right - left) * sx}px`;
  node.style.height = `${(bottom - top) * sy}px`;
}

function showCommon(node, item, control = node) {
  node.classList.toggle('hidden', !item.shown);
  node.classList.toggle('disabled', !item.enabled);
  node.classList.toggle('emphasised', item.font === EMPHASISED_FONT);
  control.disabled = !item.enabled;
  if (item.minimum !== undefined && item.minimum !== null) control.dataset.minimum = item.minimum;
  if (item.maximum !== undefined && item.maximum !== null) control.dataset.maximum = item.maximum;
}

// Each maker returns {node, show(item)}; `view` gives send(), pick() and say().
function spinEdit(item, view) {
  const node = element('div', 'item spin');
  const input = element('input', '', node);
  input.dataset.item = item.id;
  const arrows = element('div', 'arrows', node);
  const up = element('button', '', arrows), down = element('button', '', arrows);
  up.textContent = '\u25B2';
  down.textContent = '\u25BC';
  up.tabIndex = down.tabIndex = -1;
  let shown = item, held = null;

  const typed = () => Number(input.value.trim().replace(',', '.'));
  const commit = () => {
    if (input.value === shown.text) return;  // left without a change
    const value = typed();
    if (input.value.trim() === '' || !Number.isFinite(value)) {
      view.say(`"${input.value}" is not a number`, true);
      input.value = shown.text;
      return;
    }
    view.send([{ item: item.id, value }]);
  };
  const step = (by) => {
    const value = (Number.isFinite(typed()) ? typed() : shown.value) + by;
    input.value = shown.integer ? String(Math.round(value)) : value.toFixed(shown.precision);
    view.send([{ item: item.id, value }]);
  };
  const hold = (by) => (event) => {
    event.preventDefault();
    step(by);
    const timer = setTimeout(() => { held.repeat = setInterval(() => step(by), REPEAT_EVERY); }, REPEAT_DELAY);
    held = { timer, repeat: null };
  };
  const release = () => {
    if (!held) return;
    clearTimeout(held.timer);
    clearInterval(held.repeat);
    held = null;
  };
  up.addEventListener('pointerdown', hold(1));
  down.addEventListener('pointerdown', hold(-1));
  for (const b of [up, down]) {
    b.addEventListener('pointerup', release);
    b.addEventListener('pointerleave', release);
  }
  input.addEventListener('change', commit);
  input.addEventListener('keydown', (event) => {
    if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
      event.preventDefault();
      step(event.key === 'ArrowUp' ? 1 : -1);
    }
  });
  return {
    node,
    show(model) {
      shown = model;
      showCommon(node, model, input);
      up.disabled = down.disabled = !model.enabled;
      // What the user is typing stays until the model itself shows something new.
      if (!held && (document.activeElement !== input || input.dataset.shown !== model.text)) input.value = model.text;
      input.dataset.shown = model.text;
    },
    // A value typed but not yet left (Enter accepts the dialog with it).
    pending() {
      return document.activeElement === input && input.value !== shown.text && Number.isFinite(typed())
        ? { item: item.id, value: typed() } : null;
    },
  };
}

function checkBox(item, view) {
  const node = element('label', 'item check');
  const box = element('input', '', node);
  box.type = 'checkbox';
  box.dataset.item = item.id;
  const label = element('span', '', node);
  box.addEventListener('change', () => view.send([{ item: item.id, value: box.checked ? 1 : 0 }]));
  return {
    node,
    show(model) {
      showCommon(node, model, box);
      box.checked = model.value === 1;
      setMnemonicText(label, model.text);
    },
  };
}

function popupList(item, view) {
  const node = element('select', 'item popup');
  node.dataset.item = item.id;
  let entries = '';
  node.addEventListener('change', () => view.send([{ item: item.id, entry: Number(node.value) }]));
  return {
    node,
    show(model) {
      showCommon(node, model);
      const key = JSON.stringify(model.entries);
      if (key !== entries) {
        entries = key;
        node.replaceChildren(...model.entries.map((e) => {
          const option = document.createElement('option');
          option.value = e.id;
          option.textContent = e.text;
          return option;
        }));
      }
      if (model.active !== null) node.value = String(model.active);
    },
  };
}

function button(item, view) {
  const node = element('button', 'item');
  node.type = 'button';
  node.dataset.item = item.id;
  const picture = item.type === PICTURE_BUTTON;
  if (picture) element('img', '', node).src = pictureFor(item.id, view.picks);
  if (item.type === 'default push button') node.classList.add('default');
  node.addEventListener('click', () => {
    if (view.picks.includes(item.id)) view.pick(item.id, node);
    else view.press(item.id);
  });
  return {
    node,
    show(model) {
      showCommon(node, model);
      if (!picture) setMnemonicText(node, model.text);
    },
  };
}

function staticText(kind) {
  return () => {
    const node = element('div', `item ${kind}`);
    return {
      node,
      show(model) {
        showCommon(node, model);
        if (kind === 'static') setMnemonicText(node, model.text);
      },
    };
  };
}

function makerFor(type) {
  if (type === SPIN) return spinEdit;
  if (type === CHECK) return checkBox;
  if (type === POPUP) return popupList;
  if (type === PICTURE_BUTTON || TEXT_BUTTONS.includes(type)) return button;
  if (STATICS.includes(type)) return staticText('static');
  if (type === 'black frame') return staticText('frame');
  return staticText('static');
}

// The window's place on screen, kept inside the window: its caption can
// always be reached again to drag it back.
const EDGE = 8;
function clampedPlace(left, top, width) {
  return [Math.round(Math.min(Math.max(EDGE, left), Math.max(EDGE, innerWidth - Math.min(width, 120)))),
    Math.round(Math.min(Math.max(EDGE, top), Math.max(EDGE, innerHeight - 40)))];
}

const overlaps = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;

// Where a window of `size` goes beside `avoid` (a screen rectangle): right of
// it, left, below or above, the first side with room; null when none has.
export function besideRect(avoid, [width, height]) {
  const gap = 16;
  const top = Math.min(Math.max(EDGE, avoid.top), innerHeight - height - EDGE);
  const left = Math.min(Math.max(EDGE, avoid.left), innerWidth - width - EDGE);
  const sides = [
    [avoid.right + gap, top], [avoid.left - gap - width, top],
    [left, avoid.bottom + gap], [left, avoid.top - gap - height],
  ];
  const fits = ([x, y]) => x >= EDGE && y >= EDGE && x + width <= innerWidth - EDGE && y + height <= innerHeight - EDGE;
  return sides.find(fits) || null;
}

export class DialogView {
  // actions: send(events), pick(itemId, buttonNode), press(itemId), say(text, isError)
  // placement: 'side', 'centre' or {at, avoid} (place()); scale: pixels per unit of the model's rectangles;
  // chrome: the host's own buttons under the plug-in's items, [{label, run}];
  // moved(left, top): the user dragged the window there (its caption is its handle).
  constructor(model, actions, layer, { placement = 'centre', scale = [1, 1], chrome = [], moved = null } = {}) {
    this.actions = actions;
    this.shade = element('div', 'shade', layer);
    this.window = element('div', 'window', layer);
    this.window.dataset.dialog = model.name;
    this.window.setAttribute('role', 'dialog');
    const caption = element('div', 'caption', this.window);
    caption.textContent = model.title;
    this.client = element('div', 'client', this.window);
    const [left, top, right, bottom] = model.bounds;
    place(this.client, [0, 0, right - left, bottom - top], scale);
    const view = {
      picks: model.tracking || [],
      send: (events) => actions.send(events),
      pick: (id, node) => actions.pick(id, node),
      press: (id) => actions.press(id),
      say: (text, isError) => actions.say(text, isError),
    };
    this.items = model.items.map((item) => {
      const control = makerFor(item.type)(item, view);
      place(control.node, item.rect, scale);
      control.node.dataset.itemId = item.id;
      this.client.appendChild(control.node);
      return control;
    });
    if (chrome.length) {
      const row = element('div', 'chrome', this.window);
      // The busy state of the dialog's runs is shown here (busy.js), beside its buttons.
      this.busyRow = element('div', 'progress hidden', row);
      this.busyRow.setAttribute('role', 'status');
      this.busyText = element('span', '', this.busyRow);
      this.busyBar = element('progress', '', this.busyRow);
      for (const { label, run } of chrome) {
        const b = element('button', '', row);
        b.type = 'button';
        b.dataset.chrome = label;
        b.textContent = label;
        b.addEventListener('click', run);
      }
    }
    if (moved) this.movable(caption, moved);
    this.show(model);
    this.place(placement);
  }

  // Dragging the caption moves the window; a double-click or its button folds it to its caption.
  movable(caption, moved) {
    const fold = element('button', 'fold', this.window);
    fold.type = 'button';
    fold.title = 'Collapse to the title bar (Shift+Ctrl+H)';
    fold.textContent = '\u25B4';
    fold.addEventListener('click', () => this.collapse());
    caption.addEventListener('dblclick', () => this.collapse());
    caption.classList.add('handle');
    caption.addEventListener('pointerdown', (down) => {
      if (down.button !== 0) return;
      down.preventDefault();
      const box = this.window.getBoundingClientRect();
      const dx = down.clientX - box.left, dy = down.clientY - box.top;
      const move = (e) => this.moveTo(e.clientX - dx, e.clientY - dy);
      const up = () => {
        removeEventListener('pointermove', move);
        removeEventListener('pointerup', up);
        const end = this.window.getBoundingClientRect();
        if (end.left !== box.left || end.top !== box.top) moved(end.left, end.top);
      };
      addEventListener('pointermove', move);
      addEventListener('pointerup', up);
    });
  }

  moveTo(left, top) {
    const [x, y] = clampedPlace(left, top, this.window.offsetWidth);
    this.window.style.left = `${x}px`;
    this.window.style.top = `${y}px`;
  }

  get collapsed() { return this.window.classList.contains('collapsed'); }

  collapse(folded = !this.collapsed) {
    this.window.classList.toggle('collapsed', folded);
    const fold = this.window.querySelector(':scope > .fold');
    if (fold) fold.textContent = folded ? '\u25BE' : '\u25B4';
  }

  // 'side': at the right of the window, leaving the drawing in view; 'centre'
  // for messages; or {at: [left, top]} where the window was last put, and
  // {avoid: rect}: beside that screen rectangle (the selection) when there is room.
  place(placement) {
    const size = [this.window.offsetWidth, this.window.offsetHeight];
    if (typeof placement === 'string') placement = { side: placement };
    if (placement.at) {
      const [left, top] = placement.at;
      const box = { left, top, right: left + size[0], bottom: top + size[1] };
      if (!placement.avoid || !overlaps(box, placement.avoid) || !besideRect(placement.avoid, size))
        return this.moveTo(left, top);
    }
    const beside = placement.avoid && besideRect(placement.avoid, size);
    if (beside) return this.moveTo(...beside);
    const free = innerWidth - size[0];
    const side = placement.side || 'side';
    this.window.style.left = `${Math.max(EDGE, side === 'side' ? free - 24 : free / 2)}px`;
    this.window.style.top = `${Math.max(EDGE, Math.min(90, (innerHeight - size[1]) / 2))}px`;
  }

  // The dialog's busy state: a line of text and, with `bar`, its progress ({value, max}; no value: not known).
  busy(text, bar) {
    if (!this.busyRow) return false;
    this.busyRow.classList.toggle('hidden', !text);
    if (this.busyText.textContent !== (text || '')) this.busyText.textContent = text || '';
    this.busyBar.classList.toggle('hidden', !bar);
    if (bar) {
      this.busyBar.max = bar.max;
      if (bar.value === undefined) this.busyBar.removeAttribute('value'); else this.busyBar.value = bar.value;
    }
    return true;
  }

  show(model) {
    model.items.forEach((item, i) => this.items[i] && this.items[i].show(item));
  }

  // While a point is picked the drawing must take clicks.
  letClicksThrough(through) { this.shade.classList.toggle('see-through', through); }

  pendingEvents() {
    return this.items.map((c) => c.pending && c.pending()).filter(Boolean);
  }

  close() {
    this.shade.remove();
    this.window.remove();
  }
}
