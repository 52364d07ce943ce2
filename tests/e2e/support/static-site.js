// The page as a static site (out/web/ from scripts/build-web.sh), served by
// Python's plain file server on 127.0.0.1, with no project code behind it.
//   CONTOUR_WEB_PAGE  the built out/web/ folder
import { spawn } from 'node:child_process';
import { cpSync, mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';

export const site = process.env.CONTOUR_WEB_PAGE;

// Serves `folder` on a free port; resolves with its address once it listens.
export function serve(folder = site) {
  const child = spawn('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '--directory', folder, '0'],
    { stdio: ['ignore', 'pipe', 'pipe'] });
  return new Promise((resolve, reject) => {
    let out = '';
    child.stdout.on('data', (d) => {
      out += d;
      const found = /port (\d+)/.exec(out);
      if (found) resolve({ child, address: `http://127.0.0.1:${found[1]}/`, stop: () => child.kill() });
    });
    child.on('exit', (code) => reject(new Error(`the file server ended (${code}): ${out}`)));
  });
}

// A copy of the site with `svg` beside the page as `name`, which the page's
// address opens with ?drawing=NAME.
export function siteWith(name, svg) {
  const folder = mkdtempSync(path.join(tmpdir(), 'contour-site-'));
  cpSync(site, folder, { recursive: true });
  writeFileSync(path.join(folder, name), svg);
  return folder;
}
