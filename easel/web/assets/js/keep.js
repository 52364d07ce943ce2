// A drawing the page's own host has saved, or a picture exported (the host
// in the page keeps its files in memory): written to the file the user
// chooses, where the browser can write files (the File System Access API),
// else downloaded. The file chosen once is written again by the next Save
// of the same name.
const chosen = new Map();  // name -> the file's handle

// What the file is, by its name: a picture exported, or a drawing.
const kindOf = (name) => (/\.png$/i.test(name)
  ? { description: 'PNG picture', type: 'image/png', extensions: ['.png'] }
  : { description: 'SVG drawing', type: 'image/svg+xml', extensions: ['.svg', '.svgz'] });

async function chooseFile(name) {
  if (!chosen.has(name)) {
    const { description, type, extensions } = kindOf(name);
    chosen.set(name, await showSaveFilePicker({ suggestedName: name, types: [{ description, accept: { [type]: extensions } }] }));
  }
  return chosen.get(name);
}

function download(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: kindOf(name).type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

// Where the browser can write files, the user chooses the file before the
// host is asked to make it, so that a window cancelled leaves the drawing as
// not saved: false when the user chose none.
export async function chooseTarget(name) {
  if (typeof globalThis.showSaveFilePicker !== 'function') return true;
  try {
    await chooseFile(name);
  } catch (error) {
    if (error.name === 'AbortError') return false;  // else written by a download, once made
  }
  return true;
}

// Resolves once the file is written or handed to the browser's downloads;
// false when the user chose no file.
export async function keepFile(name, bytes) {
  if (typeof globalThis.showSaveFilePicker === 'function') {
    try {
      const writable = await (await chooseFile(name)).createWritable();
      await writable.write(bytes);
      await writable.close();
      return true;
    } catch (error) {
      if (error.name === 'AbortError') return false;
      chosen.delete(name);  // the file cannot be written: downloaded instead
    }
  }
  download(name, bytes);
  return true;
}
