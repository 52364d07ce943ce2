// What a user does in the editor's page, the same whichever host the page
// has (`contour edit`'s, or the static page's worker): menus, the settings
// dialog's items, clicks on the test drawing, files dropped, questions answered.
import { andRedraw } from './editor.js';

export async function menu(page, title, label, submenu) {
  await page.click(`.menu[data-menu="${title}"] > .title`);
  if (submenu) await page.hover(`.menu[data-menu="${title}"] .submenu`);
  await page.locator(`.menu[data-menu="${title}"] .menu-item`, { hasText: label }).first().click();
}

export const openContour = (page) => andRedraw(page, () => menu(page, 'Filter', 'Contour...', true));

export const settingsWindow = '.window[data-dialog="Tesk_Contour"]';
export const dialogItem = (page, id) => page.locator(`${settingsWindow} [data-item-id="${id}"]`);
export const spinValue = (page, id) => dialogItem(page, id).locator('input').inputValue();

export async function typeInto(page, id, value) {
  const input = dialogItem(page, id).locator('input');
  await input.fill(String(value));
  await andRedraw(page, () => input.press('Tab'));  // leaving the field commits it
}

// twoShapes (support/editor.js) at zoom 1: 400 x 400 px is a page of 300 x
// 300 points; an SVG user unit is a CSS pixel, and the square (40..120 px)
// lies at 30..90 points.
export const PAGE = 300;
const PX = 400 / PAGE;  // CSS pixels per point at zoom 1

// A point of the page, in artwork points (y up), clicked at zoom 1.
export async function artworkClick(page, x, y, modifiers = []) {
  const box = await page.locator('#drawing').boundingBox();
  for (const key of modifiers) await page.keyboard.down(key);
  await page.mouse.click(box.x + x * PX, box.y + (PAGE - y) * PX);
  for (const key of modifiers) await page.keyboard.up(key);
}

// Drops a file on the drawing as the browser delivers one dragged from the desktop.
export async function dropFile(page, name, bytes) {
  const transfer = await page.evaluateHandle(([n, b64]) => {
    const data = Uint8Array.from(atob(b64), (c) => c.charCodeAt(0));
    const t = new DataTransfer();
    t.items.add(new File([data], n));
    return t;
  }, [name, Buffer.from(bytes).toString('base64')]);
  for (const type of ['dragenter', 'dragover', 'drop']) await page.dispatchEvent('#viewport', type, { dataTransfer: transfer });
}

// Answers the page's next question (confirm) with `yes`; resolves with its text.
export function answerNext(page, yes) {
  return new Promise((resolve) => page.once('dialog', async (d) => {
    resolve(d.message());
    await (yes ? d.accept() : d.dismiss());
  }));
}
