// The page's own small modal windows (Open, Save As, Export, the list of
// keyboard shortcuts): a form with a caption over a shade. Escape or Cancel
// closes one with no answer.
import { element } from './text.js';

// `fill(body, finish)` puts the window's content in `body`; finish(answer)
// closes it. Resolves with the answer, or null when cancelled. `className`
// names the window for its style and for tests.
export function pageWindow(title, fill, { className = 'prompt' } = {}) {
  const layer = document.getElementById('dialog-layer');
  const shade = element('div', 'shade', layer);
  const window = element('form', `window ${className}`, layer);
  window.setAttribute('role', 'dialog');
  window.dataset.dialog = title;
  element('div', 'caption', window).textContent = title;
  const body = element('div', 'prompt-body', window);
  return new Promise((resolve) => {
    const finish = (answer) => {
      shade.remove();
      window.remove();
      resolve(answer);
    };
    window.addEventListener('keydown', (e) => {
      if (e.key !== 'Escape') return;
      e.stopPropagation();
      finish(null);
    });
    fill(body, finish, window);
    window.style.left = `${Math.max(8, (innerWidth - window.offsetWidth) / 2)}px`;
    window.style.top = '120px';
  });
}

// A row of buttons: the first submits the form, the others run their own action.
export function buttonRow(body, buttons) {
  const row = element('div', 'buttons', body);
  return buttons.map(({ label, run }, i) => {
    const b = element('button', '', row);
    b.textContent = label;
    b.type = i === 0 ? 'submit' : 'button';
    if (run) b.addEventListener('click', run);
    return b;
  });
}
