// The page as a static site (out/web/ from scripts/build-web.sh), served by
// Python's plain file server on 127.0.0.1, with no project code behind it:
// as any static host serves it, or with the two headers that make the page
// cross-origin isolated (which gives it SharedArrayBuffer).
//   CONTOUR_WEB_PAGE  the built out/web/ folder
import { spawn } from 'node:child_process';
import { cpSync, mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';

export const site = process.env.CONTOUR_WEB_PAGE;

// http.server's own server, its answers with the isolating headers.
const isolatingServer = `
import functools, http.server, sys
class Handler(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        self.send_header('Cross-Origin-Opener-Policy', 'same-origin')
        self.send_header('Cross-Origin-Embedder-Policy', 'require-corp')
        super().end_headers()
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Handler, directory=sys.argv[1]))
print('port', server.server_address[1], flush=True)
server.serve_forever()
`;

// Serves `folder` on a free port; resolves with its address once it listens.
// `isolated`: with the headers of a cross-origin isolated page.
export function serve(folder = site, { isolated = false } = {}) {
  const args = isolated ? ['-u', '-c', isolatingServer, folder]
    : ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '--directory', folder, '0'];
  const child = spawn('python3', args, { stdio: ['ignore', 'pipe', 'pipe'] });
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
