// The picture for slides and worksheets: saved as a PNG of the canvas at its
// device pixels, exactly as drawn, named after the state; recorded as a WebM
// video, where the browser can record a canvas: what a Play plays (the rest of
// it when it plays already), or, with no Play, whatever moves until pressed again.
// Controls: "Save picture", "Record" (then "Stop recording").

import { t } from '../core/i18n.js';

const RECORD_FRAMES_PER_SECOND = 30;
const RECORD_TYPES = ['video/webm;codecs=vp9', 'video/webm;codecs=vp8', 'video/webm'];

// the state in a file name: lorentz-F1-v0.60
const nameOf = (q) => `lorentz-F${q.demo}${Number.isFinite(q.velocity) ? `-v${q.velocity.toFixed(2)}` : ''}`;

// a file for the browser to save
export function download(blob, name) {
  const save = document.createElement('a');
  save.href = URL.createObjectURL(blob);
  save.download = name;
  save.click();
  setTimeout(() => URL.revokeObjectURL(save.href), 60000); // once the download has read it
}

// readouts(): the program's; playing(): whether a Play runs; say(text): a status line
export function attachPicture(canvas, readouts, playing, say) {
  const saveButton = document.querySelector('button[data-control="save-picture"]');
  const recordButton = document.querySelector('button[data-control="record"]');

  saveButton.addEventListener('click', () => {
    const name = `${nameOf(readouts())}.png`;
    canvas.toBlob((blob) => {
      if (blob) download(blob, name);
      say(blob ? t('picture.saved', { file: name }) : t('picture.notSaved'));
    }, 'image/png');
  });

  // recording: from the press while Play runs, to the press again or the end of Play
  const type = RECORD_TYPES.find((t) => window.MediaRecorder?.isTypeSupported?.(t));
  recordButton.hidden = !type || !canvas.captureStream;
  let recorder = null;
  let name = '';
  const stop = () => recorder?.state === 'recording' && recorder.stop();
  // a Play the demonstration shown offers
  const hasPlay = () => [...document.querySelectorAll('button[data-control="play"]')]
    .some((button) => button.offsetParent !== null && !button.disabled);
  recordButton.addEventListener('click', () => {
    if (recorder) {
      stop();
      return;
    }
    const withPlay = hasPlay();
    const midway = playing();
    const chunks = [];
    name = `${nameOf(readouts())}.webm`;
    recorder = new MediaRecorder(canvas.captureStream(RECORD_FRAMES_PER_SECOND), { mimeType: type });
    recorder.addEventListener('dataavailable', (e) => chunks.push(e.data));
    recorder.addEventListener('stop', () => {
      download(new Blob(chunks, { type: 'video/webm' }), name);
      say(t('picture.saved', { file: name }));
      recorder = null;
      recordButton.textContent = t('picture.record');
      recordButton.setAttribute('aria-pressed', 'false');
    });
    recorder.start();
    recordButton.textContent = t('picture.stop');
    recordButton.setAttribute('aria-pressed', 'true');
    say(t(midway ? 'picture.recordingRest' : withPlay ? 'picture.recordingPlay' : 'picture.recordingMoves'));
  });
  let wasPlaying = false;

  // after every frame: a recording ends with the Play it recorded
  return function refresh() {
    const now = playing();
    if (wasPlaying && !now) stop();
    wasPlaying = now;
  };
}
