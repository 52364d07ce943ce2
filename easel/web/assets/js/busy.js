// The busy state: while the editor works on a request for longer than
// SHOW_AFTER ms, a panel says so with the contours made so far against the
// total, and offers Cancel while the run may be stopped. Quick changes show
// nothing, so nothing flickers. The progress is asked of the editor's HTTP
// threads, which answer while its host thread is busy with the run.
import * as api from './api.js';
import { element } from './text.js';

const SHOW_AFTER = 150, POLL_EVERY = 100;  // ms

export class BusyState {
  // cancel(): what Cancel does (the page's Escape does the same).
  constructor(parent, { cancel }) {
    this.panel = element('div', 'busy hidden', parent);
    this.panel.setAttribute('role', 'status');
    this.text = element('span', '', this.panel);
    this.bar = element('progress', '', this.panel);
    this.button = element('button', '', this.panel);
    this.button.type = 'button';
    this.button.textContent = 'Cancel';
    this.button.addEventListener('click', () => cancel());
    this.waiting = 0;
    this.timer = null;
  }

  // Whether a request is still being worked on.
  get active() { return this.waiting > 0; }

  // Follows a request until it is answered; returns its answer.
  async track(answer) {
    this.waiting += 1;
    if (this.waiting === 1) this.timer = setTimeout(() => this.poll(), SHOW_AFTER);
    try {
      return await answer;
    } finally {
      this.waiting -= 1;
      if (this.waiting === 0) this.hide();
    }
  }

  async poll() {
    if (!this.active) return;
    const p = await api.getProgress();
    if (!this.active) return;
    if (p.ok) this.show(p);
    this.timer = setTimeout(() => this.poll(), POLL_EVERY);
  }

  show({ running, stoppable, made, total }) {
    this.panel.classList.remove('hidden');
    const known = running && total > 0;
    this.text.textContent = known
      ? `Working\u2026 ${Math.min(made, total).toLocaleString('en')} of ${total.toLocaleString('en')} contours`
      : 'Working\u2026';
    this.bar.max = known ? total : 1;
    if (known) this.bar.value = Math.min(made, total); else this.bar.removeAttribute('value');
    this.button.classList.toggle('hidden', !stoppable);
  }

  hide() {
    clearTimeout(this.timer);
    this.timer = null;
    this.panel.classList.add('hidden');
  }
}
