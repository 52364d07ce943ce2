// The keyboard shortcuts: one table that the page's key handler reads and
// Help > Keyboard shortcuts lists. Each entry is {keys, what, scope, run}:
// keys as they are written ("Shift+Ctrl+S", "F1", "+"), the scope they work
// in ('page': no dialog open, 'dialog': the settings dialog, 'menu', 'any'),
// and run(), or none for a key handled where it belongs (the canvas, a menu).
import { element } from './text.js';
import { buttonRow, pageWindow } from './prompt.js';

const shortcuts = [];

export function addShortcuts(entries) { shortcuts.push(...entries); }

// Ctrl (or the Mac's Command) and Alt must be as written; Shift too for
// letters and named keys, not for signs that some keyboards type with it.
export function matches(keys, event) {
  const parts = keys.split('+');
  const key = parts.pop() || '+';
  const named = key.length > 1 || /[a-z]/i.test(key);
  const has = (modifier) => parts.includes(modifier);
  if (has('Ctrl') !== (event.ctrlKey || event.metaKey) || has('Alt') !== event.altKey) return false;
  if (named && has('Shift') !== event.shiftKey) return false;
  return event.key.toLowerCase() === key.toLowerCase();
}

// The shortcut of `scope` that the key event gives, if any.
export function shortcutFor(event, scope) {
  return shortcuts.find((s) => s.run && (s.scope === scope || s.scope === 'any') && matches(s.keys, event)) || null;
}

const SCOPES = { page: 'The drawing', dialog: 'The Contour dialog', menu: 'Menus', any: 'Anywhere' };

// Help > Keyboard shortcuts: the table, by where the keys work.
export function showShortcuts() {
  return pageWindow('Keyboard shortcuts', (body, finish, window) => {
    const table = element('table', 'shortcuts', body);
    for (const [scope, heading] of Object.entries(SCOPES)) {
      const rows = shortcuts.filter((s) => s.scope === scope);
      if (!rows.length) continue;
      element('th', '', element('tr', '', table)).textContent = heading;
      for (const { keys, what } of rows) {
        const tr = element('tr', '', table);
        element('kbd', '', element('td', '', tr)).textContent = keys;
        element('td', '', tr).textContent = what;
      }
    }
    const [close] = buttonRow(body, [{ label: 'Close' }]);
    window.addEventListener('submit', (e) => { e.preventDefault(); finish(null); });
    queueMicrotask(() => close.focus());
  }, { className: 'prompt keys-list' });
}
