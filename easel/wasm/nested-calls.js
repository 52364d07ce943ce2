// Linked into the worker's host after emscripten's own glue (--post-js), in
// its scope, before the module is instantiated. Two costs of that glue fall
// on every call the host makes where a C++ exception may pass (a suite that
// turns a document's error into its code, a function whose locals need
// destroying): such a call leaves the module for a JavaScript `invoke_`
// function, which calls back in through an export.
//
// - Asyncify wraps every export to track the one the page's event entered by
//   (a suspension saves that one, to rewind into it later). A call nested in
//   another is never that one: it goes straight in.
// - An invoke reaches the function through its `dynCall_` export, a second
//   wrapped call; it calls the table's entry directly instead. Signatures with
//   64-bit integers keep emscripten's invoke (its dynCall splits them).
//
// A suspension in a nested call unwinds through these frames as through
// emscripten's: each returns, the outer function records where it was, and
// the rewind calls them again. Should the glue not have what this expects
// (another emscripten), it is left as it is.
(() => {
  if (typeof Asyncify !== 'object' || typeof Asyncify.instrumentWasmExports !== 'function'
      || typeof asmLibraryArg !== 'object') return;

  const track = Asyncify.instrumentWasmExports;
  Asyncify.instrumentWasmExports = (exports) => {
    const tracked = track(exports), calls = {};
    for (const name of Object.keys(tracked)) {
      const plain = exports[name], full = tracked[name];
      calls[name] = typeof plain !== 'function' ? full
        : (...args) => (Asyncify.exportCallStack.length ? plain(...args) : full(...args));
    }
    return calls;
  };

  // The table's functions as JavaScript sees them, in an array made whole at
  // once (one grown index by index is kept as a slow dictionary).
  let entries = null;
  const entry = (index) => {
    if (entries === null) entries = new Array(wasmTable.length).fill(null);
    return entries[index] || (entries[index] = wasmTable.get(index));
  };
  // As emscripten's invoke does when the call throws: the stack back where it
  // was, and the caller told, unless it is not a C++ exception.
  const thrown = (sp, e) => {
    stackRestore(sp);
    if (e !== e + 0) throw e;
    _setThrew(1, 0);
  };
  // By the number of arguments after the table index.
  const invokes = [
    (i) => { const sp = stackSave(); try { return entry(i)(); } catch (e) { thrown(sp, e); } },
    (i, a) => { const sp = stackSave(); try { return entry(i)(a); } catch (e) { thrown(sp, e); } },
    (i, a, b) => { const sp = stackSave(); try { return entry(i)(a, b); } catch (e) { thrown(sp, e); } },
    (i, a, b, c) => { const sp = stackSave(); try { return entry(i)(a, b, c); } catch (e) { thrown(sp, e); } },
    (i, a, b, c, d) => { const sp = stackSave(); try { return entry(i)(a, b, c, d); } catch (e) { thrown(sp, e); } },
    (i, a, b, c, d, f) => { const sp = stackSave(); try { return entry(i)(a, b, c, d, f); } catch (e) { thrown(sp, e); } },
    (i, a, b, c, d, f, g) => { const sp = stackSave(); try { return entry(i)(a, b, c, d, f, g); } catch (e) { thrown(sp, e); } },
  ];
  for (const key of Object.keys(asmLibraryArg)) {
    const glue = asmLibraryArg[key];
    const signature = typeof glue === 'function' && /^invoke_[vidf]([idf]*)$/.exec(glue.name);
    if (signature && signature[1].length < invokes.length) asmLibraryArg[key] = invokes[signature[1].length];
  }
})();
