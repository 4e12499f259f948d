// Sections of the panel that fold to their headings: the heading becomes a
// button that folds or unfolds its section, so that what is in use fits
// beside the picture (presenting folds some of them; see present.js).
// Controls: each section's heading.

const FOLDING = ['frames', 'scenes', 'twins', 'legend', 'help'];

export function attachFolds() {
  const toggles = new Map();
  for (const id of FOLDING) {
    const section = document.getElementById(id);
    const heading = section.querySelector('h2');
    const toggle = document.createElement('button');
    toggle.type = 'button';
    toggle.className = 'fold';
    toggle.setAttribute('aria-expanded', 'true');
    toggle.append(...heading.childNodes);
    heading.append(toggle);
    toggle.addEventListener('click', () => fold(id, toggle.getAttribute('aria-expanded') === 'true'));
    toggles.set(id, [section, toggle]);
  }
  // folds (or unfolds) section id
  function fold(id, folded) {
    const [section, toggle] = toggles.get(id);
    section.classList.toggle('folded', folded);
    toggle.setAttribute('aria-expanded', String(!folded));
  }
  return fold;
}
