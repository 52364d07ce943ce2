// Pixel probes of screenshots and PNG files: the colours at given points,
// read in a blank page of the browser (whose policy lets it decode them).
export async function pixelsAt(browser, png, points) {
  const blank = await browser.newPage();
  try {
    return await blank.evaluate(async ([base64, at]) => {
      const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      context.drawImage(bitmap, 0, 0);
      const size = [bitmap.width, bitmap.height];
      return { size, colours: at.map(([x, y]) => [...context.getImageData(Math.round(x), Math.round(y), 1, 1).data]) };
    }, [png.toString('base64'), points]);
  } finally {
    await blank.close();
  }
}

// [r, g, b, a] against #rrggbb, within a few levels for each channel.
export function near([r, g, b], hex, within = 12) {
  const want = [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));
  return Math.max(Math.abs(r - want[0]), Math.abs(g - want[1]), Math.abs(b - want[2])) <= within;
}
