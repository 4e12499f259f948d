// Writing a lesson from the page itself: the format with an example, the
// readouts each demonstration shows (the names a lesson's answer: and {name}
// take) with their meaning, and a template file that opens as a lesson.
// Controls: "Save a template lesson".
import { FORMAT } from './lessonText.js';
import { download } from '../classroom/picture.js';

// Where each readout is shown; link: a state that shows exactly these
export const READOUT_GROUPS = [
  { where: 'F1, the clock', link: 'demo=1', names: {
    velocity: 'the objects’ velocity as drawn, in c: negative to the left', gamma: 'the Lorentz factor γ',
    rapidity: 'the rapidity, artanh v', coordinateTime: 'the coordinate time the clock takes for its proper time 2' } },
  { where: 'F2, the rod', link: 'demo=2', names: {
    velocity: 'as in F1', gamma: 'as in F1', rapidity: 'as in F1', length: 'the rod’s measured length (proper length 2)' } },
  { where: 'F3, the twins', link: 'demo=3', names: {
    velocity: 'the velocity of the frame drawn', rapidity: 'its rapidity',
    properTimeHome: 'the home twin’s proper time, departure to reunion', properTimeTraveller: 'the traveller’s',
    turnaroundX: 'the turnaround’s x', turnaroundT: 'and its t', tripProperTime: 'the traveller’s proper time for the trip',
    dopplerOut: 'the other clock seen running, going out (×)', dopplerBack: 'and coming back (×)',
    reunionHomeSent: 'pulses home has sent by the reunion (a count)', reunionHomeReceived: 'pulses home has received',
    reunionTravellerSent: 'pulses the traveller has sent', reunionTravellerReceived: 'pulses the traveller has received' } },
  { where: 'F3 with the traveller’s clock set (tau=)', link: 'demo=3&tau=0.5', names: {
    travellerTime: 'the traveller’s clock τ', homeTimeSimultaneous: 'the home clock on the traveller’s line of simultaneity',
    homeTimeSeen: 'the home clock the traveller sees by light', signalsReceivedByTraveller: 'pulses from home received (a count)' } },
  { where: 'F3 riding along (ride=1)', link: 'demo=3&ride=1', names: {
    rideVelocity: 'the velocity of the traveller’s leg in the home frame' } },
  { where: 'F1 to F3 with two events, a spacelike pair', link: 'demo=1&ev=1,0.5;-0.5,0.2', names: {
    pairInterval: 'the interval Δt² − Δx², negative for a spacelike pair',
    pairKind: 'timelike, spacelike or lightlike: in words, for {name} only',
    pairFirstDiagram: 'the event that happens first in the diagram’s frame: in words, for {name} only',
    pairFirstOwn: 'the one first in the own frame: in words, for {name} only',
    pairSimultaneousAt: 'the velocity v at which the own frame is drawn when the pair is simultaneous' } },
  { where: 'F1 to F3 with two events, a timelike pair', link: 'demo=1&ev=-0.5,0.2;0,1.5', names: {
    pairInterval: 'as above', pairSamePlaceAt: 'the velocity v at which the own frame is drawn when the pair is at one place',
    pairProperTime: 'the proper time of a clock going straight from one to the other' } },
  { where: 'F4 to F9 (after boosts)', link: 'demo=4&boosts=0.6,0', names: {
    velocityX: 'the x part of the velocity, in c', velocityY: 'the y part', velocity: 'the speed', gamma: 'the Lorentz factor',
    wignerAngle: 'the Thomas–Wigner rotation in degrees, counter-clockwise positive' } },
  { where: 'F5 and F6, the light cones', link: 'demo=5&boosts=0.6,0', names: {
    halfAngle: 'half the light within this angle of the motion (degrees)', rayAngle: 'the probe ray as drawn (degrees from the motion)',
    rayDoppler: 'the probe ray’s Doppler factor' } },
  { where: 'F7, Thomas precession', link: 'demo=7', names: {
    thomasAngle: 'the spin’s turn per orbit (degrees)', polygonAngle: 'the turn after the polygon of boosts (degrees)',
    orbitShare: 'the share of the orbit gone round' } },
  { where: 'F8 and F9, seen from afar', link: 'demo=8', names: {
    lookTime: 'the observer’s time', imageFrom: 'where the image is seen from (degrees from the motion)',
    imageTo: 'where it is seen to (degrees)', apparentRotation: 'how far round the centre is seen turned (degrees)',
    outlineAlong: 'the camera’s picture of the cube or sphere: degrees along the plane of motion',
    outlineAcross: 'and across it, through the picture’s middle', outlineAspect: 'along divided by across',
    imageDoppler: 'the Doppler factor of the light from the middle of the image (below 1: redder)' } },
];

const TEMPLATE = `${FORMAT}

## A step of your own
state: demo=2 & v = -0.6
The rod moves to the left now.
ask: How long is the rod measured at v = -0.6?
answer: length
explain: Only the speed matters: {length}.
`;

export function attachLessonHelp() {
  document.getElementById('lesson-format').textContent = FORMAT;
  const list = document.getElementById('lesson-readouts');
  for (const { where, link, names } of READOUT_GROUPS) {
    const heading = document.createElement('dt');
    heading.textContent = `${where} (${link})`;
    const items = Object.entries(names).map(([name, meaning]) => {
      const item = document.createElement('dd');
      const code = document.createElement('code');
      code.textContent = name;
      item.append(code, `: ${meaning}`);
      return item;
    });
    list.append(heading, ...items);
  }
  document.querySelector('button[data-control="lesson-template"]').addEventListener('click', () => {
    download(new Blob([TEMPLATE], { type: 'text/plain' }), 'my-lesson.txt');
  });
}
