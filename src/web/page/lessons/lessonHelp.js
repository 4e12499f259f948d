// Writing a lesson from the page itself: the format with an example, the
// readouts each demonstration shows (the names a lesson's answer: and {name}
// take) with their meaning, and a template file that opens as a lesson.
// Controls: "Save a template lesson".
import { lessonFormat } from './lessonText.js';
import { t, onLanguage } from '../core/i18n.js';
import { download } from '../classroom/picture.js';

// Where each readout is shown (the message lessonHelp.group.<n>), a state that
// shows exactly these, and the readouts (each meaning lessonHelp.group.<n>.<name>)
export const READOUT_GROUPS = [
  { link: 'demo=1', names: ['velocity', 'gamma', 'rapidity', 'coordinateTime'] },
  { link: 'demo=2', names: ['velocity', 'gamma', 'rapidity', 'length'] },
  { link: 'demo=3', names: ['velocity', 'rapidity', 'properTimeHome', 'properTimeTraveller', 'turnaroundX', 'turnaroundT', 'tripProperTime', 'dopplerOut', 'dopplerBack', 'reunionHomeSent', 'reunionHomeReceived', 'reunionTravellerSent', 'reunionTravellerReceived'] },
  { link: 'demo=3&tau=0.5', names: ['travellerTime', 'homeTimeSimultaneous', 'homeTimeSeen', 'signalsReceivedByTraveller'] },
  { link: 'demo=3&ride=1', names: ['rideVelocity'] },
  { link: 'demo=1&ev=1,0.5;-0.5,0.2', names: ['pairInterval', 'pairKind', 'pairFirstDiagram', 'pairFirstOwn', 'pairSimultaneousAt'] },
  { link: 'demo=1&ev=-0.5,0.2;0,1.5', names: ['pairInterval', 'pairSamePlaceAt', 'pairProperTime'] },
  { link: 'demo=4&boosts=0.6,0', names: ['velocityX', 'velocityY', 'velocity', 'gamma', 'heading', 'wignerAngle'] },
  { link: 'demo=5&boosts=0.6,0', names: ['halfAngle', 'rayAngle', 'rayDoppler'] },
  { link: 'demo=7', names: ['thomasAngle', 'polygonAngle', 'orbitShare'] },
  { link: 'demo=8', names: ['lookTime', 'imageFrom', 'imageTo', 'apparentRotation', 'outlineAlong', 'outlineAcross', 'outlineAspect', 'imageDoppler'] },
  { link: 'demo=10', names: ['rocketTime', 'launchTime', 'launchPlace', 'velocity', 'gamma', 'rapidity', 'horizonDistance', 'homeTimeSimultaneous', 'homeTimeSeen'] },
  { link: 'demo=10&trip=round', names: ['rocketTotal', 'homeTotal', 'farthest'] },
  { link: 'demo=11', names: ['gapLaunch', 'gapRear', 'frontTime', 'stretch', 'breakTime'] },
];

// a lesson file to start from: the format's example and one more step
const template = () => `${lessonFormat()}\n\n${t('lessonText.templateStep')}\n`;

export function attachLessonHelp() {
  const format = document.getElementById('lesson-format');
  format.textContent = lessonFormat();
  onLanguage(() => { format.textContent = lessonFormat(); });
  const list = document.getElementById('lesson-readouts');
  const readouts = () => list.replaceChildren(...READOUT_GROUPS.flatMap(({ link, names }, i) => {
    const heading = document.createElement('dt');
    const state = document.createElement('code');
    state.textContent = `(${link})`;
    heading.append(t(`lessonHelp.group.${i + 1}`), ' ', state);
    return [heading, ...names.map((name) => {
      const item = document.createElement('dd');
      const code = document.createElement('code');
      code.textContent = name;
      item.append(code, t('legend.meaning', { meaning: t(`lessonHelp.group.${i + 1}.${name}`) }));
      return item;
    })];
  }));
  readouts();
  onLanguage(readouts);
  document.querySelector('button[data-control="lesson-template"]').addEventListener('click', () => {
    download(new Blob([template()], { type: 'text/plain' }), 'my-lesson.txt');
  });
}
