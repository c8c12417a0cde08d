// The page's switch for colour-blind eyes, beside the language list. Its
// check box carries the choice into the core, which picks the colours and,
// while the display is paused, draws the spectra again; ?colours=colour-blind
// in the address ticks it at start.
/* exported QuorvaneColours */

// Memory's help names the held copy's colour, so the texts are fetched again.
function QuorvaneColours({ call, tr, params, pictures, draw, show, relabel }) {
  const box = document.getElementById('colour-blind');
  box.addEventListener('change', () => {
    call('qv_colour_blind', box.checked ? 1 : 0);
    for (const picture of pictures) if (call('qv_changed', picture.name)) draw(picture);
    relabel();
    show();
  });
  if (params.get('colours') === 'colour-blind') {
    box.checked = true;
    call('qv_colour_blind', 1);
  }
  function label() {
    box.nextElementSibling.textContent = tr('MainWindow', 'Colours for colour-blind eyes');
  }
  return { label };
}
