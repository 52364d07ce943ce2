// A small modal that asks for one line of text (Save As); resolves with the
// text, or null when cancelled.
import { element } from './text.js';

export function askText(title, label, value) {
  const layer = document.getElementById('dialog-layer');
  const shade = element('div', 'shade', layer);
  const window = element('form', 'window prompt', layer);
  window.setAttribute('role', 'dialog');
  window.dataset.dialog = title;
  element('div', 'caption', window).textContent = title;
  const body = element('div', 'prompt-body', window);
  const caption = element('label', '', body);
  caption.textContent = label;
  const input = element('input', '', caption);
  input.value = value;
  const ok = element('button', '', body), cancel = element('button', '', body);
  ok.textContent = 'OK';
  cancel.textContent = 'Cancel';
  cancel.type = 'button';
  window.style.left = `${innerWidth / 2 - 160}px`;
  window.style.top = '120px';
  input.focus();
  input.select();
  return new Promise((resolve) => {
    const done = (answer) => {
      shade.remove();
      window.remove();
      resolve(answer);
    };
    window.addEventListener('submit', (e) => { e.preventDefault(); done(input.value); });
    cancel.addEventListener('click', () => done(null));
    window.addEventListener('keydown', (e) => { if (e.key === 'Escape') { e.stopPropagation(); done(null); } });
  });
}
