// The menu bar, rebuilt from a description whenever the state changes:
// [{title, items: [{label, keys, run, enabled} | {label, items: [...]} | '-']}].
import { element } from './text.js';

export class MenuBar {
  constructor(bar) {
    this.bar = bar;
    this.open = null;
    addEventListener('pointerdown', (e) => { if (!this.bar.contains(e.target)) this.close(); });
  }

  close() {
    if (this.open) this.open.classList.remove('open');
    this.open = null;
  }

  build(menus) {
    // Most states leave the menus as they are: the DOM is left alone then.
    const shape = JSON.stringify(menus);
    if (shape === this.shape) return;
    this.shape = shape;
    const openTitle = this.open && this.open.dataset.menu;
    this.bar.replaceChildren();
    this.open = null;
    for (const menu of menus) {
      const node = element('div', 'menu', this.bar);
      node.dataset.menu = menu.title;
      const title = element('div', 'title', node);
      title.textContent = menu.title;
      title.addEventListener('click', () => {
        const wasOpen = this.open === node;
        this.close();
        if (!wasOpen) { node.classList.add('open'); this.open = node; }
      });
      title.addEventListener('pointerenter', () => {
        if (this.open && this.open !== node) { this.close(); node.classList.add('open'); this.open = node; }
      });
      this.list(menu.items, node);
      if (menu.title === openTitle) { node.classList.add('open'); this.open = node; }
    }
  }

  list(items, parent) {
    const list = element('div', 'menu-list', parent);
    for (const item of items) {
      if (item === '-') { element('hr', '', list); continue; }
      if (item.items) {
        const sub = element('div', 'submenu', list);
        element('div', 'menu-item', sub).textContent = item.label;
        this.list(item.items, sub);
        continue;
      }
      const row = element('div', 'menu-item', list);
      row.setAttribute('role', 'menuitem');
      row.classList.toggle('disabled', !item.enabled);
      element('span', 'label', row).textContent = item.label;
      element('span', 'keys', row).textContent = item.keys || '';
      row.addEventListener('click', () => {
        if (!item.enabled) return;
        this.close();
        item.run();
      });
    }
  }
}
