// Sharing the state on purpose: "Copy link" puts the address of this very
// picture on the clipboard and says so, or says that the clipboard refused
// and shows the address to copy by hand. A page opened from a file has an
// address that works only where that file is: the message says how to share
// instead.
// Controls: "Copy link".

import { t } from '../core/i18n.js';

// flush(): the address of the state now; say(text): a status line
export function attachShare(flush, say) {
  const button = document.querySelector('button[data-control="copy-link"]');
  const fromFile = window.location.protocol === 'file:';
  button.addEventListener('click', async () => {
    flush();
    const address = window.location.href;
    try {
      await navigator.clipboard.writeText(address);
      say(`${t('share.copied')}${fromFile ? ` ${t('share.fromFile')}` : ''}`);
    } catch {
      say(`${t('share.refused', { address })}${fromFile ? ` ${t('share.fromFile')}` : ''}`);
    }
  });
}
