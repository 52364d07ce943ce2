// The page's recovery copy: the drawing with the changes not saved, kept in
// the browser's storage (IndexedDB, which holds large drawings) until they
// are saved, and opened again on the next visit.
const DATABASE = 'contour', STORE = 'recovery', KEY = 'drawing';

function opened() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

async function inStore(mode, act) {
  const database = await opened();
  return new Promise((resolve, reject) => {
    const transaction = database.transaction(STORE, mode);
    const request = act(transaction.objectStore(STORE));
    transaction.oncomplete = () => resolve(request.result);
    transaction.onerror = () => reject(transaction.error);
  });
}

// {name, text, time}, or undefined (none kept, or no storage: a private window may have none).
export const keptCopy = () => inStore('readonly', (store) => store.get(KEY)).catch(() => undefined);
export const keepCopy = (copy) => inStore('readwrite', (store) => store.put(copy, KEY)).catch(() => {});
export const dropCopy = () => inStore('readwrite', (store) => store.delete(KEY)).catch(() => {});
