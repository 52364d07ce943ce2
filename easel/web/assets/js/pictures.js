// Our own small pictures for the picture push buttons, which the plug-in
// leaves without one: the page buttons show what their page is about, the
// pick buttons a cross-hair.
const pagePictures = {
  100: 'contour', 101: 'rotate', 102: 'shift', 103: 'points', 104: 'style', 105: 'settings',
};

export function pictureFor(itemId, picks) {
  if (picks.includes(itemId)) return 'pictures/pick.svg';
  return `pictures/${pagePictures[itemId] || 'blank'}.svg`;
}
