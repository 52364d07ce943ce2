// The busy state: while the editor works on a request for longer than
// SHOW_AFTER ms, a panel says so with the contours made so far against the
// total, and offers Cancel while the run may be stopped. Quick changes show
// nothing, so nothing flickers. The progress comes from the host while it
// is busy with the run (api.js). Once the editor has answered, a painting of a large drawing that lasts as long
// says how many of its paths it has painted. While a dialog is open all of
// this is shown inside it, where the dialog's own Cancel stops the run: the
// panel is for runs without a dialog.
import * as api from './api.js';
import { element } from './text.js';

const SHOW_AFTER = 150, SAY_EVERY = 100;  // ms (SAY_EVERY: how often the painting says how far it has got)

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
    this.unfollow = null;    // stops the progress of the run
    this.paintingSince = 0;  // when the painting under way began (0: none)
    this.paintingSaid = 0;   // when the panel last said how far it has got
    this.hiddenAt = -Infinity;
    this.shown = false;  // the busy state is on screen (in the panel or the dialog)
    this.dialog = null;  // the open dialog that shows the busy state (dialog.js), if any
    this.resting = '';   // what the dialog's line says while nothing runs
  }

  // The dialog that shows the busy state from now on (null: the panel does),
  // and what its line says while nothing runs.
  within(dialog) {
    this.dialog = dialog;
    if (!dialog) this.resting = '';
    if (dialog) dialog.busy(this.resting);
  }

  rest(text) {
    this.resting = text;
    if (this.dialog && !this.active) this.dialog.busy(text);
  }

  // Shows a line and a bar ({value, max}) in the dialog, else in the panel.
  display(text, bar, stoppable) {
    if (this.dialog) {
      this.dialog.busy(text, bar);
      this.panel.classList.add('hidden');
      return;
    }
    this.panel.classList.remove('hidden');
    this.text.textContent = text;
    this.bar.max = bar.max;
    if (bar.value === undefined) this.bar.removeAttribute('value'); else this.bar.value = bar.value;
    this.button.classList.toggle('hidden', !stoppable);
  }

  // Whether a request is still being worked on.
  get active() { return this.waiting > 0; }

  // Follows a request until it is answered; returns its answer.
  async track(answer) {
    this.waiting += 1;
    if (this.waiting === 1) this.timer = setTimeout(() => this.follow(), SHOW_AFTER);
    try {
      return await answer;
    } finally {
      this.waiting -= 1;
      if (this.waiting === 0) this.hide();
    }
  }

  follow() {
    if (!this.active || this.unfollow) return;
    this.unfollow = api.followProgress((p) => {
      if (!this.active) return;
      this.shown = true;
      this.show(p);
    });
  }

  show({ running, stoppable, made, total }) {
    const known = running && total > 0;
    const text = known
      ? `Working\u2026 ${Math.min(made, total).toLocaleString('en')} of ${total.toLocaleString('en')} contours`
      : 'Working\u2026';
    this.display(text, known ? { value: Math.min(made, total), max: total } : { max: 1 }, stoppable);
  }

  // How far the painting of the drawing has got (painter.js; null: none goes on).
  // Shown at once when the panel was showing the run that made the drawing.
  painting(job) {
    const now = performance.now();
    if (!job || job.over) {
      this.paintingSince = 0;
      if (!this.active) this.hide();
      return;
    }
    if (!this.paintingSince) this.paintingSince = now;
    if (this.active || (now - this.paintingSince < SHOW_AFTER && now - this.hiddenAt > SAY_EVERY)) return;
    // Said again as often as the run's progress is, not after every slice.
    if (this.shown && now - this.paintingSaid < SAY_EVERY) return;
    this.paintingSaid = now;
    this.shown = true;
    this.display(`Drawing\u2026 ${job.painted.toLocaleString('en')} of ${job.total.toLocaleString('en')} paths`,
      { value: job.painted, max: job.total }, false);
  }

  hide() {
    clearTimeout(this.timer);
    this.timer = null;
    if (this.unfollow) this.unfollow();
    this.unfollow = null;
    if (this.shown) this.hiddenAt = performance.now();
    this.shown = false;
    this.panel.classList.add('hidden');
    if (this.dialog) this.dialog.busy(this.resting);
  }
}
