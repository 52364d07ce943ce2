// Small DOM helpers shared by the page's modules.
export function element(tag, className, parent) {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (parent) parent.appendChild(node);
  return node;
}

// A control's text with its mnemonic: "&OK" shows "OK" with the O underlined.
export function setMnemonicText(node, text) {
  node.replaceChildren();
  const at = text.search(/&[^&]/);
  if (at < 0) {
    node.textContent = text.replaceAll('&&', '&');
    return;
  }
  node.append(text.slice(0, at).replaceAll('&&', '&'));
  element('u', '', node).textContent = text[at + 1];
  node.append(text.slice(at + 2).replaceAll('&&', '&'));
}
