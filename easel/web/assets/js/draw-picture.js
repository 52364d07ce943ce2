// A PNG of a drawing, drawn by the browser for a host that draws no
// pictures itself: its SVG as an image (which runs and loads nothing),
// scaled so that the area asked for fills the picture.
//   draw: {svg, area: [left, top, width, height] in fractions of the
//   drawing's own size from its top-left corner, white}; size: {width, height}.
export async function drawPicture({ svg, area: [left, top, width, height], white }, size) {
  const url = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  try {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = new OffscreenCanvas(size.width, size.height);
    const context = canvas.getContext('2d');
    if (white) {
      context.fillStyle = 'white';
      context.fillRect(0, 0, size.width, size.height);
    }
    const whole = [size.width / width, size.height / height];
    context.drawImage(image, -left * whole[0], -top * whole[1], whole[0], whole[1]);
    return await (await canvas.convertToBlob({ type: 'image/png' })).arrayBuffer();
  } finally {
    URL.revokeObjectURL(url);
  }
}
