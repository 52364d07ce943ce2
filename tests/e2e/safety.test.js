// What the server refuses and how bad input ends: requests without the token
// or with a foreign Host header, malformed, oversized and deeply nested
// requests (the editor keeps running with the document intact), slow clients,
// files it does not have, Save As outside the drawing's folder or over a file,
// the browser's one-time address, a port in use, a drawing that cannot be
// read, and Ctrl-C or a closed page with unsaved changes.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import http from 'node:http';
import net from 'node:net';
import { chmodSync, existsSync, readFileSync, statSync, symlinkSync, utimesSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
  andRedraw, contourBin, drawing, hostileDrawing, launchBrowser, openPage, shapeCount, starGrid, startEditor, startLure,
  stopEditor, twoShapes, workDir, writeDrawing,
} from './support/editor.js';

// One raw request: headers exactly as given (no Host unless we say).
function request(port, { method = 'GET', path = '/api/state', headers = {}, body } = {}) {
  return new Promise((resolve, reject) => {
    const req = http.request({ host: '127.0.0.1', port, method, path, headers, setHost: false }, (res) => {
      let text = '';
      res.on('data', (d) => { text += d; });
      res.on('end', () => resolve({ status: res.statusCode, headers: res.headers, text }));
    });
    req.on('error', reject);
    if (body !== undefined) req.write(body);
    req.end();
  });
}

// A contour run that must fail: resolves with its exit code and output.
function runContour(args) {
  return new Promise((resolve) => {
    // Killed after a while: an editor that should have refused to start would serve for ever.
    const child = spawn(contourBin, args, { stdio: ['ignore', 'pipe', 'pipe'], timeout: 20000 });
    let out = '', err = '';
    child.stdout.on('data', (d) => { out += d; });
    child.stderr.on('data', (d) => { err += d; });
    child.on('exit', (code) => resolve({ code, out, err }));
  });
}

describe('requests the editor refuses', () => {
  let editor, own, api;

  before(async () => {
    editor = await startEditor(writeDrawing(workDir(), 'shapes.svg', twoShapes));
    own = `127.0.0.1:${editor.port}`;
    api = (options = {}) => request(editor.port, {
      ...options, headers: { Host: own, 'X-Contour-Token': editor.token, ...(options.headers || {}) },
    });
  });
  after(() => stopEditor(editor));

  test('a request with the token and the editor\'s own Host is answered', async () => {
    assert.equal((await api()).status, 200);
    assert.equal((await api({ headers: { Host: `localhost:${editor.port}` } })).status, 200);
  });

  test('without the token, or with a wrong one, nothing is answered', async () => {
    for (const headers of [{ Host: own }, { Host: own, 'X-Contour-Token': '0'.repeat(32) },
      { Host: own, 'X-Contour-Token': editor.token.slice(1) }]) {
      const answer = await request(editor.port, { headers });
      assert.equal(answer.status, 403);
      assert.match(JSON.parse(answer.text).error, /token/);
      assert.ok(!answer.text.includes('svg'));
    }
    // The token in the address does not open the API (another site's page could put it there).
    assert.equal((await request(editor.port, { path: `/api/state?token=${editor.token}`, headers: { Host: own } })).status, 403);
    assert.equal((await request(editor.port, { path: '/', headers: { Host: own } })).status, 403);
  });

  test('a foreign Host header is refused, even with the token', async () => {
    for (const host of ['evil.example', `evil.example:${editor.port}`, `127.0.0.1:${editor.port + 1}`, '']) {
      const answer = await api({ headers: { Host: host } });
      assert.equal(answer.status, 403, `Host "${host}"`);
      assert.match(JSON.parse(answer.text).error, /Host/);
    }
  });

  test('the page loads with the token in its address, then by its cookie', async () => {
    const page = await request(editor.port, { path: `/?token=${editor.token}`, headers: { Host: own } });
    assert.equal(page.status, 200);
    assert.match(page.headers['content-security-policy'], /script-src 'self'/);
    const cookie = page.headers['set-cookie'][0].split(';')[0];
    assert.equal(cookie, `contour_token=${editor.token}`);
    const script = await request(editor.port, { path: '/js/app.js', headers: { Host: own, Cookie: cookie } });
    assert.equal(script.status, 200);
    assert.match(script.headers['content-type'], /javascript/);
  });

  test('only the embedded files are served', async () => {
    for (const path of ['/../CMakeLists.txt', '/etc/passwd', '/js/../../easel/http/EditorServer.cpp', '/api']) {
      const answer = await request(editor.port, { path: `${path}?token=${editor.token}`, headers: { Host: own } });
      assert.equal(answer.status, 404, path);
    }
  });

  test('malformed and oversized requests are refused and the document stays as it was', async () => {
    const before = JSON.parse((await api()).text);
    const post = (path, body, headers = {}) =>
      api({ method: 'POST', path, body, headers: { 'Content-Type': 'application/json', ...headers } });
    let answer = await post('/api/select', '{"at": [1,');
    assert.equal(answer.status, 400);
    assert.match(JSON.parse(answer.text).error, /malformed/);
    answer = await post('/api/select', '{"at": "here"}');
    assert.equal(answer.status, 400);
    answer = await post('/api/dialog', '[{"item": 4, "value": "twelve"}]');
    assert.equal(answer.status, 400);
    assert.match(JSON.parse(answer.text).error, /event 1/);
    answer = await post('/api/dialog', '[{"item": 4, "value": 20}]');  // no dialog is open
    assert.equal(answer.status, 409);
    answer = await post('/api/saveAs', '{"path": "drawing.exe"}');
    assert.equal(answer.status, 400);
    for (const [action, open, close] of [['/api/select', '{"a":', '}'], ['/api/dialog', '[', ']']]) {
      answer = await post(action, open.repeat(20000) + close.repeat(20000));
      assert.equal(answer.status, 400);
      assert.match(JSON.parse(answer.text).error, /line 1: nested 65 deep, deeper than the limit of 64/);
    }
    const large = `{"pad": "${'x'.repeat(70 * 1024)}"}`;
    answer = await post('/api/select', large, { 'Content-Length': String(large.length) });
    assert.equal(answer.status, 413);
    assert.match(JSON.parse(answer.text).error, /larger than 65536 bytes/);
    answer = await post('/api/select', large);  // sent in chunks, without a length: refused while read
    assert.ok([400, 413].includes(answer.status), `HTTP ${answer.status}`);
    answer = await api({ method: 'DELETE' });
    assert.equal(answer.status, 405);
    const after = JSON.parse((await api()).text);
    assert.equal(after.revision, before.revision);
    assert.deepEqual(after.selection, before.selection);
    assert.equal(after.modified, false);
  });

  test('slow clients do not keep the page waiting', async () => {
    // Sixteen connections that send a byte of their headers every two seconds.
    const slow = [];
    for (let i = 0; i < 16; i++) {
      const socket = net.connect(editor.port, '127.0.0.1');
      socket.on('error', () => {});
      const timer = setInterval(() => socket.write('G'), 2000);
      slow.push({ socket, timer });
    }
    try {
      await new Promise((resolve) => setTimeout(resolve, 500));
      const started = Date.now();
      assert.equal((await api()).status, 200);
      assert.ok(Date.now() - started < 3000, `answered after ${Date.now() - started} ms`);
    } finally {
      for (const { socket, timer } of slow) { clearInterval(timer); socket.destroy(); }
    }
  });

  test('a request that is not HTTP does not stop the editor', async () => {
    await new Promise((resolve) => {
      const socket = net.connect(editor.port, '127.0.0.1', () => socket.end('NONSENSE\r\n\r\n'));
      socket.on('data', () => {});
      socket.on('close', resolve);
    });
    assert.equal((await api()).status, 200);
  });
});

describe('Save As', () => {
  let editor, dir, post;

  before(async () => {
    dir = workDir();
    editor = await startEditor(writeDrawing(dir, 'shapes.svg', twoShapes));
    post = async (body) => {
      const answer = await request(editor.port, {
        method: 'POST', path: '/api/saveAs', body: JSON.stringify(body),
        headers: { Host: `127.0.0.1:${editor.port}`, 'X-Contour-Token': editor.token, 'Content-Type': 'application/json' },
      });
      return { status: answer.status, ...JSON.parse(answer.text) };
    };
  });
  after(() => stopEditor(editor));

  test('writes in the drawing\'s folder, never outside it, and replaces a file only when told to', async () => {
    const refused = ['/tmp/elsewhere.svg', '../elsewhere.svg', 'inside/../../elsewhere.svg'];
    for (const name of refused) {
      const answer = await post({ path: name });
      assert.equal(answer.status, 400, name);
      assert.match(answer.error, /drawing's folder/, name);
    }
    assert.equal((await post({ path: 'copy.svg' })).status, 200);
    assert.ok(existsSync(path.join(dir, 'copy.svg')));
    // A second relative name still lands beside the drawing, not beside the last copy.
    writeFileSync(path.join(dir, 'kept.svg'), 'mine');
    const exists = await post({ path: 'kept.svg' });
    assert.equal(exists.status, 409);
    assert.equal(exists.reason, 'exists');
    assert.equal(readFileSync(path.join(dir, 'kept.svg'), 'utf8'), 'mine');
    assert.equal((await post({ path: 'kept.svg', overwrite: true })).status, 200);
    assert.match(readFileSync(path.join(dir, 'kept.svg'), 'utf8'), /<svg/);
  });

  test('a folder link or a control character in the name is refused in one line, and nothing is written', async () => {
    const elsewhere = workDir();
    symlinkSync(elsewhere, path.join(dir, 'lnk'));
    for (const [name, says] of [['lnk/escaped.svg', /drawing's folder/], ['newfile\u0000.svg', /control character/]]) {
      const answer = await post({ path: name });
      assert.equal(answer.status, 400, name);
      assert.match(answer.error, says, name);
      assert.doesNotMatch(answer.error, /\n/);
    }
    assert.ok(!existsSync(path.join(elsewhere, 'escaped.svg')));
    assert.ok(!existsSync(path.join(dir, 'newfile')));
  });
});

describe('two editors of one drawing', () => {
  test('the second to save is asked before it replaces the first one\'s work', async () => {
    const dir = workDir();
    const file = writeDrawing(dir, 'shapes.svg', twoShapes);
    const a = await startEditor(file), b = await startEditor(file);
    const api = (editor, action, body = {}) => request(editor.port, {
      method: action === 'state' ? 'GET' : 'POST', path: `/api/${action}`,
      body: action === 'state' ? undefined : JSON.stringify(body),
      headers: { Host: `127.0.0.1:${editor.port}`, 'X-Contour-Token': editor.token, 'Content-Type': 'application/json' },
    }).then((answer) => ({ status: answer.status, ...JSON.parse(answer.text) }));
    try {
      await api(b, 'select', { all: true });
      await api(b, 'filter');
      await api(b, 'dialog', [{ end: 1 }]);
      assert.equal((await api(b, 'save')).status, 200);
      const theirs = readFileSync(file, 'utf8');
      assert.equal((await api(a, 'state')).changedOnDisk, true);
      const asked = await api(a, 'save');
      assert.equal(asked.status, 409);
      assert.equal(asked.reason, 'changed');
      assert.match(asked.error, /changed on disk since it was opened: replace it, or save under another name/);
      assert.equal(readFileSync(file, 'utf8'), theirs);
      assert.equal((await api(a, 'save', { overwrite: true })).status, 200);
      assert.notEqual(readFileSync(file, 'utf8'), theirs);
      assert.equal((await api(a, 'save')).status, 200, 'its own save is no change on disk');
    } finally {
      await stopEditor(a);
      await stopEditor(b);
    }
  });
});

describe('the browser\'s address', () => {
  test('carries a one-time code, not the token, and the code gives the cookie once', async () => {
    // A stand-in for the browser opener that notes the address it is given.
    const dir = workDir();
    const opened = path.join(dir, 'opened.txt');
    writeFileSync(path.join(dir, 'xdg-open'), `#!/bin/sh\necho "$@" > "${opened}"\n`);
    chmodSync(path.join(dir, 'xdg-open'), 0o755);
    const editor = await startEditor(writeDrawing(dir, 'shapes.svg', twoShapes), [], {
      open: true, env: { ...process.env, PATH: `${dir}:${process.env.PATH}` },
    });
    try {
      while (!existsSync(opened)) await new Promise((resolve) => setTimeout(resolve, 50));
      const address = readFileSync(opened, 'utf8').trim();
      assert.ok(!address.includes(editor.token), address);
      const code = /\?code=([0-9a-f]+)$/.exec(address)[1];
      const host = { Host: `127.0.0.1:${editor.port}` };
      const first = await request(editor.port, { path: `/?code=${code}`, headers: host });
      assert.equal(first.status, 303);
      const cookie = first.headers['set-cookie'][0].split(';')[0];
      const again = await request(editor.port, { path: `/?code=${code}`, headers: host });
      assert.equal(again.status, 403);
      const session = await request(editor.port, { path: '/api/session', headers: { ...host, Cookie: cookie } });
      assert.equal(JSON.parse(session.text).token, editor.token);
      // The cookie alone opens no other part of the API.
      const state = await request(editor.port, { path: '/api/state', headers: { ...host, Cookie: cookie } });
      assert.equal(state.status, 403);
    } finally {
      await stopEditor(editor);
    }
  });
});

describe('unsaved changes', () => {
  // Applies Contour through the API: the drawing then has changes not saved.
  async function change(editor) {
    const headers = { Host: `127.0.0.1:${editor.port}`, 'X-Contour-Token': editor.token };
    await request(editor.port, { method: 'POST', path: '/api/select', headers, body: '{"all": true}' });
    await request(editor.port, { method: 'POST', path: '/api/filter', headers });
    const done = JSON.parse((await request(editor.port, { method: 'POST', path: '/api/dialog', headers, body: '[{"end": 1}]' })).text);
    assert.equal(done.modified, true);
  }

  // The copy the editor's last line names.
  const copyNamed = (out, dir) => {
    const found = /the changes were not saved; they are in (.*shapes\.contour-recovery-[\d-]+\.svg)$/m.exec(out);
    assert.ok(found, out);
    assert.equal(path.dirname(found[1]), dir);
    return found[1];
  };

  test('go to a recovery copy when the editor is ended, which the next editor offers', async () => {
    for (const end of ['SIGINT', 'SIGTERM', 'close']) {
      const dir = workDir();
      const file = writeDrawing(dir, 'shapes.svg', twoShapes);
      const editor = await startEditor(file);
      await change(editor);
      if (end === 'close') {
        await request(editor.port, { method: 'POST', path: '/api/close',
          headers: { Host: `127.0.0.1:${editor.port}`, 'X-Contour-Token': editor.token } });
      } else {
        editor.child.kill(end);
      }
      const result = await editor.exited;
      assert.equal(result.code, 0, end);
      const copy = copyNamed(result.out, dir);
      assert.ok(readFileSync(copy, 'utf8').split('<path').length > twoShapes.split('<path').length, end);
      assert.equal(readFileSync(file, 'utf8'), twoShapes, end);
      utimesSync(file, new Date(Date.now() - 60000), new Date(Date.now() - 60000));
      const next = await startEditor(file);
      assert.match(next.output().out, /shapes\.contour-recovery-[\d-]+\.svg holds unsaved changes/, end);
      await stopEditor(next);
    }
  });

  test('two editors of one drawing ending unsaved keep a copy each, and the next editor names both', async () => {
    const dir = workDir();
    const file = writeDrawing(dir, 'shapes.svg', twoShapes);
    const editors = [await startEditor(file), await startEditor(file)];
    for (const editor of editors) await change(editor);
    const copies = [];
    for (const editor of editors) {
      editor.child.kill('SIGTERM');
      copies.push(copyNamed((await editor.exited).out, dir));
    }
    assert.notEqual(copies[0], copies[1]);
    utimesSync(file, new Date(Date.now() - 60000), new Date(Date.now() - 60000));
    const next = await startEditor(file);
    for (const copy of copies) assert.ok(next.output().out.includes(copy), next.output().out);
    // Ending unsaved again replaces neither.
    await change(next);
    next.child.kill('SIGTERM');
    const third = copyNamed((await next.exited).out, dir);
    assert.ok(!copies.includes(third));
    for (const copy of copies) assert.ok(existsSync(copy));
  });

  test('a stop ends the editor within a second, even during a long run, saying what became of the changes', async () => {
    const editor = await startEditor(writeDrawing(workDir(), 'stars.svg', starGrid(2000)));
    const headers = { Host: `127.0.0.1:${editor.port}`, 'X-Contour-Token': editor.token };
    await request(editor.port, { method: 'POST', path: '/api/select', headers, body: '{"all": true}' });
    await request(editor.port, { method: 'POST', path: '/api/filter', headers });
    // OK, without a preview, with the largest count and moved points: a final run of many seconds,
    // which nothing stops.
    request(editor.port, { method: 'POST', path: '/api/dialog', headers,
      body: '[{"item": 4, "value": 200}, {"item": 16, "value": 50}, {"item": 3, "value": 0}, {"end": 1}]' })
      .catch(() => {});
    // Stop only once the final run is going: on a busy machine it may take a while to begin.
    const deadline = Date.now() + 20000;
    for (;;) {
      const progress = JSON.parse((await request(editor.port, { path: '/api/progress', headers })).text);
      if (progress.running && !progress.stoppable && progress.made > 0) break;
      assert.ok(Date.now() < deadline, 'the final run did not start within 20 s');
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    const started = Date.now();
    editor.child.kill('SIGINT');
    const result = await editor.exited;
    const ms = Date.now() - started;
    assert.ok(ms < 1500, `ended after ${ms} ms`);
    assert.match(result.out, /stopping \(interrupted\)/);
    assert.match(result.out, /no recovery copy was written|they are in/);
  });

  test('nothing is kept when there are none, and an older copy is not offered', async () => {
    const dir = workDir();
    const file = writeDrawing(dir, 'shapes.svg', twoShapes);
    const copy = writeDrawing(dir, 'shapes.contour-recovery-20260101-000000.svg', twoShapes);
    utimesSync(copy, new Date(Date.now() - 60000), new Date(Date.now() - 60000));
    const before = statSync(copy).mtimeMs;
    const editor = await startEditor(file);
    assert.doesNotMatch(editor.output().out, /recovery/);
    const result = await stopEditor(editor);
    assert.doesNotMatch(result.out, /not saved/);
    assert.equal(statSync(copy).mtimeMs, before);
  });
});

describe('how the editor starts and ends', () => {
  test('a port in use: a clear message and a non-zero exit', async () => {
    const blocker = net.createServer();
    await new Promise((resolve) => blocker.listen(0, '127.0.0.1', resolve));
    const { port } = blocker.address();
    const file = writeDrawing(workDir(), 'shapes.svg', twoShapes);
    const result = await runContour(['edit', file, '--no-open', '--port', String(port)]);
    blocker.close();
    assert.notEqual(result.code, 0);
    assert.match(result.err, new RegExp(`127\\.0\\.0\\.1:${port}: the port is in use`));
  });

  test('a port another editor listens on is in use too', async () => {
    const file = writeDrawing(workDir(), 'shapes.svg', twoShapes);
    const first = await startEditor(file);
    try {
      const second = await runContour(['edit', file, '--no-open', '--port', String(first.port)]);
      assert.notEqual(second.code, 0);
      assert.match(second.err, new RegExp(`127\\.0\\.0\\.1:${first.port}: the port is in use`));
    } finally {
      await stopEditor(first);
    }
  });

  test('a drawing that cannot be read: the file and the problem, and a non-zero exit', async () => {
    const dir = workDir();
    const missing = await runContour(['edit', `${dir}/nothing.svg`, '--no-open']);
    assert.notEqual(missing.code, 0);
    assert.match(missing.err, /nothing\.svg/);
    const broken = writeDrawing(dir, 'broken.svg', '<svg xmlns="http://www.w3.org/2000/svg"><path d="M 0 0 L');
    const bad = await runContour(['edit', broken, '--no-open']);
    assert.notEqual(bad.code, 0);
    assert.match(bad.err, /broken\.svg/);
    assert.equal(bad.err.trim().split('\n').length, 1);
  });

  test('Ctrl-C ends the editor cleanly, also with the dialog open', async () => {
    const editor = await startEditor(writeDrawing(workDir(), 'shapes.svg', twoShapes));
    const headers = { Host: `127.0.0.1:${editor.port}`, 'X-Contour-Token': editor.token };
    await request(editor.port, { method: 'POST', path: '/api/select', headers, body: '{"all": true}' });
    const opened = JSON.parse((await request(editor.port, { method: 'POST', path: '/api/filter', headers })).text);
    assert.equal(opened.dialog.name, 'Tesk_Contour');
    editor.child.kill('SIGINT');
    const result = await editor.exited;
    assert.equal(result.code, 0);
    assert.match(result.out, /stopping \(interrupted\)/);
  });
});

describe('the drawing\'s own content never runs in the page', () => {
  test('scripts, event attributes and loads stay inert, also in the preview\'s patches', async () => {
    const lure = await startLure();
    let editor, browser;
    try {
      editor = await startEditor(writeDrawing(workDir(), 'bait.svg', hostileDrawing(lure.address)));
      browser = await launchBrowser();
      const page = await openPage(browser, editor);
      await andRedraw(page, () => page.keyboard.press('Control+a'));
      await andRedraw(page, () => page.evaluate(() => document.querySelector('.menu[data-menu="Filter"] .submenu .menu-list .menu-item').click()));
      assert.equal(shapeCount(await drawing(page)), 1 + 13);  // the rect's contours were patched in
      await page.mouse.move(120, 180);
      await page.mouse.move(140, 200);
      assert.equal(await page.evaluate(() => window.ran), undefined);
      assert.equal(lure.loads(), 0);
    } finally {
      await browser?.close();
      if (editor) await stopEditor(editor);
      lure.stop();
    }
  });
});
