// Sharing the state on purpose: "Copy link" puts the address of this very
// picture on the clipboard and says so, or says that the clipboard refused
// and shows the address to copy by hand. A page opened from a file has an
// address that works only where that file is: the message says how to share
// instead.
// Controls: "Copy link".

// flush(): the address of the state now; say(text): a status line
export function attachShare(flush, say) {
  const button = document.querySelector('button[data-control="copy-link"]');
  const fromFile = window.location.protocol === 'file:';
  const fileNote = ' This page was opened from a file, so the link opens only where the same file is:'
    + ' to share with a class, put the page on a course site and copy the link there.';
  button.addEventListener('click', async () => {
    flush();
    const address = window.location.href;
    try {
      await navigator.clipboard.writeText(address);
      say(`Link copied.${fromFile ? fileNote : ''}`);
    } catch {
      say(`The browser did not let the page copy; copy this address: ${address}${fromFile ? fileNote : ''}`);
    }
  });
}
